// The p-center ('P') and partial p-center ('%') branch of the solve dispatcher.
#include "solve/SolveModel.h"

namespace korvelan {

bool SolvePCenterFamily(ModelState&, RunHost& host) { return ReportNotAvailable(host, "The p-center and partial p-center models"); }

}  // namespace korvelan
