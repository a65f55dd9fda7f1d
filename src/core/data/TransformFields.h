#pragma once
#include <cstdint>
#include <string>

namespace korvelan {

// How the matrix-update fields read their text when the analyst leaves them.
// `value` is what the field holds afterwards; `warning` the message to give
// (empty when none); `beep` asks for the information beep before it.
template <typename T>
struct FieldReading {
  T value;
  std::string warning;
  bool beep = false;
};

// The twelve transform fields: empty text changes nothing; text that is not a
// number gives "Conversion Error"; a number outside lo..hi gives the range
// warning with both bounds to 2 decimals. Either way the old value is kept.
// Thousands separators, as the fields show them, are read over.
FieldReading<double> ReadRealField(const std::string& text, double current, double lo, double hi);

// The maximum scale distance: empty text changes nothing; otherwise the whole
// number the text holds, the current value standing for text that is not one
// (with the conversion warning and a beep when that changes the text); a number
// outside lo..hi gives the range warning and the old value is kept.
FieldReading<int32_t> ReadIntegerField(const std::string& text, int32_t current, int32_t lo, int32_t hi);

// The critical distance: as ReadIntegerField, with 10 standing for text that is
// not a whole number and any 32-bit value allowed.
FieldReading<int32_t> ReadCriticalDistanceField(const std::string& text, int32_t current);

// The field texts as they are shown: constants and coefficients grouped with 3
// decimals, exponents grouped with 6, the two distances as whole numbers.
std::string ConstantFieldText(double value);
std::string ExponentFieldText(double value);

inline constexpr double TransformFactorLow = 0, TransformFactorHigh = 1000000000;
inline constexpr double TransformExponentLow = -10, TransformExponentHigh = 10;
inline constexpr int32_t ScaleDistanceLow = 0, ScaleDistanceHigh = 1000000000;

}  // namespace korvelan
