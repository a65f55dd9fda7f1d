// The p-median branch of the solve dispatcher.
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveMedian(ModelState& m, RunHost& host) {
  m.ReportProblemCode = 'M';
  switch (m.MedianAlgorithm) {
    case 'L':
      return SolveMedianLagrangian(m, host);
    case 'T':
      return SolveMedianGenetic(m, host);
    default:
      return ReportNotAvailable(host, "P-median by the myopic, exchange and neighborhood heuristics");
  }
}

}  // namespace korvelan
