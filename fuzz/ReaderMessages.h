#pragma once
// The checks every reader message must pass, whatever the input: it names the
// file "fuzz"; a line it names exists; it holds printable ASCII only (line
// breaks between its parts aside), so bytes of the input never reach a message box
// unfiltered; and a refused input yields no data.
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/TextLines.h"

namespace korvelan::fuzzing {

inline void Require(bool condition) {
  if (!condition) std::abort();
}

inline void CheckReaderMessage(const std::string& message, std::string_view text) {
  if (message.empty()) return;
  const size_t file = message.find("File [fuzz]");
  Require(file != std::string::npos);
  for (const char c : message) Require(c == '\n' || (c >= 0x20 && c < 0x7F));
  const std::string marker = "File [fuzz], line ";
  if (message.compare(file, marker.size(), marker) != 0) return;
  const std::string_view rest = std::string_view(message).substr(file + marker.size());
  const size_t colon = rest.find(": ");
  Require(colon != std::string_view::npos && colon > 0);
  const std::optional<int32_t> line = ParseWhole32(rest.substr(0, colon));
  Require(line.has_value() && *line >= 1 && static_cast<size_t>(*line) <= SplitLines(text).size());
  Require(colon + 2 < rest.size());  // the fault itself is said
}

}  // namespace korvelan::fuzzing
