#include "median/MedianLagrangian.h"

#include <algorithm>

#include "median/MedianHeuristics.h"
#include "median/MedianNeighbourhood.h"
#include "median/MedianServices.h"
#include "solve/Evaluation.h"
#include "solve/Granularity.h"

namespace korvelan {
namespace {

// The first step factor of a node below the root. Its multipliers start from its
// parent's, near their best, where the root's large first steps would throw them
// away again (0.25 measured best on the bench families).
constexpr Extended ChildFirstAlpha = 0.25L;

// The node's bounds in total-cost units while it iterates.
struct NodeBounds {
  Extended lower = 0;
  Extended upper = LagInfinity;
};

// `total`: the relaxed solution's cost (CheapestOpenCostSum).
void ImproveUpperBound(ModelState& m, RunHost& host, MedianSearch& search, int P, Extended total,
                       NodeBounds& b) {
  const AssignmentRelaxation& r = search.relax;
  if (!(total < b.upper) || total >= LagInfinity) return;
  b.upper = total;
  search.nodeHasSolution = true;
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).Located = r.open[j];
  if (search.neighborhoodOnImprovement) {
    AssignAllToNearest(m, host);
    NeighbourhoodSearch(m, host, P);
    b.upper = WeightedDistanceOfAssignment(m);
  }
}

// With whole costs, a node whose bound has reached the incumbent holds no better solution.
bool ShouldStop(const ModelState& m, const SubgradientState& s, const NodeBounds& b, Extended gap, Extended gap2,
                Extended incumbent, Extended grain) {
  const CoveringSettings& c = m.Covering;
  const int limit = m.AtRootNode ? c.RootNodeValue : c.NoIter;
  return gap <= c.PctDiff || b.upper - b.lower <= m.Median.AbsDiff || s.iteration >= limit ||
         b.lower > incumbent || (grain > 0 && b.lower >= incumbent) || s.alpha < c.MinAlpha || (m.Median.UseBestUBBox && gap2 <= c.PctDiff) ||
         m.AbortRequested;
}

void PublishBounds(ModelState& m, const NodeBounds& b) {
  m.MedianUpperTotal = b.upper;
  m.MedianLowerTotal = b.lower;
  m.RunUpperBound = PerUnitDemand(m, b.upper);
  m.RunLowerBound = PerUnitDemand(m, b.lower);
}

// Subgradient iterations; returns the last relaxed value L.
Extended Iterate(ModelState& m, RunHost& host, MedianSearch& search, int P, bool firstNode, Extended incumbent,
                 NodeBounds& b) {
  AssignmentRelaxation& r = search.relax;
  SubgradientState s;
  if (!m.AtRootNode) s.alpha = ChildFirstAlpha;
  Extended value = 0;
  for (;;) {
    ChooseMedianOpenSites(m, search, P);
    const Extended relaxedSolutionCost = CountCheapOpenSitesAndCheapestCost(m, r);
    value = RelaxedValue(r);
    b.lower = std::max(b.lower, RoundUpToGrain(value, r.grain));
    RecordRelaxedValue(s, value, m.Covering.FailureCount != 0);
    ImproveUpperBound(m, host, search, P, relaxedSolutionCost, b);
    const Extended gap = PercentGap(b.upper, b.lower);
    const Extended gap2 = firstNode ? gap : PercentGap(incumbent, b.lower);
    // Shown beside the node's bounds, so per unit of demand as they are.
    m.BestLagUpperBound = incumbent < LagInfinity ? PerUnitDemand(m, incumbent) : incumbent;
    PublishBounds(m, b);
    PublishIteration(m, host, s, gap);
    if (ShouldStop(m, s, b, gap, gap2, incumbent, r.grain)) break;
    HalveAlphaOnFailures(s, m.AtRootNode ? m.Median.RootFail : m.Median.Failures);
    if (!StepMultipliers(r, s, m.Covering.DampingTerm, b.upper, value)) break;
    ++s.iteration;
    ComputeSiteValues(m, r);
  }
  m.LagIteration = s.iteration;
  return value;
}

void RunTerminalSearch(ModelState& m, RunHost& host, const MedianSearch& search, int P, const NodeBounds& b,
                       Extended incumbent) {
  const TerminalChoice choice = m.Median.TerminalSubstitution;
  const bool run = search.terminalOn && m.DoSubstitution && choice != TerminalChoice::None &&
                   m.LagGap > m.Covering.PctDiff && b.lower <= incumbent;
  m.MedianUpperTotal = b.upper;
  if (run) {
    host.ShowExchangeGauges(true);
    if (choice == TerminalChoice::Exchange) Exchange(m, host, P);
    else NeighbourhoodSearch(m, host, P);
    host.ShowExchangeGauges(false);
    m.MedianUpperTotal = WeightedDistanceOfAssignment(m);
  }
  m.MedianLowerTotal = b.lower;
  m.RunUpperBound = PerUnitDemand(m, m.MedianUpperTotal);
  m.RunLowerBound = PerUnitDemand(m, b.lower);
  m.TradeoffExists = 0;
}

// Reduced-value tests at the root: opening a closed site means closing the open
// free site of largest value; closing an open one means opening the closed free
// site of smallest value. A site whose forced change lifts the bound above the best
// known cost is fixed the other way. The number of facilities is always P here, so
// the exchange values apply whatever number the fixed-charge family was last given.
void FixSitesAtRoot(ModelState& m, const MedianSearch& search, int P, Extended value) {
  const AssignmentRelaxation& r = search.relax;
  const Extended scale = 10 * static_cast<Extended>(m.Numbnodes) * m.MedianUpperTotal;
  const SwapValues swap = FreeSwapValues(m, r, scale, -scale);
  const Extended pct = m.Covering.PctDiff;
  const Extended threshold = m.MedianUpperTotal / (pct * 0.005L + 1) * 1.000000001L;
  FixSitesByReducedValues(m, r, value, swap, threshold, m.RunLowerBound > 0);
  if (m.Numbnodes - m.ExcludedCount <= P) {
    const Extended solved = pct != 0 ? m.MedianUpperTotal / (pct * 0.005L + 1) : m.MedianUpperTotal;
    m.MedianLowerTotal = solved;
    m.LowerBoundResetInForcing = 1;
    m.RunLowerBound = PerUnitDemand(m, solved);
  }
}

Extended MedianCost(const ModelState& m, int i, int j) {
  const int32_t d = m.DistanceMatrix.at(i, j);
  const Extended demand = m.Node(i).Demand;
  if (WithinCoverage(m.SavedCoverageDistance, d)) return demand * d;
  return demand * (d + m.AddedConstant);
}

}  // namespace

Extended PerUnitDemand(const ModelState& m, Extended total) {
  return m.TotalDemand != 0 ? total / m.TotalDemand : 0;
}

void BuildMedianCostMatrix(ModelState& m, RunHost& host, MedianSearch& search) {
  BuildCostMatrix(m, host, search, m.Median.ExchangeSearch != 0, [&m](int i, int j) { return MedianCost(m, i, j); });
  SetObjectiveGrain(m, search.relax, false);
}

void ChooseMedianOpenSites(const ModelState& m, MedianSearch& search, int P) {
  AssignmentRelaxation& r = search.relax;
  OpenCheapestFreeSites(m, r, P - OpenRequiredSites(m, r));
}

MedianNodeResult MedianLagrangianNode(ModelState& m, RunHost& host, MedianSearch& search, int P, int nodesSoFar,
                                      int level, Extended inheritedBound, Extended incumbent) {
  search.nodeHasSolution = false;
  m.MedianUpperTotal = LagInfinity;
  m.MedianLowerTotal = inheritedBound;
  if (m.AbortRequested) return {};
  if (m.ShowLagProgress) {
    m.IterationsBeforeNode = m.IterationTotal;
    m.PublishedLevel = level;
    m.TargetValue = -10;
  }
  if (m.AtRootNode) {
    if (!search.relax.built) BuildMedianCostMatrix(m, host, search);
    const MedianSettings& s = m.Median;
    SetInitialMultipliers(m, search.relax, {s.Constant, s.Slope, s.Average, s.Demand, 0});
  }
  PrepareWalkRows(m, search.relax);
  ComputeSiteValues(m, search.relax);
  NodeBounds bounds;
  const Extended value = Iterate(m, host, search, P, nodesSoFar == 0, incumbent, bounds);
  const int iterations = m.LagIteration;
  PublishRelaxedState(m, search.relax);
  if (search.nodeHasSolution) {
    AssignToLocatedSites(m, host);
    m.SecondFacilityValid = 0;
    RunTerminalSearch(m, host, search, P, bounds, incumbent);
    if (m.AtRootNode && m.Covering.RootNodeBox) FixSitesAtRoot(m, search, P, value);
  } else {
    PublishBounds(m, bounds);
  }
  CountStatuses(m);
  return {iterations};
}

}  // namespace korvelan
