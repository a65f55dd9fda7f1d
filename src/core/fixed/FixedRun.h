#pragma once
#include <optional>

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// The fixed-charge heuristic runs by FixedAlgorithm, with target FixedNumberToLocate:
//   'A'  fixed_add          'D'  fixed_drop
//   'E'  fixed_add when AddFirst is 'A', else fixed_drop; then fixed_exchange
//   'N'  the same start; then fixed_neighborhood
// Returns the number of open sites, or nothing for an algorithm code that is
// not a heuristic of this family.
std::optional<int> RunFixedHeuristic(ModelState& m, RunHost& host);

}  // namespace korvelan
