// The p-median Lagrangian branch (branch and bound and its wrap-up).
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveMedianLagrangian(ModelState&, RunHost& host) { return ReportNotAvailable(host, "P-median by Lagrangian relaxation"); }

}  // namespace korvelan
