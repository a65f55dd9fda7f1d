#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"
#include "setup/RunModels.h"
#include "solve/RunHost.h"

namespace korvelan {

// What the tradeoff run form does to the model, shared with the batch program.

// "Select a Problem to Solve": caption and code, in order ('C', 'M', 'F', 'D').
const std::vector<ChoiceItem>& TradeoffProblemItems();
// The phrase after "Lagrangian Progress Form " for a curve code.
std::string TradeoffLagPhrase(char problemCode);
// The caption of the Lagrangian progress window during a curve run.
std::string TradeoffLagCaption(char problemCode);

// "Select an Algorithm" for a curve: caption and letter for ChooseTradeoffAlgorithm.
//   'C': 'G' "&Greedy Adding", 'S' "Greedy Adding and &Substitution"
//   'M': 'M' "&Myopic", 'E' "&Exchange", 'N' "&Neighborhood"
//   'F': 'A' "&Add", 'D' "&Drop"
//   'D': 'L' "&Lagrangian Relaxation" (the single item, shown disabled)
std::vector<ChoiceItem> TradeoffAlgorithmItems(char problemCode);

// Opening the form: FreeTradeoffList, NumberToLocate := FixedNumberToLocate := 0.
// (The first opening of this form or of the run-models form in a program run also
// calls PrepareFirstOpening; the forms keep that flag.)
void OpenTradeoff(ModelState& m);

// Choosing the problem: ProblemCode, ReportProblemCode, AddedConstant := 0; for
// 'D' SolutionClass := 2. Returns false for a code that is not a curve.
bool ChooseTradeoffProblem(ModelState& m, char problemCode);

// Choosing the algorithm of a 'C', 'M' or 'F' curve by its letter: SolutionClass 0,
// NumberToLocate and FixedNumberToLocate := Numbnodes, and the code of the letter
// (DoSubstitution, MedianAlgorithm, FixedAlgorithm). The check box that appears
// with it starts checked, so ExchangeEveryIteration := 1 ('S') and MedianTiming :=
// 'E' ('E', 'N'). Returns false for a letter the curve does not offer.
bool ChooseTradeoffAlgorithm(ModelState& m, char letter);

// The check boxes: each stores its state and returns the caption for it.
std::string SetExchangeEveryIteration(ModelState& m, bool checked);   // ExchangeEveryIter
std::string SetMedianExchangeTiming(ModelState& m, bool checked);     // MedianExchange
std::string SetNeighborhoodTiming(ModelState& m, bool checked);       // NeighborhoodExchange
std::string SetExcludeDominated(ModelState& m, bool checked);         // ExcludeDominated

// Leaving the number-to-locate field of a 'D' curve.
struct TradeoffCountCheck {
  enum class Kind { Empty, Accepted, OutOfRange, NotANumber } kind = Kind::Empty;
  std::string warning;          // the warning box text; empty when none
  std::string fieldText;        // what the field shows afterwards
  bool executeEnabled = false;  // "&Quit and Run"
  bool fieldEnabled = true;     // the field and its label
};
// Stores NumberToLocate as the outcome says: the number when max(1, F) <= n <=
// Numbnodes - E (F required, E excluded sites over all nodes), else max(1, F).
TradeoffCountCheck CheckTradeoffCount(ModelState& m, const std::string& text);
// The range of the number to locate: max(1, F) and Numbnodes - E.
int SmallestTradeoffCount(const ModelState& m);
int LargestTradeoffCount(const ModelState& m);

// The cost-per-mile field of an 'F' curve: its text when the problem is chosen
// (fixed, 13 decimals) and after leaving it (fixed, precision 10, 6 decimals).
std::string CostPerMileShownText(const ModelState& m);
std::string CostPerMileLeftText(const ModelState& m);
// Leaving the field: a non-empty entry is stored; an entry that does not convert
// leaves CostPerMile as it was and returns the warning "Invalid numeric input".
std::string LeaveCostPerMile(ModelState& m, const std::string& text);

// "&Quit and Run" without the windows: RootForcedIn/Out and FatalError cleared,
// GETTRADEOFF, MedianWithConstant := 0, then "Fatal Error in execution of
// algorithm." (beep), "Program Stopped at User Request" (beep; a 'D' curve whose
// last weighted run was aborted) or "Execution Completed Satisfactorily";
// DemandWeightedDistance := AssignToNearest; for 'D' ComputeCurveMeasures. A cap
// that ended a 'D' search is told in a warning before the outcome.
RunEnd ExecuteTradeoff(ModelState& m, RunHost& host);

}  // namespace korvelan
