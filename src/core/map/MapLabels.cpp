#include "map/MapLabels.h"

#include "model/CoverageLists.h"

namespace korvelan {

namespace {

std::string NumberLabel(int n) { return std::to_string(n); }

bool Weighted(const ModelState& m) { return m.ReportProblemCode == '%' && m.DoWeightedFlag; }

// Distance (times the demand when weighted) equal to the coverage distance.
bool AtRadius(const ModelState& m, int i) {
  const NodeRecord& node = m.Node(i);
  if (Weighted(m))
    return static_cast<Extended>(node.AssignedDistance) * node.Demand * FixedPointScale ==
           static_cast<Extended>(m.CoverageDistance);
  return static_cast<int64_t>(node.AssignedDistance) * FixedPointScale == m.CoverageDistance;
}

bool Beyond(const ModelState& m, int j) { return !WithinCoverage(m.CoverageDistance, m.Node(j).AssignedDistance); }

// The partial p-center asks for the defining nodes labelled in this defining mode.
bool DefiningAsked(const ModelState& m, bool defining, const MapLabelModes& modes, int mode) {
  return m.ReportProblemCode == '%' && modes.defining == mode && defining;
}

}  // namespace

std::vector<uint8_t> PlantCityMarks(const ModelState& m) {
  std::vector<uint8_t> marks(NodeSlots, 0);
  for (int i = 1; i <= m.NumDemandNodes; ++i) marks[i] = m.InvLoc.PlantCity[i] ? 1 : 0;
  return marks;
}

MapNodeMarks BuildNodeMarks(const ModelState& m) {
  MapNodeMarks marks{std::vector<uint8_t>(NodeSlots, 0), std::vector<uint8_t>(NodeSlots, 0)};
  const bool inventory = m.ReportProblemCode == 'V';
  const std::vector<uint8_t> plants = inventory ? PlantCityMarks(m) : std::vector<uint8_t>(NodeSlots, 0);
  for (int j = 1; j <= m.Numbnodes; ++j) marks.site[j] = m.Node(j).Located;
  if (inventory)
    for (int i = 1; i <= m.NumDemandNodes; ++i) marks.site[i] = marks.plant[i] = plants[i];
  return marks;
}

int NearestPlantCity(const ModelState& m, const std::vector<uint8_t>& plant, int j) {
  int best = 0;
  for (int p = 1; p <= m.NumDemandNodes; ++p)
    if (plant[p] && (best == 0 || m.DistanceMatrix.at(p, j) < m.DistanceMatrix.at(best, j))) best = p;
  return best;
}

DemandNodeClass ClassifyDemandNode(const ModelState& m, int i, int definingLabelMode) {
  const NodeRecord& node = m.Node(i);
  DemandNodeClass c;
  c.within = WithinCoverage(m.CoverageDistance, node.AssignedDistance);
  c.covered = c.within && (!Weighted(m) || WithinWeightedCoverage(m.CoverageDistance, node.AssignedDistance, node.Demand));
  const bool atL = static_cast<int64_t>(node.AssignedDistance) * FixedPointScale == m.CoverageDistance;
  c.defining = (m.ReportProblemCode == 'P' && atL) ||
               (m.ReportProblemCode == '%' && (definingLabelMode == 1 || definingLabelMode == 2) && AtRadius(m, i));
  return c;
}

std::vector<std::string> SolutionDemandLabels(const ModelState& m, int i, const DemandNodeClass& c,
                                              const MapLabelModes& modes, bool hasSiteMark) {
  const int mode = modes.demand;
  if (c.covered && !c.defining) {
    if (mode == 3 && !hasSiteMark) return {m.Node(i).NodeName};
    if (mode == 1 && !hasSiteMark) return {NumberLabel(i)};
    return {BlankLabel};
  }
  std::vector<std::string> labels;
  if (!hasSiteMark) {
    if (mode == 3 || mode == 4 || DefiningAsked(m, c.defining, modes, 2)) labels.push_back(m.Node(i).NodeName);
    if (mode == 1 || mode == 2 || DefiningAsked(m, c.defining, modes, 1)) labels.push_back(NumberLabel(i));
  }
  if (mode == 0 || modes.defining == 0 || hasSiteMark) labels.push_back(BlankLabel);
  return labels;
}

std::vector<std::string> SiteLabels(const ModelState& m, int j, const MapLabelModes& modes, bool hasPlantMark) {
  std::vector<std::string> labels;
  if ((modes.site == 2 && !hasPlantMark) || (modes.demand == 4 && Beyond(m, j))) labels.push_back(m.Node(j).NodeName);
  if ((modes.site == 1 && !hasPlantMark) || (modes.demand == 2 && Beyond(m, j))) labels.push_back(NumberLabel(j));
  if (modes.site == 0 || hasPlantMark) labels.push_back(BlankLabel);
  return labels;
}

std::vector<std::string> OverlayLabels(const ModelState& m, int i, const MapLabelModes& modes, bool hasSiteMark) {
  const NodeRecord& node = m.Node(i);
  const bool atL = static_cast<int64_t>(node.AssignedDistance) * FixedPointScale == m.CoverageDistance;
  // The same rule names the node in the "names" modes and numbers it in the "numbers" modes.
  const auto asked = [&](int uncoveredMode, int allMode, int definingMode) {
    return (modes.demand == uncoveredMode && node.NTIMES == 0) || (modes.demand == allMode && !hasSiteMark) ||
           (m.ReportProblemCode == 'P' && modes.demand == uncoveredMode && atL) ||
           (m.ReportProblemCode == '%' && modes.defining == definingMode && AtRadius(m, i));
  };
  std::vector<std::string> labels;
  if (asked(4, 3, 2)) labels.push_back(node.NodeName);
  if (asked(2, 1, 1)) labels.push_back(NumberLabel(i));
  if (modes.demand == 0 || hasSiteMark) labels.push_back(BlankLabel);
  return labels;
}

std::string SiteModeLabel(const ModelState& m, int j, int siteMode) {
  if (siteMode == 2) return m.Node(j).NodeName;
  if (siteMode == 1) return NumberLabel(j);
  return BlankLabel;
}

}  // namespace korvelan
