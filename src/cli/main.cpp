// korvelan-cli: the batch front end of KORVELAN (see --help).
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "CliHelp.h"
#include "CliOptions.h"
#include "CliRun.h"
#include "Version.h"

namespace {

bool AsksForHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

int main(int argc, char** argv) {
  using namespace korvelan::cli;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << "korvelan-cli: usage: korvelan-cli solve --demand FILE ... (see korvelan-cli --help)\n";
    return ExitBadInput;
  }
  if (AsksForHelp(args[0]) || args[0] == "help" || (args[0] == "solve" && std::any_of(args.begin() + 1, args.end(), AsksForHelp))) {
    std::cout << HelpText();
    return ExitCompleted;
  }
  if (args[0] == "--version") {
    std::cout << "korvelan-cli " << KORVELAN_VERSION_TEXT << "\n";
    return ExitCompleted;
  }
  if (args[0] != "solve") {
    std::cerr << "korvelan-cli: unknown command " << args[0] << " (see korvelan-cli --help)\n";
    return ExitBadInput;
  }
  SolveArgs solve;
  std::vector<std::string> warnings;
  const std::string error = ParseSolveArgs(std::vector<std::string>(args.begin() + 1, args.end()), solve, warnings);
  for (const std::string& warning : warnings) std::cerr << "korvelan-cli: warning: " << warning << "\n";
  if (!error.empty()) {
    std::cerr << "korvelan-cli: " << error << "\n";
    return ExitBadInput;
  }
  return RunSolve(solve);
}
