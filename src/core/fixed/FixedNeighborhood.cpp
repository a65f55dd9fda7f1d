#include "fixed/FixedNeighborhood.h"

#include <string>
#include <vector>

#include "fixed/FixedEvaluation.h"
#include "median/MedianServices.h"
#include "solve/Evaluation.h"

namespace korvelan {

FacilityMove best_neighborhood_move(const ModelState& m, int f) {
  if (m.Node(f).SiteStatus == StatusRequired) return {f, 0};
  FacilityMove best{f, CostTolerance(m)};
  const std::vector<int> area = ServiceArea(m, f);
  for (int t : area) {
    if (t == f || !IsFreeClosedSite(m.Node(t))) continue;
    Extended saved = 0;
    for (int i : area)
      saved += m.Node(i).Demand *
               static_cast<Extended>(int64_t{m.Node(i).AssignedDistance} - m.DistanceMatrix.at(i, t));
    const Extended gain = m.CostPerMile * saved + m.Node(f).FixedCost - m.Node(t).FixedCost;
    if (gain > best.saving) best = {t, gain};
  }
  return best.site == f ? FacilityMove{f, 0} : best;
}

void swap_nodes_fixed_neighborhood(ModelState& m, RunHost& host, int f, int t, int count, Extended gain) {
  check_assignment(m, host, "Entering swap_nodes_fixed_neighborhood");
  RelocateFacility(m, host, f, t);
  const Extended total = fixed_total_cost(m);
  RecordCostByCount(m, count, count, total);
  if (FixedLinesShown(m))
    host.AddProgressLines({"Node " + std::to_string(f) + " removed", "Node " + std::to_string(t) + " replaces it",
                           "  Reducing total cost by " + ProgressNumber(gain, 16),
                           "  NEW TOTAL COST IS " + ProgressNumber(total, 16)});
  check_assignment(m, host, "Leaving swap_nodes_fixed_neighborhood");
}

bool reassign_demand_nodes(ModelState& m, RunHost& host, int count) {
  bool changed = false;
  const Extended saved = ReassignToListedSites(m, changed);
  if (FixedLinesShown(m))
    host.AddProgressLines({"REASSIGNING DEMAND NODES TO NEW FACILITIES",
                           "  Reduces total cost by " + ProgressCurrency(saved * m.CostPerMile, 16)});
  RecordCostByCount(m, count, count, fixed_total_cost(m));
  return changed;
}

void fixed_neighborhood(ModelState& m, RunHost& host, int /*count*/, int /*flag*/) {
  if (FixedLinesShown(m)) {
    std::vector<std::string> lines{"<<< PROCESSING NEIGHBORHOOD OPPORTUNITIES ... HANG ON >>>"};
    if (m.SolutionClass == 0)
      for (const std::string& line : FacilityBlock(m, "In fixed_neighborhood")) lines.push_back(line);
    host.AddProgressLines(lines);
  }
  RebuildLocatedList(m);
  const int n = m.NumLocated;
  NeighbourhoodPasses(
      m, n, [&m](int f) { return best_neighborhood_move(m, f); },
      [&](int f, int t, Extended gain) { swap_nodes_fixed_neighborhood(m, host, f, t, n, gain); },
      [&] { return reassign_demand_nodes(m, host, n); });
  RecordCostByCount(m, n, n, fixed_total_cost(m));
  m.SecondFacilityValid = 0;
  m.TradeoffExists = 0;
}

}  // namespace korvelan
