#include "setup/RunModels.h"

#include <string>

#include "solve/Evaluation.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

bool Offers(const char* letters, char letter) { return std::string(letters).find(letter) != std::string::npos; }

void ClearRunCounters(ModelState& m) {
  m.RunIterations = 0;
  m.RunBranchNodes = 0;
  m.IterationTotal = 0;
  m.BranchLevel = 0;
  m.LagIteration = 0;
  m.IterationsBeforeNode = 0;
  m.RunUpperBound = 0;
  m.RunLowerBound = 0;
  m.RootForcedIn = 0;
  m.RootForcedOut = 0;
  m.LowerBoundResetInForcing = 0;
  m.LargeMedianProblem = 0;
}

RunEnd ReportEnd(ModelState& m, RunHost& host) {
  const RunEnd end = TellRunEnd(m, host);
  if (end == RunEnd::Fatal) return end;
  // The integrated model measures its distance itself (its assignment is not the nearest site).
  if (m.ProblemCode != 'V') m.DemandWeightedDistance = AssignToNearest(m);
  m.MedianWithConstant = m.ProblemCode == 'M' && m.AddedConstant != 0;
  return end;
}

void WarnAboutCenterRuns(const ModelState& m, RunHost& host) {
  if (m.ProblemCode != 'P' && m.ProblemCode != '%') return;
  host.Warning("Note that the COVERAGE DISTANCE is likely to have changed.\nBe sure to change it back before running other models.");
  if (m.ProblemCode == '%' && m.DoWeightedFlag)
    host.Warning("IMPORTANT WARNING!!\nCOVERAGE MATRIX is likely to be assymetric.");
}

void RestoreDemandNodes(ModelState& m) {
  for (int i = 1; i <= m.NumDemandNodes; ++i) m.Node(i).Demand = m.Node(i).LoadedDemand;
  Extended total = 0;
  for (int n = 1; n <= m.Numbnodes; ++n) total += m.Node(n).Demand;
  m.TotalDemand = total;
}

}  // namespace

RunEnd TellRunEnd(ModelState& m, RunHost& host) {
  if (m.FatalError) {
    host.Beep();
    host.Warning("Fatal Error in execution of algorithm.");
    return RunEnd::Fatal;
  }
  if (m.SolutionClass == 2 && m.AbortRequested) {
    host.Beep();
    host.Warning("Program Stopped at User Request");
    return RunEnd::Stopped;
  }
  host.Information("Execution Completed Satisfactorily");
  return RunEnd::Completed;
}

const std::vector<ChoiceItem>& ProblemItems() {
  static const std::vector<ChoiceItem> items = {
      {"Ma&Ximum Covering", 'C'},      {"P-&Median", 'M'},
      {"Uncapacitated &Fixed Charge", 'F'}, {"&Set Covering", 'S'},
      {"&P-Center", 'P'},              {"Par&Tial Set Covering", '&'},
      {"P&Artial P-Center", '%'},      {"Integrated In&V/Loc (Brask) Model", 'V'},
  };
  return items;
}

std::vector<ChoiceItem> AlgorithmItems(char problemCode) {
  static const std::vector<ChoiceItem> fixedItems = {
      {"&Add", 'A'}, {"&Drop", 'D'}, {"&Exchange", 'E'}, {"&Neighborhood", 'N'}, {"&Lagrangian Relaxation", 'L'}};
  switch (problemCode) {
    case 'C':
      return {{"&Greedy Adding", 'G'}, {"Greedy Adding and &Substitution", 'S'}, {"&Lagrangian Relaxation", 'L'}};
    case 'M':
      return {{"&Myopic", 'M'}, {"&Exchange", 'E'}, {"&Neighborhood", 'N'}, {"&Lagrangian Relaxation", 'L'},
              {"Gene&Tic Algorithm", 'T'}};
    case 'F':
    case 'V':
      return fixedItems;
    default:
      return {};
  }
}

void OpenRunModels(ModelState& m) {
  m.NumberToLocate = 1;
  m.FixedNumberToLocate = 1;
  m.AllowMinusOne = 0;
  m.UpperDistanceEstimate = 10000 * FixedPointScale;
  m.LowerDistanceEstimate = 0;
  m.CoverFraction = 1.0;
  m.NodesToCover = m.NumDemandNodes;
  m.ProblemCode = ' ';
}

void ChooseProblem(ModelState& m, char problemCode) {
  m.ProblemCode = problemCode;
  m.ReportProblemCode = problemCode;
  switch (problemCode) {
    case 'F':
      m.AllowMinusOne = 1;
      break;
    case '%':
      m.DoWeightedFlag = 0;
      m.SolutionClass = 2;
      break;
    case 'S':
    case 'P':
    case '&':
      m.SolutionClass = 2;
      break;
    case 'V':
      m.SolutionClass = 2;
      m.FixedAlgorithm = 'L';
      m.DoSubstitution = m.Covering.Substitute;
      m.FreshIncumbent = 1;
      m.AllowMinusOne = 1;
      m.InvLoc.DoBoundingBox = 1;
      m.Fixed.Average = 10;
      m.Fixed.Fixed = 10;
      break;
    default:
      break;
  }
}

bool ChooseAlgorithm(ModelState& m, char letter) {
  switch (m.ProblemCode) {
    case 'C':
      if (!Offers("GSL", letter)) return false;
      m.SolutionClass = letter == 'L' ? 2 : 0;
      m.DoSubstitution = letter == 'L' ? m.Covering.Substitute : (letter == 'S' ? 1 : 0);
      if (letter == 'S') m.ExchangeEveryIteration = 1;
      return true;
    case 'M':
      if (!Offers("MENLT", letter)) return false;
      m.MedianAlgorithm = letter;
      m.SolutionClass = letter == 'L' ? 2 : 0;
      return true;
    case 'F':
      if (!Offers("ADENL", letter)) return false;
      m.FixedAlgorithm = letter;
      m.SolutionClass = letter == 'L' ? 2 : 0;
      return true;
    default:
      return false;
  }
}

void ChooseCoverType(ModelState& m, char coverTypeCode) {
  m.CoverTypeCode = coverTypeCode;
  m.NodesToCover = m.NumDemandNodes;
  m.CoverFraction = 1.0;
}

RunEnd ExecuteRun(ModelState& m, RunHost& host) {
  ClearRunCounters(m);
  m.FatalError = 0;
  m.LargeMedianProblem = m.ProblemCode == 'M' && static_cast<long>(m.Numbnodes) * m.NumberToLocate >= 100000;
  SolveModel(m, host);
  const RunEnd end = ReportEnd(m, host);
  WarnAboutCenterRuns(m, host);
  if (m.ProblemCode == 'V') RestoreDemandNodes(m);
  return end;
}

}  // namespace korvelan
