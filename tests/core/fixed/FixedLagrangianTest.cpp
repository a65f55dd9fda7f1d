#include <gtest/gtest.h>

#include "../median/LagrangianInstances.h"
#include "fixed/FixedBranchAndBound.h"
#include "reports/BasicResults.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

using testing::ExhaustiveOptimum;
using testing::LoadInstance;
using testing::OpenSites;
using testing::RecordingHost;
using testing::SolutionCost;

struct FixedCase {
  unsigned seed;
  int nodes;
  int demandNodes;
  int maxFixedCost;
  int target;  // -1 optimises the number
  int statusPattern;
  bool searches;
};

void SetSearches(ModelState& m, bool on) {
  m.Fixed.ExchangeSearch = on ? 1 : 0;
  m.Fixed.TerminalSubstitution = on ? TerminalChoice::Exchange : TerminalChoice::None;
}

// Runs the dispatcher's fixed-charge Lagrangian branch.
bool Solve(ModelState& m, RunHost& host, int target) {
  m.ProblemCode = 'F';
  m.FixedAlgorithm = 'L';
  m.FixedNumberToLocate = target;
  SolveModel(m, host);
  return m.FatalError == 0;
}

const FixedCase kCases[] = {
    {1, 8, 8, 300, -1, 0, false},   {2, 9, 9, 600, -1, 0, true},    {3, 10, 7, 400, -1, 0, false},
    {4, 11, 11, 900, -1, 0, true},  {5, 12, 12, 200, -1, 1, false}, {6, 10, 10, 2000, -1, 1, true},
    {7, 9, 9, 300, 2, 0, false},    {8, 11, 9, 500, 3, 0, true},    {9, 12, 12, 100, 4, 1, false},
    {10, 10, 10, 50, 6, 0, true},   {11, 12, 10, 3000, -1, 0, true}, {12, 8, 8, 0, -1, 0, false},
};

// With PctDiff 0 the incumbent is the exhaustive optimum, the bounds enclose it, and
// every status is put back, for a fixed number and for -1.
TEST(FixedLagrangian, MatchesExhaustiveOptimum) {
  for (const FixedCase& c : kCases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed << " n " << c.nodes << " target " << c.target);
    ModelState m;
    LoadInstance(m, {c.seed, c.nodes, c.demandNodes, 1, c.maxFixedCost, -1, c.statusPattern});
    SetSearches(m, c.searches);
    const auto before = testing::Statuses(m);
    const int target = c.target < 0 ? -1 : std::max<int>(c.target, m.ForcedCount);
    const Extended optimum = ExhaustiveOptimum(m, target, 0, true);
    HeadlessRunHost host;
    ASSERT_TRUE(Solve(m, host, target));
    EXPECT_EQ(m.RunUpperBound, optimum);
    EXPECT_EQ(SolutionCost(m, OpenSites(m), 0, true), optimum);
    EXPECT_LE(m.RunLowerBound, optimum + 1e-9L);
    EXPECT_EQ(m.NumLocated, OpenSites(m).size());
    if (target >= 0) {
      EXPECT_EQ(m.NumLocated, target);
    }
    EXPECT_EQ(testing::Statuses(m), before);
    EXPECT_TRUE(m.BranchPath.empty());
    EXPECT_EQ(m.CostMatrixBuilt, 0);
  }
}

TEST(FixedLagrangian, BoundsEncloseOptimumAtEveryDepth) {
  for (int depth : {-1, 0, 1, 2}) {
    for (int target : {-1, 3}) {
      SCOPED_TRACE(::testing::Message() << "depth " << depth << " target " << target);
      ModelState m;
      LoadInstance(m, {201, 11, 11, 1, 400, -1, 0});
      SetSearches(m, false);
      m.Fixed.DepthVar = depth;
      m.Fixed.RootNodeValue = 20;
      m.Fixed.NoIter = 20;
      const Extended optimum = ExhaustiveOptimum(m, target, 0, true);
      HeadlessRunHost host;
      ASSERT_TRUE(Solve(m, host, target));
      EXPECT_LE(m.RunLowerBound, optimum + 1e-9L);
      EXPECT_GE(m.RunUpperBound, optimum);
      EXPECT_EQ(SolutionCost(m, OpenSites(m), 0, true), m.RunUpperBound);
      if (depth == 0) {
        EXPECT_EQ(m.RunBranchNodes, 1);
      }
    }
  }
}

TEST(FixedLagrangian, WithoutBranchAndBoundOnlyTheRootIsSolved) {
  ModelState m;
  LoadInstance(m, {211, 12, 12, 1, 500, -1, 0});
  m.BranchAndBoundOn = 0;
  m.Fixed.RootNodeValue = 10;
  HeadlessRunHost host;
  ASSERT_TRUE(Solve(m, host, -1));
  EXPECT_EQ(m.RunBranchNodes, 1);
  EXPECT_LE(m.RunIterations, 10);
}

// As many required sites as the target: the root is a leaf, evaluated exactly,
// with the weight for distances beyond the coverage distance charged as the
// Lagrangian nodes charge it.
TEST(FixedLagrangian, RequiredSitesEqualToTargetAreALeaf) {
  for (Extended weight : {Extended{0}, Extended{25}}) {
    ModelState m;
    LoadInstance(m, {221, 9, 9, 1, 300, 12, 0});
    m.AddedConstant = weight;
    m.Node(3).SiteStatus = StatusRequired;
    m.Node(8).SiteStatus = StatusRequired;
    HeadlessRunHost host;
    ASSERT_TRUE(Solve(m, host, 2));
    EXPECT_EQ(m.RunIterations, 0);
    EXPECT_EQ(m.RunBranchNodes, 1);
    EXPECT_EQ(OpenSites(m), (std::vector<int>{3, 8}));
    EXPECT_EQ(m.RunUpperBound, SolutionCost(m, {3, 8}, weight, true));
    EXPECT_EQ(m.RunLowerBound, m.RunUpperBound);
  }
}

// A weight for distances beyond the coverage distance: the optimum of the weighted
// costs, no improvement search during the run, settings untouched.
TEST(FixedLagrangian, NonzeroWeightSwitchesOffTheSearchesForTheRun) {
  for (bool multiply : {false, true}) {
    for (unsigned seed : {231u, 232u}) {
      ModelState m;
      LoadInstance(m, {seed, 10, 10, 1, 300, 15, 0});
      m.AddedConstant = 30;
      m.CostPerMile = multiply ? 2 : 1;
      m.AddedConstantMultiplied = multiply ? 1 : 0;
      m.CostByCount.fill(-7);
      // Multiplied, the weight is charged per mile: Demand x (d + W) x CostPerMile.
      const Extended effective = multiply ? 30 * m.CostPerMile : 30;
      const Extended optimum = ExhaustiveOptimum(m, -1, effective, true);
      RecordingHost host;
      ASSERT_TRUE(Solve(m, host, -1));
      EXPECT_EQ(m.RunUpperBound, optimum);
      EXPECT_EQ(host.gaugeShows, 0);
      for (int k = 0; k < NodeSlots; ++k) EXPECT_EQ(m.CostByCount[k], -7) << k;
      EXPECT_EQ(m.Fixed.ExchangeSearch, 1);
      EXPECT_EQ(m.Fixed.TerminalSubstitution, TerminalChoice::Exchange);
    }
  }
}

// Every distance and fixed cost 0: the relative-improvement test must not divide by zero.
TEST(FixedLagrangian, AllCostsZero) {
  ModelState m;
  LoadInstance(m, {241, 6, 6, 1, 0, -1, 0});
  for (int i = 1; i <= m.Numbnodes; ++i)
    for (int j = 1; j <= m.Numbnodes; ++j) m.DistanceMatrix.at(i, j) = 0;
  BuildNearestOrder(m);
  HeadlessRunHost host;
  ASSERT_TRUE(Solve(m, host, -1));
  EXPECT_EQ(m.RunUpperBound, 0);
  EXPECT_GE(m.NumLocated, 1);
}

TEST(FixedLagrangian, WideDistances) {
  ModelState m;
  LoadInstance(m, {251, 10, 10, 100003, 40000000, -1, 0});
  ASSERT_GT(m.MaxDistance, 65535);
  HeadlessRunHost host;
  ASSERT_TRUE(Solve(m, host, -1));
  EXPECT_EQ(m.RunUpperBound, ExhaustiveOptimum(m, -1, 0, true));
}

// Every site excluded: no feasible solution. The run fails once (it does not
// repeat), reports the fatal error, and puts every status back.
TEST(FixedLagrangian, InfeasibleRunFailsOnceAndRestoresStatuses) {
  ModelState m;
  LoadInstance(m, {261, 5, 5, 1, 100, -1, 0});
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).SiteStatus = StatusExcluded;
  const auto before = testing::Statuses(m);
  HeadlessRunHost host;
  EXPECT_FALSE(Solve(m, host, -1));
  EXPECT_EQ(m.FatalError, 1);
  EXPECT_EQ(m.RunBranchNodes, 1);
  EXPECT_EQ(testing::Statuses(m), before);
}

// Root fixing changes statuses during the run; an aborted run still puts them back
// and installs the best solution found.
TEST(FixedLagrangian, AbortKeepsTheBestSolutionAndRestoresStatuses) {
  ModelState m;
  LoadInstance(m, {271, 12, 12, 1, 500, -1, 1});
  const auto before = testing::Statuses(m);
  HeadlessRunHost host;
  host.onPause = [&] { m.AbortRequested = 1; };
  ASSERT_TRUE(Solve(m, host, -1));
  EXPECT_EQ(m.RunBranchNodes, 1);
  EXPECT_EQ(SolutionCost(m, OpenSites(m), 0, true), m.RunUpperBound);
  EXPECT_EQ(testing::Statuses(m), before);
}

// Every site open and multipliers just above 0: each demand node has exactly one
// cheaper-than-multiplier open site (itself), so the node stops at its first iteration.
TEST(FixedLagrangian, RelaxedSolutionServingEveryNodeOnceStopsAtOnce) {
  ModelState m;
  LoadInstance(m, {281, 6, 6, 1, 0, -1, 0});
  m.Fixed.Average = 0;
  m.Fixed.Fixed = 0;
  m.Fixed.Constant = 0.5L;
  HeadlessRunHost host;
  ASSERT_TRUE(Solve(m, host, 6));
  EXPECT_EQ(m.RunIterations, 1);
  EXPECT_EQ(m.RunUpperBound, 0);
}


TEST(FixedLagrangian, RootFixingLeavingTheTargetClosesTheGap) {
  ModelState m;
  LoadInstance(m, {1, 10, 10, 1, 300, -1, 0});
  HeadlessRunHost host;
  ASSERT_TRUE(Solve(m, host, 3));
  EXPECT_EQ(m.RootForcedOut, 7);
  EXPECT_EQ(m.LowerBoundResetInForcing, 1);
  EXPECT_EQ(m.RunLowerBound, m.RunUpperBound);
  EXPECT_EQ(m.RunUpperBound, ExhaustiveOptimum(m, 3, 0, true));
  EXPECT_EQ(m.ExcludedCount, 0);
}

// The basic results report of a fixed-charge Lagrangian run names the family's tree
// depth limit and its root-node fixing.
TEST(FixedLagrangian, BasicResultsShowDepthLimitAndRootForcing) {
  ModelState m;
  LoadInstance(m, {1, 10, 10, 1, 300, -1, 0});
  m.Fixed.DepthVar = 2;
  HeadlessRunHost host;
  ASSERT_TRUE(Solve(m, host, 3));
  EXPECT_EQ(ApproachLabel(m), "HEUR. FIXED CHARGE - LAGRANGIAN");
  EXPECT_EQ(ApproachExtra(m), "Max. Allowable Tree Depth = 2");
  const BasicResults results = BuildBasicResults(m);
  ASSERT_FALSE(results.forcing.empty());
  EXPECT_EQ(results.forcing.back().label, "Root Node Forcing");
  EXPECT_EQ(results.forcing.back().value, "IN 3");
  EXPECT_EQ(results.forcing.back().extra, "OUT 7");
  EXPECT_TRUE(results.lowerBoundReset);
}

// The driver itself, called at the root, puts back every status its root fixing
// changed, whether or not it found a solution.
TEST(FixedLagrangian, DriverRestoresStatusesOnEveryReturn) {
  for (int target : {3, -1}) {
    ModelState m;
    LoadInstance(m, {1, 10, 10, 1, 300, -1, 0});
    m.Node(4).SiteStatus = StatusRequired;
    const auto before = testing::Statuses(m);
    PrepareLagrangianRun(m);
    FixedSearch search;
    Extended incumbent = LagInfinity;
    Extended bound = 0;
    bool found = false;
    bool built = false;
    int count = 0;
    HeadlessRunHost host;
    fixed_branch_and_bound(m, host, search, m.BranchLevel, count, target, found, built, incumbent, bound);
    EXPECT_TRUE(found);
    EXPECT_GT(m.RootForcedOut, 0);
    EXPECT_EQ(testing::Statuses(m), before);
    EXPECT_EQ(m.ForcedCount, 1);
    EXPECT_EQ(m.ExcludedCount, 0);
  }
}

}  // namespace
}  // namespace korvelan
