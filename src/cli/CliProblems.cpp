#include "CliProblems.h"

#include <utility>
#include <vector>

#include "setup/RunModels.h"
#include "setup/RunRules.h"

namespace korvelan::cli {
namespace {

using NamedLetter = std::pair<const char*, char>;

// Chooses the algorithm named on the command line among those the model offers.
std::string ChooseNamedAlgorithm(ModelState& m, const SolveArgs& args, const std::vector<NamedLetter>& offered) {
  std::string names;
  for (const auto& [name, letter] : offered) {
    if (args.algorithm == name) {
      ChooseAlgorithm(m, letter);
      return {};
    }
    names += (names.empty() ? "" : ", ") + std::string(name);
  }
  if (args.algorithm.empty()) return "--algorithm is required for --problem " + args.problem + " (" + names + ")";
  return "--algorithm " + args.algorithm + " is not offered for --problem " + args.problem + " (" + names + ")";
}

// Only the one method of the model (or its own name) is accepted.
std::string OnlyMethod(const SolveArgs& args, const char* method) {
  if (args.algorithm.empty() || args.algorithm == method) return {};
  return "--problem " + args.problem + " is solved by " + method + " only";
}

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
  std::string error =
      ChooseNamedAlgorithm(m, args, {{"greedy", 'G'}, {"greedy-substitution", 'S'}, {"lagrangian", 'L'}});
  if (error.empty()) error = EnterLocate(m, args);
  bool every = true;
  if (error.empty()) error = Timing(args, every);
  m.ExchangeEveryIteration = every;
  m.Covering.ExcludeDominatedNodes = !args.keepDominated;
  return error;
}

std::string PMedian(ModelState& m, const SolveArgs& args) {
  std::string error = ChooseNamedAlgorithm(
      m, args, {{"myopic", 'M'}, {"exchange", 'E'}, {"neighborhood", 'N'}, {"lagrangian", 'L'}, {"genetic", 'T'}});
  if (error.empty()) error = EnterLocate(m, args);
  bool every = true;
  if (error.empty()) error = Timing(args, every);
  m.MedianTiming = every ? 'E' : 'L';
  return error;
}

std::string FixedCharge(ModelState& m, const SolveArgs& args) {
  std::string error = ChooseNamedAlgorithm(
      m, args, {{"add", 'A'}, {"drop", 'D'}, {"exchange", 'E'}, {"neighborhood", 'N'}, {"lagrangian", 'L'}});
  m.AddFirst = args.firstStep == "drop" ? 'D' : 'A';
  if (error.empty()) error = EnterLocate(m, args);
  return error;
}

std::string SetCovering(ModelState&, const SolveArgs& args) { return OnlyMethod(args, "lagrangian"); }

std::string PCenter(ModelState& m, const SolveArgs& args) {
  std::string error = OnlyMethod(args, "lagrangian");
  if (error.empty()) error = EnterLocate(m, args);
  if (error.empty()) error = EnterEstimates(m, args);
  return error;
}

std::string PartialSetCovering(ModelState& m, const SolveArgs& args) {
  std::string error = OnlyMethod(args, "lagrangian");
  if (error.empty()) error = EnterPartialTarget(m, args);
  return error;
}

std::string PartialPCenter(ModelState& m, const SolveArgs& args) {
  std::string error = PCenter(m, args);
  if (error.empty()) error = EnterPartialTarget(m, args);
  m.DoWeightedFlag = args.weighted;
  return error;
}

std::string Inventory(ModelState& m, const SolveArgs& args) {
  std::string error = OnlyMethod(args, "lagrangian");
  if (error.empty()) error = EnterLocate(m, args);
  return error;
}

const ProblemEntry kProblems[] = {
    {"max-covering", 'C', MaxCovering},
    {"p-median", 'M', PMedian},
    {"fixed-charge", 'F', FixedCharge},
    {"set-covering", 'S', SetCovering},
    {"p-center", 'P', PCenter},
    {"partial-set-covering", '&', PartialSetCovering},
    {"partial-p-center", '%', PartialPCenter},
    {"inventory", 'V', Inventory},
};

}  // namespace

const ProblemEntry* FindProblem(const std::string& name) {
  for (const ProblemEntry& entry : kProblems)
    if (name == entry.name) return &entry;
  return nullptr;
}

std::string ProblemNames() {
  std::string names;
  for (const ProblemEntry& entry : kProblems) names += (names.empty() ? "" : ", ") + std::string(entry.name);
  return names;
}

}  // namespace korvelan::cli
