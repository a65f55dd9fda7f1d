#include <gtest/gtest.h>

#include <bit>

#include "CoverInstances.h"
#include "covering/BranchPath.h"
#include "covering/CoverBranchAndBound.h"
#include "covering/CoverLagrangian.h"
#include "solve/Evaluation.h"
#include "solve/SolveModel.h"

using namespace korvelan;
using namespace korvelan::covertest;

namespace {

void PrepareLagrangianRun(ModelState& m, int P) {
  m.ProblemCode = m.ReportProblemCode = 'C';
  m.SolutionClass = 2;
  m.NumberToLocate = static_cast<uint16_t>(P);
}

int64_t Radius(const ModelState& m) { return m.CoverageDistance / FixedPointScale; }

// A finished run installed an optimal solution, its bounds enclose the optimum, the
// coverage counts agree with it and the statuses are as before.
void ExpectOptimal(const ModelState& m, int P, const std::array<uint8_t, NodeSlots>& before) {
  const Extended optimum = BestCoverage(m, P, Radius(m));
  EXPECT_EQ(m.RunLowerBound, optimum);
  EXPECT_GE(m.RunUpperBound, optimum);
  const unsigned mask = LocatedMask(m);
  EXPECT_EQ(std::popcount(mask), P);
  EXPECT_EQ(m.NumLocated, P);
  EXPECT_EQ(CoveredWithin(m, mask, Radius(m)), optimum);
  EXPECT_TRUE(CoverCountsMatchLocated(m));
  EXPECT_EQ(Statuses(m), before);
}

// Settings under which the root rarely closes the gap, so the tree does the work.
void MakeRootWeak(ModelState& m) {
  m.Covering.RootNodeValue = 10;
  m.Covering.NoIter = 10;
  m.DoSubstitution = 0;
  m.Covering.RootNodeBox = 0;
}

struct Case {
  unsigned seed;
  int P;
  bool rootWeak;
  bool dominance;
  bool exchangeSearch;
  uint8_t statusOfNode1;
  uint8_t statusOfNode2;
};

}  // namespace

TEST(CoverBranchAndBound, FindsTheExhaustiveOptimum) {
  // Seeds 1 (P 3), 2 (P 3) and 49 (P 4) need a tree of several nodes when the root is weak.
  const Case cases[] = {
      {1, 3, true, true, false, StatusAllowed, StatusAllowed},
      {2, 3, true, false, false, StatusAllowed, StatusAllowed},
      {49, 4, true, true, true, StatusAllowed, StatusAllowed},
      {1, 4, true, true, false, StatusRequired, StatusExcluded},
      {7, 2, false, true, false, StatusAllowed, StatusAllowed},
      {11, 3, false, true, true, StatusExcluded, StatusAllowed},
      {12, 5, false, false, false, StatusRequired, StatusRequired},
      {13, 1, false, true, false, StatusAllowed, StatusAllowed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed << " P " << c.P);
    ModelState m;
    FillRandomInstance(m, c.seed, {12, 12, 20, 25});
    PrepareLagrangianRun(m, c.P);
    if (c.rootWeak) MakeRootWeak(m);
    m.Covering.DominatedBox = c.dominance;
    m.ExchangeSearch = c.exchangeSearch;
    m.Node(1).SiteStatus = c.statusOfNode1;
    m.Node(2).SiteStatus = c.statusOfNode2;
    const auto before = Statuses(m);
    HeadlessRunHost host;
    SolveModel(m, host);
    ASSERT_EQ(m.FatalError, 0);
    ExpectOptimal(m, c.P, before);
    EXPECT_EQ(m.DemandWeightedDistance, WeightedDistanceOfAssignment(m));
    if (c.rootWeak && c.statusOfNode1 == StatusAllowed) {
      EXPECT_GT(m.RunBranchNodes, 1);
    }
    EXPECT_EQ(m.BranchPath, "");
  }
}

TEST(CoverBranchAndBound, RequiredSitesFillingEveryPlaceAreTheSolution) {
  ModelState m;
  FillRandomInstance(m, 3, {10, 10, 20, 25});
  PrepareLagrangianRun(m, 2);
  m.Node(4).SiteStatus = StatusRequired;
  m.Node(9).SiteStatus = StatusRequired;
  HeadlessRunHost host;
  ASSERT_TRUE(RunCoverBranchAndBound(m, host));
  EXPECT_EQ(m.RunIterations, 0);
  EXPECT_EQ(m.RunBranchNodes, 1);
  EXPECT_EQ(LocatedMask(m), (1u << 3) | (1u << 8));
  EXPECT_EQ(m.RunUpperBound, m.RunLowerBound);
  EXPECT_EQ(m.RunLowerBound, CoveredWithin(m, LocatedMask(m), 25));
}

TEST(CoverBranchAndBound, DepthZeroSolvesTheRootOnly) {
  ModelState m;
  FillRandomInstance(m, 1, {12, 12, 20, 25});
  PrepareLagrangianRun(m, 3);
  MakeRootWeak(m);
  m.Covering.DepthVar = 0;
  HeadlessRunHost host;
  ASSERT_TRUE(RunCoverBranchAndBound(m, host));
  EXPECT_EQ(m.RunBranchNodes, 1);
  const Extended optimum = BestCoverage(m, 3, 25);
  EXPECT_LE(m.RunLowerBound, optimum);
  EXPECT_GE(m.RunUpperBound, optimum);
  EXPECT_LT(m.RunLowerBound, m.RunUpperBound);
  EXPECT_EQ(CoveredWithin(m, LocatedMask(m), 25), m.RunLowerBound);
}

TEST(CoverBranchAndBound, RootFixingThatLeavesPSitesClosesTheGap) {
  ModelState m;
  FillRandomInstance(m, 18, {7, 7, 20, 33});
  PrepareLagrangianRun(m, 1);
  m.Covering.RootNodeValue = 1;
  m.DoSubstitution = 0;
  m.Covering.DominatedBox = 0;
  HeadlessRunHost host;
  ASSERT_TRUE(RunCoverBranchAndBound(m, host));
  EXPECT_EQ(m.RootForcedOut, 6);
  EXPECT_EQ(m.RunBranchNodes, 1);
  EXPECT_EQ(m.RunUpperBound, m.RunLowerBound);
  EXPECT_EQ(m.RunLowerBound, BestCoverage(m, 1, 33));
  EXPECT_EQ(m.Node(1).SiteStatus, StatusAllowed);  // the fixing is undone after the run

  m.Covering.RootNodeBox = 0;  // without the fixing the same root leaves a gap
  ASSERT_TRUE(RunCoverBranchAndBound(m, host));
  EXPECT_GT(m.RunBranchNodes, 1);
}

TEST(CoverBranchAndBound, SolutionsCoveringLessThanOneUnitAreRecorded) {
  // Every demand is a quarter: no solution covers more than 0.75.
  ModelState m;
  FillRandomInstance(m, 5, {6, 6, 1, 20});
  for (int i = 1; i <= 6; ++i) m.Node(i).Demand = 0.25L;
  m.TotalDemand = 1.5L;
  PrepareLagrangianRun(m, 1);
  HeadlessRunHost host;
  ASSERT_TRUE(RunCoverBranchAndBound(m, host));
  EXPECT_EQ(m.RunLowerBound, BestCoverage(m, 1, 20));
  EXPECT_EQ(CoveredWithin(m, LocatedMask(m), 20), m.RunLowerBound);
  EXPECT_EQ(m.NumLocated, 1);
}

TEST(CoverBranchAndBound, AbortKeepsTheBestSolutionFound) {
  ModelState m;
  FillRandomInstance(m, 5, {80, 80, 20, 18});
  PrepareLagrangianRun(m, 6);
  m.DoSubstitution = 0;
  HeadlessRunHost host;
  int refreshes = 0;
  host.onPause = [&] {
    if (++refreshes == 2) m.AbortRequested = 1;  // at iteration 251 of the root
  };
  const auto before = Statuses(m);
  ASSERT_TRUE(RunCoverBranchAndBound(m, host));
  EXPECT_EQ(m.RunBranchNodes, 1);
  EXPECT_EQ(m.RunIterations, 251);
  EXPECT_EQ(m.LagIteration, 251);
  EXPECT_EQ(m.NumLocated, 6);
  EXPECT_EQ(CoveredByLocated(m), m.RunLowerBound);
  EXPECT_TRUE(CoverCountsMatchLocated(m));
  EXPECT_EQ(Statuses(m), before);
  EXPECT_GE(m.RunUpperBound, m.RunLowerBound);
}

TEST(CoverLagrangian, GapIsNeverDividedByZero) {
  EXPECT_EQ(CoverGapPercent(5, 5), 0);
  EXPECT_EQ(CoverGapPercent(5, 0), 1e30L);
  EXPECT_EQ(CoverGapPercent(150, 100), 50);
  EXPECT_EQ(MinimumPctDiff(0), 0);
  EXPECT_EQ(MinimumPctDiff(1000), 0.05L);
}

TEST(BranchPath, MarksAreAddedAndRemovedPerLevel) {
  std::string path = "-+";
  std::string first = "--";
  {
    BranchMark third(path, first, 3, '-');
    third.Exclude();
    EXPECT_EQ(path, "-+-");
    third.Include();
    EXPECT_EQ(path, "-++");
    EXPECT_EQ(first, "---");
  }
  EXPECT_EQ(path, "-+");
  EXPECT_EQ(first, "--");
  {
    BranchMark skipped(path, first, 3, '-');  // exclusion child not visited
    skipped.Include();
    EXPECT_EQ(path, "-++");
  }
  EXPECT_EQ(path, "-+");
  std::string deep = "----------";
  std::string deepFirst = "----------";
  {
    BranchMark eleventh(deep, deepFirst, 11, '+');
    eleventh.Include();
    EXPECT_EQ(deep, "---------- +");
    EXPECT_EQ(deepFirst, "---------- +");
    eleventh.Exclude();
    EXPECT_EQ(deep, "---------- -");
  }
  EXPECT_EQ(deep, "----------");
  EXPECT_EQ(deepFirst, "----------");
}

// The explored share counts the marks of second children: "+" where a level visits
// the exclusion child first, "-" where it visits the inclusion child first.
TEST(BranchPath, ExploredShareCountsSecondChildren) {
  EXPECT_DOUBLE_EQ(ExploredPercent("-+"), 25);
  EXPECT_DOUBLE_EQ(ExploredPercent("+"), 50);
  EXPECT_DOUBLE_EQ(ExploredPercent(""), 0);
  EXPECT_DOUBLE_EQ(ExploredPercent("---------- +"), 100.0 / 2048);
  EXPECT_DOUBLE_EQ(ExploredPercent("+-", "++"), 25);
  EXPECT_DOUBLE_EQ(ExploredPercent("-+", "+-"), 75);
  EXPECT_DOUBLE_EQ(ExploredPercent("++", "++"), 0);
}
