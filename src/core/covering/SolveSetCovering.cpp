// The set covering ('S') and partial set covering ('&') branch of the solve dispatcher.
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveSetCoveringFamily(ModelState&, RunHost& host) { return ReportNotAvailable(host, "Set covering and partial set covering"); }

}  // namespace korvelan
