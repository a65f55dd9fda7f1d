#include "CliProblems.h"

#include <vector>

#include "invloc/InvLocModel.h"
#include "setup/RunModels.h"
#include "setup/RunRules.h"

namespace korvelan::cli {
namespace {

std::string EnterLocate(ModelState& m, const SolveArgs& args) {
  if (!args.locate) return "--locate is required for --problem " + args.problem;
  const FieldResult r = EnterNumberToLocate(m, *args.locate);
  return r.accepted ? std::string() : "--locate " + *args.locate + ": " + r.message;
}

// "every" / "last" for the step after each facility; empty keeps the default (every).
std::string Timing(const SolveArgs& args, bool& every) {
  every = args.timing != "last";
  if (args.timing.empty() || args.timing == "every" || args.timing == "last") return {};
  return "--timing must be every or last";
}

std::string EnterPartialTarget(ModelState& m, const SolveArgs& args) {
  if (args.coverFraction.has_value() == args.coverNodes.has_value())
    return "--problem " + args.problem + " needs one of --cover-fraction F or --cover-nodes N";
  ChooseCoverType(m, args.coverFraction ? 'F' : 'N');
  const std::string text = args.coverFraction ? *args.coverFraction : *args.coverNodes;
  const FieldResult r = EnterCoverAmount(m, text);
  return r.accepted ? std::string() : (args.coverFraction ? "--cover-fraction " : "--cover-nodes ") + text + ": " + r.message;
}

std::string EnterEstimates(ModelState& m, const SolveArgs& args) {
  EstimateEntries entries;
  if (args.upperEstimate) {
    const FieldResult r = EnterUpperEstimate(m, entries, *args.upperEstimate);
    if (!r.accepted) return "--upper-estimate " + *args.upperEstimate + ": " + r.message;
  }
  if (args.lowerEstimate) {
    const FieldResult r = EnterLowerEstimate(m, entries, *args.lowerEstimate);
    if (!r.accepted) return "--lower-estimate " + *args.lowerEstimate + ": " + r.message;
  }
  return {};
}

std::string MaxCovering(ModelState& m, const SolveArgs& args) {
  std::string error = EnterLocate(m, args);
  bool every = true;
  if (error.empty()) error = Timing(args, every);
  m.ExchangeEveryIteration = every;
  m.Covering.ExcludeDominatedNodes = !args.keepDominated;
  return error;
}

std::string PMedian(ModelState& m, const SolveArgs& args) {
  std::string error = EnterLocate(m, args);
  bool every = true;
  if (error.empty()) error = Timing(args, every);
  m.MedianTiming = every ? 'E' : 'L';
  return error;
}

std::string FixedCharge(ModelState& m, const SolveArgs& args) {
  m.AddFirst = args.firstStep == "drop" ? 'D' : 'A';
  return EnterLocate(m, args);
}

std::string SetCovering(ModelState&, const SolveArgs&) { return {}; }

std::string PCenter(ModelState& m, const SolveArgs& args) {
  std::string error = EnterLocate(m, args);
  if (error.empty()) error = EnterEstimates(m, args);
  return error;
}

std::string PartialSetCovering(ModelState& m, const SolveArgs& args) {
  return EnterPartialTarget(m, args);
}

std::string PartialPCenter(ModelState& m, const SolveArgs& args) {
  std::string error = PCenter(m, args);
  if (error.empty()) error = EnterPartialTarget(m, args);
  m.DoWeightedFlag = args.weighted;
  return error;
}

std::string Inventory(ModelState& m, const SolveArgs& args) {
  std::string error = EnterLocate(m, args);
  if (error.empty() && args.plants) {
    const std::string refused = SelectPlantCities(m, *args.plants);
    if (!refused.empty()) error = "--plant " + *args.plants + ": " + refused;
  }
  return error;
}

// What the batch program solves.
const ProblemEntry kProblems[] = {
    {"max-covering", 'C', {{"greedy", 'G'}, {"greedy-substitution", 'S'}, {"lagrangian", 'L'}},
     nullptr, MaxCovering},
    {"p-median", 'M',
     {{"myopic", 'M'}, {"exchange", 'E'}, {"neighborhood", 'N'}, {"lagrangian", 'L'},
      {"genetic", 'T'}},
     nullptr, PMedian},
    {"fixed-charge", 'F',
     {{"add", 'A'}, {"drop", 'D'}, {"exchange", 'E'}, {"neighborhood", 'N'},
      {"lagrangian", 'L'}},
     nullptr, FixedCharge},
    {"set-covering", 'S', {}, "lagrangian", SetCovering},
    {"p-center", 'P', {}, "lagrangian", PCenter},
    {"partial-set-covering", '&', {}, "lagrangian", PartialSetCovering},
    {"partial-p-center", '%', {}, "lagrangian", PartialPCenter},
    {"inventory", 'V', {}, "lagrangian", Inventory},
};

// The model-specific options and the models (problem codes) they apply to.
struct OptionScope {
  const char* option;
  bool (*given)(const SolveArgs&);
  const char* problemCodes;
};

const OptionScope kScopes[] = {
    {"--locate", [](const SolveArgs& a) { return a.locate.has_value(); }, "CMFP%V"},
    {"--timing", [](const SolveArgs& a) { return !a.timing.empty(); }, "CM"},
    {"--add-first", [](const SolveArgs& a) { return a.firstStep == "add"; }, "F"},
    {"--drop-first", [](const SolveArgs& a) { return a.firstStep == "drop"; }, "F"},
    {"--no-dominated-exclusion", [](const SolveArgs& a) { return a.keepDominated; }, "C"},
    {"--cover-fraction", [](const SolveArgs& a) { return a.coverFraction.has_value(); }, "&%"},
    {"--cover-nodes", [](const SolveArgs& a) { return a.coverNodes.has_value(); }, "&%"},
    {"--upper-estimate", [](const SolveArgs& a) { return a.upperEstimate.has_value(); }, "P%"},
    {"--lower-estimate", [](const SolveArgs& a) { return a.lowerEstimate.has_value(); }, "P%"},
    {"--weighted", [](const SolveArgs& a) { return a.weighted; }, "%"},
    {"--plant", [](const SolveArgs& a) { return a.plants.has_value(); }, "V"},
};

std::string AlgorithmChoice(const SolveArgs& args, const ProblemEntry& entry) {
  if (entry.algorithms.empty()) {
    if (args.algorithm.empty() || args.algorithm == entry.method) return {};
    return "--problem " + args.problem + " is solved by " + entry.method + " only";
  }
  std::string names;
  for (const AlgorithmEntry& algorithm : entry.algorithms) {
    if (args.algorithm == algorithm.name)
      return {};
    names += (names.empty() ? "" : ", ") + std::string(algorithm.name);
  }
  if (args.algorithm.empty()) return "--algorithm is required for --problem " + args.problem + " (" + names + ")";
  return "--algorithm " + args.algorithm + " is not offered for --problem " + args.problem + " (" + names + ")";
}

}  // namespace

const ProblemEntry* FindProblem(const std::string& name) {
  for (const ProblemEntry& entry : kProblems)
    if (name == entry.name) return &entry;
  return nullptr;
}

std::string ApplyModel(ModelState& m, const SolveArgs& args) {
  const ProblemEntry* entry = FindProblem(args.problem);
  RestoreDemands(m);
  OpenRunModels(m);
  ChooseProblem(m, entry->code);
  for (const AlgorithmEntry& algorithm : entry->algorithms)
    if (args.algorithm == algorithm.name) ChooseAlgorithm(m, algorithm.letter);
  return entry->apply(m, args);
}

std::string CheckModelChoice(const SolveArgs& args) {
  if (args.problem.empty()) return "--problem is required (" + ProblemNames() + ")";
  const ProblemEntry* entry = FindProblem(args.problem);
  if (!entry) return "--problem " + args.problem + " is unknown (" + ProblemNames() + ")";
  return AlgorithmChoice(args, *entry);
}

std::vector<std::string> OptionsNotApplying(const SolveArgs& args) {
  std::vector<std::string> warnings;
  const ProblemEntry* entry = FindProblem(args.problem);
  if (!entry) return warnings;
  for (const OptionScope& scope : kScopes)
    if (scope.given(args) && std::string(scope.problemCodes).find(entry->code) == std::string::npos)
      warnings.push_back(std::string(scope.option) + " does not apply to --problem " + args.problem + "; it is ignored");
  return warnings;
}

std::string ProblemNames() {
  std::string names;
  for (const ProblemEntry& entry : kProblems) names += (names.empty() ? "" : ", ") + std::string(entry.name);
  return names;
}

}  // namespace korvelan::cli
