// The p-median branch of the solve dispatcher.
#include "median/MedianRun.h"
#include "median/MedianServices.h"
#include "solve/Evaluation.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

bool SolveByAlgorithm(ModelState& m, RunHost& host) {
  switch (m.MedianAlgorithm) {
    case 'L':
      return SolveMedianLagrangian(m, host);
    case 'T':
      return SolveMedianGenetic(m, host);
    default:
      if (!RunMedianHeuristic(m, host, m.NumberToLocate)) {
        host.Error(std::string("Unknown p-median algorithm '") + m.MedianAlgorithm + "'.");
        return false;
      }
      return true;
  }
}

}  // namespace

bool SolveMedian(ModelState& m, RunHost& host) {
  m.ReportProblemCode = 'M';
  m.NumLocated = m.NumberToLocate;
  ClearSolution(m);
  if (m.MedianAlgorithm == 'T' && m.NumLocated == 1) {
    host.Information("Switching from Genetic Algorithm\nto Myopic Algorithm since you\nare only locating one facility");
    m.MedianAlgorithm = 'M';
  }
  if (!SolveByAlgorithm(m, host)) return false;
  if (!AnySiteOpen(m)) {
    host.Error("No facility could be located: no site may be opened.");
    return false;
  }
  m.DemandWeightedDistance = AssignToNearest(m);
  return true;
}

}  // namespace korvelan
