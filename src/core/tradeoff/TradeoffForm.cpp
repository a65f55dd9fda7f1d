#include "tradeoff/TradeoffForm.h"

#include <algorithm>

#include "setup/NumberText.h"
#include "solve/Evaluation.h"
#include "solve/SolveModel.h"
#include "solve/TextFormat.h"
#include "tradeoff/CurveMeasures.h"
#include "tradeoff/TradeoffEngine.h"

namespace korvelan {
namespace {

int CountStatus(const ModelState& m, uint8_t status) {
  int n = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) n += m.Node(j).SiteStatus == status;
  return n;
}

TradeoffCountCheck Refused(ModelState& m, TradeoffCountCheck::Kind kind, const std::string& warning, bool execute) {
  m.NumberToLocate = static_cast<uint16_t>(SmallestTradeoffCount(m));
  return {kind, warning, std::to_string(m.NumberToLocate), execute, true};
}

RunEnd ReportTradeoffEnd(ModelState& m, RunHost& host) {
  for (const std::string& note : m.Tradeoff.CapNotes) host.Warning(note);
  const RunEnd end = TellRunEnd(m, host);
  if (end == RunEnd::Fatal) return end;
  m.DemandWeightedDistance = AssignToNearest(m);
  if (m.ProblemCode == 'D') ComputeCurveMeasures(m);
  return end;
}

}  // namespace

const std::vector<ChoiceItem>& TradeoffProblemItems() {
  static const std::vector<ChoiceItem> items = {
      {"Ma&Ximum Covering", 'C'},
      {"P-&Median", 'M'},
      {"Uncapacitated &Fixed Charge", 'F'},
      {"Covering - Me&Dian", 'D'},
  };
  return items;
}

std::string TradeoffLagPhrase(char problemCode) {
  switch (problemCode) {
    case 'C': case 'M': case 'F': return ProblemPhrase(problemCode);
    case 'D': return "COVERING MEDIAN TRADEOFF";
    default: return "";
  }
}

std::string TradeoffLagCaption(char problemCode) { return "Lagrangian Progress Form " + TradeoffLagPhrase(problemCode); }

std::vector<ChoiceItem> TradeoffAlgorithmItems(char problemCode) {
  switch (problemCode) {
    case 'C': return {{"&Greedy Adding", 'G'}, {"Greedy Adding and &Substitution", 'S'}};
    case 'M': return {{"&Myopic", 'M'}, {"&Exchange", 'E'}, {"&Neighborhood", 'N'}};
    case 'F': return {{"&Add", 'A'}, {"&Drop", 'D'}};
    case 'D': return {{"&Lagrangian Relaxation", 'L'}};
    default: return {};
  }
}

void OpenTradeoff(ModelState& m) {
  FreeTradeoffList(m);
  m.NumberToLocate = 0;
  m.FixedNumberToLocate = 0;
}

bool ChooseTradeoffProblem(ModelState& m, char problemCode) {
  if (TradeoffLagPhrase(problemCode).empty()) return false;
  m.ProblemCode = m.ReportProblemCode = problemCode;
  m.AddedConstant = 0;
  if (problemCode == 'D') m.SolutionClass = 2;
  return true;
}

bool ChooseTradeoffAlgorithm(ModelState& m, char letter) {
  const std::vector<ChoiceItem> items = TradeoffAlgorithmItems(m.ProblemCode);
  const bool offered = std::any_of(items.begin(), items.end(), [&](const ChoiceItem& i) { return i.code == letter; });
  if (!offered || m.ProblemCode == 'D') return false;
  m.SolutionClass = 0;
  m.NumberToLocate = m.Numbnodes;
  m.FixedNumberToLocate = m.Numbnodes;
  switch (m.ProblemCode) {
    case 'C':
      m.DoSubstitution = letter == 'S';
      if (letter == 'S') m.ExchangeEveryIteration = 1;
      break;
    case 'M':
      m.MedianAlgorithm = letter;
      if (letter != 'M') m.MedianTiming = 'E';
      break;
    default: m.FixedAlgorithm = letter; break;
  }
  return true;
}

std::string SetExchangeEveryIteration(ModelState& m, bool checked) {
  m.ExchangeEveryIteration = checked;
  return checked ? "Exc&Hange EVERY Iteration" : "Exc&Hange On LAST Iteration Only (Click for EVERY Iteration)";
}

std::string SetMedianExchangeTiming(ModelState& m, bool checked) {
  m.MedianTiming = checked ? 'E' : 'L';
  return checked ? "E&Xchange EVERY iteration" : "E&Xchange after LAST iteration (Check for EVERY)";
}

std::string SetNeighborhoodTiming(ModelState& m, bool checked) {
  m.MedianTiming = checked ? 'E' : 'L';
  return checked ? "Ne&Ighborhood Search on EACH Iteration" : "Ne&Ighborhood Search on LAST Iteration (Check for EACH)";
}

std::string SetExcludeDominated(ModelState& m, bool checked) {
  // The Lagrangian's box and the switch the greedy curve reads move together.
  m.Covering.DominatedBox = checked;
  m.Covering.ExcludeDominatedNodes = checked;
  return checked ? "Exclude &Dominated Nodes" : "Do NOT Exclude &Dominated Nodes (Check to exclude)";
}

int SmallestTradeoffCount(const ModelState& m) { return std::max(1, CountStatus(m, StatusRequired)); }

int LargestTradeoffCount(const ModelState& m) { return m.Numbnodes - CountStatus(m, StatusExcluded); }

TradeoffCountCheck CheckTradeoffCount(ModelState& m, const std::string& text) {
  using Kind = TradeoffCountCheck::Kind;
  if (text.empty()) return {Kind::Empty, "", "", false, true};
  const std::optional<long long> n = ParseWholeNumber(text);
  if (!n && !ParseRealNumber(text)) return Refused(m, Kind::NotANumber, "Invalid numeric input", true);
  const int lo = SmallestTradeoffCount(m);
  const int hi = LargestTradeoffCount(m);
  if (!n || *n < lo || *n > hi)
    return Refused(m, Kind::OutOfRange,
                   "Invalid number of facilities to locate.  Must have " + std::to_string(lo) + " <= X <= " +
                       std::to_string(hi),
                   false);
  m.NumberToLocate = static_cast<uint16_t>(*n);
  return {Kind::Accepted, "", std::to_string(*n), true, false};
}

std::string CostPerMileShownText(const ModelState& m) { return FormatFixed(m.CostPerMile, 18, 13); }

std::string CostPerMileLeftText(const ModelState& m) { return FormatFixed(m.CostPerMile, 10, 6); }

std::string LeaveCostPerMile(ModelState& m, const std::string& text) {
  if (text.empty()) return "";
  const std::optional<Extended> value = ParseRealNumber(text);
  if (!value) return "Invalid numeric input";
  m.CostPerMile = *value;
  return "";
}

RunEnd ExecuteTradeoff(ModelState& m, RunHost& host) {
  m.RootForcedIn = 0;
  m.RootForcedOut = 0;
  m.FatalError = 0;
  GETTRADEOFF(m, host);
  m.MedianWithConstant = 0;
  return ReportTradeoffEnd(m, host);
}

}  // namespace korvelan
