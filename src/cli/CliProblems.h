#pragma once
#include <string>

#include "CliOptions.h"
#include "model/ModelState.h"

namespace korvelan::cli {

// The models the batch program solves: the name on the command line, the problem
// code, and the function that turns the model's options into run-form choices.
// Each returns an error message (one line) or empty.
struct ProblemEntry {
  const char* name;
  char code;
  std::string (*apply)(ModelState& m, const SolveArgs& args);
};

// The entry for a --problem name, or nullptr.
const ProblemEntry* FindProblem(const std::string& name);
// The names, for messages: "max-covering, p-median, ...".
std::string ProblemNames();

}  // namespace korvelan::cli
