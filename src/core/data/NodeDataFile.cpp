#include "data/NodeDataFile.h"

#include <array>
#include <cmath>
#include <optional>

#include "data/TextEncoding.h"
#include "data/TextLines.h"

namespace korvelan {

namespace {

constexpr int NumberedFields = 6;

constexpr std::array<const char*, NumberedFields + 1> FieldRoles = {
    "", "node label", "first coordinate", "second coordinate", "demand 1", "demand 2", "fixed cost"};

std::string FieldProblem(int field, const std::string& problem) {
  return "field " + std::to_string(field) + " (" + FieldRoles[field] + ") " + problem;
}

// Why a number read from field f cannot stand in the data; empty when it can.
std::string ValueProblem(int field, long double value, std::string_view token, const NodeFileRequest& request) {
  const bool isDemandField = field == 4 || field == 5;
  if (isDemandField && value < 0)
    return FieldProblem(field, QuotedToken(token) + " is negative; a demand cannot be below 0");
  if (request.metric != 'G') return {};
  if (field == 2 && std::fabs(value) > 180)
    return FieldProblem(field, QuotedToken(token) + " is not a longitude; great-circle data need -180 <= X <= 180");
  if (field == 3 && std::fabs(value) > 90)
    return FieldProblem(field, QuotedToken(token) + " is not a latitude; great-circle data need -90 <= Y <= 90");
  return {};
}

// Reads one line into node; returns the problem, or an empty text when the line is good.
std::string ReadNodeLine(std::string_view line, const NodeFileRequest& request, LoadedNode& node) {
  TokenCursor cursor(line);
  std::array<std::string_view, NumberedFields + 1> fields;
  for (int f = 1; f <= NumberedFields; ++f) fields[f] = cursor.Next();
  for (int f = 1; f <= NumberedFields; ++f)
    if (fields[f].empty()) return FieldProblem(f, "is missing");

  const bool isDemand = request.kind == NodeFileKind::Demand;
  std::array<std::optional<long double>, NumberedFields + 1> values;
  for (int f = 2; f <= NumberedFields; ++f) {
    if (!isDemand && (f == 4 || f == 5)) continue;  // placeholders on candidate-site lines
    values[f] = ParseExtended(fields[f]);
    if (!values[f]) return FieldProblem(f, RealProblem(fields[f]));
    const std::string problem = ValueProblem(f, *values[f], fields[f], request);
    if (!problem.empty()) return problem;
  }
  node.XCoord = static_cast<double>(*values[2]);
  node.YCoord = static_cast<double>(*values[3]);
  node.FixedCost = *values[6];
  if (isDemand) {
    const Extended w = request.demandWeight;
    node.Demand = *values[4] * w + *values[5] * (Extended(1) - w);
  }
  if (request.readNames) node.NodeName = NameFromField(cursor.Rest());
  return {};
}

}  // namespace

bool LineHasName(std::string_view line) {
  TokenCursor cursor(line);
  for (int f = 1; f <= NumberedFields; ++f) cursor.Next();
  return !cursor.AtEnd();
}

std::string NameFromField(std::string_view field) {
  const size_t first = field.find_first_not_of(" <");
  if (first == std::string_view::npos) return {};
  const size_t last = field.find_last_not_of(" >");
  if (last == std::string_view::npos || last < first) return {};
  return FirstCharacters(Utf8FromFileBytes(field.substr(first, last - first + 1)), MaxNameCharacters);
}

NodeFileResult ReadNodeDataText(std::string_view text, const std::string& fileName,
                                const NodeFileRequest& request) {
  NodeFileResult result;
  const std::vector<std::string_view> lines = SplitLines(text);
  for (size_t k = 0; k < lines.size() && static_cast<int>(result.nodes.size()) < request.maxNodes; ++k) {
    LoadedNode node;
    const std::string problem = ReadNodeLine(lines[k], request, node);
    if (!problem.empty()) return {{}, LineMessage(fileName, static_cast<int>(k + 1), problem)};
    result.nodes.push_back(std::move(node));
  }
  return result;
}

NodeFileResult ReadNodeDataFile(const std::string& path, const NodeFileRequest& request) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return {{}, UnreadableFileMessage(path)};
  return ReadNodeDataText(*text, path, request);
}

std::string FirstLineOf(std::string_view text) {
  const std::vector<std::string_view> lines = SplitLines(text);
  return lines.empty() ? std::string() : Utf8FromFileBytes(lines.front());
}

}  // namespace korvelan
