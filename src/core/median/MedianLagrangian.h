#pragma once
// P-median problem: Lagrangian relaxation of one tree node.
//
//   minimise  sum_i sum_j c(i, j) x(i, j)
//   s.t.      sum_j x(i, j) = 1, x(i, j) <= y(j), sum_j y(j) = P,
//             required sites open, excluded sites closed.
// c(i, j) = Demand(i) x d(i, j), plus Demand(i) x K for a distance beyond the
// coverage distance saved at the start of the run (K = AddedConstant, 0 by default).
//
// With multipliers u(i) the value of a site is v(j) = sum_i min(0, c(i, j) - u(i))
// and L(u) = sum_i u(i) + the P smallest v (required sites always counted) is a
// lower bound on the total cost. Every relaxed site choice is evaluated as a
// feasible solution, optionally improved by neighbourhood search.
//
// Initial multipliers (root only), for every node i:
//   u(i) = Average x TotalDemand / NumDemandNodes + Slope x Demand(i) x d2(i)
//          + Constant + Demand x Demand(i),
// d2(i) being the distance to i's nearest other node (0 when Slope is 0).
#include "median/AssignmentRelaxation.h"

namespace korvelan {

// Working data of one p-median branch-and-bound run.
using MedianSearch = LagrangianSearch;

// Builds c(i, j) for every demand node and site (BuildCostMatrix).
void BuildMedianCostMatrix(ModelState& m, RunHost& host, MedianSearch& search);
// Relaxed site choice: required sites open, then free sites in ascending v until
// P sites are open.
void ChooseMedianOpenSites(const ModelState& m, MedianSearch& search, int P);

struct MedianNodeResult {
  int iterations = 0;
};

// One node of the search (MedianLagrangianNode). nodesSoFar counts the tree nodes
// visited before this one; incumbent is the best total cost of the search. On return
// MedianUpperTotal / MedianLowerTotal hold the node's bounds in total-cost units and
// RunUpperBound / RunLowerBound the same per unit of demand; Located and the
// assignment hold the node's best solution when nodeHasSolution is set. At the root
// the fixing may change SiteStatus values.
MedianNodeResult MedianLagrangianNode(ModelState& m, RunHost& host, MedianSearch& search, int P, int nodesSoFar,
                                      int level, Extended inheritedBound, Extended incumbent);

// x / TotalDemand (0 when there is no demand).
Extended PerUnitDemand(const ModelState& m, Extended total);

}  // namespace korvelan
