#pragma once
// Iterated local search for the fixed charge with the number of facilities free, on
// the cost matrix c(i, j) of a Lagrangian run: total cost = sum over demand nodes of
// the cheapest c(i, j) over the open sites + the fixed costs of the open sites.
//
// A descent applies the best of: opening a site, closing a site, and moving a facility
// to one of the sites nearest to it, while one lowers the cost. Then a kick closes two
// facilities and opens one site near them (a move the descent never makes, which lets
// a pattern of facilities re-tile), and the descent runs again; a kicked solution is
// kept when it costs no more, otherwise the search goes back. Required sites stay
// open, excluded sites closed. Deterministic.
#include <array>
#include <cstdint>

#include "median/AssignmentRelaxation.h"
#include "model/ModelState.h"

namespace korvelan {

// The best solution found from the sites marked in `start` (1 = open), with at most
// `kicks` kicks after the first descent: fewer when many in a row bring nothing, and
// none once a solution costs `enough` or less (a cost that leaves nothing to prove).
// The values of the moves are kept up to date from change to change and built afresh
// after every `rebuildEvery` changes (1: at every change, as a reference).
LocalSearchResult ImproveFixedCharge(const ModelState& m, const AssignmentRelaxation& r,
                                     const std::array<uint16_t, NodeSlots>& start, int kicks,
                                     Extended enough = 0, int rebuildEvery = 64);

// Total cost of the open sites with the cost matrix (LagInfinity when none is open).
Extended FixedChargeCost(const ModelState& m, const AssignmentRelaxation& r, const std::array<uint8_t, NodeSlots>& open);

}  // namespace korvelan
