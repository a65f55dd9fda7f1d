#include <gtest/gtest.h>

#include "LagrangianInstances.h"
#include "median/MedianBranchAndBound.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

using testing::ExhaustiveOptimum;
using testing::InstanceRecipe;
using testing::LoadInstance;
using testing::OpenSites;
using testing::RecordingHost;
using testing::SolutionCost;

struct MedianCase {
  unsigned seed;
  int nodes;
  int demandNodes;
  int P;
  int statusPattern;
  bool searches;  // neighbourhood search on improvement and terminal exchange
};

void SetSearches(ModelState& m, bool on) {
  m.Median.ExchangeSearch = on ? 1 : 0;
  m.DoSubstitution = on ? 1 : 0;
}

const MedianCase kCases[] = {
    {1, 8, 8, 2, 0, false},  {2, 9, 9, 3, 0, true},   {3, 10, 8, 2, 0, false}, {4, 11, 11, 4, 0, true},
    {5, 10, 10, 1, 0, true}, {6, 9, 7, 3, 1, false},  {7, 11, 11, 5, 1, true}, {8, 10, 10, 9, 0, false},
    {9, 12, 12, 3, 0, true}, {10, 12, 10, 6, 1, false}, {11, 8, 8, 7, 0, true}, {12, 11, 9, 2, 1, true},
};

// With PctDiff 0 the incumbent is the exhaustive optimum, the run's bounds enclose
// it, the bounds are reported per unit of demand, and every status is put back.
TEST(MedianLagrangian, MatchesExhaustiveOptimum) {
  for (const MedianCase& c : kCases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed << " n " << c.nodes << " P " << c.P);
    ModelState m;
    LoadInstance(m, {c.seed, c.nodes, c.demandNodes, 1, 0, -1, c.statusPattern});
    SetSearches(m, c.searches);
    const auto before = testing::Statuses(m);
    const int P = std::max<int>(c.P, m.ForcedCount);  // more required sites than P: all open
    const Extended optimum = ExhaustiveOptimum(m, P, 0, false);
    HeadlessRunHost host;
    const MedianRunResult run = RunMedianLagrangian(m, host, P);
    ASSERT_TRUE(run.solved);
    EXPECT_EQ(run.upper, optimum);
    EXPECT_EQ(SolutionCost(m, OpenSites(m), 0, false), optimum);
    EXPECT_EQ(static_cast<int>(OpenSites(m).size()), P);
    EXPECT_LE(run.lower, optimum + 1e-9L);
    EXPECT_EQ(m.RunUpperBound, optimum / m.TotalDemand);
    EXPECT_EQ(m.RunLowerBound, run.lower / m.TotalDemand);
    EXPECT_EQ(testing::Statuses(m), before);
    EXPECT_TRUE(m.BranchPath.empty());
    EXPECT_EQ(m.CostMatrixBuilt, 0);
  }
}

// Whatever the depth of the tree, the bounds enclose the optimum.
TEST(MedianLagrangian, BoundsEncloseOptimumAtEveryDepth) {
  for (int depth : {-1, 0, 1, 2, 3}) {
    for (unsigned seed : {21u, 22u, 23u}) {
      SCOPED_TRACE(::testing::Message() << "depth " << depth << " seed " << seed);
      ModelState m;
      LoadInstance(m, {seed, 11, 11, 1, 0, -1, 0});
      SetSearches(m, false);
      m.Covering.DepthVar = depth;
      m.Covering.RootNodeValue = 30;  // leave a gap at the root
      m.Covering.NoIter = 30;
      const int P = 3;
      const Extended optimum = ExhaustiveOptimum(m, P, 0, false);
      HeadlessRunHost host;
      const MedianRunResult run = RunMedianLagrangian(m, host, P);
      ASSERT_TRUE(run.solved);
      EXPECT_LE(run.lower, optimum + 1e-9L);
      EXPECT_GE(run.upper, optimum);
      EXPECT_EQ(SolutionCost(m, OpenSites(m), 0, false), run.upper);
      if (depth == 0) {
        EXPECT_EQ(m.RunBranchNodes, 1);
      }
    }
  }
}

TEST(MedianLagrangian, WithoutBranchAndBoundOnlyTheRootIsSolved) {
  ModelState m;
  LoadInstance(m, {31, 11, 11, 1, 0, -1, 0});
  SetSearches(m, false);
  m.BranchAndBoundOn = 0;
  m.Covering.RootNodeValue = 15;
  HeadlessRunHost host;
  const MedianRunResult run = RunMedianLagrangian(m, host, 4);
  ASSERT_TRUE(run.solved);
  EXPECT_EQ(m.RunBranchNodes, 1);
  EXPECT_LE(m.RunIterations, 15);
  EXPECT_LE(run.lower, ExhaustiveOptimum(m, 4, 0, false) + 1e-9L);
}

// P equal to the number of required sites: no iteration runs and the required sites,
// evaluated exactly, are the solution.
TEST(MedianLagrangian, RequiredSitesEqualToPAreTheSolution) {
  ModelState m;
  LoadInstance(m, {41, 9, 9, 1, 0, -1, 0});
  m.Node(2).SiteStatus = StatusRequired;
  m.Node(7).SiteStatus = StatusRequired;
  HeadlessRunHost host;
  const MedianRunResult run = RunMedianLagrangian(m, host, 2);
  ASSERT_TRUE(run.solved);
  EXPECT_EQ(m.RunIterations, 0);
  EXPECT_EQ(OpenSites(m), (std::vector<int>{2, 7}));
  EXPECT_EQ(run.upper, SolutionCost(m, {2, 7}, 0, false));
  EXPECT_EQ(run.lower, run.upper);
}

// Every site open and multipliers just above 0: each demand node has exactly one
// cheaper-than-multiplier open site (itself), so the node stops at its first iteration.
TEST(MedianLagrangian, RelaxedSolutionServingEveryNodeOnceStopsAtOnce) {
  ModelState m;
  LoadInstance(m, {51, 6, 6, 1, 0, -1, 0});
  m.Median.Average = 0;
  m.Median.Constant = 0.5L;
  HeadlessRunHost host;
  const MedianRunResult run = RunMedianLagrangian(m, host, 6);
  ASSERT_TRUE(run.solved);
  EXPECT_EQ(m.RunIterations, 1);
  EXPECT_EQ(run.upper, 0);
  EXPECT_EQ(m.RunBranchNodes, 1);
}

// A weight for distances beyond the coverage distance: the optimum of the weighted
// costs is found, the improvement searches stay off for the run (no exchange gauge,
// CostByCount untouched) and the settings themselves are left as they were.
TEST(MedianLagrangian, NonzeroWeightSwitchesOffTheSearchesForTheRun) {
  for (unsigned seed : {61u, 62u, 63u}) {
    ModelState m;
    LoadInstance(m, {seed, 10, 10, 1, 0, 15, 0});
    m.AddedConstant = 40;
    m.CostByCount.fill(-7);
    const Extended optimum = ExhaustiveOptimum(m, 3, 40, false);
    RecordingHost host;
    const MedianRunResult run = RunMedianLagrangian(m, host, 3);
    ASSERT_TRUE(run.solved);
    EXPECT_EQ(run.upper, optimum);
    EXPECT_EQ(host.gaugeShows, 0);
    for (Extended v : m.CostByCount) EXPECT_EQ(v, -7);
    EXPECT_EQ(m.Median.ExchangeSearch, 1);
    EXPECT_EQ(m.DoSubstitution, 1);
  }
}

TEST(MedianLagrangian, ZeroWeightRunsTheTerminalExchange) {
  ModelState m;
  LoadInstance(m, {71, 12, 12, 1, 0, -1, 0});
  m.Covering.RootNodeValue = 10;  // stop the root early so a gap is left for the exchange
  m.Covering.NoIter = 10;
  RecordingHost host;
  RunMedianLagrangian(m, host, 4);
  EXPECT_GT(host.gaugeShows, 0);
}

// Distances far beyond 16 bits.
TEST(MedianLagrangian, WideDistances) {
  ModelState m;
  LoadInstance(m, {81, 10, 10, 100003, 0, -1, 0});
  ASSERT_GT(m.MaxDistance, 65535);
  HeadlessRunHost host;
  const MedianRunResult run = RunMedianLagrangian(m, host, 3);
  EXPECT_EQ(run.upper, ExhaustiveOptimum(m, 3, 0, false));
}

// The median always locates P sites: a free number left over from a fixed-charge run
// (FixedNumberToLocate -1) does not change the root fixing.
TEST(MedianLagrangian, RootFixingIgnoresTheFixedChargeNumber) {
  for (unsigned seed : {91u, 92u, 93u, 94u}) {
    ModelState m;
    LoadInstance(m, {seed, 11, 11, 1, 0, -1, 0});
    m.FixedNumberToLocate = -1;
    HeadlessRunHost host;
    const MedianRunResult run = RunMedianLagrangian(m, host, 3);
    EXPECT_EQ(run.upper, ExhaustiveOptimum(m, 3, 0, false)) << "seed " << seed;
  }
}

// The branch path holds one mark per level above the current node, also where a node
// with just P sites left was settled as a leaf, and is empty again after the run.
// One iteration per node from zero multipliers, no root fixing, no improvement
// searches: weak bounds and a deep tree, refreshed every 50 nodes.
void LoadDeepTreeInstance(ModelState& m) {
  LoadInstance(m, {101, 12, 12, 1, 0, -1, 0});
  SetSearches(m, false);
  m.Covering.RootNodeValue = 1;
  m.Covering.NoIter = 1;
  m.Covering.RootNodeBox = 0;
  m.Median.Average = 0;
}

TEST(MedianLagrangian, BranchPathHasOneMarkPerLevel) {
  ModelState m;
  LoadDeepTreeInstance(m);
  RecordingHost host;
  host.model = &m;
  // One site excluded and P = 9 of 12: two more exclusions leave just P sites, and
  // such a node is settled at once with every site left required.
  m.Node(12).SiteStatus = StatusExcluded;
  RunMedianLagrangian(m, host, 9);
  ASSERT_GE(host.refreshes.size(), 2u);
  for (const auto& r : host.refreshes) EXPECT_EQ(testing::PathMarks(r.path), r.level - 1) << r.path;
  // The inclusion child goes first: a level in its exclusion child follows one in its
  // inclusion child.
  EXPECT_NE(host.refreshes.back().path.find("+-"), std::string::npos);
  EXPECT_TRUE(m.BranchPath.empty());
}

// Below the root the progress window shows the tree's best upper bound beside the
// node's bounds, all three per unit of demand: between the optimum and the largest
// distance, never the total weighted distance.
TEST(MedianLagrangian, ProgressShowsTheBestUpperBoundPerUnitOfDemand) {
  ModelState m;
  LoadDeepTreeInstance(m);
  m.ShowLagProgress = 1;
  const int P = 3;
  const Extended optimum = ExhaustiveOptimum(m, P, 0, false) / m.TotalDemand;
  ASSERT_GT(m.TotalDemand, 2 * m.MaxDistance / optimum);  // a total would lie far above
  RecordingHost host;
  host.model = &m;
  RunMedianLagrangian(m, host, P);
  int checked = 0;
  for (const auto& r : host.refreshes) {
    if (r.branchNodes < 2 || r.bestUpper >= LagInfinity) continue;
    EXPECT_GE(r.bestUpper, optimum - 1e-9L);
    EXPECT_LE(r.bestUpper, static_cast<Extended>(m.MaxDistance));
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

// A stop request raised during the run ends it with the best solution installed and
// every status put back.
TEST(MedianLagrangian, AbortKeepsTheBestSolution) {
  ModelState m;
  LoadInstance(m, {111, 12, 12, 1, 1, -1, 0});
  SetSearches(m, false);
  const auto before = testing::Statuses(m);
  HeadlessRunHost host;
  host.onPause = [&] { m.AbortRequested = 1; };
  const MedianRunResult run = RunMedianLagrangian(m, host, 4);
  ASSERT_TRUE(run.solved);
  EXPECT_EQ(m.RunBranchNodes, 1);
  EXPECT_EQ(SolutionCost(m, OpenSites(m), 0, false), run.upper);
  EXPECT_EQ(testing::Statuses(m), before);
}

// Through the dispatcher: the solution is installed and assigned, bounds per unit.
TEST(MedianLagrangian, DispatcherInstallsTheSolution) {
  ModelState m;
  LoadInstance(m, {121, 10, 10, 1, 0, -1, 0});
  m.ProblemCode = 'M';
  m.MedianAlgorithm = 'L';
  m.NumberToLocate = 3;
  HeadlessRunHost host;
  SolveModel(m, host);
  const Extended optimum = ExhaustiveOptimum(m, 3, 0, false);
  EXPECT_EQ(m.FatalError, 0);
  EXPECT_EQ(m.ReportProblemCode, 'M');
  EXPECT_EQ(m.MedianUpperTotal, optimum);
  EXPECT_EQ(m.DemandWeightedDistance, optimum);
  EXPECT_EQ(m.RunUpperBound, optimum / m.TotalDemand);
  for (int i = 1; i <= m.NumDemandNodes; ++i) EXPECT_EQ(m.Node(i).AssignedDistance, m.DistanceMatrix.at(i, m.Node(i).AssignedFacility));
}


// Root fixing that excludes all but P sites solves the root: the lower bound is
// reset to the upper bound (and the report says so), and the statuses come back.
TEST(MedianLagrangian, RootFixingLeavingPSitesClosesTheGap) {
  ModelState m;
  LoadInstance(m, {4, 10, 10, 1, 0, -1, 0});
  HeadlessRunHost host;
  const MedianRunResult run = RunMedianLagrangian(m, host, 3);
  EXPECT_EQ(m.RootForcedOut, 7);
  EXPECT_EQ(m.LowerBoundResetInForcing, 1);
  EXPECT_EQ(run.lower, run.upper);
  EXPECT_EQ(run.upper, ExhaustiveOptimum(m, 3, 0, false));
  EXPECT_EQ(m.ExcludedCount, 0);
}

// Weighted medians in a row, as a tradeoff curve runs them: each search finds the
// optimum of its weight, and the counters sum over the searches.
TEST(MedianLagrangian, WeightedSearchesInARowKeepCounting) {
  ModelState m;
  LoadInstance(m, {131, 10, 10, 1, 0, 12, 0});
  HeadlessRunHost host;
  PrepareLagrangianRun(m);
  int iterations = 0;
  for (Extended weight : {Extended{0}, Extended{5}, Extended{60}}) {
    m.AddedConstant = weight;
    PrepareTreeSearch(m);
    const int nodesBefore = m.RunBranchNodes;
    const MedianRunResult run = SearchMedianTree(m, host, 3);
    EXPECT_EQ(run.upper, ExhaustiveOptimum(m, 3, weight, false)) << weight;
    EXPECT_GT(m.RunBranchNodes, nodesBefore);
    EXPECT_GE(m.RunIterations, iterations);
    iterations = m.RunIterations;
  }
}

TEST(NodeMultipliers, PutsBackTheRowsMultipliersAndDirectionsOnly) {
  AssignmentRelaxation r;
  r.demandNodes = 4;
  for (int i = 0; i <= 6; ++i) {
    r.multiplier[i] = 10 + i;
    r.direction[i] = -1.5L * i;
  }
  const NodeMultipliers kept(r);
  for (int i = 0; i <= 6; ++i) {
    r.multiplier[i] = 99;
    r.direction[i] = 7;
  }
  kept.Restore(r);
  for (int i = 0; i <= 4; ++i) {
    EXPECT_EQ(r.multiplier[i], 10 + i) << i;
    EXPECT_EQ(r.direction[i], -1.5L * i) << i;
  }
  EXPECT_EQ(r.multiplier[5], 99);
  EXPECT_EQ(r.direction[6], 7);
}

}  // namespace
}  // namespace korvelan
