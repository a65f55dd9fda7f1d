// Depth-first branch and bound of the inventory/location model on the open/closed
// status of single sites, the exclusion child first. Every tree node runs the
// Lagrangian; no node is evaluated as a leaf, as a fixed set of sites still leaves the
// assignment open.
#include <algorithm>

#include "fixed/FixedBranchAndBound.h"
#include "invloc/TolvanSolver.h"

namespace korvelan {
namespace {

struct TreeRun {
  ModelState& m;
  RunHost& host;
  TolvanSearch& search;
  int target;
  bool& found;
  bool& built;
  Extended& incumbent;
};

void Node(TreeRun& run, uint16_t& level, int& count, Extended& bound);

void KeepIncumbent(TreeRun& run) {
  ModelState& m = run.m;
  run.incumbent = run.search.NodeUpperBound;
  for (int j = 1; j <= m.Numbnodes; ++j) m.BestLocated[j] = m.Node(j).Located;
  for (int i = 1; i <= m.NumDemandNodes; ++i) m.InvLoc.IncumbentAssignment[i] = m.Node(i).AssignedFacility;
}

void Branch(TreeRun& run, uint16_t level, int site, Extended& bound) {
  const auto visit = [&run](uint16_t childLevel, Extended childBound) {
    int count = 0;
    Node(run, childLevel, count, childBound);
    return childBound;
  };
  const auto includeAllowed = [&run](Extended b) { return FixedTreeGapLeft(run.m, run.incumbent, b); };
  bound = BranchOnSite(run.m, level, site, run.target, bound, visit, includeAllowed, includeAllowed);
}

void Node(TreeRun& run, uint16_t& level, int& count, Extended& bound) {
  ModelState& m = run.m;
  TolvanSearch& search = run.search;
  ++m.RunBranchNodes;
  ++level;
  run.found = true;
  m.IterationTotal += TolvanLagrangian(m, run.host, search, count, run.target, level, run.incumbent, bound);
  run.built = run.built || search.relax.built;
  if (search.nodeHasSolution && search.NodeUpperBound < run.incumbent - 1e-9L) KeepIncumbent(run);
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
  // With every site fixed the node keeps its own bound: the assignment of a fixed set
  // is not solved exactly, so the incumbent is no proven bound for it.
  const int site = ChooseBranchingSite(m);
  if (site != 0) Branch(run, level, site, bound);
}

}  // namespace

void TolvanBranchAndBound(ModelState& m, RunHost& host, TolvanSearch& search, uint16_t& level, int& count,
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

}  // namespace korvelan
