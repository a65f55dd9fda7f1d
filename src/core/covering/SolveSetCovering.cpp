// The set covering ('S') and partial set covering ('&') branch of the solve dispatcher.
#include "covering/SetCover.h"
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveSetCoveringFamily(ModelState& m, RunHost& host) {
  const bool partial = m.ProblemCode == '&';
  m.RunBranchNodes = 0;
  m.BranchLevel = 0;
  m.ClearBranchPath();
  m.RootForcedIn = m.RootForcedOut = 0;
  SetCoverOutcome outcome;
  RunLagrangianDriver(m, host, [&] { outcome = SetCover(m, host, partial); });
  if (!partial) RestoreSavedStatus(m);
  m.CoverStateChanged = 1;
  // A partial run leaves demand uncovered by design: it is complete when its target
  // is met, and never when the target was out of reach.
  return partial ? outcome.targetMet : outcome.success;
}

}  // namespace korvelan
