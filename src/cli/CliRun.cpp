#include "CliRun.h"

#include "CliSetup.h"

#include <chrono>
#include <iostream>
#include <map>

#include "CliHost.h"
#include "CliJson.h"
#include "CliProblems.h"
#include "data/AtomicFile.h"
#include "data/DataLoad.h"
#include "map/GeoJson.h"
#include "reports/BasicResults.h"
#include "reports/SolutionReports.h"
#include "setup/InitialSolutionRules.h"
#include "setup/NumberText.h"
#include "setup/ParameterRules.h"
#include "setup/RunModels.h"
#include "setup/SettingsRegistry.h"
#include "solve/NodeFiles.h"
#include "solve/TextFormat.h"

namespace korvelan::cli {

void Complain(const std::string& text) { std::cerr << "korvelan-cli: " << OneLine(text) << "\n"; }
void Warn(const std::string& text) { std::cerr << "korvelan-cli: warning: " << OneLine(text) << "\n"; }

namespace {

char MetricFromName(const std::string& name) {
  if (name == "euclidean") return 'E';
  if (name == "great-circle") return 'G';
  if (name == "manhattan") return 'M';
  if (name == "network") return 'N';
  return 0;
}

char MetricFromExtension(const std::string& file) {
  const std::string ext = FileExtension(file);
  if (file.size() < 4 || file[file.size() - 4] != '.') return 0;
  if (ext == "EUC") return 'E';
  if (ext == "GRT") return 'G';
  if (ext == "MAN") return 'M';
  if (ext == "NET") return 'N';
  return 0;
}

}  // namespace

std::string BuildLoadRequest(const SolveArgs& args, LoadRequest& request) {
  if (args.demandFile.empty()) return "--demand FILE is required";
  request.DemandFileName = args.demandFile;
  request.MetricCode = args.metric.empty() ? MetricFromExtension(args.demandFile) : MetricFromName(args.metric);
  if (!args.metric.empty() && request.MetricCode == 0)
    return "--metric must be euclidean, great-circle, manhattan or network";
  if (request.MetricCode == 0)
    return "the extension of " + args.demandFile + " does not name a metric (.euc, .grt, .man, .net): give --metric";
  if (request.MetricCode == 'N' && args.distancesFile.empty()) return "network data need --distances FILE";
  request.ExtraSitesFileName = args.sitesFile;
  request.CircleSites = args.circlePoints;
  request.DistanceFileName = args.distancesFile;
  request.ComputeDistances = args.distancesFile.empty();
  request.UseKilometers = args.kilometres && request.MetricCode == 'G';
  if (args.kilometres && !request.UseKilometers) Warn("--km applies to great-circle data only; it is ignored");
  if (args.weight) {
    const std::optional<Extended> w = ParseRealNumber(*args.weight);
    if (!w || *w < 0 || *w > 1) return "--weight " + *args.weight + ": must have 0 <= W <= 1";
    request.DemandWeight = static_cast<double>(*w);
  }
  return {};
}

namespace {

// The load form's rules: a file it refuses is bad input; a candidate-site file
// it ignores is dropped with the form's message.
std::string ApplyLoadRules(LoadRequest& request, RunHost& host) {
  const LoadRulesOutcome rules = ApplyLoadFormRules(request);
  if (!rules.notice.empty()) host.Warning(rules.notice);
  return rules.error;
}

std::string SetParameters(ModelState& m, const SolveArgs& args) {
  if (!args.coverage) return "--coverage D is required";
  if (!args.costPerMile) return "--cost-per-mile C is required";
  std::string error = EnterCoverageDistance(m, *args.coverage);
  if (!error.empty()) return "--coverage " + *args.coverage + ": " + error;
  error = EnterCostPerMile(m, *args.costPerMile, EntryForm::Parameters);
  if (!error.empty()) return "--cost-per-mile " + *args.costPerMile + ": " + error;
  return {};
}

std::string ReadSiteFiles(ModelState& m, RunHost& host, const SolveArgs& args) {
  if (!args.statusFile.empty()) {
    if (!ReadNodeFile(m, host, 'F', args.statusFile)) return "the status file " + args.statusFile + " was not read";
    m.CoverStateChanged = 1;
  }
  if (!args.initialFile.empty()) {
    if (!ReadNodeFile(m, host, 'I', args.initialFile)) return "the initial solution " + args.initialFile + " was not read";
    m.InitialSolutionFileName = args.initialFile;
    m.CoverStateChanged = 1;
    const std::string skipped = DropExcludedInitialSites(m);
    if (!skipped.empty()) host.Warning(skipped);
  }
  CountStatuses(m);
  return {};
}

}  // namespace

std::string LoadAndSetParameters(ModelState& m, RunHost& host, const SolveArgs& args, LoadRequest& request) {
  std::string error = ApplyLoadRules(request, host);
  if (error.empty()) error = LoadDataSet(m, request);
  if (error.empty()) error = SetParameters(m, args);
  if (error.empty()) error = ReadSiteFiles(m, host, args);
  if (error.empty()) {
    const ConfirmResult confirmed = ConfirmParameters(m);
    if (!confirmed.ok) error = confirmed.message;
  }
  return error;
}

namespace {

bool FamilyApplies(const ModelState& m, const SettingDef& def) {
  for (const std::string& family : FamiliesOfProblem(m.ProblemCode))
    if (family == def.family) return true;
  return false;
}

}  // namespace

std::string ApplySettings(ModelState& m, RunHost& host, const SolveArgs& args) {
  std::map<const SettingDef*, std::string> given;
  for (const std::string& assignment : args.settings) {
    const size_t equals = assignment.find('=');
    if (equals == std::string::npos) return "--set " + assignment + ": write NAME=VALUE";
    const std::string name = assignment.substr(0, equals), value = assignment.substr(equals + 1);
    const SettingDef* def = Settings().Find(name, FamiliesOfProblem(m.ProblemCode));
    if (!def) return "--set " + assignment + ": no setting is called " + name;
    if (!FamilyApplies(m, *def)) {
      Warn("--set " + assignment + ": a setting of the " + def->family + " models does not apply to --problem " +
           args.problem + "; it is ignored");
      continue;
    }
    const auto [before, first] = given.emplace(def, value);
    if (!first && before->second != value)
      return "--set " + assignment + ": " + def->name + " is given twice with different values (" + before->second +
             " and " + value + ")";
    if (!first) Warn("--set " + assignment + " is given more than once");
    const SettingOutcome outcome = ApplySettingText(m, *def, value);
    if (!outcome.stored) return "--set " + assignment + ": " + outcome.message;
    if (!outcome.message.empty()) host.Warning(outcome.message);
  }
  return {};
}

namespace {

std::string ReportText(const ModelState& m) {
  std::string text = "BASIC RESULTS SUMMARY FORM\n\n";
  for (const std::string& line : BasicResultsPrintLines(BuildBasicResults(m))) text += line + "\n";
  const ListReport locations = LocationSummary(m);
  text += "\n" + locations.printTitle + "\n\n" + locations.sections[0].heading + "\n";
  for (const std::string& line : locations.sections[0].lines) text += line + "\n";
  return text;
}

}  // namespace

// Writes to standard output ("-" or no file) or to a file (see WriteFileAtomically).
bool Emit(const std::string& target, const std::string& text) {
  if (target.empty() || target == "-") {
    std::cout << text << std::flush;
    return true;
  }
  const std::string failure = WriteFileAtomically(target, text);
  if (!failure.empty()) Complain(failure);
  return failure.empty();
}

namespace {

const char* StatusWord(RunEnd end) {
  switch (end) {
    case RunEnd::Completed: return "completed";
    case RunEnd::Stopped: return "stopped";
    default: return "fatal";
  }
}

bool WriteOutputs(ModelState& m, RunHost& host, const SolveArgs& args, RunEnd end, double seconds) {
  bool ok = true;
  if (end != RunEnd::Fatal) {
    ok = Emit(args.report.value_or("-"), ReportText(m)) && ok;
    if (!args.solutionFile.empty()) ok = WriteNodeFile(m, host, 'N', args.solutionFile) && ok;
    if (args.geojson) ok = Emit(*args.geojson, GeoJsonText(m)) && ok;
  }
  if (args.json) ok = Emit(*args.json, RunSummaryJson(m, {args.algorithm, StatusWord(end), seconds})) && ok;
  return ok;
}

std::vector<FileOutput> FileOutputs(const SolveArgs& args) {
  std::vector<FileOutput> outputs;
  if (args.report && *args.report != "-") outputs.push_back({"--report", *args.report});
  if (!args.solutionFile.empty()) outputs.push_back({"--solution", args.solutionFile});
  if (args.json && *args.json != "-") outputs.push_back({"--json", *args.json});
  if (args.geojson && *args.geojson != "-") outputs.push_back({"--geojson", *args.geojson});
  return outputs;
}

}  // namespace

std::string CheckFileOutputs(const std::vector<FileOutput>& outputs) {
  for (size_t a = 0; a < outputs.size(); ++a)
    for (size_t b = a + 1; b < outputs.size(); ++b)
      if (SameReplacedFile(outputs[a].path, outputs[b].path))
        return outputs[a].option + " " + outputs[a].path + " and " + outputs[b].option + " " + outputs[b].path +
               " name the same file";
  for (const FileOutput& output : outputs) {
    const std::string problem = WriteTargetProblem(output.path);
    if (!problem.empty()) return output.option + " " + output.path + ": " + problem;
  }
  return {};
}

namespace {

// Before anything is read or solved: no two outputs replace the same file, and
// every output can be written where it is to go.
std::string CheckOutputs(const SolveArgs& args) { return CheckFileOutputs(FileOutputs(args)); }

// The checks of the command line itself, made before any file is read.
std::string CheckCommandLine(const SolveArgs& args, LoadRequest& request) {
  std::string error = BuildLoadRequest(args, request);
  if (error.empty()) error = CheckModelChoice(args);
  if (error.empty()) error = CheckOutputs(args);
  if (error.empty())
    for (const std::string& warning : OptionsNotApplying(args)) Warn(warning);
  return error;
}

}  // namespace

int RunSolve(const SolveArgs& args) {
  ModelState m;
  CliRunHost host(m, args.progress);
  LoadRequest request;
  std::string error = CheckCommandLine(args, request);
  if (error.empty()) error = LoadAndSetParameters(m, host, args, request);
  if (error.empty()) error = ApplyModel(m, args);
  if (error.empty()) error = ApplySettings(m, host, args);
  if (!error.empty()) {
    Complain(error);
    return ExitBadInput;
  }
  const StopOnInterrupt interrupt(m);
  const auto start = std::chrono::steady_clock::now();
  const RunEnd end = ExecuteRun(m, host);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!WriteOutputs(m, host, args, end, seconds)) return ExitBadInput;
  if (end == RunEnd::Fatal) return ExitFatal;
  return end == RunEnd::Stopped ? ExitStopped : ExitCompleted;
}

}  // namespace korvelan::cli
