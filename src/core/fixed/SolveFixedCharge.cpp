// The fixed-charge ('F') and integrated inventory/location ('V') branch of the solve dispatcher.
#include "fixed/FixedRun.h"
#include "solve/Evaluation.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

bool SolveByAlgorithm(ModelState& m, RunHost& host) {
  if (m.FixedAlgorithm == 'L')
    return m.ProblemCode == 'V' ? SolveInvLocLagrangian(m, host) : SolveFixedLagrangian(m, host);
  const std::optional<int> count = RunFixedHeuristic(m, host);
  if (!count) {
    host.Error(std::string("Unknown fixed-charge algorithm '") + m.FixedAlgorithm + "'.");
    return false;
  }
  m.NumberToLocate = static_cast<uint16_t>(*count);
  if (*count == 0) {
    host.Error("No facility could be located: no site may be opened.");
    return false;
  }
  return true;
}

}  // namespace

bool SolveFixedCharge(ModelState& m, RunHost& host) {
  m.ReportProblemCode = m.ProblemCode;
  ClearSolution(m);
  if (!SolveByAlgorithm(m, host)) return false;
  if (m.ProblemCode == 'F') m.DemandWeightedDistance = AssignToNearest(m);
  m.NumLocated = m.NumberToLocate;
  return true;
}

}  // namespace korvelan
