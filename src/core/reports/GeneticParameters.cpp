#include "reports/GeneticParameters.h"

#include <string>

#include "solve/TextFormat.h"

namespace korvelan {
namespace {

ResultRow Row(std::string label, std::string value) { return {std::move(label), std::move(value), "", false}; }
std::string Whole(long long value) { return std::to_string(value); }
std::string Rule(char letter) { return letter == 'R' ? "Rank" : "Fitness"; }
std::string Distance(Extended value) { return FormatNumber(value, 12, DecimalsFor(10, value)); }

}  // namespace

GeneticParameterReport BuildGeneticParameterReport(const ModelState& m) {
  const MedianGASettings& s = m.Genetic;
  GeneticParameterReport report;
  report.settings = {
      Row("Population Size", Whole(s.PopSize)),
      Row("Initial Population Size", Whole(s.InitPopSize)),
      Row("Max # of Generations", Whole(s.Generations)),
      Row("# Generations W/o Improvement", Whole(s.GenNoImp)),
      Row("Min Compatibility", FormatNumber(s.Compatibility, 8, 6)),
      Row("Number of Dates", Whole(s.Dates)),
      Row("Mutation Probability", FormatNumber(s.MutationProb, 8, 6)),
      Row("Random No. Seed", Whole(s.RandomNoSeed)),
      Row("Number to Improve", Whole(s.ImproveNumber)),
      Row("GA Improvement Type", s.ImpType == 'E' ? "Exchange Search" : "Neighborhood Search"),
      Row("Father Selection Rule", Rule(s.FatherSelection)),
      Row("Date Selection Rule", Rule(s.DateSelection)),
      Row(s.GAUseTarget ? "Target Value Used:" : "Target Value NOT Used:", FormatNumber(s.TargetEdit, 10, 3)),
  };
  const MedianGARunRecord& run = m.GeneticRun;
  const Extended average = m.TotalDemand > 0 ? m.DemandWeightedDistance / m.TotalDemand : 0;
  report.results = {
      Row("Solution Time (Sec.)", FormatNumber(run.GAEndTime - run.GAStartTime, 13, 2)),
      Row("Actual # Iterations", Whole(run.GAGeneration)),
      Row("Total Distance", Distance(m.DemandWeightedDistance)),
      Row("Average Distance", Distance(average)),
  };
  return report;
}

}  // namespace korvelan
