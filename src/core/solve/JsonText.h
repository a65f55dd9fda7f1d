#pragma once
#include <string>

#include "model/Types.h"

namespace korvelan {

// A JSON string literal: quotes, backslashes and control characters escaped.
std::string JsonQuoted(const std::string& text);

// A JSON number: the shortest text that reads back as the same double;
// "null" for a value that is not finite.
std::string JsonReal(Extended value);

}  // namespace korvelan
