#pragma once
// A lower bound on the number of sites needed to cover a target demand.
//
// With the current site statuses (required sites open, excluded sites closed),
//   minimise  sum_j x(j)
//   s.t.      sum_i Demand(i) z(i) >= target,  z(i) <= sum of x(j) over the sites covering i,
// relaxed with multipliers u(i) >= 0 on the coverage constraints:
//   L(u) = required + sum over free sites of min(0, 1 - U(j)) + min { sum_i u(i) z(i) :
//          sum_i Demand(i) z(i) >= remaining target, 0 <= z <= 1 },
// U(j) being the sum of u over the demand nodes j covers that the required sites leave
// uncovered. Every L(u) is a lower bound, so when its whole part rounded up exceeds k,
// no choice of k sites reaches the target: the feasibility search of set covering and
// the p-center models can fail at once instead of exploring the whole tree.
#include <array>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// Free sites whose status the bound settles for a given number of sites. With the
// reduced cost r(j) = 1 - U(j), every solution with its sites open uses at least
//   L(u) + sum of r(j) over its open sites with r(j) > 0 + sum of -r(j) over its closed
//   sites with r(j) < 0
// sites, so a site with r(j) > 0 that would lift the bound above the number must stay
// closed, and a site with r(j) < 0 that would do so when closed must be open.
struct SiteFixing {
  std::vector<int> closed;
  std::vector<int> open;
  bool Empty() const { return closed.empty() && open.empty(); }
};

class SiteCountBound {
 public:
  // True when the bound proves that `sites` open sites cannot cover `target` with the
  // current statuses. The multipliers are kept from call to call, so a child node of
  // the search starts from its parent's; `iterations` limits the subgradient ascent.
  // When it proves nothing and `fixing` is given, the sites it settles go there.
  bool ProvesTooFew(const ModelState& m, Extended target, int sites, int iterations, SiteFixing* fixing = nullptr);

  // The bound itself (whole sites), after as many iterations (for the tests).
  int SitesNeeded(const ModelState& m, Extended target, int iterations);

  // A free site to branch on: among the demand nodes with demand that no required site
  // covers, the one with the fewest free sites covering it (ties: the lowest number),
  // and of those sites the one with the largest multiplier sum U(j). 0 when none.
  int BranchingSite(const ModelState& m) const;

  // Number of subgradient iterations run so far.
  long Iterations() const { return iterations_; }

  // u(i) of the best bound of the last ascent (0 before the first).
  Extended Multiplier(int node) const { return multiplier_[node]; }

 private:
  struct Problem;
  Extended Ascend(const ModelState& m, Problem& p, int goal, int iterations);
  Extended Value(const ModelState& m, Problem& p);
  bool PrepareProblem(const ModelState& m, Extended target, Problem& p);
  void RemoveDominated(Problem& p);
  void StartMultipliers(const Problem& p);
  void Settle(const Problem& p, Extended bound, int sites, SiteFixing& fixing) const;
  void CloseDominated(const Problem& p, int sites, SiteFixing& fixing) const;

  // Kept in double precision for speed; the bound's allowance covers the rounding.
  std::array<double, NodeSlots> multiplier_{};
  bool started_ = false;
  long iterations_ = 0;
};

}  // namespace korvelan
