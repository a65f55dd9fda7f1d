#pragma once
#include <string>
#include <vector>

#include "CliOptions.h"
#include "data/DataLoad.h"
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan::cli {

// The steps every command shares before its model runs.

// "korvelan-cli: " + the text on standard error (one line), and the same as a warning.
void Complain(const std::string& text);
void Warn(const std::string& text);

// The load request of the data options, checked before any file is read.
std::string BuildLoadRequest(const SolveArgs& args, LoadRequest& request);
// The load form's rules, the data load, the coverage distance and cost per mile,
// the status and initial-solution files, and the parameter form's confirmation.
// An error (one line) or empty.
std::string LoadAndSetParameters(ModelState& m, RunHost& host, const SolveArgs& args, LoadRequest& request);
// The --set assignments for the families of ProblemCode.
std::string ApplySettings(ModelState& m, RunHost& host, const SolveArgs& args);
// An output file named on the command line.
struct FileOutput {
  std::string option;
  std::string path;
};
// Before anything is read or solved: no two outputs replace the same file, and
// every output can be written where it is to go. An error (one line) or empty.
std::string CheckFileOutputs(const std::vector<FileOutput>& outputs);

// Writes to standard output ("-" or no file) or to a file, whole or not at all.
bool Emit(const std::string& target, const std::string& text);

}  // namespace korvelan::cli
