// The maximum covering branch of the solve dispatcher.
#include "covering/GreedyCover.h"
#include "solve/Evaluation.h"
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveMaxCovering(ModelState& m, RunHost& host) {
  m.ReportProblemCode = 'C';
  ClearSolution(m);
  bool completed = true;
  if (m.SolutionClass == 2) {
    completed = SolveMaxCoveringLagrangian(m, host);
  } else {
    GreedyCover(m, host, m.NumberToLocate);
    m.TradeoffExists = 1;
  }
  if (completed) m.DemandWeightedDistance = AssignToNearest(m);
  return completed;
}

}  // namespace korvelan
