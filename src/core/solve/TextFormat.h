#pragma once
#include <cstdint>
#include <string>

#include "model/Types.h"

namespace korvelan {

// Blank padding and fitting of report columns.
std::string PadLeft(const std::string& s, int width);
std::string PadRight(const std::string& s, int width);
// Keep the first min(width, length) characters, then pad on the left / on the right.
std::string FitLeft(const std::string& s, int width);
std::string FitRight(const std::string& s, int width);
// Decimal text of n padded on the left to width characters.
std::string IntRight(long long n, int width);
// "TRUE " or "FALSE".
std::string BoolText(bool b);
// The last three characters of a file name in upper case.
std::string FileExtension(const std::string& name);
// Decimals with which x is printed so that about n characters of digits are used.
int DecimalsFor(int n, Extended x);

// The three number styles. precision is the number of significant digits kept,
// decimals the digits shown after the point. Fixed conventions, independent of
// the user's locale: "." decimal point, "," thousands separator, "$" currency,
// negative currency in parentheses: "($1,234.57)".
std::string FormatFixed(Extended x, int precision, int decimals);   // 1234.57
std::string FormatNumber(Extended x, int precision, int decimals);  // 1,234.57
std::string FormatCurrency(Extended x, int precision, int decimals);  // $1,234.57

// Round a real to a whole number, halves to the even neighbour.
int64_t RoundHalfEven(long double x);

}  // namespace korvelan
