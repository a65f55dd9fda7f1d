#pragma once
// Depth-first branch and bound for the maximum covering problem over single site
// statuses, with CoverLagrangianNode solving every node. The exclusion child is
// visited first. The best solution is kept in BestLocated.
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// level: the caller's level (0 for the root call). bound: in/out, the tree's upper
// bound on covered demand (1e30 at the start). incumbent: in/out, the best covered
// demand found (-1 at the start). At the root (AtRootNode set) the statuses are
// saved in SavedStatus; the caller restores them after the run.
void CoverBranchAndBound(ModelState& m, RunHost& host, int level, int P, Extended& bound, Extended& incumbent);

// The Lagrangian maximum-covering run (ProblemCode 'C'), as the solve dispatcher
// performs it: run state cleared, the tree searched from the root, every SiteStatus
// restored, the best solution installed (Located, NTIMES, LocatedList, NumLocated),
// RunUpperBound := the root's final bound, RunLowerBound := the incumbent.
// Returns false when no solution was recorded.
bool RunCoverBranchAndBound(ModelState& m, RunHost& host);

// The branching rule shared with the set-covering search: among the located sites
// that are still free (SiteStatus 0), the one whose CoversList holds the most
// demand; ties go to the lowest site number. 0 when there is none.
int ChooseBranchingSite(const ModelState& m);

// Opens exactly the required sites (Located and LagOpen) and rebuilds NTIMES.
void OpenRequiredSitesOnly(ModelState& m, RunHost& host);

// Saves the Located mark of every site into BestLocated.
void SaveBestLocated(ModelState& m);

}  // namespace korvelan
