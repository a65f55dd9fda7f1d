#include "fixed/FixedAddDrop.h"

#include <vector>

#include "fixed/FixedEvaluation.h"
#include "median/MedianServices.h"
#include "median/SwapScan.h"
#include "solve/Evaluation.h"
#include "tradeoff/CurveStop.h"

namespace korvelan {
namespace {

constexpr Extended AnyGain = -1e30L;


// Gain of closing open site j, summed over its demand nodes in ascending order
// and abandoned as soon as it can no longer beat `best`.
Extended DropGain(const ModelState& m, int j, Extended best) {
  Extended v = m.Node(j).FixedCost;
  for (int i = 1; i <= m.NumDemandNodes && v > best; ++i) {
    const NodeRecord& node = m.Node(i);
    if (node.AssignedFacility != j) continue;
    v -= static_cast<Extended>(int64_t{node.SecondDistance} - node.AssignedDistance) * m.CostPerMile * node.Demand;
  }
  return v;
}

void FinishConstruction(ModelState& m) {
  m.SecondFacilityValid = 0;
  m.TradeoffExists = 0;
  RebuildLocatedList(m);
}

}  // namespace

int best_add_site(const ModelState& m, bool must) {
  std::vector<Extended> saving;
  AdditionSavings(m, saving);
  Extended best = must ? AnyGain : 0;
  int site = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (!IsFreeClosedSite(m.Node(j))) continue;
    const Extended gain = m.CostPerMile * saving[j] - m.Node(j).FixedCost;
    if (gain > best) {
      best = gain;
      site = j;
    }
  }
  return site;
}

int fixed_add(ModelState& m, RunHost& host, int target) {
  ResetAssignments(m);
  int i = 0;
  for (int node = 1; node <= m.Numbnodes; ++node)
    if (IsPresetSite(m.Node(node))) locate_facility(m, host, ++i, node);
  while (!CurveStopRequested(m)) {
    const bool must = i == 0 || target > i;
    const int best = best_add_site(m, must);
    if (best != 0 && (target == -1 || target > i))
      locate_facility(m, host, ++i, best);
    else
      RecordCostByCount(m, i, i, fixed_total_cost(m));
    // Stop with the sites reached when nothing is left to open or the preset
    // sites already reach the target.
    if (best == 0 || (target >= 0 && i >= target) || i >= m.Numbnodes) break;
  }
  FinishConstruction(m);
  return i;
}

DropChoice best_drop_site(ModelState& m, bool must) {
  EnsureSecondClosest(m);
  DropChoice best{0, must ? AnyGain : 0};
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const NodeRecord& site = m.Node(j);
    if (!site.Located || site.SiteStatus == StatusRequired) continue;
    const Extended v = DropGain(m, j, best.gain);
    if (v > best.gain) best = {j, v};
  }
  return best;
}

int fixed_drop(ModelState& m, RunHost& host, int target) {
  ResetAssignments(m);
  if (FixedLinesShown(m)) host.AddProgressLine("<<< ADDING ALL NON-EXCLUDED FACILITIES ... HANG ON >>>");
  int count = 0;
  for (int node = 1; node <= m.Numbnodes; ++node)
    if (m.Node(node).SiteStatus != StatusExcluded) locate_facility(m, host, ++count, node);
  if (target >= count) {
    m.SecondFacilityValid = 0;
    RebuildLocatedList(m);
    return count;
  }
  if (FixedLinesShown(m)) host.AddProgressLine("<<< PROCESSING DROP OPTIONS ... HANG ON >>>");
  while (!CurveStopRequested(m)) {
    const bool must = 0 < target && target < count;
    m.SecondFacilityValid = 0;
    const DropChoice best = best_drop_site(m, must);
    if (best.site != 0) remove_facility(m, host, best.site, count);
    // Also stops when only required sites are left above the target.
    if (best.site == 0 || count == target || count <= 1) break;
  }
  FinishConstruction(m);
  return count;
}

}  // namespace korvelan
