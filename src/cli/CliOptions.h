#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvelan::cli {

// Everything the command line of "korvelan-cli solve" can say. Optional fields
// stay empty when the option is absent.
struct SolveArgs {
  std::string demandFile;
  std::string sitesFile;
  bool circlePoints = false;
  std::string metric;  // euclidean | great-circle | manhattan | network; empty: from the extension
  bool kilometres = false;
  std::string distancesFile;
  std::optional<std::string> weight;
  std::optional<std::string> coverage;
  std::optional<std::string> costPerMile;
  std::string statusFile;
  std::string initialFile;
  std::string problem;
  std::string algorithm;
  std::optional<std::string> locate;
  std::string timing;     // every | last
  std::string firstStep;  // add | drop
  bool keepDominated = false;
  std::optional<std::string> coverFraction;
  std::optional<std::string> coverNodes;
  std::optional<std::string> upperEstimate;
  std::optional<std::string> lowerEstimate;
  bool weighted = false;
  std::optional<std::string> plants;  // inventory: plant cities "N,N,..."
  std::vector<std::string> settings;  // NAME=VALUE
  std::optional<std::string> report;  // FILE or "-"
  std::string solutionFile;
  std::optional<std::string> json;    // FILE or "-"
  std::optional<std::string> geojson;  // FILE or "-"
  bool progress = false;
  // "tradeoff" only
  std::optional<std::string> csv;     // FILE or "-"
  std::string tradeoffReportFile;
};

// One row of the option table: the option, its value placeholder (empty for a
// switch), what it stores, and its help text.
struct CliOption {
  std::string name;
  std::string value;
  std::function<void(SolveArgs&, const std::string&)> store;
  std::string help;
};

// The option table of "solve", in the order --help lists it.
const std::vector<CliOption>& SolveOptions();

// Reads the arguments after "solve"; returns an error message (one line) or empty.
// An unknown option, a missing value, an option repeated with another value and
// two options that contradict each other are errors; an option repeated with the
// same value adds a warning.
std::string ParseSolveArgs(const std::vector<std::string>& args, SolveArgs& out, std::vector<std::string>& warnings);

// The option table of "tradeoff": the data and parameter options of "solve", the
// curve's problem and algorithm, and its outputs.
const std::vector<CliOption>& TradeoffOptions();
// Reads the arguments after "tradeoff", with the same rules as ParseSolveArgs.
std::string ParseTradeoffArgs(const std::vector<std::string>& args, SolveArgs& out, std::vector<std::string>& warnings);

}  // namespace korvelan::cli
