#include "CliOptions.h"

#include <map>
#include <utility>

namespace korvelan::cli {
namespace {

using Store = std::function<void(SolveArgs&, const std::string&)>;

template <typename Field>
Store Into(Field SolveArgs::*field) {
  return [field](SolveArgs& a, const std::string& v) { a.*field = v; };
}

Store Switch(bool SolveArgs::*field) {
  return [field](SolveArgs& a, const std::string&) { a.*field = true; };
}

Store Fixed(std::string SolveArgs::*field, std::string value) {
  return [field, value](SolveArgs& a, const std::string&) { a.*field = value; };
}

std::vector<CliOption> BuildTable() {
  return {
      // --- data ---
      {"--demand", "FILE", Into(&SolveArgs::demandFile),
       "Demand file (one node per line: label x y d1 d2 fixedcost [name]). Its extension .euc, .grt, .man or .net "
       "chooses the metric unless --metric is given."},
      {"--sites", "FILE", Into(&SolveArgs::sitesFile), "Candidate-site file in the same format (candidate sites only)."},
      {"--circle-points", "", Switch(&SolveArgs::circlePoints),
       "Generate circle points (centres of circles through two or three demand nodes) as extra candidate sites."},
      {"--metric", "NAME", Into(&SolveArgs::metric), "euclidean, great-circle, manhattan or network."},
      {"--km", "", Switch(&SolveArgs::kilometres), "Great-circle distances in kilometres instead of miles."},
      {"--distances", "FILE", Into(&SolveArgs::distancesFile),
       "Read the distance matrix from FILE (one whole number per line, column by column). Required for network data."},
      {"--weight", "W", Into(&SolveArgs::weight), "Weight W of demand column 1 (demand = d1 x W + d2 x (1 - W)); 1 by default."},
      // --- parameters ---
      {"--coverage", "D", Into(&SolveArgs::coverage), "Coverage distance (kept with four decimals). Required."},
      {"--cost-per-mile", "C", Into(&SolveArgs::costPerMile), "Cost per item per unit distance. Required."},
      {"--status", "FILE.FOR", Into(&SolveArgs::statusFile), "Node status file: required (1), allowed (0), excluded (-1) sites."},
      {"--initial", "FILE.SOL", Into(&SolveArgs::initialFile),
       "Initial solution: the located sites of a solution file. Excluded sites are left out of it."},
      // --- model and algorithm ---
      {"--problem", "NAME", Into(&SolveArgs::problem),
       "max-covering, p-median, fixed-charge, set-covering, p-center, partial-set-covering, partial-p-center or inventory. Required."},
      {"--algorithm", "NAME", Into(&SolveArgs::algorithm),
       "max-covering: greedy, greedy-substitution, lagrangian; p-median: myopic, exchange, neighborhood, lagrangian, "
       "genetic; fixed-charge: add, drop, exchange, neighborhood, lagrangian. The other models have one method."},
      {"--locate", "N", Into(&SolveArgs::locate),
       "Number of facilities to locate. For fixed-charge and inventory, -1 optimises the number."},
      {"--timing", "WHEN", Into(&SolveArgs::timing),
       "every or last: run the substitution / exchange / neighbourhood step after every added facility (default) or "
       "only after the last."},
      {"--add-first", "", Fixed(&SolveArgs::firstStep, "add"), "fixed-charge exchange and neighborhood: start by adding (default)."},
      {"--drop-first", "", Fixed(&SolveArgs::firstStep, "drop"), "fixed-charge exchange and neighborhood: start by dropping."},
      {"--no-dominated-exclusion", "", Switch(&SolveArgs::keepDominated),
       "max-covering heuristics: keep dominated sites as candidates."},
      {"--cover-fraction", "F", Into(&SolveArgs::coverFraction), "Partial models: fraction of the demand to cover, 0 < F <= 1."},
      {"--cover-nodes", "N", Into(&SolveArgs::coverNodes), "Partial models: number of demand nodes to cover."},
      {"--upper-estimate", "D", Into(&SolveArgs::upperEstimate), "Center models: upper estimate of the coverage distance (whole units)."},
      {"--lower-estimate", "D", Into(&SolveArgs::lowerEstimate), "Center models: lower estimate of the coverage distance (whole units)."},
      {"--weighted", "", Switch(&SolveArgs::weighted), "partial-p-center: weighted distances."},
      {"--plant", "N,N,...", Into(&SolveArgs::plants),
       "inventory: the demand nodes that are plant cities (DCs are supplied from the nearest). The model's "
       "parameters are --set names of its parameter form (tolvDemPerPopEdit, LeadTimeEdit, Var2MeanEdit, ZAlphaEdit, "
       "HoldingCostEdit, FixedCostEdit, TransCostEdit, InvCostEdit, tolvDollarEdit, DaysPerYearEdit, FixedShipEdit, "
       "FixedDistanceEdit, UnitFixedEdit, UnitDistanceEdit)."},
      {"--set", "NAME=VALUE", [](SolveArgs& a, const std::string& v) { a.settings.push_back(v); },
       "Change a solver setting by the name of its settings table (e.g. PctDiff, NoIter, DepthVar; family.Name picks "
       "a family). Checked against the same ranges as the settings forms. May be repeated."},
      {"--seed", "N", [](SolveArgs& a, const std::string& v) { a.settings.push_back("genetic.RandomNoSeed=" + v); },
       "p-median genetic algorithm: the random number seed (as --set RandomNoSeed=N); the same seed repeats a run."},
      // --- output ---
      {"--report", "FILE|-", Into(&SolveArgs::report), "Write the results report to FILE (a device such as /dev/null is written straight through); - or absent: standard output."},
      {"--solution", "FILE.SOL", Into(&SolveArgs::solutionFile), "Write the solution file."},
      {"--json", "FILE|-", Into(&SolveArgs::json), "Write a JSON summary of the run to FILE or standard output."},
      {"--geojson", "FILE|-", Into(&SolveArgs::geojson),
       "Write the solution as GeoJSON to FILE or standard output: demand nodes and open sites as points, "
       "assignments as lines, at the positions the map plots (longitude, latitude for great-circle data)."},
      {"--progress", "", Switch(&SolveArgs::progress), "Print the progress lines of the solver on standard error; for a Lagrangian run, the values of its progress window, one line every 2 seconds."},
  };
}

const CliOption* FindOption(const std::vector<CliOption>& table, const std::string& name) {
  for (const CliOption& option : table)
    if (option.name == name) return &option;
  return nullptr;
}

// The rows of "solve" that "tradeoff" shares, then its own.
std::vector<CliOption> BuildTradeoffTable() {
  std::vector<CliOption> table;
  for (const char* name : {"--demand", "--sites", "--circle-points", "--metric", "--km", "--distances", "--weight",
                           "--coverage", "--cost-per-mile", "--status", "--initial"})
    table.push_back(*FindOption(SolveOptions(), name));
  table.push_back({"--problem", "NAME", Into(&SolveArgs::problem),
                   "max-covering, p-median, fixed-charge (objective against the number of facilities) or "
                   "covering-median (average distance against covered demand for a fixed number). Required."});
  table.push_back({"--algorithm", "NAME", Into(&SolveArgs::algorithm),
                   "max-covering: greedy, greedy-substitution; p-median: myopic, exchange, neighborhood; "
                   "fixed-charge: add, drop. Required for these; covering-median: lagrangian (its only method)."});
  table.push_back({"--locate", "N", Into(&SolveArgs::locate),
                   "covering-median: the number of facilities of every point of the curve. Required there."});
  for (const char* name : {"--timing", "--no-dominated-exclusion", "--set"})
    table.push_back(*FindOption(SolveOptions(), name));
  table.push_back({"--csv", "FILE|-", Into(&SolveArgs::csv),
                   "Write the curve as CSV to FILE or standard output (the default when no output is named)."});
  table.push_back({"--json", "FILE|-", Into(&SolveArgs::json), "Write the curve as one JSON object to FILE or standard output."});
  table.push_back({"--report-file", "FILE", Into(&SolveArgs::tradeoffReportFile),
                   "Write the tradeoff-curve report (the desktop program's saved tradeoff curve: .COV, .MED, .FIX, .OMT)."});
  table.push_back(*FindOption(SolveOptions(), "--progress"));
  return table;
}

}  // namespace

const std::vector<CliOption>& SolveOptions() {
  static const std::vector<CliOption> table = BuildTable();
  return table;
}

namespace {

// Options that contradict each other when given together.
const std::pair<const char*, const char*> kExclusive[] = {
    {"--sites", "--circle-points"},
    {"--add-first", "--drop-first"},
    {"--cover-fraction", "--cover-nodes"},
};

// An option given again: the same value is only noted, another value contradicts.
std::string Repeated(const std::string& name, const std::string& before, const std::string& value,
                     std::vector<std::string>& warnings) {
  if (before == value) {
    warnings.push_back(name + " is given more than once");
    return {};
  }
  return name + " is given twice with different values (" + before + " and " + value + ")";
}

std::string Contradiction(const std::map<std::string, std::string>& given) {
  for (const auto& [first, second] : kExclusive)
    if (given.count(first) && given.count(second))
      return "give either " + std::string(first) + " or " + second + ", not both";
  return {};
}

}  // namespace

namespace {

std::string ParseArgs(const std::vector<CliOption>& table, const std::vector<std::string>& args, SolveArgs& out,
                      std::vector<std::string>& warnings) {
  std::map<std::string, std::string> given;  // option -> value, for repeats and contradictions
  for (size_t k = 0; k < args.size(); ++k) {
    std::string name = args[k], value;
    const size_t equals = name.find('=');
    const bool inlineValue = name.rfind("--", 0) == 0 && equals != std::string::npos;
    if (inlineValue) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
    }
    const CliOption* option = FindOption(table, name);
    if (!option) return "unknown option " + name + " (see korvelan-cli --help)";
    if (option->value.empty()) {
      if (inlineValue) return name + " takes no value";
    } else if (!inlineValue) {
      if (k + 1 >= args.size()) return name + " needs a value (" + option->value + ")";
      value = args[++k];
    }
    const auto before = given.find(name);
    if (before != given.end() && name != "--set") {
      const std::string error = Repeated(name, before->second, value, warnings);
      if (!error.empty()) return error;
    }
    given.emplace(name, value);
    option->store(out, value);
  }
  return Contradiction(given);
}

}  // namespace

std::string ParseSolveArgs(const std::vector<std::string>& args, SolveArgs& out, std::vector<std::string>& warnings) {
  return ParseArgs(SolveOptions(), args, out, warnings);
}

const std::vector<CliOption>& TradeoffOptions() {
  static const std::vector<CliOption> table = BuildTradeoffTable();
  return table;
}

std::string ParseTradeoffArgs(const std::vector<std::string>& args, SolveArgs& out, std::vector<std::string>& warnings) {
  return ParseArgs(TradeoffOptions(), args, out, warnings);
}

}  // namespace korvelan::cli
