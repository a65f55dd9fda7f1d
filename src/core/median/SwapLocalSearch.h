#pragma once
// Iterated local search for a fixed number of facilities (the p-median, and the fixed
// charge with a number to locate) on the cost matrix c(i, j) of a Lagrangian run:
// total cost = sum over demand nodes of the cheapest c(i, j) over the open sites
// (+ the fixed costs of the open sites when they count).
//
// A descent applies the best move of a facility to one of the free sites nearest to
// it while one lowers the cost. Then a kick closes a facility and the open one nearest
// to it and opens two free sites near them (so that a pattern of facilities can
// re-tile, which single moves cannot), and the descent runs again; a kicked solution
// is kept when it costs no more, otherwise the search goes back. The number open never
// changes; required sites stay open, and only free sites open. Deterministic.
#include <array>
#include <cstdint>

#include "median/AssignmentRelaxation.h"
#include "model/ModelState.h"

namespace korvelan {

// The best solution found from the sites marked in `start` (1 = open), with at most
// `kicks` kicks after the first descent (fewer when many in a row bring nothing, none
// once a solution costs no more than `lowerBound`, which no solution undercuts).
LocalSearchResult ImproveWithSwaps(const ModelState& m, const AssignmentRelaxation& r,
                                   const std::array<uint16_t, NodeSlots>& start, bool withFixedCosts,
                                   int kicks, Extended lowerBound);

}  // namespace korvelan
