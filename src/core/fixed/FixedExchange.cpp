#include "fixed/FixedExchange.h"

#include <cmath>
#include <string>
#include <vector>

#include "fixed/FixedEvaluation.h"
#include "median/MedianServices.h"
#include "median/SwapScan.h"
#include "solve/Evaluation.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

int Percent(int node, int of) { return static_cast<int>(std::lround(100.0 * node / of)); }

struct Swap {
  int out = 0;
  int in = 0;
  Extended saving = 0;
};

// The pair of largest saving above minimum, r ascending then q ascending.
Swap BestSwap(ModelState& m, RunHost& host, Extended minimum) {
  EnsureSecondClosest(m);
  Swap best{0, 0, minimum};
  std::vector<Extended> saving;
  for (int r = 1; r <= m.Numbnodes; ++r) {
    if (!m.Node(r).Located || m.Node(r).SiteStatus != StatusAllowed) continue;
    host.SetCandidateOutGauge(Percent(r, m.Numbnodes));
    ReplacementSavings(m, r, saving);
    int shown = -1;
    for (int q = 1; q <= m.Numbnodes; ++q) {
      if (!IsFreeClosedSite(m.Node(q))) continue;
      if (const int percent = Percent(q, m.Numbnodes); percent != shown) host.SetCandidateInGauge(shown = percent);
      const Extended v = FixedSwapCostSaving(m, saving[q], r, q);
      if (v > best.saving) best = {r, q, v};
    }
  }
  return best;
}

}  // namespace

Extended FixedSwapCostSaving(const ModelState& m, Extended distanceSaving, int r, int q) {
  return distanceSaving * m.CostPerMile + m.Node(r).FixedCost - m.Node(q).FixedCost;
}

Extended fixed_swap_saving(ModelState& m, int r, int q) {
  EnsureSecondClosest(m);
  if (r == q) return 0;
  return FixedSwapCostSaving(m, SwapSaving(m, r, q), r, q);
}

void swap_facilities(ModelState& m, RunHost& host, int r, int q, Extended saving) {
  EnsureSecondClosest(m);
  SwitchSites(m, host, r, q);
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    NodeRecord& node = m.Node(i);
    const int32_t d = m.DistanceMatrix.at(i, q);
    if (node.AssignedFacility == r) {
      const bool toNew = d < node.SecondDistance;
      node.AssignedFacility = static_cast<uint16_t>(toNew ? q : node.SecondFacility);
      node.AssignedDistance = toNew ? d : node.SecondDistance;
    } else if (d < node.AssignedDistance) {
      node.AssignedFacility = static_cast<uint16_t>(q);
      node.AssignedDistance = d;
    }
  }
  m.TradeoffExists = 0;
  if (!FixedLinesShown(m)) return;
  host.AddProgressLines({"Removing node " + std::to_string(r) + " and ",
                         "  Replacing it with node " + std::to_string(q),
                         "  Reduces total cost by " + ProgressCurrency(saving, 15),
                         "  NEW TOTAL COST IS " + ProgressNumber(fixed_total_cost(m), 15, 15)});
}

bool fixed_exchange(ModelState& m, RunHost& host) {
  m.DemandWeightedDistance = AssignToNearest(m);
  m.SecondFacilityValid = 0;
  bool changed = false;
  host.ShowExchangeGauges(true);
  host.SetExchangeLabels("Dec=0.0", "Tot=0.0");
  host.Delay(0, 1);
  const Extended tolerance = CostTolerance(m);
  Extended total = 0;
  for (;;) {
    const Swap best = BestSwap(m, host, tolerance);
    if (best.out == 0) break;
    swap_facilities(m, host, best.out, best.in, best.saving);
    changed = true;
    total += best.saving;
    host.SetExchangeLabels("Dec=" + FormatNumber(best.saving, 16, 1), "Tot=" + FormatNumber(total, 16, 1));
    host.Delay(0, 1);
  }
  host.ShowExchangeGauges(false);
  m.TradeoffExists = 0;
  if (changed) {
    m.DemandWeightedDistance = AssignToNearest(m);
    m.SecondFacilityValid = 0;
    RebuildLocatedList(m);
    // The cost reached with this many sites is now the exchanged one.
    RecordCostByCount(m, m.NumLocated, m.NumLocated, fixed_total_cost(m));
  }
  return changed;
}

}  // namespace korvelan
