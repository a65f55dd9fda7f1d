#include "setup/NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvelan {
namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits with at most one point and at least one digit, then an optional exponent.
bool LooksDecimal(const std::string& s) {
  size_t p = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  int digits = 0, points = 0;
  for (; p < s.size() && (IsDigit(s[p]) || s[p] == '.'); ++p) s[p] == '.' ? ++points : ++digits;
  if (digits == 0 || points > 1) return false;
  if (p == s.size()) return true;
  if (s[p] != 'e' && s[p] != 'E') return false;
  ++p;
  if (p < s.size() && (s[p] == '-' || s[p] == '+')) ++p;
  if (p == s.size()) return false;
  for (; p < s.size(); ++p)
    if (!IsDigit(s[p])) return false;
  return true;
}

}  // namespace

std::optional<long long> ParseWholeNumber(const std::string& text) {
  const std::string s = Trimmed(text);
  const size_t start = (!s.empty() && s[0] == '-') ? 1 : 0;
  if (s.size() == start) return std::nullopt;
  for (size_t p = start; p < s.size(); ++p)
    if (!IsDigit(s[p])) return std::nullopt;
  errno = 0;
  const long long value = std::strtoll(s.c_str(), nullptr, 10);
  if (errno == ERANGE) return std::nullopt;
  return value;
}

std::optional<Extended> ParseRealNumber(const std::string& text) {
  const std::string s = Trimmed(text);
  if (!LooksDecimal(s)) return std::nullopt;
  const Extended value = std::strtold(s.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::string ShortestRealText(Extended value) {
  char buffer[64];
  if (std::fabs(value) < 1e18L && value == std::trunc(value)) {
    std::snprintf(buffer, sizeof buffer, "%.0Lf", value);
    return buffer;
  }
  for (int digits = 1; digits <= 21; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*Lg", digits, value);
    if (std::strtold(buffer, nullptr) == value) break;
  }
  return buffer;
}

}  // namespace korvelan
