// The fixed-charge ('F') and integrated inventory/location ('V') branch of the solve dispatcher.
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveFixedCharge(ModelState& m, RunHost& host) {
  m.ReportProblemCode = m.ProblemCode;
  if (m.FixedAlgorithm == 'L')
    return m.ProblemCode == 'V' ? SolveInvLocLagrangian(m, host) : SolveFixedLagrangian(m, host);
  return ReportNotAvailable(host, "Fixed charge by the add, drop, exchange and neighborhood heuristics");
}

}  // namespace korvelan
