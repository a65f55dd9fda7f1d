#include "median/MedianBranchAndBound.h"
#include "solve/Evaluation.h"
#include "solve/SolveModel.h"

namespace korvelan {

// 'M' with the Lagrangian: the branch-and-bound run, then every demand node assigned
// to its nearest open site. Without a recorded solution the run fails.
bool SolveMedianLagrangian(ModelState& m, RunHost& host) {
  const MedianRunResult result = RunMedianLagrangian(m, host, m.NumberToLocate);
  if (result.solved) m.DemandWeightedDistance = AssignToNearest(m);
  return result.solved;
}

}  // namespace korvelan
