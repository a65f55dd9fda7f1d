#include "fixed/FixedBranchAndBound.h"

#include <algorithm>

#include "fixed/FixedLocalSearch.h"
#include "median/SwapLocalSearch.h"
#include "solve/Granularity.h"

namespace korvelan {
namespace {

struct TreeRun {
  ModelState& m;
  RunHost& host;
  FixedSearch& search;
  int target;
  bool& found;
  bool& built;
  Extended& incumbent;
};

void Node(TreeRun& run, uint16_t& level, int& count, Extended& bound);

bool IsLeaf(const ModelState& m, int target) {
  if (target >= 0) return m.ForcedCount == target;
  return m.ForcedCount + m.ExcludedCount == m.Numbnodes;
}

// A leaf is evaluated exactly: the required sites are the solution, every demand node
// served at the cheapest cost the cost matrix charges among them.
void EvaluateLeaf(TreeRun& run, int& count) {
  ModelState& m = run.m;
  FixedSearch& search = run.search;
  if (m.ForcedCount == 0) {
    search.NodeLowerBound = LagInfinity;
    search.NodeUpperBound = LagInfinity;
    search.nodeHasSolution = false;
    return;
  }
  if (!search.relax.built) {
    BuildFixedCostMatrix(m, run.host, search);
    run.incumbent = LagInfinity;
    run.built = true;
  }
  AssignmentRelaxation& r = search.relax;
  for (int j = 1; j <= m.Numbnodes; ++j) r.open[j] = m.Node(j).SiteStatus == StatusRequired ? 1 : 0;
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).LagOpen = r.open[j];
  const Extended value = CheapestOpenCostSum(m, r) + OpenFixedCost(m, r);
  search.NodeLowerBound = value;
  search.NodeUpperBound = value;
  search.nodeHasSolution = true;
  LocateRequiredSites(m);
  count = AssignToLocatedSites(m, run.host);
  m.NumLocated = static_cast<uint16_t>(count);
  run.found = true;
}

// Kicks of the local search that improves the root's solution.
constexpr int RootKicks = 2000;

// With the number of facilities free, the local search of FixedLocalSearch.h improves
// the best solution when the root leaves a gap, before any branching: one-for-one
// exchanges cannot re-tile a regular pattern of facilities, and the tree cannot prune
// without a good incumbent.
// The search stops once its solution closes the root's gap.
void ImproveRootSolution(TreeRun& run, Extended bound) {
  ModelState& m = run.m;
  if (run.target >= 0 || !run.search.terminalOn || !run.search.relax.built || run.incumbent >= LagInfinity) return;
  KeepIfCheaper(
      m, ImproveFixedCharge(m, run.search.relax, m.BestLocated, RootKicks, FixedTreeClosingCost(m, bound)),
      run.incumbent);
}

// Kicks of the exchange search with a number to locate.
constexpr int CountRootKicks = 1000;

// With a number to locate, the exchange search of SwapLocalSearch.h does the same.
void ImproveRootSolutionOfCount(TreeRun& run, Extended bound) {
  ModelState& m = run.m;
  if (run.target <= 0 || !run.search.terminalOn || !run.search.relax.built || run.incumbent >= LagInfinity ||
      !HasFreeSite(m))
    return;
  KeepIfCheaper(m, ImproveWithSwaps(m, run.search.relax, m.BestLocated, true, CountRootKicks, bound),
                run.incumbent);
}

void KeepIfBetter(TreeRun& run) {
  if (!run.search.nodeHasSolution || !(run.search.NodeUpperBound < run.incumbent)) return;
  run.incumbent = run.search.NodeUpperBound;
  for (int j = 1; j <= run.m.Numbnodes; ++j) run.m.BestLocated[j] = run.m.Node(j).Located;
}

// Sites whose flip would lift the node's bound to where the tree stops searching are
// fixed for the subtree (the parent's branching puts the statuses back); a subtree
// left with a single solution (exactly `target` sites, or no free site with the number
// free) is evaluated as a leaf. Returns whether the node still branches, and in
// `removed` a bound on the solutions the fixing removed.
bool SettleSites(TreeRun& run, int& count, Extended& removed) {
  if (run.target == 0) return true;
  const AssignmentRelaxation& r = run.search.relax;
  const auto prunes = [&run, &r](Extended b) {
    return !FixedTreeGapLeft(run.m, run.incumbent, RoundUpToGrain(b, r.grain));
  };
  const SubtreeFixing fixing = FixSitesForSubtree(run.m, r, run.target, prunes);
  removed = RoundUpToGrain(fixing.removedBound, r.grain);
  if (fixing.left == SubtreeAfterFixing::Leaf) {
    EvaluateLeaf(run, count);
    KeepIfBetter(run);
  }
  return fixing.left == SubtreeAfterFixing::Open;
}

void Branch(TreeRun& run, uint16_t level, int site, Extended& bound) {
  const NodeMultipliers nodeMultipliers(run.search.relax);
  const auto visit = [&run, &nodeMultipliers](uint16_t childLevel, Extended childBound) {
    nodeMultipliers.Restore(run.search.relax);
    int count = 0;
    Node(run, childLevel, count, childBound);
    return childBound;
  };
  const auto includeAllowed = [&run](Extended b) {
    return FixedTreeGapLeft(run.m, run.incumbent, b) && run.incumbent - b >= 0.9L * run.m.CostPerMile;
  };
  const auto gapLeft = [&run](Extended b) { return FixedTreeGapLeft(run.m, run.incumbent, b); };
  bound = BranchOnSite(run.m, level, site, run.target, bound, visit, includeAllowed, gapLeft);
}

void Node(TreeRun& run, uint16_t& level, int& count, Extended& bound) {
  ModelState& m = run.m;
  FixedSearch& search = run.search;
  ++m.RunBranchNodes;
  ++level;
  if (IsLeaf(m, run.target)) {
    EvaluateLeaf(run, count);
  } else {
    m.IterationTotal +=
        fixed_lagrangian_soln(m, run.host, search, count, run.target, level, run.incumbent, bound);
    run.built = run.built || search.relax.built;
    if (search.nodeHasSolution) run.found = true;
  }
  KeepIfBetter(run);
  if (search.NodeLowerBound >= run.incumbent) {
    bound = run.incumbent;
    return;
  }
  bound = std::max(bound, search.NodeLowerBound);
  if (!m.BranchAndBoundOn || m.AbortRequested) {
    if (m.AbortRequested) bound = 0;
    return;
  }
  if (!FixedTreeMayBranch(m, level, run.target, run.incumbent, bound)) return;
  if (level == 1) {
    ImproveRootSolution(run, bound);
    ImproveRootSolutionOfCount(run, bound);
    if (!FixedTreeMayBranch(m, level, run.target, run.incumbent, bound)) return;
  }
  const Extended nodeBound = bound;
  Extended removed = LagInfinity;
  if (SettleSites(run, count, removed)) {
    const int site = ChooseBranchingSite(m);
    if (site == 0) {
      bound = search.NodeLowerBound;
      return;
    }
    Branch(run, level, site, bound);
  } else {
    bound = run.incumbent;
  }
  bound = std::max(nodeBound, std::min(bound, removed));
}

}  // namespace

void fixed_branch_and_bound(ModelState& m, RunHost& host, FixedSearch& search, uint16_t& level, int& count,
                            int target, bool& found, bool& built, Extended& incumbent, Extended& bound) {
  TreeRun run{m, host, search, target, found, built, incumbent};
  if (level != 0) {
    Node(run, level, count, bound);
    return;
  }
  SaveRootStatuses(m);
  Node(run, level, count, bound);
  RestoreRootStatuses(m);
}

Extended FixedTreeClosingCost(const ModelState& m, Extended bound) {
  return bound + bound * std::max(m.Fixed.PctDiff, Extended(1e-13L)) / 100;
}

bool FixedTreeGapLeft(const ModelState& m, Extended incumbent, Extended bound) {
  const Extended diff = incumbent - bound;
  return diff * 100 > bound * m.Fixed.PctDiff && diff * 100 > bound * 1e-13L;
}

bool FixedTreeMayBranch(const ModelState& m, uint16_t level, int target, Extended incumbent, Extended bound) {
  const int depth = m.Fixed.DepthVar;
  if (!FixedTreeGapLeft(m, incumbent, bound) || (depth != -1 && level > depth)) return false;
  if (target >= 0) return m.ForcedCount < target;
  return m.ForcedCount + m.ExcludedCount < m.Numbnodes;
}

}  // namespace korvelan
