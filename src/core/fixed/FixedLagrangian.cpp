#include "fixed/FixedLagrangian.h"

#include <algorithm>

#include "fixed/FixedEvaluation.h"
#include "fixed/FixedExchange.h"
#include "fixed/FixedNeighborhood.h"
#include "median/MedianServices.h"
#include "solve/Granularity.h"

namespace korvelan {
namespace {

// The first step factor of a node below the root. Its multipliers start from its
// parent's, near their best, where the root's large first steps would throw them
// away again (1 measured best on the bench families).
constexpr Extended ChildFirstAlpha = 1.0L;

Extended FixedCost(const ModelState& m, int i, int j) {
  const Extended d = m.DistanceMatrix.at(i, j);
  const Extended demand = m.Node(i).Demand;
  if (WithinCoverage(m.CoverageDistance, m.DistanceMatrix.at(i, j))) return d * demand * m.CostPerMile;
  const Extended w = m.AddedConstant;
  if (m.AddedConstantMultiplied) return (d + w) * demand * m.CostPerMile;
  return d * demand * m.CostPerMile + demand * w;
}

void ComputeBenefits(const ModelState& m, AssignmentRelaxation& r) {
  ComputeSiteValues(m, r);
  AddFixedCosts(m, r);
}

// The upper bound from the relaxed solution; with the neighbourhood search on, the
// improved solution's cost.
void ImproveUpperBound(ModelState& m, RunHost& host, FixedSearch& search, int& count) {
  AssignmentRelaxation& r = search.relax;
  const Extended v = CheapestOpenCostSum(m, r) + OpenFixedCost(m, r);
  if (v >= LagInfinity) return;
  // A relative test (NodeUpperBound - v) / v would divide by zero when every cost is 0.
  const bool better = v < search.NodeUpperBound && (v <= 0 || search.NodeUpperBound - v > 1e-12L * v);
  if (!better) return;
  search.NodeUpperBound = v;
  search.nodeHasSolution = true;
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).Located = r.open[j];
  count = OpenCount(r);
  if (search.neighborhoodOnImprovement && count > 0) {
    AssignAllToNearest(m, host);
    fixed_neighborhood(m, host, count, 0);
    search.NodeUpperBound = fixed_total_cost(m);
  }
}

bool ShouldStop(const ModelState& m, const FixedSearch& search, const SubgradientState& s, Extended gap,
                Extended incumbent) {
  const FixedSettings& f = m.Fixed;
  const int limit = m.AtRootNode ? f.RootNodeValue : f.NoIter;
  // With whole costs, a node whose bound has reached the incumbent holds no better solution.
  const bool cannotImprove = search.NodeLowerBound > incumbent ||
                             (search.relax.grain > 0 && search.NodeLowerBound >= incumbent);
  return gap <= f.PctDiff || s.iteration >= limit || cannotImprove || s.alpha < f.MinAlpha ||
         m.AbortRequested;
}

void Iterate(ModelState& m, RunHost& host, FixedSearch& search, int& count, int target, Extended incumbent,
             Extended& lastValue) {
  AssignmentRelaxation& r = search.relax;
  const FixedSettings& f = m.Fixed;
  SubgradientState s;
  if (!m.AtRootNode) s.alpha = ChildFirstAlpha;
  for (;;) {
    ChooseFixedOpenSites(m, search, target);
    CountCheapOpenSites(m, r);
    lastValue = RelaxedValue(r);
    search.NodeLowerBound = std::max(search.NodeLowerBound, RoundUpToGrain(lastValue, r.grain));
    RecordRelaxedValue(s, lastValue, f.FailureCount != 0);
    ImproveUpperBound(m, host, search, count);
    const Extended gap = PercentGap(search.NodeUpperBound, search.NodeLowerBound);
    m.RunUpperBound = search.NodeUpperBound;
    m.RunLowerBound = search.NodeLowerBound;
    PublishIteration(m, host, s, gap);
    if (ShouldStop(m, search, s, gap, incumbent)) break;
    HalveAlphaOnFailures(s, m.AtRootNode ? f.RootFail : f.Failures);
    if (!StepMultipliers(r, s, f.DampingTerm, search.NodeUpperBound, lastValue)) break;
    ++s.iteration;
    ComputeBenefits(m, r);
  }
  m.LagIteration = s.iteration;
}

// Improvement at the end of the node, when the node left a gap it may still close.
void RunTerminalSearch(ModelState& m, RunHost& host, FixedSearch& search, int count, Extended incumbent) {
  const FixedSettings& f = m.Fixed;
  const bool run = search.terminalOn && f.TerminalSubstitution != TerminalChoice::None &&
                   m.LagGap > f.PctDiff && search.NodeLowerBound <= incumbent;
  if (run) {
    if (f.TerminalSubstitution == TerminalChoice::Exchange) {
      fixed_exchange(m, host);
    } else {
      fixed_neighborhood(m, host, count, 1);
    }
    search.NodeUpperBound = fixed_total_cost(m);
  } else if (m.AddedConstant == 0) {
    search.NodeUpperBound = fixed_total_cost(m);
  }
}

// With the number free: the required sites and every free site of negative value open,
// without sorting (the order matters only when no site opens that way). Returns the
// number open.
int OpenProfitableSites(const ModelState& m, AssignmentRelaxation& r) {
  int opened = 0;
  for (int j = 1; j <= r.nodes; ++j) {
    const uint8_t status = m.Node(j).SiteStatus;
    r.open[j] = status == StatusRequired || (status == StatusAllowed && r.siteValue[j] < 0);
    opened += r.open[j];
  }
  return opened;
}

// Reduced-cost tests at the root: a closed site whose opening would lift the bound
// above the best known cost is excluded; an open site whose closing would is required.
void FixSitesAtRoot(ModelState& m, FixedSearch& search, int target, Extended value) {
  const AssignmentRelaxation& r = search.relax;
  const Extended scale = 10 * static_cast<Extended>(m.Numbnodes) * search.NodeUpperBound;
  // With the number free, a site opens or closes on its own.
  const SwapValues swap = target < 0 ? SwapValues{0, 0} : FreeSwapValues(m, r, scale, -scale);
  const Extended threshold = search.NodeUpperBound / (m.Fixed.PctDiff * 0.01L + 1) * 1.000000001L;
  FixSitesByReducedValues(m, r, value, swap, threshold, search.NodeLowerBound > 0);
  if (target > 0 && m.Numbnodes - m.ExcludedCount <= target) {
    search.NodeLowerBound = search.NodeUpperBound;
    m.LowerBoundResetInForcing = 1;
  }
  if (m.ForcedCount == target) {
    search.NodeLowerBound = search.NodeUpperBound / (m.Fixed.PctDiff * 0.01L * 0.995L + 1);
    m.LowerBoundResetInForcing = 1;
  }
}

}  // namespace

void BuildFixedCostMatrix(ModelState& m, RunHost& host, FixedSearch& search) {
  BuildCostMatrix(m, host, search, m.Fixed.ExchangeSearch != 0, [&m](int i, int j) { return FixedCost(m, i, j); });
  SetObjectiveGrain(m, search.relax, true);
}

void SetFixedInitialMultipliers(const ModelState& m, FixedSearch& search) {
  const FixedSettings& f = m.Fixed;
  Extended fixedTotal = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) fixedTotal += m.Node(j).FixedCost;
  const Extended avgfix = m.Numbnodes > 0 ? f.Fixed * fixedTotal / m.Numbnodes : 0;
  SetInitialMultipliers(m, search.relax, {f.Constant, f.Slope, f.Average, f.Demand, avgfix});
}

void ChooseFixedOpenSites(const ModelState& m, FixedSearch& search, int target) {
  AssignmentRelaxation& r = search.relax;
  if (target < 0 && OpenProfitableSites(m, r) > 0) return;
  int opened = OpenRequiredSitesAndSort(m, r);
  for (int k = 1; k <= r.nodes; ++k) {
    const int j = r.order[k];
    if (target < 0 && r.siteValue[j] >= 0) break;
    if (target >= 0 && opened >= target) break;
    if (IsFreeSite(m, j) && !r.open[j]) {
      r.open[j] = 1;
      ++opened;
    }
  }
  if (opened > 0) return;
  for (int k = 1; k <= r.nodes; ++k) {
    if (IsFreeSite(m, r.order[k])) {
      r.open[r.order[k]] = 1;
      return;
    }
  }
}

int fixed_lagrangian_soln(ModelState& m, RunHost& host, FixedSearch& search, int& count, int target,
                          int level, Extended incumbent, Extended inheritedBound) {
  search.NodeUpperBound = LagInfinity;
  search.NodeLowerBound = inheritedBound;
  search.nodeHasSolution = false;
  if (m.AbortRequested) return 0;
  PublishLagrangianNodeStart(m, level, incumbent, inheritedBound);
  if (m.AtRootNode) {
    if (!search.relax.built) BuildFixedCostMatrix(m, host, search);
    SetFixedInitialMultipliers(m, search);
  }
  ComputeBenefits(m, search.relax);
  search.NodeLowerBound = 0;
  Extended lastValue = 0;
  Iterate(m, host, search, count, target, incumbent, lastValue);
  const int iterations = m.LagIteration;
  PublishRelaxedState(m, search.relax);
  if (search.nodeHasSolution) {
    count = AssignToLocatedSites(m, host);
    m.SecondFacilityValid = 0;
    RunTerminalSearch(m, host, search, count, incumbent);
  }
  if (m.AtRootNode && m.Fixed.RootNodeBox && search.nodeHasSolution) FixSitesAtRoot(m, search, target, lastValue);
  CountStatuses(m);
  return iterations;
}

}  // namespace korvelan
