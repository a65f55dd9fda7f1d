#include "solve/NodeFiles.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "data/AtomicFile.h"
#include "data/TextLines.h"
#include "solve/TextFormat.h"

namespace korvelan {

namespace {

constexpr int FieldWidth = 10;

std::string SolutionLine(const ModelState& m, int n) {
  const NodeRecord& node = m.Node(n);
  const bool assigned =
      node.AssignedFacility >= 1 && node.AssignedFacility <= m.Numbnodes && node.AssignedDistance >= 0;
  return IntRight(node.Located, FieldWidth) + IntRight(assigned ? node.AssignedFacility : 0, FieldWidth) +
         IntRight(assigned ? node.AssignedDistance : 0, FieldWidth);
}

// The first blank-separated token of a line as a whole number.
std::optional<long long> FirstWhole(std::string_view line, std::string& problem) {
  TokenCursor cursor(line);
  const std::string_view token = cursor.Next();
  const std::optional<int32_t> value = ParseWhole32(token);
  if (!value) problem = WholeProblem(token);
  return value;
}

struct NodeValues {
  std::vector<uint8_t> values;  // index = node number
  std::string problem;          // names the line and the fault
  bool countMismatch = false;
  long long countOnFile = 0;
};

NodeValues ParseNodeValues(const ModelState& m, char kind, const std::string& name, std::string_view text) {
  NodeValues parsed;
  const std::vector<std::string_view> lines = SplitLines(text);
  std::string problem;
  const std::optional<long long> count = lines.empty() ? std::nullopt : FirstWhole(lines[0], problem);
  if (!count) {
    parsed.problem =
        lines.empty() ? "File [" + name + "] is empty" : LineMessage(name, 1, "the node count " + problem);
    return parsed;
  }
  parsed.countOnFile = *count;
  if (*count != m.Numbnodes) {
    parsed.countMismatch = true;
    return parsed;
  }
  const bool status = kind == 'F';
  parsed.values.assign(NodeSlots, 0);
  for (int n = 1; n <= m.Numbnodes; ++n) {
    if (static_cast<size_t>(n) >= lines.size()) {
      parsed.problem = "File [" + name + "] ends before the line of node " + std::to_string(n);
      return parsed;
    }
    const std::optional<long long> value = FirstWhole(lines[n], problem);
    const bool inRange = value && (status ? (*value >= -1 && *value <= 1) : (*value == 0 || *value == 1));
    if (!inRange) {
      if (!value) problem = "the first number " + problem;
      if (value)
        problem = (status ? "the status " : "the located mark ") + std::to_string(*value) +
                  (status ? " is not -1, 0 or 1" : " is not 0 or 1");
      parsed.problem = LineMessage(name, n + 1, problem);
      return parsed;
    }
    parsed.values[n] = static_cast<uint8_t>(status && *value == -1 ? StatusExcluded : *value);
  }
  return parsed;
}

void ApplyNodeValues(ModelState& m, char kind, const std::vector<uint8_t>& values) {
  for (int n = 1; n <= m.Numbnodes; ++n) {
    if (kind == 'F')
      m.Node(n).SiteStatus = values[n];
    else
      m.Node(n).InInitialSolution = values[n];
  }
}

}  // namespace

std::string NodeFileText(const ModelState& m, char kind) {
  std::string text = IntRight(m.Numbnodes, FieldWidth) + "\n";
  for (int n = 1; n <= m.Numbnodes; ++n)
    text += (kind == 'F' ? IntRight(m.Node(n).SignedStatus(), FieldWidth) : SolutionLine(m, n)) + "\n";
  return text;
}

bool WriteNodeFile(const ModelState& m, RunHost& host, char kind, const std::string& name) {
  const std::string reason = WriteFileReason(name, NodeFileText(m, kind));
  if (!reason.empty()) WriteErrorNotice(host, name, reason);
  return reason.empty();
}

bool ReadNodeFileText(ModelState& m, RunHost& host, char kind, const std::string& name,
                      std::string_view text) {
  const NodeValues parsed = ParseNodeValues(m, kind, name, text);
  if (parsed.countMismatch) {
    host.Beep();
    host.Warning(NodeCountText(name, parsed.countOnFile, m.Numbnodes));
    return false;
  }
  if (!parsed.problem.empty()) {
    ReadErrorNotice(host, name, parsed.problem);
    return false;
  }
  ApplyNodeValues(m, kind, parsed.values);
  return true;
}

bool ReadNodeFile(ModelState& m, RunHost& host, char kind, const std::string& name) {
  const std::optional<std::string> text = ReadWholeFile(name);
  if (!text) {
    // A file that is not there, or is a folder, is not a corrupt file.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(name, error);
    if (status.type() == std::filesystem::file_type::not_found || std::filesystem::is_directory(status)) {
      host.Warning(status.type() == std::filesystem::file_type::not_found ? "File [" + name + "] does not exist"
                                                                          : UnreadableFileMessage(name));
      host.Beep();
    } else {
      ReadErrorNotice(host, name, UnreadableFileMessage(name));
    }
    return false;
  }
  return ReadNodeFileText(m, host, kind, name, *text);
}

// Files are replaced only once the new text is complete, so after a failure any
// earlier file is still good: the notice names the cause instead of advising to
// delete it.
std::string WriteErrorText(const std::string& name, const std::string& reason) {
  return "SERIOUS ERROR WRITING FILE [" + name + "]\n" + reason + "\nAny file of that name on the disk was left unchanged";
}

std::string ReadErrorText(const std::string& name) {
  return "SERIOUS ERROR READING FILE [" + name + "]\nDATA ARE PROBABLY INCORRECTLY STORED IN MEMORY\n" +
         "Probable cause is a corruption of the file on the disk\nSuggest you DELETE the file [" + name +
         "]\nAlso suggest you not rely on data that were read";
}

std::string NodeCountText(const std::string& name, long long onFile, int entered) {
  return "NUMBER OF NODES on FILE <" + name +
         ">\nIS INCOMPATIBLE WITH THE NUMBER ENTERED BEFORE...FATAL ERROR\n" +
         "NODES ON FILE     = " + std::to_string(onFile) +
         "\nNUMBER OF NODES ENTERED = " + std::to_string(entered);
}

void WriteErrorNotice(RunHost& host, const std::string& name, const std::string& reason) {
  host.Warning(WriteErrorText(name, reason));
  host.Beep();
}

void ReadErrorNotice(RunHost& host, const std::string& name, const std::string& detail) {
  host.Warning(detail.empty() ? ReadErrorText(name) : ReadErrorText(name) + "\n" + detail);
  host.Beep();
}

void HoldNotice(RunHost& host) { host.Information("Holding ... Hit <RETURN> to continue"); }

}  // namespace korvelan
