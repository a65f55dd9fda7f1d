#pragma once
// A first solution for a feasibility search, from the solution found last.
#include "covering/SiteCountBound.h"
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Starts from the sites marked in BestLocated (the last solution a search found:
// one facility more in set covering, a larger distance in the p-center models),
// kept within the current statuses with every required site open. While more than k
// are open, the facility whose removal loses the least demand closes; then swaps
// improve the coverage (the substitution step). True, with the solution in Located,
// NTIMES, LocatedList and NumLocated, when exactly k facilities reach the target.
bool ReachTargetFromLastSolution(ModelState& m, RunHost& host, int k, Extended target);

// Greedy covering priced by the multipliers of the site-count bound: required sites
// first, then repeatedly the free site with the most uncovered demand per unit of its
// reduced cost max(1 - U(j), 0.001), U(j) = the multipliers of the nodes j covers,
// until the target is reached; facilities not needed for the target close again
// (least valuable first), and free sites fill up to k. True, with the solution in
// Located, NTIMES, LocatedList and NumLocated, when k facilities reach the target.
bool ReachTargetByPricedGreedy(ModelState& m, RunHost& host, const SiteCountBound& prices, int k, Extended target);

}  // namespace korvelan
