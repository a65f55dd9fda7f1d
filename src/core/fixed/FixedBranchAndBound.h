#pragma once
// Depth-first branch and bound for the uncapacitated fixed-charge problem on the
// open/closed status of single sites, the exclusion child first. Each tree node runs
// the Lagrangian of FixedLagrangian.h; a node whose status fixes every choice (as many
// required sites as the target, or every site fixed when the number is free) is a
// leaf evaluated exactly.
#include <cstdint>

#include "fixed/FixedLagrangian.h"

namespace korvelan {

// One node of the tree (recursive). level is incremented on entry (the root, called
// with 0, is level 1); count receives the number of open sites of the node's solution;
// target is the number to locate (-1 optimises it); found is raised once a feasible
// solution has been recorded; built reports that the cost matrix exists; incumbent is
// the best cost over the whole tree, its sites kept in BestLocated; bound is the bound
// inherited from the parent on entry and the bound the subtree proves on return.
// The root call saves every SiteStatus in SavedStatus and puts them all back on
// every return, whatever the outcome.
void fixed_branch_and_bound(ModelState& m, RunHost& host, FixedSearch& search, uint16_t& level, int& count,
                            int target, bool& found, bool& built, Extended& incumbent, Extended& bound);

// The tree rules shared by the fixed-charge and inventory/location searches, with the
// fixed-charge settings PctDiff and DepthVar: a gap is left while the incumbent lies
// more than PctDiff percent above the bound; a node may branch while a gap is left,
// the depth limit allows it, and a site is still free to choose.
bool FixedTreeGapLeft(const ModelState& m, Extended incumbent, Extended bound);
// The highest cost an incumbent may have and leave no gap above `bound`.
Extended FixedTreeClosingCost(const ModelState& m, Extended bound);
bool FixedTreeMayBranch(const ModelState& m, uint16_t level, int target, Extended incumbent, Extended bound);

}  // namespace korvelan
