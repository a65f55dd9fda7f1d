#pragma once
// Lagrangian relaxation of the assignment constraints, shared by the p-median and
// the uncapacitated fixed-charge branch and bound.
//
// Both models serve every demand node i from exactly one open site at cost c(i, j).
// Relaxing "sum_j x(i, j) = 1" with a multiplier u(i) per demand node gives
//   L(u) = sum_i u(i) + sum over open sites j of v(j),
//   v(j) = sum_i min(0, c(i, j) - u(i))   (+ FixedCost(j) for the fixed charge),
// a lower bound on the total cost for any choice of open sites the model allows.
// c(i, j) never decreases with the distance d(i, j), so the negative terms of v are
// found by walking each demand node's NearestOrder row until the first
// non-negative reduced cost: an iteration costs about the number of profitable
// (node, site) pairs, not all pairs.
//
// The working data lives for one run: the cost matrix is built at the root and
// released when the run ends. Every per-node array is contiguous and allocated
// once; nothing is allocated per iteration.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

inline constexpr Extended LagInfinity = 1e30L;

// A site neither required nor excluded.
inline bool IsFreeSite(const ModelState& m, int j) { return m.Node(j).SiteStatus == StatusAllowed; }
// Some site is free (after CountStatuses): a tree could branch.
inline bool HasFreeSite(const ModelState& m) { return m.ForcedCount + m.ExcludedCount < m.Numbnodes; }

// The solution a local search on the cost matrix returns.
struct LocalSearchResult {
  std::array<uint8_t, NodeSlots> open{};  // 1 = open
  Extended cost = LagInfinity;            // with the cost matrix; LagInfinity when nothing was open
};

// A tree's best solution becomes the local search's when that is cheaper beyond
// rounding.
inline void KeepIfCheaper(ModelState& m, const LocalSearchResult& found, Extended& incumbent) {
  if (found.cost >= incumbent - 1e-9L * incumbent) return;
  incumbent = found.cost;
  for (int j = 1; j <= m.Numbnodes; ++j) m.BestLocated[j] = found.open[j];
}

struct AssignmentRelaxation {
  int demandNodes = 0;                    // rows of the cost matrix
  int nodes = 0;                          // sites 1..nodes
  std::vector<Extended> cost;             // c(i, j) at (i - 1) * NodeSlots + j
  std::array<Extended, NodeSlots> multiplier{};  // u(i)
  std::array<Extended, NodeSlots> direction{};   // damped subgradient d(i)
  std::array<Extended, NodeSlots> siteValue{};   // v(j), or the benefit B(j)
  std::array<int32_t, NodeSlots> cheapOpen{};    // open sites with c(i, j) < u(i)
  std::array<int32_t, NodeSlots> profitable{};   // sites with c(i, j) < u(i): the first of i's walk row
  std::array<uint8_t, NodeSlots> open{};         // site open in the relaxed solution
  std::array<int, NodeSlots> order{};            // sites sorted by siteValue
  // Every cost term (and fixed cost) is a whole multiple of it, and so is every
  // solution's total: a node's lower bound rises to the next multiple. 0 when some
  // term is not whole; then nothing is rounded.
  Extended grain = 0;
  bool built = false;

  const Extended* Row(int i) const { return &cost[static_cast<size_t>(i - 1) * NodeSlots]; }
  Extended* Row(int i) { return &cost[static_cast<size_t>(i - 1) * NodeSlots]; }

  // c(i, NearestOrder(i, k)) at (i - 1) * (nodes + 1) + k: each row in the order the
  // walks along NearestOrder read it, so that they read memory in sequence.
  std::vector<Extended> nearestCost;
  const Extended* NearestRow(int i) const { return &nearestCost[static_cast<size_t>(i - 1) * (nodes + 1)]; }

  // The rows the walks of a node read: with sites excluded, each NearestOrder row
  // without them (same layout, `walkLength` entries); otherwise the full rows. Deep in
  // a tree most sites are excluded, and a walk then reads only the sites it may open.
  bool walkCompacted = false;
  int walkLength = 0;
  std::vector<int32_t> walkSite;
  std::vector<Extended> walkCost;
};

// One row of the walks: sites nearest first, their costs, and how many.
struct WalkRow {
  const int32_t* site;
  const Extended* cost;
  int length;
};

// Working data of one Lagrangian branch-and-bound run and the outcome of its current node.
struct LagrangianSearch {
  AssignmentRelaxation relax;
  bool nodeHasSolution = false;  // the current node recorded a feasible solution
  // Both improvement searches are switched off for a run with a nonzero weight for
  // distances beyond the coverage distance.
  bool terminalOn = true;
  bool neighborhoodOnImprovement = true;
};

// The terms of the initial multipliers (root only): for every node i,
//   u(i) = Slope x Demand(i) x d2(i) + Constant + Average x TotalDemand / NumDemandNodes
//          + DemandTerm x Demand(i) + extra,
// d2(i) being the distance to i's nearest other node (0 when Slope is 0); d(i) := 0.
struct MultiplierTerms {
  Extended constant = 0;
  Extended slope = 0;
  Extended average = 0;
  Extended demand = 0;
  Extended extra = 0;
};
void SetInitialMultipliers(const ModelState& m, AssignmentRelaxation& r, const MultiplierTerms& terms);

// The subgradient state of one tree node.
struct SubgradientState {
  int iteration = 1;      // k
  Extended alpha = 2.0L;
  int failures = 0;
  Extended step = 0;
  Extended bestValue = 0;  // best L of the node
};

// Builds c(i, j) = cost(i, j) for every demand node and site, warns once on a
// negative entry, switches both improvement searches off for the run when
// AddedConstant is not 0 (the neighbourhood search also when `neighborhoodSetting`
// is off), and sets CostMatrixBuilt.
template <typename Cost>
void BuildCostMatrix(ModelState& m, RunHost& host, LagrangianSearch& search, bool neighborhoodSetting, Cost cost);
// Allocates the cost matrix for the loaded nodes; entries are filled by the model.
void AllocateCostMatrix(const ModelState& m, AssignmentRelaxation& r);
// grain := the grain of every cost entry, and of every fixed cost when they count.
void SetObjectiveGrain(const ModelState& m, AssignmentRelaxation& r, bool withFixedCosts);
// Fills nearestCost from the cost matrix and NearestOrder.
void OrderCostsByNearest(const ModelState& m, AssignmentRelaxation& r);
// At the start of a node: the walk rows for the node's excluded sites.
void PrepareWalkRows(const ModelState& m, AssignmentRelaxation& r);
// Row i of the walks (entries 1..length).
WalkRow WalkRowOf(const ModelState& m, const AssignmentRelaxation& r, int i);
// Frees the cost matrix and clears CostMatrixBuilt.
void ReleaseCostMatrix(ModelState& m, AssignmentRelaxation& r);
// Warns once when the matrix holds a negative entry (the run goes on).
void WarnOnNegativeCosts(const AssignmentRelaxation& r, RunHost& host);

// v(j) := sum over demand nodes of min(0, c(i, j) - u(i)), for the sites of the walk
// rows (excluded ones stay 0 in a compacted walk); also profitable(i).
void ComputeSiteValues(const ModelState& m, AssignmentRelaxation& r);
// Every site's value plus its FixedCost (the fixed-charge benefit B).
void AddFixedCosts(const ModelState& m, AssignmentRelaxation& r);
// order[1..nodes] := sites by ascending siteValue (the index quicksort).
void SortSitesByValue(AssignmentRelaxation& r);
// Start of a relaxed site choice: exactly the required sites open, the sites sorted
// by value. Returns the number open.
int OpenRequiredSitesAndSort(const ModelState& m, AssignmentRelaxation& r);
// cheapOpen(i) := number of open sites with c(i, j) - u(i) < 0, from profitable(i),
// which ComputeSiteValues set for the current multipliers; returns what
// CheapestOpenCostSum returns, in the same walk of each row.
Extended CountCheapOpenSitesAndCheapestCost(const ModelState& m, AssignmentRelaxation& r);
// Besides the sites already open, opens the `count` free closed sites of smallest
// value (ties to the lower site number); fewer when there are not so many.
void OpenCheapestFreeSites(const ModelState& m, AssignmentRelaxation& r, int count);
// Exactly the required sites open. Returns the number open.
int OpenRequiredSites(const ModelState& m, AssignmentRelaxation& r);
// L = sum of u(i) over demand nodes + sum of siteValue over open sites.
Extended RelaxedValue(const AssignmentRelaxation& r);
// Sum over demand nodes of the cheapest c(i, j) over the open sites (LagInfinity
// for a node with no open site).
Extended CheapestOpenCostSum(const ModelState& m, const AssignmentRelaxation& r);
// Sum of FixedCost over the relaxed-open sites.
Extended OpenFixedCost(const ModelState& m, const AssignmentRelaxation& r);
// Number of relaxed-open sites.
int OpenCount(const AssignmentRelaxation& r);

// Record a relaxed value: raises the node's best value, counts failures.
void RecordRelaxedValue(SubgradientState& s, Extended value, bool restartFailuresOnImprovement);
// Halves alpha once the failure limit is reached (no restart of alpha).
void HalveAlphaOnFailures(SubgradientState& s, int failureLimit);
// The damped subgradient step u(i) := max(0, u(i) - step x d(i)), with
// d(i) := damping x d(i) + (cheapOpen(i) - 1) and step := alpha (UB - L) / sum d^2.
// Returns false, changing nothing, when sum d^2 <= 0: the relaxed solution serves
// every demand node exactly once and the node is solved.
bool StepMultipliers(AssignmentRelaxation& r, SubgradientState& s, Extended damping, Extended upper,
                     Extended value);

// Percentage gap (UB - LB) x 100 / LB; 1e8 when LB <= 0 < UB; 0 otherwise.
Extended PercentGap(Extended upper, Extended lower);

// Writes the relaxed state into the node records (LagMultiplier, LagDirection,
// LagCount of demand nodes, LagOpen of sites) for the displays and services that read them.
void PublishRelaxedState(ModelState& m, const AssignmentRelaxation& r);

// Distance from node i to the second entry of its NearestOrder row (its nearest other node).
int32_t SecondNearestDistance(const ModelState& m, int i);

// Located := 1 exactly for the required sites.
void LocateRequiredSites(ModelState& m);
// NTIMES rebuilt from the located sites.
void RebuildCoverageCounts(ModelState& m, RunHost& host);
// Every demand node to its nearest located site (ties to the lowest site number),
// NTIMES rebuilt; returns the number of located sites.
int AssignToLocatedSites(ModelState& m, RunHost& host);

// The site to branch on: when some demand node is open with SiteStatus 0, the open
// free site serving the most demand (AssignedDemand; ties to the lowest number);
// otherwise the first free site; 0 when no site is free.
int ChooseBranchingSite(ModelState& m);

// Among the free sites: the largest value of an open one and the smallest of a
// closed one (the start values when there is none) - the sites a forced change of
// one site would swap against in the root fixing.
struct SwapValues {
  Extended largestOpen;
  Extended smallestClosed;
};
SwapValues FreeSwapValues(const ModelState& m, const AssignmentRelaxation& r, Extended startOpen,
                          Extended startClosed);

// The reduced-value tests of the root fixing with the last relaxed solution and its
// value L: a free closed site j is excluded when L - largestOpen + v(j) > threshold
// (and mayExclude), a free open one required when L - v(j) + smallestClosed >
// threshold and L > 0; RootForcedOut / RootForcedIn count them; the status counts
// are recomputed.
void FixSitesByReducedValues(ModelState& m, const AssignmentRelaxation& r, Extended value, const SwapValues& swap,
                             Extended threshold, bool mayExclude);

// Reduced-value fixing for the subtree of a node whose solutions open exactly `count`
// sites, with its last relaxed solution (value L = RelaxedValue(r)): a free closed
// site j forced open swaps out the open free site of largest value, a bound
// L - largestOpen + v(j); a free open one forced closed swaps in the closed free site
// of smallest value. A site whose flipped bound `prunes` (the tree would not search a
// subtree with that bound) is fixed the other way: excluded or required (needs a free
// site on the other side). The status counts are recomputed, and what is left is
// judged on them even when nothing was fixed (the root's own fixing may have required
// `count` sites already). With the number free (`count` < 0) a site flips on its own
// (L - v(j), L + v(j)); nothing is fixed when the relaxed choice had to open a site of
// nonnegative value; no free site left makes the required sites a leaf.
enum class SubtreeAfterFixing {
  Open,   // still to search
  Empty,  // more than `count` sites required or fewer than `count` left: nothing to find
  Leaf,   // exactly `count` sites required (every site left was required when just
          // `count` were left): they are the subtree's only solution
};
struct SubtreeFixing {
  SubtreeAfterFixing left = SubtreeAfterFixing::Open;
  // The smallest flipped bound of a fixed site (LagInfinity when none was fixed): no
  // solution the fixing removed from the subtree costs less.
  Extended removedBound = LagInfinity;
};
SubtreeFixing FixSitesForSubtree(ModelState& m, const AssignmentRelaxation& r, int count,
                                 const std::function<bool(Extended)>& prunes);

// Branches on `site`: the inclusion child first (visited when `includeAllowed` holds
// for the bound), then the exclusion child (visited when at least `minimumSites`
// sites and at least one remain, and `gapLeft` still holds for the bound: the first
// child may have brought the incumbent down to it), each with the statuses and
// counters put back afterwards and its mark in the branch path. Diving into the
// required site first reaches good solutions early, which the tree needs to prune.
// visit(level, bound) searches a child and returns the bound it proves; a child not
// visited proves the bound it was given, or LagInfinity when too few sites would
// remain to exclude the site. Returns the bound both prove.
Extended BranchOnSite(ModelState& m, uint16_t level, int site, int minimumSites, Extended bound,
                      const std::function<Extended(uint16_t, Extended)>& visit,
                      const std::function<bool(Extended)>& includeAllowed,
                      const std::function<bool(Extended)>& gapLeft);

// Site statuses and the two status counters, saved before a child of the tree and
// put back after it.
struct StatusSnapshot {
  std::array<uint8_t, NodeSlots> status{};
  uint16_t forced = 0;
  uint16_t excluded = 0;

  explicit StatusSnapshot(const ModelState& m);
  void Restore(ModelState& m) const;
};

// A node's multipliers and damped directions, kept so that each of its children
// starts from them (the second child not from wherever the first child's subtree
// left them). On the heap: the tree may be as deep as there are sites.
class NodeMultipliers {
 public:
  explicit NodeMultipliers(const AssignmentRelaxation& r);
  void Restore(AssignmentRelaxation& r) const;

 private:
  std::vector<Extended> multiplier_;
  std::vector<Extended> direction_;
};

// SavedStatus := every SiteStatus, after recounting them (the root of a tree).
void SaveRootStatuses(ModelState& m);
// Every SiteStatus back from SavedStatus, and the counts recomputed.
void RestoreRootStatuses(ModelState& m);
// Run state of one tree search before its root: root flag set, tree level 0, stop
// flag and branch path cleared, the coverage distance saved, no cost matrix yet; the
// solution is marked as an exact one. The iteration and tree-node counters keep
// counting (a tradeoff curve sums them over its searches).
void PrepareTreeSearch(ModelState& m);
// A run of the dispatcher: PrepareTreeSearch, and the counters and root-fixing
// totals cleared.
void PrepareLagrangianRun(ModelState& m);

// Publishes the iteration values the Lagrangian progress window shows and asks it to
// refresh every 50 iterations counted over the whole search.
void PublishIteration(ModelState& m, RunHost& host, const SubgradientState& s, Extended gap);

// What the Lagrangian progress window shows when a tree node of the fixed-charge
// or inventory/location search starts: its level, the incumbent as target and best
// value (-1 as target while there is none), and the bound the node inherits.
void PublishLagrangianNodeStart(ModelState& m, int level, Extended incumbent, Extended inheritedBound);

template <typename Cost>
void BuildCostMatrix(ModelState& m, RunHost& host, LagrangianSearch& search, bool neighborhoodSetting, Cost cost) {
  AssignmentRelaxation& r = search.relax;
  AllocateCostMatrix(m, r);
  for (int i = 1; i <= r.demandNodes; ++i) {
    Extended* row = r.Row(i);
    for (int j = 1; j <= r.nodes; ++j) row[j] = cost(i, j);
  }
  OrderCostsByNearest(m, r);
  WarnOnNegativeCosts(r, host);
  const bool weighted = m.AddedConstant != 0;
  search.terminalOn = !weighted;
  search.neighborhoodOnImprovement = !weighted && neighborhoodSetting;
  m.CostMatrixBuilt = 1;
}

}  // namespace korvelan
