#pragma once
// Local search for covers with few sites: a set of open sites that covers at least a
// target demand is made smaller by
//   - closing a redundant site (the others still reach the target),
//   - closing two sites and opening one (drop two, add one),
// and, when neither applies, by one-for-one swaps that keep the target (plateau moves,
// with a short tabu list against undoing them) until a smaller cover turns up or the
// move budget runs out. Required sites stay open, excluded sites stay closed.
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

struct ShrinkSettings {
  int plateauMoves = 200;  // swaps without a smaller cover before the search stops
  int enough = 0;          // stop as soon as a cover of at most this many sites is found
};

// The smallest cover the search finds from `start` (site numbers; the required sites
// are added). Returns the open sites in ascending order, required ones included, or an
// empty list when `start` does not reach the target. Deterministic.
std::vector<int> ShrinkCover(const ModelState& m, const std::vector<int>& start, Extended target,
                             const ShrinkSettings& settings);

}  // namespace korvelan
