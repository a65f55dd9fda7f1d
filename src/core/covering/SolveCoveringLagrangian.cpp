// The Lagrangian branch of maximum covering (branch and bound and its wrap-up).
#include "covering/CoverBranchAndBound.h"
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveMaxCoveringLagrangian(ModelState& m, RunHost& host) {
  bool completed = false;
  RunLagrangianDriver(m, host, [&] { completed = RunCoverBranchAndBound(m, host); });
  return completed;
}

}  // namespace korvelan
