#include "solve/TextFormat.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvelan {

std::string PadLeft(const std::string& s, int width) {
  const int missing = width - static_cast<int>(s.size());
  return missing > 0 ? std::string(missing, ' ') + s : s;
}

std::string PadRight(const std::string& s, int width) {
  const int missing = width - static_cast<int>(s.size());
  return missing > 0 ? s + std::string(missing, ' ') : s;
}

std::string FitLeft(const std::string& s, int width) {
  return PadLeft(s.substr(0, static_cast<size_t>(std::max(width, 0))), width);
}

std::string FitRight(const std::string& s, int width) {
  return PadRight(s.substr(0, static_cast<size_t>(std::max(width, 0))), width);
}

std::string IntRight(long long n, int width) { return PadLeft(std::to_string(n), width); }

std::string BoolText(bool b) { return b ? "TRUE " : "FALSE"; }

std::string FileExtension(const std::string& name) {
  std::string tail = name.size() > 3 ? name.substr(name.size() - 3) : name;
  for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return tail;
}

int DecimalsFor(int n, Extended x) {
  if (x == 0) return n >= 3 ? 1 : 0;
  int k = x > 0 ? (n < 3 ? 0 : n - 2) : (n < 4 ? 0 : n - 3);
  const Extended magnitude = std::fabs(x);
  for (Extended b = 1; 10 * b <= magnitude && k >= 0; b *= 10) --k;
  return std::max(k, 0);
}

int64_t RoundHalfEven(long double x) { return std::llrint(x); }

namespace {

struct Digits {
  bool negative = false;
  std::string whole;     // integer digits, at least "0"
  std::string fraction;  // exactly `decimals` digits
  bool scientific = false;
  std::string scientificText;
};

// Round to `precision` significant digits, then lay out with `decimals` decimals.
Digits Decompose(Extended x, int precision, int decimals) {
  Digits d;
  precision = std::clamp(precision, 1, 18);
  decimals = std::clamp(decimals, 0, 18);
  if (std::isnan(x) || std::isinf(x)) {
    d.scientific = true;
    d.scientificText = std::isnan(x) ? "NAN" : (x > 0 ? "INF" : "-INF");
    return d;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, x);
  std::string text(buffer);
  d.negative = text[0] == '-';
  if (d.negative) text.erase(0, 1);
  const size_t e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::string mantissa = text.substr(0, e);
  if (mantissa.size() > 1) mantissa.erase(1, 1);  // drop the point
  if (exponent >= precision) {
    // More whole digits than the precision keeps: scientific notation.
    d.scientific = true;
    std::snprintf(buffer, sizeof buffer, "%.*LE", precision - 1, x);
    d.scientificText = buffer;
    return d;
  }
  // mantissa digits m0 m1 ... with the point after position exponent + 1
  const int pointAt = exponent + 1;
  std::string whole, fraction;
  for (int p = 0; p < pointAt; ++p) whole += p < static_cast<int>(mantissa.size()) ? mantissa[p] : '0';
  for (int p = pointAt; p < 0; ++p) fraction += '0';
  for (int p = std::max(pointAt, 0); p < static_cast<int>(mantissa.size()); ++p) fraction += mantissa[p];
  if (whole.empty()) whole = "0";
  if (static_cast<int>(fraction.size()) > decimals) {
    // Round the shown decimals of the already rounded digits: use the exact value again.
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, std::fabs(std::stold(whole + "." + fraction)));
    std::string fixed(buffer);
    const size_t point = fixed.find('.');
    whole = fixed.substr(0, point);
    fraction = point == std::string::npos ? "" : fixed.substr(point + 1);
  }
  fraction.resize(static_cast<size_t>(decimals), '0');
  d.whole = whole;
  d.fraction = fraction;
  if (std::all_of(whole.begin(), whole.end(), [](char c) { return c == '0'; }) &&
      std::all_of(fraction.begin(), fraction.end(), [](char c) { return c == '0'; }))
    d.negative = false;  // never print "-0.00"
  return d;
}

std::string Grouped(const std::string& whole) {
  std::string out;
  const int n = static_cast<int>(whole.size());
  for (int p = 0; p < n; ++p) {
    if (p > 0 && (n - p) % 3 == 0) out += ',';
    out += whole[p];
  }
  return out;
}

std::string Joined(const std::string& whole, const std::string& fraction) {
  return fraction.empty() ? whole : whole + "." + fraction;
}

}  // namespace

std::string FormatFixed(Extended x, int precision, int decimals) {
  const Digits d = Decompose(x, precision, decimals);
  if (d.scientific) return d.scientificText;
  return (d.negative ? "-" : "") + Joined(d.whole, d.fraction);
}

std::string FormatNumber(Extended x, int precision, int decimals) {
  const Digits d = Decompose(x, precision, decimals);
  if (d.scientific) return d.scientificText;
  return (d.negative ? "-" : "") + Joined(Grouped(d.whole), d.fraction);
}

std::string FormatCurrency(Extended x, int precision, int decimals) {
  const Digits d = Decompose(x, precision, decimals);
  if (d.scientific) return d.scientificText;
  const std::string body = "$" + Joined(Grouped(d.whole), d.fraction);
  return d.negative ? "(" + body + ")" : body;
}

}  // namespace korvelan
