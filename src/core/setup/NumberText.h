#pragma once
#include <optional>
#include <string>

#include "model/Types.h"

namespace korvelan {

// Strict conversions of typed text, shared by the setup rules, the settings
// registry and the batch program. Surrounding blanks are ignored; anything else
// that is not part of the number makes the conversion fail.

// An optional "-" and decimal digits, within the range of a 64-bit integer.
std::optional<long long> ParseWholeNumber(const std::string& text);
// A finite decimal real: digits with at most one ".", optional sign and exponent.
std::optional<Extended> ParseRealNumber(const std::string& text);
// The shortest text that reads back as the same value ("12.3457", "400", "1e-08").
std::string ShortestRealText(Extended value);

}  // namespace korvelan
