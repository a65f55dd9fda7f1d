#pragma once
// Covering Lagrangian relaxation: one node of the branch-and-bound tree.
//
// The node solves, for the current site statuses,
//   maximise  sum_i Demand(i) z(i)
//   s.t.      z(i) <= number of open sites whose CoversList holds i,
//             exactly P open sites, required sites open, excluded sites closed.
// The coverage constraints are relaxed with multipliers u(i) >= 0 (LagMultiplier):
//   L(u) = sum_i max(0, Demand(i) - u(i)) + sum over the P best sites of v(j),
//   v(j) = sum of u(i) over the CoversList of j,
// an upper bound on covered demand. Subgradient optimisation with Crowder damping
// lowers L; every relaxed site choice is a feasible solution and gives a lower
// bound. At the root, reduced-value tests fix sites in or out.
//
// The median and fixed-charge Lagrangians follow the same shape: a node function
// that publishes progress, iterates, keeps its best feasible solution in Located,
// and reports its bounds and iteration count to a recursive driver.

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

struct CoverNodeResult {
  Extended upperBound = 0;  // UB: best relaxed value of the node (or T when none was lower)
  Extended lowerBound = -1;  // LB: covered demand of the node's best feasible solution
  int iterations = 0;        // k
  bool solved = false;       // false when the node returned at once on an abort request
};

// Runs the relaxation at the current node. incumbent is the value the search must
// beat (the driver's incumbent, or the target of a feasibility search); level is the
// tree level, published for the progress window. On return Located and NTIMES hold
// the node's best feasible solution (also NumLocated and LocatedList), and
// RunUpperBound / RunLowerBound its bounds. At the root the fixing may change
// SiteStatus values; the caller restores them after the run.
CoverNodeResult CoverLagrangianNode(ModelState& m, RunHost& host, int P, Extended incumbent, int level);

// Percentage gap (UB - LB) x 100 / LB; zero when the bounds meet, and "infinite"
// (1e30) when LB is not positive, so that a gap is never divided by zero.
Extended CoverGapPercent(Extended upper, Extended lower);

// The smallest gap the settings accept: 50 / TotalDemand (0 when there is no demand).
Extended MinimumPctDiff(Extended totalDemand);

}  // namespace korvelan
