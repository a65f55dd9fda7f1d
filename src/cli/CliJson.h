#pragma once
#include <string>

#include "model/ModelState.h"

namespace korvelan::cli {

// What the JSON summary needs besides the model.
struct RunFacts {
  std::string algorithm;  // as named on the command line ("" for single-method models)
  std::string status;     // "completed", "stopped" or "fatal"
  double seconds = 0;     // wall time of the solve alone
};

// A JSON string literal of the text.
std::string Quoted(const std::string& text);
// A JSON number: the shortest text that reads back as the same double; "null"
// for a value that is not finite.
std::string Real(Extended value);

// The JSON summary object of a run (one object, ending with a newline).
std::string RunSummaryJson(const ModelState& m, const RunFacts& facts);

}  // namespace korvelan::cli
