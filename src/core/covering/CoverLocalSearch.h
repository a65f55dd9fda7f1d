#pragma once
// Local search for covers with few sites: a set of open sites that covers at least a
// target demand is made smaller by
//   - closing a redundant site (the others still reach the target),
//   - closing two sites and opening one (drop two, add one).
// When neither applies and the target is all the demand, a search with node weights
// (closing the site that uncovers the least weight, opening for a random uncovered node
// the site covering the most uncovered weight, weights of uncovered nodes growing each
// step) looks for a smaller cover, which the two moves above then finish. With a
// partial target, one-for-one swaps that keep the target (plateau moves, with a short
// tabu list against undoing them) take its place. Required sites stay open, excluded
// sites closed.
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

struct ShrinkSettings {
  // Plateau moves without a smaller cover before the search stops (partial targets);
  // 20 weighted steps each for a whole cover. 0: the two moves only.
  int plateauMoves = 200;
  int enough = 0;          // stop as soon as a cover of at most this many sites is found
};

// The smallest cover the search finds from `start` (site numbers; the required sites
// are added). Returns the open sites in ascending order, required ones included, or an
// empty list when `start` does not reach the target. Deterministic.
std::vector<int> ShrinkCover(const ModelState& m, const std::vector<int>& start, Extended target,
                             const ShrinkSettings& settings);

}  // namespace korvelan
