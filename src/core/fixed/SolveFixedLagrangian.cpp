#include "fixed/FixedBranchAndBound.h"
#include "solve/SolveModel.h"

namespace korvelan {

// 'F' with the Lagrangian: the branch-and-bound run over the number to locate
// FixedNumberToLocate (-1 optimises it); the best solution is installed with
// NumberToLocate counting its sites. The step runs once; a run that recorded no
// feasible solution fails with every SiteStatus put back. The fixed-charge branch
// then assigns every demand node to its nearest open site.
bool SolveFixedLagrangian(ModelState& m, RunHost& host) {
  PrepareLagrangianRun(m);
  FixedSearch search;
  Extended incumbent = LagInfinity;
  Extended bound = 0;
  bool found = false;
  bool built = false;
  int count = 0;
  RunLagrangianDriver(m, host, [&] {
    fixed_branch_and_bound(m, host, search, m.BranchLevel, count, m.FixedNumberToLocate, found, built, incumbent,
                           bound);
  });
  if (built) host.Beep();
  ReleaseCostMatrix(m, search.relax);
  RestoreCoverageDistance(m);
  RestoreRootStatuses(m);
  if (!found || incumbent >= LagInfinity) return false;
  ApplyBestSolution(m, host, true);
  m.RunIterations = m.IterationTotal;
  m.RunLowerBound = bound;
  m.RunUpperBound = incumbent;
  m.TradeoffExists = 0;
  return true;
}

}  // namespace korvelan
