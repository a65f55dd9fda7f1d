#include "data/TransformFields.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "setup/NumberText.h"
#include "solve/TextFormat.h"

namespace korvelan {

namespace {

const char* const ConversionWarning = "Specified value did not convert correctly... Warning\rDefault value used and shown";

std::string WithoutSeparators(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ','), text.end());
  return text;
}

std::optional<int32_t> Whole32(const std::string& text) {
  const std::optional<long long> value = ParseWholeNumber(WithoutSeparators(text));
  if (!value || *value < std::numeric_limits<int32_t>::min() || *value > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(*value);
}

// The number the text stands for, rewritten; the warning when the rewriting changes the text.
FieldReading<int32_t> WholeReading(const std::string& text, int32_t fallback) {
  const int32_t value = Whole32(text).value_or(fallback);
  if (std::to_string(value) == text) return {value, {}, false};
  return {value, ConversionWarning, true};
}

}  // namespace

FieldReading<double> ReadRealField(const std::string& text, double current, double lo, double hi) {
  if (text.empty()) return {current, {}, false};
  const std::optional<Extended> value = ParseRealNumber(WithoutSeparators(text));
  if (!value) return {current, "Conversion Error", false};
  if (*value < lo || *value > hi)
    return {current, "Invalid Parameter Value.  Must have " + FormatFixed(lo, 15, 2) + " <= X <= " + FormatFixed(hi, 15, 2),
            false};
  return {static_cast<double>(*value), {}, false};
}

FieldReading<int32_t> ReadIntegerField(const std::string& text, int32_t current, int32_t lo, int32_t hi) {
  if (text.empty()) return {current, {}, false};
  const FieldReading<int32_t> reading = WholeReading(text, current);
  if (reading.value < lo || reading.value > hi)
    return {current, "Invalid Parameter Value.  Must have " + std::to_string(lo) + " <= X <= " + std::to_string(hi),
            false};
  return reading;
}

FieldReading<int32_t> ReadCriticalDistanceField(const std::string& text, int32_t current) {
  if (text.empty()) return {current, {}, false};
  return WholeReading(text, 10);
}

std::string ConstantFieldText(double value) { return FormatNumber(value, 18, 3); }
std::string ExponentFieldText(double value) { return FormatNumber(value, 18, 6); }

}  // namespace korvelan
