#include "median/MedianNeighbourhood.h"

#include <algorithm>
#include <string>
#include <vector>

#include "median/MedianHeuristics.h"
#include "median/MedianServices.h"
#include "solve/Evaluation.h"

namespace korvelan {

FacilityMove BestMedianMove(const ModelState& m, int b) {
  FacilityMove best{b, DistanceTolerance(m)};
  if (m.Node(b).SiteStatus == StatusRequired) return {b, 0};
  const std::vector<int> area = ServiceArea(m, b);
  for (int i : area) {
    const NodeRecord& candidate = m.Node(i);
    if (i == b || candidate.Located || candidate.SiteStatus != StatusAllowed) continue;
    Extended saving = 0;
    for (int j : area)
      saving += m.Node(j).Demand *
                static_cast<Extended>(int64_t{m.Node(j).AssignedDistance} - m.DistanceMatrix.at(j, i));
    if (saving > best.saving) best = {i, saving};
  }
  return best.site == b ? FacilityMove{b, 0} : best;
}

void MoveMedian(ModelState& m, RunHost& host, int b, int s, int count, Extended saving) {
  RelocateFacility(m, host, b, s);
  RecordCostByCount(m, std::min<int>(m.NumLocated, count), count, AverageDistance(m));
  ReportRelocation(m, host, b, s, saving);
}

bool ReassignAll(ModelState& m, RunHost& host, int count) {
  bool moved = false;
  const Extended total = ReassignToListedSites(m, moved);
  if (MedianLinesShown(m)) {
    host.AddProgressLines({"REASSIGNING DEMAND NODES TO NEW MEDIANS",
                           "   REDUCES AVERAGE DISTANCE BY " + ProgressNumber(PerDemand(m, total), 16)});
  }
  RecordCostByCount(m, std::min<int>(m.NumLocated, count), count, AverageDistance(m));
  return moved;
}

void NeighbourhoodSearch(ModelState& m, RunHost& host, int count) {
  if (MedianLinesShown(m)) host.AddProgressLine("<<< PROCESSING NEIGHBORHOOD OPPORTUNITIES ... HANG ON >>>");
  RebuildLocatedList(m);
  NeighbourhoodPasses(
      m, std::min<int>(count, m.NumLocated), [&m](int b) { return BestMedianMove(m, b); },
      [&](int b, int s, Extended saving) { MoveMedian(m, host, b, s, count, saving); },
      [&] { return ReassignAll(m, host, count); });
  RecordCostByCount(m, std::min<int>(m.NumLocated, count), count, AverageDistance(m));
  m.TradeoffExists = 1;
  m.SecondFacilityValid = 0;
}

}  // namespace korvelan
