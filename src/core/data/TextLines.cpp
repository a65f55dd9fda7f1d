#include "data/TextLines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

namespace korvelan {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

std::string_view WithoutSign(std::string_view token) {
  return (token.size() > 1 && token[0] == '+' && token[1] != '-') ? token.substr(1) : token;
}

// std::from_chars over the whole token; 1 converted, 0 not a number, -1 out of range.
template <typename T, typename... Format>
int ConvertWhole(std::string_view token, T& value, Format... format) {
  token = WithoutSign(token);
  if (token.empty()) return 0;
  const char* end = token.data() + token.size();
  const auto [ptr, ec] = std::from_chars(token.data(), end, value, format...);
  if (ec == std::errc::result_out_of_range && ptr == end) return -1;
  if (ec != std::errc() || ptr != end) return 0;
  return 1;
}

template <typename T>
int ConvertReal(std::string_view token, T& value) {
  // The library's real conversion may look past the end of an unterminated
  // range (seen with "INF"), so it always gets a terminated copy.
  const std::string terminated(token);
  const int state = ConvertWhole(std::string_view(terminated), value, std::chars_format::general);
  if (state == 1 && !std::isfinite(value)) return 0;  // "inf" and "nan" are not data
  return state;
}

std::string Problem(int state, std::string_view token, const char* notConverted) {
  if (token.empty()) return "is missing";
  return QuotedToken(token) + (state < 0 ? " is out of range" : notConverted);
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  if (text.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark)
    text.remove_prefix(Utf8ByteOrderMark.size());
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
  }
  while (!lines.empty() && IsBlankLine(lines.back())) lines.pop_back();
  return lines;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > MaxDataFileBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream contents;
  contents << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return contents.str();
}

std::optional<int> CountFileLines(const std::string& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return std::nullopt;
  return static_cast<int>(SplitLines(*text).size());
}

std::string BaseName(const std::string& path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string LineMessage(const std::string& fileName, int lineNumber, const std::string& what) {
  return "File [" + fileName + "], line " + std::to_string(lineNumber) + ": " + what;
}

std::string UnreadableFileMessage(const std::string& fileName) {
  std::error_code error;
  if (std::filesystem::is_directory(fileName, error)) return "File [" + fileName + "] is a folder";
  const std::uintmax_t size = std::filesystem::file_size(fileName, error);
  if (!error && size > MaxDataFileBytes) return "File [" + fileName + "] is too large to be a data file";
  return "Cannot read file [" + fileName + "]";
}

void TokenCursor::SkipBlanks() {
  while (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
}

std::string_view TokenCursor::Next() {
  SkipBlanks();
  const size_t start = pos_;
  while (pos_ < line_.size() && line_[pos_] != ' ') ++pos_;
  return line_.substr(start, pos_ - start);
}

bool TokenCursor::AtEnd() {
  SkipBlanks();
  return pos_ >= line_.size();
}

std::optional<double> ParseReal(std::string_view token) {
  double value = 0;
  if (ConvertReal(token, value) != 1) return std::nullopt;
  return value;
}

std::optional<long double> ParseExtended(std::string_view token) {
  // Extended fields hold the same range as the real ones, so that sums and
  // products of data stay finite in the solvers.
  long double value = 0;
  if (ConvertReal(token, value) != 1 || std::fabs(value) > std::numeric_limits<double>::max())
    return std::nullopt;
  return value;
}

std::optional<int32_t> ParseWhole32(std::string_view token) {
  int32_t value = 0;
  if (ConvertWhole(token, value) != 1) return std::nullopt;
  return value;
}

std::string RealProblem(std::string_view token) {
  double value = 0;
  return Problem(ConvertReal(token, value), token, " is not a number");
}

std::string WholeProblem(std::string_view token) {
  int32_t value = 0;
  return Problem(ConvertWhole(token, value), token, " is not a whole number");
}

std::string QuotedToken(std::string_view token) {
  constexpr size_t Shown = 20;
  std::string text = "\"";
  for (size_t k = 0; k < token.size() && k < Shown; ++k) {
    const unsigned char c = static_cast<unsigned char>(token[k]);
    text += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
  }
  if (token.size() > Shown) text += "...";
  return text + "\"";
}

}  // namespace korvelan
