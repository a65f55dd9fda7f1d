#include "data/TextEncoding.h"

namespace korvelan {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence starting at text[pos], 0 when none
// (overlong forms, surrogates and values beyond U+10FFFF are not well formed).
size_t SequenceLength(std::string_view text, size_t pos) {
  const unsigned char lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  const unsigned char second = static_cast<unsigned char>(text[pos + 1]);
  if (second < low || second > high) return 0;
  for (size_t k = 2; k < length; ++k)
    if (!IsContinuation(static_cast<unsigned char>(text[pos + k]))) return 0;
  return length;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    const size_t length = SequenceLength(text, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::string Utf8FromLatin1(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const char byte : bytes) {
    const unsigned char c = static_cast<unsigned char>(byte);
    if (c < 0x80) {
      text += byte;
    } else {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

}  // namespace

std::string Utf8FromFileBytes(std::string_view bytes) {
  return IsValidUtf8(bytes) ? std::string(bytes) : Utf8FromLatin1(bytes);
}

std::string FirstCharacters(const std::string& utf8, size_t count) {
  size_t pos = 0;
  for (size_t taken = 0; taken < count && pos < utf8.size(); ++taken) {
    ++pos;
    while (pos < utf8.size() && IsContinuation(static_cast<unsigned char>(utf8[pos]))) ++pos;
  }
  return utf8.substr(0, pos);
}

size_t CharacterCount(std::string_view utf8) {
  size_t count = 0;
  for (const char c : utf8) count += !IsContinuation(static_cast<unsigned char>(c));
  return count;
}

}  // namespace korvelan
