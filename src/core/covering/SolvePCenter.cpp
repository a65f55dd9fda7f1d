// The p-center ('P') and partial p-center ('%') branch of the solve dispatcher.
#include "covering/PCenter.h"
#include "solve/SolveModel.h"

namespace korvelan {

bool SolvePCenterFamily(ModelState& m, RunHost& host) {
  const bool partial = m.ProblemCode == '%';
  m.RunBranchNodes = 0;
  m.BranchLevel = 0;
  m.FatalError = 0;
  m.RootForcedIn = m.RootForcedOut = 0;
  if (partial) m.ClearBranchPath();
  RunLagrangianDriver(m, host, [&] { PCenter(m, host, partial); });
  RestoreSavedStatus(m);
  m.CoverStateChanged = 1;
  return !m.FatalError;
}

}  // namespace korvelan
