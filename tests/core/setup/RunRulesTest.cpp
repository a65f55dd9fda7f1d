#include <gtest/gtest.h>

#include "../covering/CoveringTestModels.h"
#include "setup/ParameterRules.h"
#include "setup/RunModels.h"
#include "setup/RunRules.h"

using namespace korvelan;

namespace {

// 40 nodes: 2 required, 1 initial, 5 excluded.
ModelState FortyNodes(char problem, uint8_t solutionClass, char fixedAlgorithm = 'A') {
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 40;
  m.Node(1).SiteStatus = m.Node(2).SiteStatus = StatusRequired;
  m.Node(3).InInitialSolution = 1;
  for (int j = 10; j < 15; ++j) m.Node(j).SiteStatus = StatusExcluded;
  m.ProblemCode = problem;
  m.SolutionClass = solutionClass;
  m.FixedAlgorithm = fixedAlgorithm;
  return m;
}

struct LocateCase {
  char problem;
  uint8_t solutionClass;
  char fixedAlgorithm;
  const char* text;
  bool accepted;
  int stored;
  const char* message;
};

}  // namespace

TEST(RunRules, NumberToLocateLimits) {
  const LocateCase cases[] = {
      {'M', 0, 'A', "3", true, 3, ""},
      {'M', 0, 'A', "35", true, 35, ""},
      {'M', 0, 'A', "2", false, 3, "Invalid number of facilities to locate.  Must have 3 <= X <= 35"},
      {'M', 0, 'A', "36", false, 3, "Invalid number of facilities to locate.  Must have 3 <= X <= 35"},
      {'M', 2, 'A', "2", true, 2, ""},
      {'M', 0, 'A', "-1", false, 3, "Invalid number of facilities to locate.  Must have 3 <= X <= 35"},
      {'M', 0, 'A', "2x", false, 3, "Invalid numeric input"},
      {'F', 0, 'A', "-1", true, -1, ""},
      {'F', 0, 'A', "0", false, 3, "Invalid number of facilities to locate.  Must have -1 or 3 <= X <= 35"},
      {'F', 0, 'D', "2", true, 2, ""},
      {'V', 2, 'L', "-1", true, -1, ""},
  };
  for (const LocateCase& c : cases) {
    ModelState m = FortyNodes(c.problem, c.solutionClass, c.fixedAlgorithm);
    const FieldResult r = EnterNumberToLocate(m, c.text);
    EXPECT_EQ(r.accepted, c.accepted) << c.problem << " " << c.text;
    EXPECT_EQ(r.message, c.message) << c.problem << " " << c.text;
    const int stored = (c.problem == 'F' || c.problem == 'V') ? m.FixedNumberToLocate : m.NumberToLocate;
    EXPECT_EQ(stored, c.stored) << c.problem << " " << c.text;
    EXPECT_EQ(r.fieldText, std::to_string(c.stored));
  }
  ModelState m = FortyNodes('M', 0);
  m.NumberToLocate = 7;
  EXPECT_FALSE(EnterNumberToLocate(m, "").accepted);
  EXPECT_EQ(m.NumberToLocate, 7);
}

TEST(RunRules, CoverAmount) {
  struct Case {
    char type;
    const char* text;
    bool accepted;
    const char* message;
  };
  const Case cases[] = {
      {'F', "1.5", false, "Invalid fraction.  Must have 0 < X <= 1"},
      {'F', "0", false, "Invalid fraction.  Must have 0 < X <= 1"},
      {'F', "1", true, ""},
      {'F', "0.25", true, ""},
      {'F', "x", false, "Invalid numeric input"},
      {'N', "12", true, ""},
      {'N', "13", false, "Invalid number of nodes to cover.  Must have 1 <= X <= 12"},
      {'N', "1.5", false, "Invalid numeric input"},
  };
  for (const Case& c : cases) {
    ModelState m;
    m.Numbnodes = m.NumDemandNodes = 12;
    ChooseCoverType(m, c.type);
    const FieldResult r = EnterCoverAmount(m, c.text);
    EXPECT_EQ(r.accepted, c.accepted) << c.text;
    EXPECT_EQ(r.message, c.message) << c.text;
    if (c.type == 'N') {
      EXPECT_EQ(m.NodesToCover, c.accepted ? std::stoi(c.text) : 12);
    } else {
      EXPECT_EQ(m.CoverFraction, c.accepted ? std::stod(c.text) : 1.0);
    }
  }
}

TEST(RunRules, DistanceEstimates) {
  ModelState m;
  EstimateEntries e;
  EXPECT_TRUE(EnterUpperEstimate(m, e, "50").accepted);
  EXPECT_FALSE(EstimatesComplete(m, e));
  EXPECT_EQ(EnterLowerEstimate(m, e, "50").message, "Invalid Distance.  Must be <= 49");
  EXPECT_FALSE(e.lowerEntered);
  EXPECT_TRUE(EnterLowerEstimate(m, e, "49").accepted);
  EXPECT_TRUE(EstimatesComplete(m, e));
  EXPECT_EQ(m.LowerDistanceEstimate, 49 * FixedPointScale);
  EXPECT_EQ(m.UpperDistanceEstimate, 50 * FixedPointScale);

  ModelState n;
  EstimateEntries f;
  EXPECT_TRUE(EnterLowerEstimate(n, f, "10").accepted);
  EXPECT_EQ(EnterUpperEstimate(n, f, "10").message, "Invalid Distance.  Must be >= 11");
  EXPECT_EQ(n.UpperDistanceEstimate, DefaultUpperEstimate);
  const FieldResult bad = EnterLowerEstimate(n, f, "ten");
  EXPECT_EQ(bad.message, "Invalid numeric input");
  EXPECT_EQ(bad.fieldText, "0");
  EXPECT_EQ(n.LowerDistanceEstimate, 0);
}

TEST(ParameterRules, CoverageDistanceAndCostPerMile) {
  ModelState m;
  EXPECT_EQ(EnterCoverageDistance(m, "12.34567"), "");
  EXPECT_EQ(m.CoverageDistance, 123457);
  EXPECT_EQ(CoverageDistanceText(m.CoverageDistance), "12.3457");
  EXPECT_EQ(CoverageDistanceText(100000), "10");
  EXPECT_EQ(EnterCoverageDistance(m, "0.00005"), "");  // 0.5 in fixed point goes to the even 0
  EXPECT_EQ(m.CoverageDistance, 0);
  EXPECT_EQ(EnterCoverageDistance(m, "0.00015"), "");
  EXPECT_EQ(m.CoverageDistance, 2);
  EXPECT_EQ(EnterCoverageDistance(m, "1.2.3"), "Error converting data.");
  EXPECT_EQ(m.CoverageDistance, 2);
  m.CostPerMile = 3;
  EXPECT_EQ(EnterCostPerMile(m, "1.2.3", EntryForm::RunModels), "Invalid numeric input");
  EXPECT_EQ(EnterCostPerMile(m, "1.2.3", EntryForm::Parameters), "Error converting data.");
  EXPECT_EQ(m.CostPerMile, 3);
  EXPECT_EQ(EnterCostPerMile(m, "1234.5", EntryForm::Parameters), "");
  EXPECT_EQ(CostPerMileText(m.CostPerMile), "1,234.5000000000000");
}

TEST(ParameterRules, DataWithoutDemandIsRefused) {
  ModelState m;
  korvelan::testing::LoadMatrix(m, {{0, 1}, {1, 0}}, {0, 0});
  ConfirmResult r = ConfirmParameters(m);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "The total demand of the data set is 0.\nThere is no demand for a facility to serve.");
  m.NumDemandNodes = 0;
  EXPECT_EQ(ConfirmParameters(m).message, "The data set has no demand nodes.\nThere is no demand for a facility to serve.");
  korvelan::testing::LoadMatrix(m, {{0, 1}, {1, 0}}, {1, 2});
  m.CoverageDistance = FixedPointScale;
  r = ConfirmParameters(m);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.message, "Cover List is 4 Items Long");
}

TEST(RunModels, ExecuteReportsHowTheRunEnded) {
  ModelState m;
  korvelan::testing::RandomInstance(m, 4, 8, 8, 30);
  OpenRunModels(m);
  ChooseProblem(m, 'C');
  ASSERT_TRUE(ChooseAlgorithm(m, 'S'));
  EXPECT_FALSE(ChooseAlgorithm(m, 'T'));
  EXPECT_TRUE(EnterNumberToLocate(m, "2").accepted);
  HeadlessRunHost host;
  EXPECT_EQ(ExecuteRun(m, host), RunEnd::Completed);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, 'I');
  EXPECT_EQ(host.messages[0].text, "Execution Completed Satisfactorily");
  EXPECT_EQ(m.NumLocated, 2);

  ModelState f;
  korvelan::testing::RandomInstance(f, 4, 8, 8, 30);
  ChooseProblem(f, 'P');
  HeadlessRunHost failing;
  ExecuteRun(f, failing);
  ASSERT_GE(failing.messages.size(), 2u);
  EXPECT_EQ(failing.messages.back().text,
            "Note that the COVERAGE DISTANCE is likely to have changed.\nBe sure to change it back before running other models.");
}

TEST(RunModels, EveryOfferedAlgorithmCanBeChosen) {
  for (const ChoiceItem& problem : ProblemItems()) {
    for (const ChoiceItem& algorithm : AlgorithmItems(problem.code)) {
      ModelState m;
      ChooseProblem(m, problem.code);
      if (problem.code == 'V') continue;  // its one method is chosen with the model
      EXPECT_TRUE(ChooseAlgorithm(m, algorithm.code)) << problem.caption << " " << algorithm.caption;
      EXPECT_EQ(m.SolutionClass, algorithm.code == 'L' ? 2 : 0) << problem.caption << " " << algorithm.caption;
    }
  }
  EXPECT_EQ(ProblemItems().size(), 8u);
}
