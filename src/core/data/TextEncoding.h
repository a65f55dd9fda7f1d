#pragma once
#include <string>
#include <string_view>

namespace korvelan {

// Names are read as UTF-8; bytes that are not valid UTF-8 are taken as Latin-1
// and converted, so the result is always valid UTF-8.
std::string Utf8FromFileBytes(std::string_view bytes);

// The first `count` characters (code points, not bytes) of a valid UTF-8 text.
std::string FirstCharacters(const std::string& utf8, size_t count);

// Number of characters (code points) of a valid UTF-8 text.
size_t CharacterCount(std::string_view utf8);

}  // namespace korvelan
