#include "map/MapChoice.h"

#include <limits>

#include "covering/Coverage.h"
#include "map/MapGeometry.h"
#include "model/CoverageLists.h"
#include "solve/Evaluation.h"
#include "solve/TextFormat.h"

namespace korvelan {

std::optional<TradeoffChoice> ChooseTradeoffSolution(ModelState& m, RunHost& host, int line) {
  const auto& points = m.Tradeoff.TradeoffList;
  if (line < 1 || line > static_cast<int>(points.size())) return std::nullopt;
  const TradeoffPoint& point = points[line - 1];
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).Located = point.Located(j) ? 1 : 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    m.Node(i).AssignedFacility = 0;
    m.Node(i).AssignedDistance = std::numeric_limits<int32_t>::max();
    m.Node(i).NTIMES = 0;
  }
  BuildCoverageLists(m);
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (!m.Node(j).Located) continue;
    UpdateCoverage(m, host, '+', j);
    for (int i = 1; i <= m.NumDemandNodes; ++i)
      if (m.DistanceMatrix.at(i, j) < m.Node(i).AssignedDistance) {
        m.Node(i).AssignedFacility = static_cast<uint16_t>(j);
        m.Node(i).AssignedDistance = m.DistanceMatrix.at(i, j);
      }
  }
  RebuildLocatedList(m);
  m.DemandWeightedDistance = AssignToNearest(m);
  return TradeoffChoice{line, CoveredDemand(m)};
}

std::string NodeInformationText(const ModelState& m, int i, bool plantMark) {
  const NodeRecord& node = m.Node(i);
  const bool candidateOnly = i > m.NumDemandNodes;
  const int facility = candidateOnly ? i : node.AssignedFacility;
  const int32_t distance = candidateOnly ? 0 : node.AssignedDistance;
  const std::string facilityName = ValidFacility(m, facility) ? m.Node(facility).NodeName : std::string();
  std::string text = "Node " + std::to_string(i) + "\r" + (m.NamesPresent ? node.NodeName : std::string()) + "\r\r";
  text += "Longitude = " + FormatNumber(node.XCoord, 10, 3) + "\r";
  text += "Latitude = " + FormatNumber(node.YCoord, 10, 3) + "\r\r";
  text += "Demand = " + FormatNumber(node.Demand, 10, 3) + "\r\r";
  text += std::string(node.NTIMES > 0 ? "Covered" : "Not covered") + "\r\r";
  text += std::string("Demand node ") + (node.Located ? "FACILITY " : "") + (plantMark ? "PLANT " : "") + "\r";
  if (node.Located) text += "Fixed cost = " + FormatNumber(node.FixedCost, 12, 2);
  text += "\r\r";
  text += "Assigned to facility " + std::to_string(facility) + "  " + facilityName + "\r";
  text += "At a distance of " + FormatNumber(distance, 12, 2);
  return text;
}

}  // namespace korvelan
