#include "median/MedianBranchAndBound.h"

#include <algorithm>

#include "median/SwapLocalSearch.h"
#include "solve/Evaluation.h"
#include "solve/Granularity.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

struct TreeRun {
  ModelState& m;
  RunHost& host;
  MedianSearch& search;
  int P;
  bool& matrixBuilt;
  Extended& incumbent;
};

void Node(TreeRun& run, uint16_t& level, Extended& bound);

// P required sites: they are the solution, evaluated exactly (with the weight K for
// the demand they leave beyond the coverage distance).
void EvaluateLeaf(TreeRun& run) {
  ModelState& m = run.m;
  run.search.nodeHasSolution = m.ForcedCount > 0;
  if (!run.search.nodeHasSolution) {
    m.MedianUpperTotal = m.MedianLowerTotal = LagInfinity;
    return;
  }
  LocateRequiredSites(m);
  Extended total = AssignToNearest(m);
  RebuildCoverageCounts(m, run.host);
  if (m.AddedConstant != 0) total += (m.TotalDemand - CoveredDemand(m)) * m.AddedConstant;
  m.MedianUpperTotal = m.MedianLowerTotal = total;
  m.RunUpperBound = m.RunLowerBound = PerUnitDemand(m, total);
}

bool GapLeft(const ModelState& m, Extended incumbent, Extended bound) {
  const Extended diff = incumbent - bound;
  return diff * 100 > bound * m.Covering.PctDiff && diff * 100 > bound * 1e-13L && diff >= 0.9L;
}

bool MayBranch(const ModelState& m, uint16_t level, Extended incumbent, Extended bound) {
  const int depth = m.Covering.DepthVar;
  return m.BranchAndBoundOn && !m.AbortRequested && (depth == -1 || level <= depth) &&
         GapLeft(m, incumbent, bound);
}

void Branch(TreeRun& run, uint16_t level, int site, Extended& bound) {
  const NodeMultipliers nodeMultipliers(run.search.relax);
  const auto visit = [&run, &nodeMultipliers](uint16_t childLevel, Extended childBound) {
    nodeMultipliers.Restore(run.search.relax);
    Node(run, childLevel, childBound);
    return childBound;
  };
  const auto includeAllowed = [&run](Extended b) { return GapLeft(run.m, run.incumbent, b); };
  bound = BranchOnSite(run.m, level, site, run.P, bound, visit, includeAllowed, includeAllowed);
}

void KeepIfBetter(TreeRun& run) {
  ModelState& m = run.m;
  if (!run.search.nodeHasSolution || !(m.MedianUpperTotal < run.incumbent)) return;
  run.incumbent = m.MedianUpperTotal;
  for (int j = 1; j <= m.Numbnodes; ++j) m.BestLocated[j] = m.Node(j).Located;
}

// Sites whose flip would lift the node's bound to where the tree stops searching are
// fixed for the subtree (the parent's branching puts the statuses back); exactly P
// sites left are evaluated as a leaf. Returns whether the node still branches, and in
// `removed` a bound on the solutions the fixing removed.
bool SettleSites(TreeRun& run, Extended& removed) {
  const AssignmentRelaxation& r = run.search.relax;
  const auto prunes = [&run, &r](Extended b) {
    return !GapLeft(run.m, run.incumbent, RoundUpToGrain(b, r.grain));
  };
  const SubtreeFixing fixing = FixSitesForSubtree(run.m, r, run.P, prunes);
  removed = RoundUpToGrain(fixing.removedBound, r.grain);
  if (fixing.left == SubtreeAfterFixing::Leaf) {
    EvaluateLeaf(run);
    KeepIfBetter(run);
  }
  return fixing.left == SubtreeAfterFixing::Open;
}

// Kicks of the local search that improves the root's solution.
constexpr int RootKicks = 1000;

// The local search of SwapLocalSearch.h improves the best solution when the root leaves
// a gap, before any branching: the tree prunes only as well as its incumbent allows.
// The search values solutions with the cost matrix, which is the reported cost when
// no weight applies beyond the coverage distance.
void ImproveRootSolution(TreeRun& run, Extended bound) {
  ModelState& m = run.m;
  if (!run.search.terminalOn || !run.search.relax.built || run.incumbent >= LagInfinity || !HasFreeSite(m))
    return;
  KeepIfCheaper(m, ImproveWithSwaps(m, run.search.relax, m.BestLocated, false, RootKicks, bound),
                run.incumbent);
}

void Node(TreeRun& run, uint16_t& level, Extended& bound) {
  ModelState& m = run.m;
  MedianSearch& search = run.search;
  const int nodesSoFar = m.RunBranchNodes;
  ++m.RunBranchNodes;
  ++level;
  if (m.ForcedCount >= run.P) {
    EvaluateLeaf(run);
  } else {
    m.IterationTotal += MedianLagrangianNode(m, run.host, search, run.P, nodesSoFar, level, bound, run.incumbent)
                            .iterations;
    run.matrixBuilt = run.matrixBuilt || search.relax.built;
  }
  KeepIfBetter(run);
  if (m.MedianLowerTotal >= run.incumbent) {
    bound = run.incumbent;
    return;
  }
  bound = std::max(bound, m.MedianLowerTotal);
  if (!MayBranch(m, level, run.incumbent, bound)) return;
  if (level == 1) {
    ImproveRootSolution(run, bound);
    if (!MayBranch(m, level, run.incumbent, bound)) return;
  }
  const Extended nodeBound = bound;
  Extended removed = LagInfinity;
  if (SettleSites(run, removed)) {
    const int site = ChooseBranchingSite(m);
    if (site == 0) {
      bound = m.MedianLowerTotal;
      return;
    }
    Branch(run, level, site, bound);
  } else {
    bound = run.incumbent;
  }
  bound = std::max(nodeBound, std::min(bound, removed));
}

}  // namespace

void MedianBranchAndBound(ModelState& m, RunHost& host, MedianSearch& search, uint16_t& level, int P,
                          Extended& bound, bool& matrixBuilt, Extended& incumbent) {
  TreeRun run{m, host, search, P, matrixBuilt, incumbent};
  if (level != 0) {
    Node(run, level, bound);
    return;
  }
  SaveRootStatuses(m);
  Node(run, level, bound);
  RestoreRootStatuses(m);
}

MedianRunResult RunMedianLagrangian(ModelState& m, RunHost& host, int P) {
  PrepareLagrangianRun(m);
  return SearchMedianTree(m, host, P);
}

MedianRunResult SearchMedianTree(ModelState& m, RunHost& host, int P) {
  MedianSearch search;
  MedianRunResult result;
  result.upper = LagInfinity;
  bool matrixBuilt = false;
  RunLagrangianDriver(m, host, [&] {
    MedianBranchAndBound(m, host, search, m.BranchLevel, P, result.lower, matrixBuilt, result.upper);
  });
  ReleaseCostMatrix(m, search.relax);
  RestoreCoverageDistance(m);
  RestoreRootStatuses(m);
  result.solved = result.upper < LagInfinity;
  if (result.solved) ApplyBestSolution(m, host, false);
  m.RunIterations = m.IterationTotal;
  m.MedianUpperTotal = result.upper;
  m.MedianLowerTotal = result.lower;
  m.RunUpperBound = PerUnitDemand(m, result.upper);
  m.RunLowerBound = PerUnitDemand(m, result.lower);
  m.TradeoffExists = 0;
  return result;
}

}  // namespace korvelan
