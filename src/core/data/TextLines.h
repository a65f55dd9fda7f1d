#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvelan {

// The lines of a text file as the readers see them: LF, CRLF and a lone CR each
// end a line, so a "\r" never stays part of a line; a UTF-8 byte-order mark at the
// start is dropped, and blank lines at the end of the file are not lines.
std::vector<std::string_view> SplitLines(std::string_view text);

// No data file of 300 nodes comes near this size (a full distance file is about
// 1 MB); anything larger is refused before it is read into memory.
inline constexpr std::uintmax_t MaxDataFileBytes = 64u << 20;

// The whole file as bytes; std::nullopt when it is not a readable regular file
// of at most MaxDataFileBytes.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Number of lines of a file by SplitLines; std::nullopt when it cannot be read.
std::optional<int> CountFileLines(const std::string& path);

// The file name without its folders (everything up to the last "/" or "\" removed).
std::string BaseName(const std::string& path);

// "File [name], line k: what" - the form of every reader message.
std::string LineMessage(const std::string& fileName, int lineNumber, const std::string& what);
// Why ReadWholeFile refused a file: "File [name] is a folder", "File [name] is
// too large to be a data file" or "Cannot read file [name]".
std::string UnreadableFileMessage(const std::string& fileName);

// Blank-separated tokens. Blanks are the space character only, as the data
// files define them; other bytes (tabs included) belong to the tokens.
class TokenCursor {
 public:
  explicit TokenCursor(std::string_view line) : line_(line) {}
  // The next token, or an empty view at the end of the line.
  std::string_view Next();
  // Everything after the current position (blanks included).
  std::string_view Rest() const { return line_.substr(pos_); }
  bool AtEnd();

 private:
  void SkipBlanks();
  std::string_view line_;
  size_t pos_ = 0;
};

// Whole-token number conversions, independent of the user's locale. They
// accept an optional sign and reject anything else around the number.
std::optional<double> ParseReal(std::string_view token);  // finite decimal number
std::optional<long double> ParseExtended(std::string_view token);
std::optional<int32_t> ParseWhole32(std::string_view token);  // within signed 32 bits

// Why a token did not convert, for messages: "is missing", "is not a number",
// "is out of range".
std::string RealProblem(std::string_view token);
std::string WholeProblem(std::string_view token);

// The token as it appears in a message: quoted, cut to 20 characters, bytes
// outside printable ASCII shown as "?".
std::string QuotedToken(std::string_view token);

}  // namespace korvelan
