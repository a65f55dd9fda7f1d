#include "data/BorderFile.h"

#include <algorithm>
#include <charconv>

#include "data/TextLines.h"

namespace korvelan {

namespace {

// Border files are free-form: tabs and blanks both separate the numbers.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  size_t pos = 0;
  while (pos < line.size()) {
    pos = line.find_first_not_of(" \t", pos);
    if (pos == std::string_view::npos) break;
    const size_t end = std::min(line.find_first_of(" \t", pos), line.size());
    words.push_back(line.substr(pos, end - pos));
    pos = end;
  }
  return words;
}

std::optional<long long> CountLine(std::string_view line) {
  const std::vector<std::string_view> words = Words(line);
  if (words.size() != 1 || line.find('.') != std::string_view::npos) return std::nullopt;
  long long count = 0;
  const std::string_view word = words.front();
  const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), count);
  if (ec != std::errc() || ptr != word.data() + word.size()) return std::nullopt;
  return count;
}

std::string PointProblem(const std::vector<std::string_view>& words) {
  if (words.size() < 2) return "a point needs two numbers, x and y";
  if (words.size() > 2) return "a point holds only two numbers, x and y";
  for (const std::string_view word : words)
    if (!ParseReal(word)) return "the coordinate " + RealProblem(word);
  return {};
}

}  // namespace

BorderFileResult ReadBorderText(std::string_view text, const std::string& fileName) {
  BorderFileResult result;
  const std::vector<std::string_view> lines = SplitLines(text);
  size_t first = 0;
  if (!lines.empty() && (result.declaredCount = CountLine(lines.front()))) first = 1;
  for (size_t k = first; k < lines.size(); ++k) {
    const std::vector<std::string_view> words = Words(lines[k]);
    if (words.empty()) continue;
    const std::string problem = PointProblem(words);
    if (!problem.empty()) return {{}, std::nullopt, LineMessage(fileName, static_cast<int>(k + 1), problem)};
    result.points.push_back({*ParseReal(words[0]), *ParseReal(words[1])});
  }
  if (result.points.empty()) return {{}, std::nullopt, "File [" + fileName + "] holds no border points"};
  std::reverse(result.points.begin(), result.points.end());
  return result;
}

BorderFileResult ReadBorderFile(const std::string& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return {{}, std::nullopt, UnreadableFileMessage(path)};
  return ReadBorderText(*text, path);
}

}  // namespace korvelan
