#pragma once
// Depth-first branch and bound for the p-median problem on the status of single
// sites, the exclusion child first. Each tree node runs the Lagrangian of
// MedianLagrangian.h; a node with P required sites is a leaf evaluated exactly.
#include <cstdint>

#include "median/MedianLagrangian.h"

namespace korvelan {

// One node of the tree (recursive). level is incremented on entry (the root, called
// with 0, is level 1); bound is the bound inherited from the parent on entry and the
// bound the subtree proves on return, in total-cost units; matrixBuilt reports that
// the cost matrix exists; incumbent is the best total cost of the search, its sites
// kept in BestLocated. The root call saves every SiteStatus in SavedStatus and puts
// them all back on every return, whatever the outcome.
void MedianBranchAndBound(ModelState& m, RunHost& host, MedianSearch& search, uint16_t& level, int P,
                          Extended& bound, bool& matrixBuilt, Extended& incumbent);

// Outcome of a whole p-median Lagrangian run.
struct MedianRunResult {
  bool solved = false;     // a feasible solution was found and installed
  Extended upper = 0;      // incumbent, total-cost units
  Extended lower = 0;      // bound proved at the root, total-cost units
};

// One tree search after PrepareTreeSearch (a weighted median of a tradeoff curve
// starts it this way, with AddedConstant as its weight): the progress window shown
// around it, the tree searched, the working data released, the coverage distance and
// every SiteStatus put back, the best solution installed (Located, NTIMES) and the run
// results stored (RunIterations, MedianUpperTotal, MedianLowerTotal, RunUpperBound and
// RunLowerBound per unit of demand).
MedianRunResult SearchMedianTree(ModelState& m, RunHost& host, int P);
// The whole run as the dispatcher starts it: PrepareLagrangianRun, then SearchMedianTree.
MedianRunResult RunMedianLagrangian(ModelState& m, RunHost& host, int P);

}  // namespace korvelan
