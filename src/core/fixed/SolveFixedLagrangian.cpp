// The fixed-charge Lagrangian branch (branch and bound and its wrap-up).
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveFixedLagrangian(ModelState&, RunHost& host) { return ReportNotAvailable(host, "Fixed charge by Lagrangian relaxation"); }

}  // namespace korvelan
