#pragma once
#include <string>
#include <vector>

#include "CliOptions.h"
#include "model/ModelState.h"

namespace korvelan::cli {

// An algorithm as named on the command line and the run form's letter for it.
struct AlgorithmEntry {
  const char* name;
  char letter;
};

// The models the batch program solves: the name on the command line, the problem
// code, the algorithms it offers (none for the
// models with a single method, which is then named by `method`), and the function
// that turns the model's options into run-form choices (an error message, one
// line, or empty).
struct ProblemEntry {
  const char* name;
  char code;
  std::vector<AlgorithmEntry> algorithms;
  const char* method;
  std::string (*apply)(ModelState& m, const SolveArgs& args);
};

// Chooses the model and its algorithm on the run form, as the desktop program's
// "&Run Models" does, and enters the model's options (after CheckModelChoice).
std::string ApplyModel(ModelState& m, const SolveArgs& args);

// The entry for a --problem name, or nullptr.
const ProblemEntry* FindProblem(const std::string& name);
// The names, for messages: "max-covering, p-median, ...".
std::string ProblemNames();

// What the command line asks of the model, checked before any file is read:
// the problem and the algorithm exist. An error (one line) or empty.
std::string CheckModelChoice(const SolveArgs& args);
// The model-specific options given for a model they do not apply to, as warnings.
std::vector<std::string> OptionsNotApplying(const SolveArgs& args);

}  // namespace korvelan::cli
