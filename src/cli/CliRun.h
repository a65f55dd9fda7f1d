#pragma once
#include "CliOptions.h"

namespace korvelan::cli {

// Exit statuses of the batch program.
inline constexpr int ExitCompleted = 0;
inline constexpr int ExitBadInput = 2;     // bad usage or bad input; nothing was solved
inline constexpr int ExitFatal = 3;        // "Fatal Error in execution of algorithm."
inline constexpr int ExitStopped = 4;      // the solver stopped early; its best solution is reported

// Loads the data, sets the parameters and the model as the desktop program's
// forms would, solves, and writes the requested outputs. Returns the exit status.
int RunSolve(const SolveArgs& args);

}  // namespace korvelan::cli
