#include "reports/MappingFile.h"

#include "map/MapLabels.h"

#include "solve/TextFormat.h"

namespace korvelan {

namespace {

// Fixed notation with 7 decimals in 14 characters; adding 0 turns -0 into 0.
std::string Coordinate(double value) { return PadLeft(FormatFixed(value + 0.0, 18, 7), 14); }

std::string PointText(const NodeRecord& node) {
  return Coordinate(-node.XCoord) + ", " + Coordinate(node.YCoord);
}

}  // namespace

std::string MappingFileText(const ModelState& m) {
  std::string text;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const int served = m.Node(i).AssignedFacility;
    const int site = served >= 1 && served <= m.Numbnodes ? served : i;
    text += IntRight(i, 4) + ", " + IntRight(2, 2) + ", " + PointText(m.Node(site)) + ", " + PointText(m.Node(i)) +
            "\n";
  }
  return text;
}

bool HasPlantToDcLayer(const ModelState& m) {
  if (m.ReportProblemCode != 'V') return false;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (m.InvLoc.PlantCity[i]) return true;
  return false;
}

std::string PlantToDcMappingText(const ModelState& m) {
  const std::vector<uint8_t> plants = PlantCityMarks(m);
  std::string text;
  int number = 0;
  for (int s = 1; s <= m.Numbnodes; ++s) {
    if (!m.Node(s).Located) continue;
    const int plant = NearestPlantCity(m, plants, s);
    if (plant == 0) continue;
    text += IntRight(++number, 4) + ", " + IntRight(2, 2) + ", " + PointText(m.Node(s)) + ", " +
            PointText(m.Node(plant)) + "\n";
  }
  return text;
}

std::string MappingStoredMessage(const std::string& name) { return "MAPPING INFORMATION STORED IN \r<" + name + ">"; }

}  // namespace korvelan
