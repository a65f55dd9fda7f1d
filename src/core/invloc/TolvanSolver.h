#pragma once
// Lagrangian relaxation and branch and bound of the integrated inventory/location
// model (objective Z in InvLocModel.h).
//
// Relaxing "every demand node is served once" with multipliers u(i) splits the model
// into one problem per site: an open site j chooses the set T of nodes it serves to
//   minimise  FixedCost(j) + (K(j) + Theta) sqrt(M(T)) + C(T),
//   M(T) = sum of mu(i), C(T) = sum of c(i) = sum of (d(i, j) - u(i)) over T.
// Concave in M, this is solved by a prefix of the nodes in ascending ratio
// c(i) / ((K(j) + Theta)^2 mu(i)): the benefit B(j) is the best prefix value (0 for the
// empty prefix; of equal values the longer prefix) plus FixedCost(j). Nodes with
// c(i) > 0 never improve a prefix and are left out of the sort. A node with mu(i) = 0
// costs c(i) without moving the square root: it sorts first when c(i) < 0 and last
// otherwise. With K(j) + Theta = 0 the site's cost is linear and the ratio is c(i).
//
//   L(u) = sum of u(i) + sum of B(j) over the relaxed-open sites
// (opened as for the fixed charge: every free site with B < 0, or the p smallest) is a
// lower bound. Each relaxed solution is turned into a feasible one by a greedy
// assignment of smallest increment, improved by moving single nodes and, at the end of
// a node, by swapping an open site for a closed one.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fixed/FixedLagrangian.h"
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// A feasible solution: its open sites (ascending) and the DC of every demand node.
struct TolvanSolution {
  std::vector<int> open;
  std::array<uint16_t, NodeSlots> assign{};   // demand node -> site
  std::array<Extended, NodeSlots> load{};     // D(j): daily demand assigned to site j
  std::array<int32_t, NodeSlots> members{};   // number of demand nodes at site j
  Extended value = 0;                         // Z
};

// Working data of one run.
struct TolvanSearch : FixedSearch {
  Extended theta = 0;                          // Theta of the run
  // d(i, j) by site: column j of the transport matrix in one run of memory.
  std::vector<Extended> bySite;
  const Extended* SiteColumn(int j) const { return &bySite[static_cast<size_t>(j) * (relax.demandNodes + 1)]; }
  std::array<Extended, NodeSlots> concave{};   // K(j) + Theta
  // The relaxed assignment of each site: the first prefix[j] nodes of sorted[j].
  std::vector<std::vector<int>> sorted;
  std::array<int, NodeSlots> prefix{};
  // Scratch of the benefit sort (TolvanPrefixWalk).
  mutable std::vector<Extended> keys;
  mutable std::vector<int> candidates;
  mutable std::vector<int> walkIndex;
  mutable std::vector<int> walkOrder;          // the nodes of the last walk in sorted order
  // The best relaxed value of the node with its benefits and open sites (root fixing).
  Extended bestValue = 0;
  std::array<Extended, NodeSlots> bestBenefit{};
  std::array<uint8_t, NodeSlots> bestOpen{};
  // The solution of the current tree node.
  TolvanSolution nodeSolution;
};

// Transport matrix d(i, j) and the per-site factors K(j) + Theta of the run.
void BuildTolvanTransport(ModelState& m, RunHost& host, TolvanSearch& search);
// The by-site copy of the transport matrix (bySite), after its entries changed.
void TolvanIndexBySite(TolvanSearch& search);
// TolvanBenefits: LagBenefit B(j) of every site and its relaxed assignment
// (AssignVector of the demand nodes, column j).
void TolvanBenefits(ModelState& m, TolvanSearch& search);
// One step of the walk over a site's sorted nodes: the node, its mu and c, the sums
// M(k) and C(k), value(k) = sqrt(M(k)) (K + Theta) + C(k), and whether it is the new best.
struct TolvanPrefixStep {
  int node = 0;
  Extended demand = 0;
  Extended reduced = 0;
  Extended totalDemand = 0;
  Extended totalReduced = 0;
  Extended value = 0;
  bool best = false;
};
// Sorts the nodes with c(i) <= 0 of site j (nodes with c(i) > 0 only raise a prefix)
// and walks them; best receives the best prefix value (0 for the empty prefix) and the
// return value its length. step, when given, sees every step.
int TolvanPrefixWalk(const ModelState& m, const TolvanSearch& search, int j, Extended& best,
                     const std::function<void(const TolvanPrefixStep&)>& step);
// LagCount(i): relaxed-open sites that the relaxation assigns node i to.
void TolvanCountAssignments(ModelState& m, TolvanSearch& search);

// Z of a solution from its open sites and assignment (fills load and members).
Extended TolvanEvaluate(const ModelState& m, const TolvanSearch& search, TolvanSolution& s);
// Every demand node in ascending order to the open site of smallest increment
//   (sqrt(D(j) + mu(i)) - sqrt(D(j))) (K(j) + Theta) + d(i, j)
// (strictly smaller replaces); with
// useMarks, among the open sites its relaxed assignment names when there are any.
void TolvanAssignGreedily(const ModelState& m, const TolvanSearch& search, TolvanSolution& s, bool useMarks);
// With the number free (target < 0): open free sites that serve no node are closed,
// never the last open site.
void TolvanCloseUnusedSites(const ModelState& m, TolvanSolution& s, int target);

// TolvanUpperBound: the feasible solution of the relaxed one; when it improves the
// node's upper bound it becomes the node's solution (Located, AssignedFacility), after
// TolvanAssignmentSearch when ExchangeSearch is on. count: its number of open sites.
void TolvanUpperBound(ModelState& m, RunHost& host, TolvanSearch& search, int target, int& count);
// TolvanAssignmentSearch: single-node moves between open sites while one gains.
void TolvanAssignmentSearch(const ModelState& m, const TolvanSearch& search, TolvanSolution& s, int target);
// TolvanSwapEvaluation: the solution with site r replaced by c, greedily assigned.
TolvanSolution TolvanSwapEvaluation(const ModelState& m, const TolvanSearch& search, const TolvanSolution& s,
                                    int r, int c, int target);
// TolvanSwapSearch: exchange (every closed free site) or neighbourhood (the nodes r
// serves) swaps of the node's solution, applied while they lower its upper bound.
void TolvanSwapSearch(ModelState& m, RunHost& host, TolvanSearch& search, int target, bool neighbourhood);
// Makes s the node's solution: Located, AssignedFacility, AssignedDistance, NodeUpperBound.
void InstallTolvanSolution(ModelState& m, TolvanSearch& search, const TolvanSolution& s);

// TolvanLagrangian: the relaxation of one tree node. Returns its iterations.
int TolvanLagrangian(ModelState& m, RunHost& host, TolvanSearch& search, int& count, int target, int level,
                     Extended incumbent, Extended inheritedBound);

// TolvanBranchAndBound: one node of the tree (recursive), arguments as the
// fixed-charge driver: level 0 at the root call; target = FixedNumberToLocate (-1
// optimises the number); found is raised once a feasible solution is recorded; built
// reports the transport matrix; incumbent (in/out) is the best Z, its sites kept in
// BestLocated and its assignment in InvLoc.IncumbentAssignment; bound is the bound
// inherited on entry and the bound the subtree proves on return.
void TolvanBranchAndBound(ModelState& m, RunHost& host, TolvanSearch& search, uint16_t& level, int& count,
                          int target, bool& found, bool& built, Extended& incumbent, Extended& bound);

// The listing written to the error window after a negative gap at the root.
std::vector<std::string> TolvanDiagnosticListing(const ModelState& m, const TolvanSearch& search, Extended lower,
                                                 Extended upper);

}  // namespace korvelan
