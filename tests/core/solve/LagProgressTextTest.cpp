#include <gtest/gtest.h>

#include "solve/LagProgressText.h"

using namespace korvelan;

namespace {

ModelState WithStatuses(const std::string& marks) {
  ModelState m;
  m.Numbnodes = static_cast<uint16_t>(marks.size());
  for (size_t k = 0; k < marks.size(); ++k) {
    const char c = marks[k];
    m.Node(static_cast<int>(k) + 1).SiteStatus = c == '-' ? StatusExcluded : c == '+' ? StatusRequired : StatusAllowed;
  }
  return m;
}

}  // namespace

TEST(LagProgressText, StatusListLinesGroupTwentyWithABarAfterTheTenth) {
  const ModelState m = WithStatuses("+0-" + std::string(16, '0') + "-" + "0000+00000" + "00");
  const std::vector<std::string> expected = {"   0  +0-0000000|000000000-", "  20  0000+00000|00"};
  EXPECT_EQ(StatusListLines(m), expected);
  EXPECT_EQ(StatusListLines(WithStatuses("0-+")), std::vector<std::string>{"   0  0-+"});
  EXPECT_EQ(StatusListLines(WithStatuses("0000000000")), std::vector<std::string>{"   0  0000000000|"});
  EXPECT_TRUE(StatusListLines(ModelState{}).empty());
}

TEST(LagProgressText, CountsAbortAndCounters) {
  ModelState m = WithStatuses("+--00");
  m.ReportProblemCode = 'C';
  m.NumLocated = 3;
  m.LagIteration = 17;
  m.IterationsBeforeNode = 1200;
  m.RunBranchNodes = 4;
  m.PublishedLevel = 3;
  m.AtRootNode = 1;
  LagProgressView v = BuildLagProgressView(m, true, 0);
  EXPECT_TRUE(v.abortVisible);
  EXPECT_FALSE(v.abortEnabled);
  EXPECT_EQ(v.inText, "1 In");
  EXPECT_EQ(v.outText, "2 Out");
  EXPECT_EQ(v.unknownText, "2 Unknown");
  EXPECT_EQ(v.locations.value, "            3");
  EXPECT_EQ(v.iterations.value, "           17");
  EXPECT_EQ(v.branchNodes.value, "            4");
  EXPECT_EQ(v.lagIterations.value, "         1217");
  EXPECT_EQ(v.level.value, "            2");
  m.AtRootNode = 0;
  EXPECT_TRUE(BuildLagProgressView(m, true, 0).abortEnabled);
  m.BranchAndBoundOn = 0;
  v = BuildLagProgressView(m, true, 0);
  EXPECT_FALSE(v.abortVisible || v.abortEnabled || v.countsVisible);
}

// Which fields each problem code shows, and how the changing captions read.
TEST(LagProgressText, FieldsAndCaptionsPerProblemCode) {
  struct Case {
    char code;
    bool coverage, bestLag, lagLower, percentLagUB, weight, gauge, stepBasis;
    const char* bestLagCaption;
  };
  const Case cases[] = {
      {'C', true, true, true, false, false, true, true, "Best Lag UB"},
      {'S', true, true, true, false, false, true, true, "Best Lag UB"},
      {'P', true, true, true, false, false, true, true, "Best Lag UB"},
      {'%', true, true, true, false, false, true, true, "Best Lag UB"},
      {'&', true, true, true, false, false, true, true, "Best Lag UB"},
      {'M', false, true, false, true, false, true, false, "Best Upper Bound"},
      {'F', false, false, false, false, false, true, false, "Best Lag UB"},
      {'V', false, false, false, false, true, true, false, "Best Lag UB"},
      {'D', false, false, false, false, true, true, false, "Best Lag UB"},
      {' ', false, true, true, false, false, false, false, "Best Lag UB"},
  };
  for (const Case& c : cases) {
    ModelState m;
    m.ReportProblemCode = c.code;
    const LagProgressView v = BuildLagProgressView(m, true, 0);
    EXPECT_EQ(v.coverageDistance.visible, c.coverage) << c.code;
    EXPECT_EQ(v.bestLagUpper.visible, c.bestLag) << c.code;
    EXPECT_EQ(v.bestLagUpper.caption, c.bestLagCaption) << c.code;
    EXPECT_EQ(v.lagLower.visible, c.lagLower) << c.code;
    EXPECT_EQ(v.percentLagUB.visible, c.percentLagUB) << c.code;
    EXPECT_EQ(v.weight.visible, c.weight) << c.code;
    EXPECT_EQ(v.gaugeVisible, c.gauge) << c.code;
    EXPECT_EQ(v.stepBasisVisible, c.stepBasis) << c.code;
  }
}

TEST(LagProgressText, TargetOrBestValue) {
  struct Case { char code; long double target, best; const char* caption; const char* value; bool visible; };
  const Case cases[] = {
      {'C', 1234.5L, 1e30L, "Best Value", "1,234.5", true},
      {'M', 1234.5L, 1e30L, "Target Value", "1,234.5", true},
      {'M', -10, 1e30L, "Target Value", "", false},
      {'F', 50, 1e30L, "Target Value", "50.0", true},
      {'F', 50, 4321, "Best Value", "4,321.0", true},
      {'V', -1, 77, "Best Value", "77.0", true},
      {'C', -1, 77, "Target Value", "", false},
  };
  for (const Case& c : cases) {
    ModelState m;
    m.ReportProblemCode = c.code;
    m.TargetValue = c.target;
    m.BestValue = c.best;
    const LagProgressField f = BuildLagProgressView(m, true, 0).target;
    EXPECT_EQ(f.caption, c.caption) << c.code;
    EXPECT_EQ(f.value, c.value) << c.code;
    EXPECT_EQ(f.visible, c.visible) << c.code;
  }
}

TEST(LagProgressText, BoundsGapAndSearchValues) {
  ModelState m;
  m.ReportProblemCode = 'M';
  m.CoverageDistance = 125000;  // 12.5
  m.RunUpperBound = 1100;
  m.RunLowerBound = 1000;
  m.BestLagUpperBound = 1050;
  m.UpperBoundMark = 1100;
  m.LagGap = 10;
  m.LagAlpha = 0.125L;
  m.LagFailures = 3;
  m.LagStep = 12345.6L;
  m.AddedConstant = 2.5L;
  m.DoSubstitution = 0;
  m.RunBranchNodes = 1;
  LagProgressView v = BuildLagProgressView(m, true, 0);
  EXPECT_EQ(v.coverageDistance.value, "12.5");
  EXPECT_EQ(v.upperBound.value, "1,100.0");
  EXPECT_TRUE(v.upperBound.bold);
  EXPECT_EQ(v.lowerBound.value, "1,000.0");
  EXPECT_EQ(v.percent.value, "10.0000000");
  EXPECT_EQ(v.bestLagUpper.value, "1,100.0");  // only the root so far: its own bound
  EXPECT_EQ(v.percentLagUB.value, "10.0");
  EXPECT_EQ(v.alpha.value, "0.1250000000");
  EXPECT_EQ(v.failures.value, "3.0");
  EXPECT_EQ(v.stepSize.value, "12,345.600000");
  EXPECT_EQ(v.weight.value, "2.5");
  EXPECT_EQ(v.exchangeText, "exchange off");
  m.RunBranchNodes = 2;
  m.UpperBoundMark = 1100.5L;
  v = BuildLagProgressView(m, false, 0);
  EXPECT_EQ(v.bestLagUpper.value, "1,050.0");
  EXPECT_EQ(v.percentLagUB.value, "5.0");
  EXPECT_FALSE(v.upperBound.bold);
  EXPECT_EQ(v.stepBasisText, "Lower Bound");
  m.RunLowerBound = 0;
  m.DoSubstitution = 1;
  v = BuildLagProgressView(m, true, 0);
  EXPECT_EQ(v.percentLagUB.value, "100,000,000.0");
  EXPECT_EQ(v.exchangeText, "EXCHANGE ON");
  EXPECT_EQ(v.stepBasisText, "Lagrange LB");
}

TEST(LagProgressText, GaugeAndElapsedTimeAcrossMidnight) {
  ModelState m;
  m.ReportProblemCode = 'F';
  m.BranchPath = "-+";
  m.RunStart = 86399.5;
  const LagProgressView v = BuildLagProgressView(m, true, 1.25);
  EXPECT_EQ(v.gaugePercent, 25);
  EXPECT_EQ(v.elapsedText, "1.75");
}
