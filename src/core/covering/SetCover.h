#pragma once
// Set covering ('S'), partial set covering ('&') and the feasibility search that the
// p-center models share: can k facilities at allowed sites cover at least a target
// demand at the current coverage distance?
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Depth-first branch and bound that stops at the first tree node reaching the target;
// the nodes are solved by the covering Lagrangian with the target as its incumbent.
// level is the caller's level (0 for the first call of an attempt). Returns true when
// a node reached the target; that solution is then in BestLocated and FullCoverage is
// set. RunBranchNodes counts the nodes, IterationTotal the iterations.
bool SetCoverFeasible(ModelState& m, RunHost& host, int k, Extended target, int level);

struct SetCoverOutcome {
  bool success = false;    // every demand node is covered (also left in FullCoverage)
  bool targetMet = false;  // the installed solution reaches the run's target
};

// The set-covering procedure (partial = false for 'S', true for '&'): greedy adding
// for a first count, then one facility fewer per attempt until an attempt fails.
// Installs the solution of the fewest facilities found.
SetCoverOutcome SetCover(ModelState& m, RunHost& host, bool partial);

// Located := BestLocated for every site, NTIMES rebuilt, LocatedList and NumLocated
// from the installed sites.
void InstallBestLocated(ModelState& m, RunHost& host);

// True when every demand node with demand is covered by the current solution (a node
// of zero demand adds nothing to cover).
bool AllDemandCovered(const ModelState& m);

}  // namespace korvelan
