// The Lagrangian branch of maximum covering (branch and bound and its wrap-up).
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveMaxCoveringLagrangian(ModelState&, RunHost& host) { return ReportNotAvailable(host, "Maximum covering by Lagrangian relaxation"); }

}  // namespace korvelan
