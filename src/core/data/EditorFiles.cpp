#include "data/EditorFiles.h"

#include <cmath>

#include "data/AtomicFile.h"
#include "data/Distances.h"
#include "solve/TextFormat.h"

namespace korvelan {

namespace {

// Right-aligned in `width` characters, with a leading blank even when the text
// fills the field.
std::string Field(const std::string& text, int width) {
  return static_cast<int>(text.size()) < width ? PadLeft(text, width) : " " + text;
}

std::string WholeText(Extended value) { return FormatFixed(std::nearbyint(value), 18, 0); }

bool AnyNodeNamed(const ModelState& m) {
  for (int k = 1; k <= m.Numbnodes; ++k)
    if (!m.Node(k).NodeName.empty()) return true;
  return false;
}

bool Fractional(Extended value) { return std::nearbyint(value) != value; }

}  // namespace

std::string DemandDataText(const ModelState& m) {
  const bool names = AnyNodeNamed(m);
  std::string text;
  for (int k = 1; k <= m.Numbnodes; ++k) {
    const NodeRecord& node = m.Node(k);
    const std::string demand = Field(WholeText(node.Demand), 15);
    text += Field(std::to_string(k), 10) + Field(FormatFixed(node.XCoord, 18, 5), 15) +
            Field(FormatFixed(node.YCoord, 18, 5), 15) + demand + demand + Field(WholeText(node.FixedCost), 15);
    if (names) text += " < " + node.NodeName + " >";
    text += '\n';
  }
  return text;
}

std::string FractionalValuesWarning(const ModelState& m) {
  int count = 0;
  int first = 0;
  for (int k = 1; k <= m.Numbnodes; ++k)
    if (Fractional(m.Node(k).Demand) || Fractional(m.Node(k).FixedCost)) {
      if (count++ == 0) first = k;
    }
  if (count == 0) return {};
  return "The demand data file holds demand and fixed cost as whole numbers.\r" + std::to_string(count) +
         (count == 1 ? " node has" : " nodes have") + " a fractional demand or fixed cost (the first is node " +
         std::to_string(first) + "), which will be rounded.\rDo you want to save the rounded values?";
}

std::string EditedDistanceText(const ModelState& m) {
  return DistanceFileText(m.DistanceMatrix, m.Numbnodes, DistanceOrder::ColumnByColumn);
}

std::string SaveDemandData(const ModelState& m, const std::string& path) {
  return WriteFileAtomically(path, DemandDataText(m));
}

std::string SaveEditedDistances(const ModelState& m, const std::string& path) {
  return WriteFileAtomically(path, EditedDistanceText(m));
}

}  // namespace korvelan
