#include "median/MedianBranchAndBound.h"
#include "solve/SolveModel.h"

namespace korvelan {

// 'M' with the Lagrangian: the branch-and-bound run; the p-median branch then assigns
// every demand node to its nearest open site. Without a recorded solution the run fails.
bool SolveMedianLagrangian(ModelState& m, RunHost& host) {
  return RunMedianLagrangian(m, host, m.NumberToLocate).solved;
}

}  // namespace korvelan
