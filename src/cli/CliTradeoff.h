#pragma once
#include <string>

#include "CliOptions.h"
#include "model/ModelState.h"

namespace korvelan::cli {

// "korvelan-cli tradeoff": loads the data as "solve" does, traces the tradeoff
// curve the desktop program's "&Tradeoff Curves" traces, and writes it as CSV,
// JSON and the tradeoff-curve report. Returns the exit status.
int RunTradeoff(const SolveArgs& args);

// The curve as one JSON object: problem, algorithm, status and points in curve
// order; for covering-median also the four curve measures.
std::string TradeoffJson(const ModelState& m, const std::string& algorithm, const std::string& status);
// The same points as CSV with a heading line.
std::string TradeoffCsv(const ModelState& m);

}  // namespace korvelan::cli
