#include "solve/JsonText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvelan {

std::string JsonQuoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonReal(Extended extended) {
  const double value = static_cast<double>(extended);
  if (!std::isfinite(value)) return "null";
  char buffer[64];
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
    return buffer;
  }
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    if (std::strtod(buffer, nullptr) == value) break;
  }
  return buffer;
}

}  // namespace korvelan
