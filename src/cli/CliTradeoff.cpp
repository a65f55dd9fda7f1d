#include "CliTradeoff.h"

#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <vector>

#include "CliHost.h"
#include "CliJson.h"
#include "CliRun.h"
#include "CliSetup.h"
#include "Version.h"
#include "reports/TradeoffFile.h"
#include "tradeoff/TradeoffForm.h"

namespace korvelan::cli {
namespace {

struct CurveAlgorithm {
  const char* name;
  char letter;
};

// A curve as named on the command line, its code, and its algorithms.
struct CurveEntry {
  const char* name;
  char code;
  std::vector<CurveAlgorithm> algorithms;
};

const std::vector<CurveEntry>& Curves() {
  static const std::vector<CurveEntry> curves = {
      {"max-covering", 'C', {{"greedy", 'G'}, {"greedy-substitution", 'S'}}},
      {"p-median", 'M', {{"myopic", 'M'}, {"exchange", 'E'}, {"neighborhood", 'N'}}},
      {"fixed-charge", 'F', {{"add", 'A'}, {"drop", 'D'}}},
      {"covering-median", 'D', {{"lagrangian", 'L'}}},
  };
  return curves;
}

const CurveEntry* FindCurve(const std::string& name) {
  for (const CurveEntry& curve : Curves())
    if (name == curve.name) return &curve;
  return nullptr;
}

std::string Names(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

std::string AlgorithmNames(const CurveEntry& curve) {
  std::vector<std::string> names;
  for (const CurveAlgorithm& a : curve.algorithms) names.emplace_back(a.name);
  return Names(names);
}

// The algorithm's letter, or 0 with an error.
char AlgorithmLetter(const CurveEntry& curve, const std::string& name, std::string& error) {
  if (name.empty() && curve.code == 'D') return 'L';
  if (name.empty()) {
    error = "--algorithm is required for --problem " + std::string(curve.name) + " (" + AlgorithmNames(curve) + ")";
    return 0;
  }
  for (const CurveAlgorithm& a : curve.algorithms)
    if (name == a.name) return a.letter;
  error = "--algorithm " + name + " is not offered for --problem " + curve.name + " (" + AlgorithmNames(curve) + ")";
  return 0;
}

std::string CheckCurveChoice(const SolveArgs& args) {
  if (args.problem.empty()) return "--problem NAME is required (max-covering, p-median, fixed-charge, covering-median)";
  const CurveEntry* curve = FindCurve(args.problem);
  if (!curve) return "--problem " + args.problem + ": no such curve (max-covering, p-median, fixed-charge, covering-median)";
  std::string error;
  AlgorithmLetter(*curve, args.algorithm, error);
  if (error.empty() && !args.timing.empty() && args.timing != "every" && args.timing != "last")
    error = "--timing must be every or last";
  return error;
}

std::vector<std::string> CurveOptionsNotApplying(const SolveArgs& args, char code, char letter) {
  std::vector<std::string> warnings;
  const auto ignored = [&](const std::string& option) {
    warnings.push_back(option + " does not apply to this curve; it is ignored");
  };
  if (args.locate && code != 'D') ignored("--locate");
  if (!args.timing.empty() && !(code == 'C' && letter == 'S') && !(code == 'M' && letter != 'M')) ignored("--timing");
  if (args.keepDominated && code != 'C') ignored("--no-dominated-exclusion");
  return warnings;
}

// The run form's choices, as a user makes them on "&Tradeoff Curves".
std::string ApplyCurve(ModelState& m, const SolveArgs& args) {
  const CurveEntry& curve = *FindCurve(args.problem);
  std::string error;
  const char letter = AlgorithmLetter(curve, args.algorithm, error);
  for (const std::string& warning : CurveOptionsNotApplying(args, curve.code, letter)) Warn(warning);
  OpenTradeoff(m);
  ChooseTradeoffProblem(m, curve.code);
  const bool every = args.timing != "last";
  switch (curve.code) {
    case 'C':
      ChooseTradeoffAlgorithm(m, letter);
      SetExcludeDominated(m, !args.keepDominated);
      if (letter == 'S') SetExchangeEveryIteration(m, every);
      return {};
    case 'M':
      ChooseTradeoffAlgorithm(m, letter);
      if (letter != 'M') SetMedianExchangeTiming(m, every);
      return {};
    case 'F':
      ChooseTradeoffAlgorithm(m, letter);
      return {};
    default: {
      if (!args.locate) return "--locate N is required for --problem covering-median";
      const TradeoffCountCheck check = CheckTradeoffCount(m, *args.locate);
      if (check.kind != TradeoffCountCheck::Kind::Accepted)
        return "--locate " + *args.locate + ": " +
               (check.warning.empty() ? std::string("a number is required") : check.warning);
      return {};
    }
  }
}

std::vector<FileOutput> CurveOutputs(const SolveArgs& args) {
  std::vector<FileOutput> outputs;
  if (args.csv && *args.csv != "-") outputs.push_back({"--csv", *args.csv});
  if (args.json && *args.json != "-") outputs.push_back({"--json", *args.json});
  if (!args.tradeoffReportFile.empty()) outputs.push_back({"--report-file", args.tradeoffReportFile});
  return outputs;
}

std::string CheckCurveCommandLine(const SolveArgs& args, LoadRequest& request) {
  std::string error = BuildLoadRequest(args, request);
  if (error.empty()) error = CheckCurveChoice(args);
  if (error.empty() && args.csv && args.json && *args.csv == "-" && *args.json == "-")
    error = "--csv - and --json - would both write to standard output";
  if (error.empty()) error = CheckFileOutputs(CurveOutputs(args));
  return error;
}

std::string LocalTime(std::time_t t, const char* format) {
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, format, &local);
  return text;
}

// This program, as the report file's header names it.
ProgramStamp RunningProgram() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  ProgramStamp stamp{path.string(), "", "", KORVELAN_VERSION_TEXT};
  struct stat status {};
  if (stat(path.c_str(), &status) == 0) {
    stamp.date = LocalTime(status.st_mtime, "%Y-%m-%d");
    stamp.time = LocalTime(status.st_mtime, "%H:%M:%S");
  }
  return stamp;
}

std::string StatusOf(const ModelState& m, RunEnd end) {
  if (end == RunEnd::Fatal) return "fatal";
  return end == RunEnd::Stopped || m.Tradeoff.CurveStopped ? "stopped" : "completed";
}

std::string LocatedSites(const TradeoffPoint& p, const char* separator) {
  std::string text;
  for (int j = 1; j < static_cast<int>(p.PointLocated.size()); ++j)
    if (p.Located(j)) text += (text.empty() ? "" : separator) + std::to_string(j);
  return text;
}

Extended PerDemand(const ModelState& m, Extended x) { return m.TotalDemand != 0 ? x / m.TotalDemand : 0; }

// After a fatal error only the JSON object is written (its status tells).
bool WriteCurveOutputs(const ModelState& m, const SolveArgs& args, const std::string& status) {
  if (status == "fatal")
    return !args.json || Emit(*args.json, TradeoffJson(m, args.algorithm.empty() ? "lagrangian" : args.algorithm, status));
  bool ok = true;
  const bool none = !args.csv && !args.json && args.tradeoffReportFile.empty();
  if (args.csv || none) ok = Emit(args.csv.value_or("-"), TradeoffCsv(m)) && ok;
  if (args.json) ok = Emit(*args.json, TradeoffJson(m, args.algorithm.empty() ? "lagrangian" : args.algorithm, status)) && ok;
  if (!args.tradeoffReportFile.empty()) {
    const std::string refusal = TradeoffFileRefusal(m);
    if (!refusal.empty()) {
      Complain("--report-file " + args.tradeoffReportFile + ": " + refusal);
      return false;
    }
    ok = Emit(args.tradeoffReportFile, TradeoffFileText(m, RunningProgram())) && ok;
  }
  return ok;
}

}  // namespace

std::string TradeoffJson(const ModelState& m, const std::string& algorithm, const std::string& status) {
  std::string text = "{\n  \"problem\": " + Quoted(std::string(1, m.ProblemCode)) + ",\n  \"algorithm\": " +
                     Quoted(algorithm) + ",\n  \"status\": " + Quoted(status) + ",\n  \"points\": [";
  std::string points;
  const auto add = [&](const std::string& point) { points += (points.empty() ? "\n    " : ",\n    ") + point; };
  if (m.ProblemCode == 'D') {
    for (const TradeoffPoint& p : m.Tradeoff.TradeoffList)
      add("{\"weighted_distance\": " + Real(p.FirstValue) + ", \"average_distance\": " + Real(PerDemand(m, p.FirstValue)) +
          ", \"covered_demand\": " + Real(p.SecondValue) + ", \"weight\": " + Real(p.PointWeight) + ", \"located\": [" +
          LocatedSites(p, ", ") + "]}");
  } else {
    for (int k = m.Tradeoff.FirstCurveCount; k <= m.NumLocated; ++k)
      add("{\"facilities\": " + std::to_string(k) + ", \"value\": " + Real(m.CostByCount[k]) + "}");
  }
  text += points + (points.empty() ? "]" : "\n  ]");
  if (m.ProblemCode == 'D') {
    const TradeoffSettings& t = m.Tradeoff;
    text += ",\n  \"icp\": " + Real(t.CurrentICP) + ",\n  \"icp_normalized\": " + Real(t.CurrentICPNormalized) +
            ",\n  \"ipf\": " + Real(t.CurrentIPF) + ",\n  \"ipf_normalized\": " + Real(t.CurrentIPFNormalized) +
            ",\n  \"weighted_median_runs\": " + std::to_string(t.WeightedMedianRuns);
  }
  return text + "\n}\n";
}

std::string TradeoffCsv(const ModelState& m) {
  if (m.ProblemCode != 'D') {
    std::string text = "facilities,value\n";
    for (int k = m.Tradeoff.FirstCurveCount; k <= m.NumLocated; ++k)
      text += std::to_string(k) + "," + Real(m.CostByCount[k]) + "\n";
    return text;
  }
  std::string text = "weighted_distance,average_distance,covered_demand,weight,located\n";
  for (const TradeoffPoint& p : m.Tradeoff.TradeoffList)
    text += Real(p.FirstValue) + "," + Real(PerDemand(m, p.FirstValue)) + "," + Real(p.SecondValue) + "," +
            Real(p.PointWeight) + "," + LocatedSites(p, " ") + "\n";
  return text;
}

int RunTradeoff(const SolveArgs& args) {
  ModelState m;
  CliRunHost host(m, args.progress);
  LoadRequest request;
  std::string error = CheckCurveCommandLine(args, request);
  if (error.empty()) error = LoadAndSetParameters(m, host, args, request);
  if (error.empty()) error = ApplyCurve(m, args);
  if (error.empty()) error = ApplySettings(m, host, args);
  if (!error.empty()) {
    Complain(error);
    return ExitBadInput;
  }
  const StopOnInterrupt interrupt(m);
  // Ctrl-C stops a heuristic curve between facility counts, as the heuristic
  // progress window's abort button does.
  host.onPause = [&m] {
    if (m.AbortRequested && m.SolutionClass != 2) m.HeuristicAbort = 1;
  };
  const RunEnd end = ExecuteTradeoff(m, host);
  const std::string status = StatusOf(m, end);
  if (!WriteCurveOutputs(m, args, status)) return ExitBadInput;
  if (end == RunEnd::Fatal) return ExitFatal;
  return status == "stopped" ? ExitStopped : ExitCompleted;
}

}  // namespace korvelan::cli
