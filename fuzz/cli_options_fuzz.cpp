// The batch program's command line: the input is split at newlines into
// arguments, read as the arguments after "solve", then checked as a run would
// check them before reading any file (the model choice, the options that do not
// apply), and the --set assignments are applied to a model.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "CliProblems.h"
#include "setup/SettingsRegistry.h"

using namespace korvelan;
using namespace korvelan::cli;

namespace {

std::vector<std::string> Arguments(const uint8_t* data, size_t size) {
  std::vector<std::string> args(1);
  for (size_t k = 0; k < size; ++k) {
    if (data[k] == '\n')
      args.emplace_back();
    else
      args.back() += static_cast<char>(data[k]);
  }
  return args;
}

void ApplyEverySetting(const SolveArgs& args) {
  ModelState m;
  m.ProblemCode = FindProblem(args.problem) ? FindProblem(args.problem)->code : 'C';
  for (const std::string& assignment : args.settings) {
    const size_t equals = assignment.find('=');
    if (equals == std::string::npos) continue;
    const SettingDef* def = Settings().Find(assignment.substr(0, equals), FamiliesOfProblem(m.ProblemCode));
    if (def) ApplySettingText(m, *def, assignment.substr(equals + 1));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SolveArgs args;
  std::vector<std::string> warnings;
  if (!ParseSolveArgs(Arguments(data, size), args, warnings).empty()) return 0;
  CheckModelChoice(args);
  OptionsNotApplying(args);
  ApplyEverySetting(args);
  return 0;
}
