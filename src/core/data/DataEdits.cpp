#include "data/DataEdits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "data/Distances.h"
#include "data/NodeDataFile.h"
#include "data/TextEncoding.h"
#include "setup/NumberText.h"
#include "solve/Evaluation.h"
#include "solve/QuickSortIndex.h"

namespace korvelan {

namespace {

const char* FieldCaption(NodeField field) {
  switch (field) {
    case NodeField::XCoord: return "Longitude";
    case NodeField::YCoord: return "Latitude";
    case NodeField::Demand: return "Demand";
    case NodeField::FixedCost: return "Fixed Cost";
    case NodeField::Name: break;
  }
  return "Node Name";
}

std::string RefusedNumber(NodeField field, int node, const std::string& text, bool atLeastZero) {
  return std::string(FieldCaption(field)) + " of node " + std::to_string(node) + ": [" + text + "] is not a number" +
         (atLeastZero ? " of at least 0" : "") + ".\rThe previous value is kept.";
}

// Coordinates are doubles: the shortest text that reads back as the same double.
std::string ShortestDoubleText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// Row `row` of NearestOrder sorted again by the row's current distances.
void RebuildNearestRow(ModelState& m, int row) {
  std::vector<Extended> keys(NodeSlots);
  const int32_t* distances = m.DistanceMatrix.row(row);
  for (int j = 1; j <= m.Numbnodes; ++j) keys[j] = distances[j];
  QuickSortIndex(1, m.Numbnodes, keys.data(), m.NearestOrder.row(row));
}

void MoveNodeDown(ModelState& m, int from) {
  m.NodeTable[from - 1] = std::move(m.NodeTable[from]);
  std::copy_n(m.DistanceMatrix.row(from), NodeSlots, m.DistanceMatrix.row(from - 1));
}

// Entries of columns node+1..n move one column left in every remaining row.
void CloseMatrixColumn(ModelState& m, int node, int n) {
  for (int i = 1; i < n; ++i) {
    int32_t* row = m.DistanceMatrix.row(i);
    std::copy(row + node + 1, row + n + 1, row + node);
    row[n] = 0;
  }
}

}  // namespace

std::string NodeFieldText(const ModelState& m, int node, NodeField field) {
  const NodeRecord& record = m.Node(node);
  switch (field) {
    case NodeField::Name: return record.NodeName;
    case NodeField::XCoord: return ShortestDoubleText(record.XCoord);
    case NodeField::YCoord: return ShortestDoubleText(record.YCoord);
    case NodeField::Demand: return ShortestRealText(record.Demand);
    case NodeField::FixedCost: return ShortestRealText(record.FixedCost);
  }
  return {};
}

std::string EditNodeField(ModelState& m, int node, NodeField field, const std::string& text) {
  NodeRecord& record = m.Node(node);
  if (field == NodeField::Name) {
    record.NodeName = FirstCharacters(Utf8FromFileBytes(text), MaxNameCharacters);
    return {};
  }
  const bool atLeastZero = field == NodeField::Demand || field == NodeField::FixedCost;
  const std::optional<Extended> value = ParseRealNumber(text);
  const bool coordinate = !atLeastZero;
  if (!value || (atLeastZero && *value < 0) ||
      (coordinate && std::fabs(*value) > std::numeric_limits<double>::max()))
    return RefusedNumber(field, node, text, atLeastZero);
  switch (field) {
    case NodeField::XCoord: record.XCoord = static_cast<double>(*value); break;
    case NodeField::YCoord: record.YCoord = static_cast<double>(*value); break;
    case NodeField::Demand: record.Demand = *value; break;
    case NodeField::FixedCost: record.FixedCost = *value; break;
    case NodeField::Name: break;
  }
  return {};
}

void SetDistance(ModelState& m, int row, int column, int32_t value) {
  m.DistanceMatrix.at(row, column) = value;
  RebuildNearestRow(m, row);
  m.MaxDistance = LargestDistance(m.DistanceMatrix, m.Numbnodes);
}

std::string EditDistance(ModelState& m, int row, int column, const std::string& text) {
  const std::optional<long long> value = ParseWholeNumber(text);
  if (!value || *value < 0 || *value > std::numeric_limits<int32_t>::max())
    return "Distance from node " + std::to_string(row) + " to node " + std::to_string(column) + ": [" + text +
           "] is not a whole number from 0 to 2147483647.\rThe previous value is kept.";
  if (*value != m.DistanceMatrix.at(row, column)) SetDistance(m, row, column, static_cast<int32_t>(*value));
  return {};
}

void RemoveNode(ModelState& m, int node) {
  const int n = m.Numbnodes;
  if (node < 1 || node > n) return;
  for (int k = node + 1; k <= n; ++k) MoveNodeDown(m, k);
  ReleaseNode(m, n);
  CloseMatrixColumn(m, node, n);
  m.Numbnodes = static_cast<uint16_t>(n - 1);
  if (node <= m.NumDemandNodes) m.NumDemandNodes = static_cast<uint16_t>(m.NumDemandNodes - 1);
  BuildNearestOrder(m);
  m.MaxDistance = LargestDistance(m.DistanceMatrix, m.Numbnodes);
  CountStatuses(m);
  RebuildLocatedList(m);
  m.SecondFacilityValid = 0;
  m.CoverListsBuilt = 0;
  m.CoverStateChanged = 1;
}

std::string NodeLabel(const ModelState& m, int node) {
  if (ShowsName(m, node)) return m.Node(node).NodeName;
  return (node <= m.NumDemandNodes ? "Node " : "Extra ") + std::to_string(node);
}

std::string DistanceHeaderLabel(const ModelState& m, int node) {
  return ShowsName(m, node) ? m.Node(node).NodeName : "Node " + std::to_string(node);
}

}  // namespace korvelan
