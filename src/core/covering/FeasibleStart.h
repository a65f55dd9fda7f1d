#pragma once
// A first solution for a feasibility search, from the solution found last.
#include <vector>

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

// Opens the required sites and the free sites of `cover`, and free sites of the
// lowest numbers until k are open. True, with the solution in Located, NTIMES,
// LocatedList and NumLocated, when exactly k facilities reach the target.
bool ReachTargetWithCover(ModelState& m, RunHost& host, const std::vector<int>& cover, int k, Extended target);

}  // namespace korvelan
