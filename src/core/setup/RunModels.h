#pragma once
#include <vector>

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// What the run-models form does to the model, shared with the batch program.

// The models offered by "Select a Problem to Solve", in order: caption and code.
struct ChoiceItem {
  const char* caption;
  char code;
};
const std::vector<ChoiceItem>& ProblemItems();
// The algorithms "Select an Algorithm" offers for a model (caption and the letter
// ChooseAlgorithm takes); empty for the models that have a single method.
std::vector<ChoiceItem> AlgorithmItems(char problemCode);

// Opening the form: number to locate 1 (both counts), -1 not allowed, the distance
// estimates 10000 and 0, the whole demand to cover (fraction 1, every demand node).
void OpenRunModels(ModelState& m);

// Choosing the model: ProblemCode and ReportProblemCode, SolutionClass 2 for the
// exact models ('S', 'P', '%', '&', 'V'), -1 allowed for 'F' and 'V'.
void ChooseProblem(ModelState& m, char problemCode);

// Choosing the algorithm by its letter for the chosen model:
//   'C': 'G' greedy adding, 'S' greedy adding and substitution, 'L' Lagrangian;
//   'M': 'M' myopic, 'E' exchange, 'N' neighbourhood, 'L' Lagrangian, 'T' genetic;
//   'F': 'A' add, 'D' drop, 'E' exchange, 'N' neighbourhood, 'L' Lagrangian.
// Returns false for a letter the model does not offer (nothing changes).
bool ChooseAlgorithm(ModelState& m, char letter);

// Choosing "&% Demand" ('F') or "&# Nodes" ('N') for a partial model.
void ChooseCoverType(ModelState& m, char coverTypeCode);

enum class RunEnd { Completed, Stopped, Fatal };

// How a run ended, told as the run forms tell it: "Fatal Error in execution of
// algorithm." (beep) when FatalError is set, "Program Stopped at User Request"
// (beep) when a Lagrangian run was stopped, else "Execution Completed Satisfactorily".
RunEnd TellRunEnd(ModelState& m, RunHost& host);

// "&Quit and Run" without the windows: clears the run counters and FatalError,
// runs the dispatcher, tells how the run ended ("Fatal Error in execution of
// algorithm.", "Program Stopped at User Request" or "Execution Completed
// Satisfactorily"), assigns every demand node to its nearest open site, and gives
// the center models' coverage-distance warnings.
RunEnd ExecuteRun(ModelState& m, RunHost& host);

}  // namespace korvelan
