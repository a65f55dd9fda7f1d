#pragma once
// Uncapacitated fixed-charge problem: Lagrangian relaxation of one tree node.
//
//   minimise  sum_i sum_j c(i, j) x(i, j) + sum_j FixedCost(j) y(j)
//   s.t.      sum_j x(i, j) = 1, x(i, j) <= y(j), required sites open, excluded closed,
//             and, when a number to locate p >= 0 is given, sum_j y(j) = p.
// c(i, j) = d(i, j) x Demand(i) x CostPerMile within the coverage distance; beyond
// it the weight W (AddedConstant) is added, either to the distance (W multiplied by
// the cost per mile, MultiplyBox) or as Demand(i) x W.
//
// With multipliers u(i) on the assignment constraints the benefit of a site is
//   B(j) = FixedCost(j) + sum_i min(0, c(i, j) - u(i))
// and L(u) = sum_i u(i) + sum of B over the open sites is a lower bound, minimised
// by opening every free site with B < 0 (p free) or the p cheapest (p given).
// Every relaxed choice is a feasible solution and may lower the upper bound.
//
// Initial multipliers (root only), for every node i:
//   u(i) = Slope x Demand(i) x d2(i) + Constant + Average x TotalDemand / NumDemandNodes
//          + Demand x Demand(i) + Fixed x (sum of FixedCost) / Numbnodes,
// d2(i) being the distance to i's nearest other node (0 when Slope is 0).
#include "median/AssignmentRelaxation.h"

namespace korvelan {

// Working data and node results of one fixed-charge branch-and-bound run.
struct FixedSearch : LagrangianSearch {
  Extended NodeUpperBound = LagInfinity;  // best feasible cost of the current node
  Extended NodeLowerBound = 0;            // best Lagrangian bound of the current node
};

// Builds c(i, j) for every demand node and site (BuildCostMatrix).
void BuildFixedCostMatrix(ModelState& m, RunHost& host, FixedSearch& search);
// Sets u(i) by the rule above and d(i) := 0.
void SetFixedInitialMultipliers(const ModelState& m, FixedSearch& search);
// Opening rule: required sites open; then, in ascending B, free sites with B < 0
// (target < 0) or up to target open sites; at least one site is opened.
void ChooseFixedOpenSites(const ModelState& m, FixedSearch& search, int target);

// The Lagrangian procedure of one node (fixed_lagrangian_soln). Returns the number of
// iterations made. count receives the number of open sites of the node's solution.
// On return Located and the assignment hold the node's best solution when
// nodeHasSolution is set; at the root the fixing may change SiteStatus values.
int fixed_lagrangian_soln(ModelState& m, RunHost& host, FixedSearch& search, int& count, int target,
                          int level, Extended incumbent, Extended inheritedBound);

}  // namespace korvelan
