// korvelan-cli: the batch front end of KORVELAN (see --help).
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "CliHelp.h"
#include "CliOptions.h"
#include "CliRun.h"
#include "CliTradeoff.h"
#include "Version.h"

namespace {

bool AsksForHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

using Parser = std::string (*)(const std::vector<std::string>&, korvelan::cli::SolveArgs&, std::vector<std::string>&);
using Runner = int (*)(const korvelan::cli::SolveArgs&);

// Reads the arguments after the command and runs it.
int ParseAndRun(Parser parse, Runner run, const std::vector<std::string>& args) {
  korvelan::cli::SolveArgs parsed;
  std::vector<std::string> warnings;
  const std::string error = parse(std::vector<std::string>(args.begin() + 1, args.end()), parsed, warnings);
  for (const std::string& warning : warnings) std::cerr << "korvelan-cli: warning: " << warning << "\n";
  if (!error.empty()) {
    std::cerr << "korvelan-cli: " << error << "\n";
    return korvelan::cli::ExitBadInput;
  }
  return run(parsed);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace korvelan::cli;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << "korvelan-cli: usage: korvelan-cli solve --demand FILE ... (see korvelan-cli --help)\n";
    return ExitBadInput;
  }
  const bool command = args[0] == "solve" || args[0] == "tradeoff";
  if (AsksForHelp(args[0]) || args[0] == "help" || (command && std::any_of(args.begin() + 1, args.end(), AsksForHelp))) {
    std::cout << HelpText();
    return ExitCompleted;
  }
  if (args[0] == "--version") {
    std::cout << "korvelan-cli " << KORVELAN_VERSION_TEXT << "\n";
    return ExitCompleted;
  }
  if (args[0] == "tradeoff") return ParseAndRun(ParseTradeoffArgs, RunTradeoff, args);
  if (args[0] != "solve") {
    std::cerr << "korvelan-cli: unknown command " << args[0] << " (see korvelan-cli --help)\n";
    return ExitBadInput;
  }
  return ParseAndRun(ParseSolveArgs, RunSolve, args);
}
