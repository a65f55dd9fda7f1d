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
// How the priced greedy brings a cover of more than k facilities down to k: the local
// search of CoverLocalSearch.h with as many plateau moves (none with 0), and failing
// that, when closeCheapest is set, the cheapest to close go (as from the last solution).
struct CountReduction {
  int plateauMoves = 0;
  bool closeCheapest = true;
};
bool ReachTargetByPricedGreedy(ModelState& m, RunHost& host, const SiteCountBound& prices, int k, Extended target,
                               const CountReduction& reduction);

// A smaller first solution for set covering: the solution in Located (reaching the
// target) and the priced greedy cover, each made smaller by the local search (which
// stops at `enough` facilities, a lower bound). Installs the smallest found in Located,
// NTIMES, LocatedList and NumLocated when it has fewer facilities than Located had;
// otherwise leaves the solution as it was.
void ImproveCover(ModelState& m, RunHost& host, const SiteCountBound& prices, Extended target, int enough);

}  // namespace korvelan
