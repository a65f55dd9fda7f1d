// The integrated inventory/location (Brask) model's Lagrangian branch.
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveInvLocLagrangian(ModelState&, RunHost& host) { return ReportNotAvailable(host, "The integrated inventory/location model"); }

}  // namespace korvelan
