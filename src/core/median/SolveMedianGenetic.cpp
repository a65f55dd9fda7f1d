// The p-median genetic algorithm branch.
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveMedianGenetic(ModelState&, RunHost& host) { return ReportNotAvailable(host, "P-median by the genetic algorithm"); }

}  // namespace korvelan
