#include <gtest/gtest.h>

#include "reports/GeneticParameters.h"
#include "setup/SettingsRegistry.h"

using namespace korvelan;

namespace {

SettingOutcome Enter(ModelState& m, const std::string& name, const std::string& text) {
  const SettingDef* def = Settings().Find(name, FamiliesOfProblem('M'));
  EXPECT_NE(def, nullptr) << name;
  return def ? ApplySettingText(m, *def, text) : SettingOutcome{};
}

}  // namespace

TEST(GeneticSettings, TableChecksEveryRangeWithTheFormsMessages) {
  struct Case { const char* name; const char* text; bool stored; const char* message; };
  const Case cases[] = {
      {"PopSize", "19", false, "Invalid Parameter Value.  Must have 20 <= X <= 250"},
      {"InitPopSize", "49", false, "Invalid Parameter Value.  Must have 50 <= X <= 300"},
      {"Generations", "0", false, "Invalid Parameter Value.  Must have 1 <= X <= 1000"},
      {"GenNoImp", "0", true, ""},
      {"Compatibility", "0.51", false, "Invalid Parameter Value.  Must have 0.00 <= X <= 0.50"},
      {"Dates", "11", false, "Invalid Parameter Value.  Must have 1 <= X <= 10"},
      {"MutationProb", "x", false, "Conversion Error"},
      {"RandomNoSeed", "-2147483647", true, ""},
      {"RandomNoSeed", "2147483648", false, "Invalid Parameter Value.  Must have -2147483647 <= X <= 2147483647"},
      {"ImproveNumber", "51", false, "Invalid Parameter Value.  Must have 0 <= X <= 50"},
      {"ImpType", "E", true, ""},
      {"FatherSelection", "X", false, "Invalid Parameter Value.  Must be one of RF"},
      {"TargetEdit", "2e30", false, "Invalid Parameter Value.  Must have -1.000000000E+30 <= X <= 1.000000000E+30"},
  };
  for (const Case& c : cases) {
    ModelState m;
    const SettingOutcome outcome = Enter(m, c.name, c.text);
    EXPECT_EQ(outcome.stored, c.stored) << c.name << " " << c.text;
    EXPECT_EQ(outcome.message, c.message) << c.name << " " << c.text;
  }
}

TEST(GeneticSettings, PopulationSizePullsItsDependentsAlong) {
  ModelState m;
  m.Genetic.ImproveNumber = 40;
  ASSERT_TRUE(Enter(m, "PopSize", "30").stored);
  EXPECT_EQ(m.Genetic.InitPopSize, 150);
  EXPECT_EQ(m.Genetic.Dates, 6);
  EXPECT_EQ(m.Genetic.ImproveNumber, 30);
  ASSERT_TRUE(Enter(m, "PopSize", "200").stored);
  EXPECT_EQ(m.Genetic.InitPopSize, 200);
  EXPECT_EQ(m.Genetic.Dates, 6);
  EXPECT_EQ(m.Genetic.ImproveNumber, 30);
}

TEST(GeneticSettings, NewLoadKeepsTheTargetAndRestoringDefaultsDoesNot) {
  ModelState m;
  m.Genetic.PopSize = 70;
  m.Genetic.GAUseTarget = 1;
  m.Genetic.TargetEdit = 500;
  ResetModel(m);
  EXPECT_EQ(m.Genetic.PopSize, 50);
  EXPECT_EQ(m.Genetic.GAUseTarget, 1);
  EXPECT_EQ(m.Genetic.TargetEdit, 500);
  Settings().RestoreDefaults(m, "genetic");
  EXPECT_EQ(m.Genetic.GAUseTarget, 0);
  EXPECT_EQ(m.Genetic.TargetEdit, 0);
  const MedianGASettings defaults;
  EXPECT_EQ(m.Genetic.InitPopSize, defaults.InitPopSize);
  EXPECT_EQ(m.Genetic.Compatibility, defaults.Compatibility);
  EXPECT_EQ(m.Genetic.RandomNoSeed, 9873573);
}

TEST(GeneticSettings, ParametersReportShowsTheSettingsAndTheRun) {
  ModelState m;
  m.Genetic.ImpType = 'E';
  m.Genetic.FatherSelection = 'R';
  m.Genetic.GAUseTarget = 1;
  m.Genetic.TargetEdit = 1234.5L;
  m.GeneticRun = {17, 100.25, 112.5};
  m.DemandWeightedDistance = 12345;
  m.TotalDemand = 1000;
  const GeneticParameterReport report = BuildGeneticParameterReport(m);
  std::vector<std::string> lines;
  for (const auto* rows : {&report.settings, &report.results})
    for (const ResultRow& row : *rows) lines.push_back(row.label + "=" + row.value);
  const std::vector<std::string> expected = {
      "Population Size=50", "Initial Population Size=150", "Max # of Generations=200",
      "# Generations W/o Improvement=50", "Min Compatibility=0.100000", "Number of Dates=10",
      "Mutation Probability=0.250000", "Random No. Seed=9873573", "Number to Improve=0",
      "GA Improvement Type=Exchange Search", "Father Selection Rule=Rank", "Date Selection Rule=Fitness",
      "Target Value Used:=1,234.500", "Solution Time (Sec.)=12.25", "Actual # Iterations=17",
      "Total Distance=12,345.0000", "Average Distance=12.3450000"};
  EXPECT_EQ(lines, expected);
}
