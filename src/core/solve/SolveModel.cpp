#include "solve/SolveModel.h"

#include "covering/Coverage.h"
#include "model/CoverageLists.h"

namespace korvelan {
namespace {

bool SolveByProblem(ModelState& m, RunHost& host) {
  switch (m.ProblemCode) {
    case 'C':
      return SolveMaxCovering(m, host);
    case 'S':
    case '&':
      return SolveSetCoveringFamily(m, host);
    case 'P':
    case '%':
      return SolvePCenterFamily(m, host);
    case 'M':
      return SolveMedian(m, host);
    case 'F':
    case 'V':
      return SolveFixedCharge(m, host);
    default:
      host.Error("No model has been chosen to solve.");
      return false;
  }
}

}  // namespace

void SolveModel(ModelState& m, RunHost& host) {
  CountStatuses(m);
  if (m.Numbnodes == 0) {
    host.Error("No data are loaded.");
    m.FatalError = 1;
    return;
  }
  const bool completed = SolveByProblem(m, host);
  m.FatalError = completed ? 0 : 1;
}

void ApplyBestSolution(ModelState& m, RunHost& host, bool countLocated) {
  for (int j = 1; j <= m.Numbnodes; ++j) {
    m.Node(j).Located = m.BestLocated[j] == 1 ? 1 : 0;
    m.Node(j).NTIMES = 0;
  }
  if (countLocated) m.NumberToLocate = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (m.BestLocated[j] != 1) continue;
    UpdateCoverage(m, host, '+', j);
    if (countLocated) ++m.NumberToLocate;
  }
}

void RestoreSavedStatus(ModelState& m) {
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).SiteStatus = m.SavedStatus[j];
  // The counts follow the statuses: a search that fixed sites at its root counted them.
  CountStatuses(m);
}

void RestoreCoverageDistance(ModelState& m) {
  if (!m.CoverageDistanceChanged) return;
  m.CoverageDistance = m.SavedCoverageDistance;
  BuildCoverageLists(m);
}

std::string ProblemPhrase(char problemCode) {
  switch (problemCode) {
    case 'C': return "MAX COVERING";
    case 'M': return "MEDIAN OBJECTIVE";
    case 'F': return "UNCAP FIXED CHARGE";
    case 'S': return "SET COVERING OBJECTIVE";
    case 'P': return "P-CENTER OBJECTIVE";
    case '&': return "PARTIAL SET COVERING";
    case '%': return "PARTIAL P-CENTER OBJ.";
    case 'V': return "Brask INV./LOC. MODEL";
    default: return "";
  }
}

}  // namespace korvelan
