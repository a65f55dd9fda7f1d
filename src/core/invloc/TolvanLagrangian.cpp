// The Lagrangian procedure of one tree node of the inventory/location model.
#include <algorithm>

#include "invloc/InvLocModel.h"
#include "invloc/TolvanSolver.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

// The relaxed solution and the node's solution start empty at the root.
void ClearAtRoot(ModelState& m) {
  for (int n = 1; n <= m.Numbnodes; ++n) {
    NodeRecord& node = m.Node(n);
    node.AssignVector.fill(0);
    node.Located = 0;
    node.NTIMES = 0;
    node.LagMultiplier = 0;
    node.LagOpen = 0;
    node.LagCount = 0;
    node.AssignedFacility = 0;
    node.AssignedDistance = 0;
    node.AssignedDemand = 0;
  }
}

void SaveBestRelaxation(TolvanSearch& search, Extended value) {
  const AssignmentRelaxation& r = search.relax;
  search.bestValue = value;
  search.bestBenefit = r.siteValue;
  search.bestOpen = r.open;
}

void ReportNegativeGap(const ModelState& m, RunHost& host, const TolvanSearch& search, Extended gap) {
  const Extended upper = search.NodeUpperBound;
  const Extended lower = search.NodeLowerBound;
  host.Warning("Negative Percent Difference of " + FormatNumber(gap, 10, 5) + "% !!!\nUpper Bound = " +
               FormatNumber(upper, 15, 5) + "\nLower Bound = " + FormatNumber(lower, 15, 5));
  for (const std::string& line : TolvanDiagnosticListing(m, search, lower, upper)) host.AddErrorLine(line);
}

bool ShouldStop(const ModelState& m, const TolvanSearch& search, const SubgradientState& s, Extended gap,
                Extended incumbent) {
  const FixedSettings& f = m.Fixed;
  const int limit = m.AtRootNode ? m.InvLoc.TolvanRootNodeValue : m.InvLoc.TolvanNoIter;
  return gap <= f.PctDiff + 1e-13L || s.iteration >= limit ||
         incumbent < (1 + 0.005L * f.PctDiff) * search.NodeLowerBound || s.alpha < f.MinAlpha || m.AbortRequested;
}

void Iterate(ModelState& m, RunHost& host, TolvanSearch& search, int& count, int target, Extended incumbent) {
  AssignmentRelaxation& r = search.relax;
  const FixedSettings& f = m.Fixed;
  SubgradientState s;
  bool negativeGapShown = false;
  search.bestValue = -LagInfinity;
  for (;;) {
    ChooseFixedOpenSites(m, search, target);
    TolvanCountAssignments(m, search);
    const Extended value = RelaxedValue(r);
    search.NodeLowerBound = std::max(search.NodeLowerBound, value);
    if (value > search.bestValue) SaveBestRelaxation(search, value);
    RecordRelaxedValue(s, value, f.FailureCount != 0);
    TolvanUpperBound(m, host, search, target, count);
    const Extended gap = PercentGap(search.NodeUpperBound, search.NodeLowerBound);
    m.RunUpperBound = search.NodeUpperBound;
    m.RunLowerBound = search.NodeLowerBound;
    PublishIteration(m, host, s, gap);
    // A bound above a feasible cost can only come from rounding; it is shown once.
    if (m.AtRootNode && gap < -1e-6L && !negativeGapShown) {
      ReportNegativeGap(m, host, search, gap);
      negativeGapShown = true;
    }
    if (ShouldStop(m, search, s, gap, incumbent)) break;
    HalveAlphaOnFailures(s, m.AtRootNode ? m.InvLoc.TolvanRootFail : m.InvLoc.TolvanFailures);
    if (!StepMultipliers(r, s, f.DampingTerm, search.NodeUpperBound, value)) break;
    ++s.iteration;
    TolvanBenefits(m, search);
  }
  m.LagIteration = s.iteration;
}

// The node's solution: its coverage counts and distances; returns its open sites.
int FinishNodeSolution(ModelState& m, RunHost& host) {
  int count = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) count += m.Node(j).Located;
  RebuildCoverageCounts(m, host);
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    NodeRecord& node = m.Node(i);
    node.AssignedDistance = m.DistanceMatrix.at(i, node.AssignedFacility);
  }
  return count;
}

// The swap search the settings name; with "&None" the choice made before it.
bool NeighbourhoodSwaps(const ModelState& m) {
  const TerminalChoice choice = m.Fixed.TerminalSubstitution != TerminalChoice::None
                                    ? m.Fixed.TerminalSubstitution
                                    : m.Fixed.LastTerminalChoice;
  return choice == TerminalChoice::Neighborhood;
}

// Reduced-cost tests at the root with the best relaxed solution of the node: a closed
// site whose opening lifts the bound above the upper bound is excluded, an open site
// whose closing does is required.
void FixSitesAtRoot(ModelState& m, TolvanSearch& search, int target) {
  AssignmentRelaxation& r = search.relax;
  const auto lastBenefit = r.siteValue;
  const auto lastOpen = r.open;
  r.siteValue = search.bestBenefit;
  r.open = search.bestOpen;
  const Extended scale = 10 * static_cast<Extended>(m.Numbnodes) * search.NodeUpperBound;
  const SwapValues swap = target < 0 ? SwapValues{0, 0} : FreeSwapValues(m, r, scale, -scale);
  const Extended threshold = search.NodeUpperBound / (m.Fixed.PctDiff * 0.005L + 1) * 1.000000001L;
  FixSitesByReducedValues(m, r, search.bestValue, swap, threshold, search.NodeLowerBound > 0);
  r.siteValue = lastBenefit;
  r.open = lastOpen;
}

}  // namespace

int TolvanLagrangian(ModelState& m, RunHost& host, TolvanSearch& search, int& count, int target, int level,
                     Extended incumbent, Extended inheritedBound) {
  search.NodeUpperBound = LagInfinity;
  search.NodeLowerBound = inheritedBound;
  search.nodeHasSolution = false;
  if (m.AbortRequested) return 0;
  PublishLagrangianNodeStart(m, level, incumbent, inheritedBound);
  if (m.AtRootNode) {
    ClearAtRoot(m);
    if (!search.relax.built) BuildTolvanTransport(m, host, search);
    SetFixedInitialMultipliers(m, search);
  }
  TolvanBenefits(m, search);
  search.NodeLowerBound = 0;
  Iterate(m, host, search, count, target, incumbent);
  const int iterations = m.LagIteration;
  PublishRelaxedState(m, search.relax);
  if (search.nodeHasSolution) {
    count = FinishNodeSolution(m, host);
    if (m.LagGap > m.Fixed.PctDiff && search.NodeLowerBound <= incumbent) {
      TolvanSwapSearch(m, host, search, target, NeighbourhoodSwaps(m));
      count = FinishNodeSolution(m, host);
    }
  }
  if (m.AtRootNode && m.Fixed.RootNodeBox && search.nodeHasSolution) FixSitesAtRoot(m, search, target);
  CountStatuses(m);
  return iterations;
}

}  // namespace korvelan
