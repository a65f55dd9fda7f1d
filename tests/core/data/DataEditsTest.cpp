#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../median/LagrangianInstances.h"
#include "DataTestSupport.h"
#include "data/DataEdits.h"
#include "data/DataLoad.h"
#include "data/Distances.h"
#include "median/MedianBranchAndBound.h"

using namespace korvelan;

namespace {

// Four demand nodes and two candidate-only sites, loaded as the program does;
// node 2 is required, node 5 excluded and node 6 in the initial solution.
ModelState SixNodeModel(const TempFolder& folder) {
  LoadRequest r;
  r.MetricCode = 'M';
  r.DemandFileName = folder.Write("d.man", "1 0 0 5 5 10\n2 4 0 6 6 20\n3 0 3 7 7 30\n4 9 9 8 8 40\n");
  r.ExtraSitesFileName = folder.Write("s.man", "1 1 1 0 0 50\n2 2 7 0 0 60\n");
  ModelState m;
  EXPECT_EQ(LoadDataSet(m, r), "");
  m.Node(2).SiteStatus = StatusRequired;
  m.Node(5).SiteStatus = StatusExcluded;
  m.Node(6).InInitialSolution = 1;
  CountStatuses(m);
  return m;
}

std::vector<Extended> FixedCosts(const ModelState& m) {
  std::vector<Extended> costs;
  for (int k = 1; k <= m.Numbnodes; ++k) costs.push_back(m.Node(k).FixedCost);
  return costs;
}

// The nearest-order rows as a fresh build from the current matrix gives them.
void ExpectFreshNearestOrder(const ModelState& m) {
  NodeMatrix fresh;
  BuildNearestOrder(m.DistanceMatrix, m.Numbnodes, fresh);
  for (int i = 1; i <= m.Numbnodes; ++i)
    for (int k = 1; k <= m.Numbnodes; ++k) EXPECT_EQ(m.NearestOrder.at(i, k), fresh.at(i, k)) << i << ", " << k;
  EXPECT_EQ(m.MaxDistance, LargestDistance(m.DistanceMatrix, m.Numbnodes));
}

}  // namespace

TEST(DataEdits, NodeFieldsTakeValidTextAndRefuseTheRest) {
  struct Case {
    NodeField field;
    std::string text;
    std::string warning;  // empty: accepted
    std::string shown;    // the field's text afterwards
  };
  const Case cases[] = {
      {NodeField::XCoord, "-87.6298", "", "-87.6298"},
      {NodeField::YCoord, "1e3", "", "1000"},
      {NodeField::Demand, "12.5", "", "12.5"},
      {NodeField::FixedCost, "0", "", "0"},
      {NodeField::XCoord, "east", "Longitude of node 2: [east] is not a number.\rThe previous value is kept.", "4"},
      {NodeField::Demand, "-1", "Demand of node 2: [-1] is not a number of at least 0.\rThe previous value is kept.", "6"},
      {NodeField::FixedCost, "", "Fixed Cost of node 2: [] is not a number of at least 0.\rThe previous value is kept.",
       "20"},
      {NodeField::Name, "A name that runs on well past the thirty-nine characters", "",
       "A name that runs on well past the thirt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TempFolder folder;
    ModelState m = SixNodeModel(folder);
    EXPECT_EQ(EditNodeField(m, 2, c.field, c.text), c.warning);
    EXPECT_EQ(NodeFieldText(m, 2, c.field), c.shown);
    EXPECT_EQ(m.Node(2).LoadedDemand, 6);
    EXPECT_EQ(m.TotalDemand, 26);
  }
}

TEST(DataEdits, DistanceEntryTakesWholeNumbersAndKeepsTheOrderCurrent) {
  TempFolder folder;
  ModelState m = SixNodeModel(folder);
  for (const std::string text : {"", "x", "1.5", "-1", "2147483648"})
    EXPECT_EQ(EditDistance(m, 3, 4, text),
              "Distance from node 3 to node 4: [" + text + "] is not a whole number from 0 to 2147483647.\r"
              "The previous value is kept.");
  EXPECT_EQ(m.DistanceMatrix.at(3, 4), 15);
  EXPECT_EQ(m.MaxDistance, 18);

  EXPECT_EQ(EditDistance(m, 3, 4, "0"), "");  // node 4 becomes as near to 3 as 3 itself
  EXPECT_EQ(m.DistanceMatrix.at(3, 4), 0);
  EXPECT_EQ(m.DistanceMatrix.at(4, 3), 15);  // only the entry edited
  ExpectFreshNearestOrder(m);
  EXPECT_EQ(EditDistance(m, 1, 6, "2147483647"), "");
  EXPECT_EQ(m.MaxDistance, 2147483647);
  ExpectFreshNearestOrder(m);
  EXPECT_EQ(EditDistance(m, 1, 6, " 9 "), "");
  EXPECT_EQ(m.MaxDistance, 18);
  ExpectFreshNearestOrder(m);
}

TEST(DataEdits, RemovingNodesLowersTheCountsThatApply) {
  struct Case {
    int removed;
    int numbnodes, demandNodes;
    std::vector<Extended> costs;
    int forced, excluded, initial;
  };
  const Case cases[] = {
      {4, 5, 3, {10, 20, 30, 50, 60}, 1, 1, 1},  // the last demand node
      {5, 5, 4, {10, 20, 30, 40, 60}, 1, 0, 1},  // a candidate-only site
      {2, 5, 3, {10, 30, 40, 50, 60}, 0, 1, 1},  // a required site
      {1, 5, 3, {20, 30, 40, 50, 60}, 1, 1, 1},
      {6, 5, 4, {10, 20, 30, 40, 50}, 1, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.removed);
    TempFolder folder;
    ModelState m = SixNodeModel(folder);
    const ModelState before = m;
    RemoveNode(m, c.removed);
    EXPECT_EQ(m.Numbnodes, c.numbnodes);
    EXPECT_EQ(m.NumDemandNodes, c.demandNodes);
    EXPECT_EQ(FixedCosts(m), c.costs);
    EXPECT_EQ(m.ForcedCount, c.forced);
    EXPECT_EQ(m.ExcludedCount, c.excluded);
    EXPECT_EQ(m.InitialCount, c.initial);
    EXPECT_EQ(m.CoverListsBuilt, 0);
    for (int i = 1; i <= m.Numbnodes; ++i) {
      const int oldI = i < c.removed ? i : i + 1;
      EXPECT_EQ(m.Node(i).SiteStatus, before.Node(oldI).SiteStatus);
      for (int j = 1; j <= m.Numbnodes; ++j)
        EXPECT_EQ(m.DistanceMatrix.at(i, j), before.DistanceMatrix.at(oldI, j < c.removed ? j : j + 1));
      EXPECT_EQ(m.DistanceMatrix.at(i, 6), 0);
    }
    EXPECT_EQ(m.Node(6).FixedCost, 0);
    ExpectFreshNearestOrder(m);
  }
}

TEST(DataEdits, RemovingEveryDemandNodeLeavesOnlySites) {
  TempFolder folder;
  ModelState m = SixNodeModel(folder);
  for (int k = 0; k < 4; ++k) RemoveNode(m, 1);
  EXPECT_EQ(m.Numbnodes, 2);
  EXPECT_EQ(m.NumDemandNodes, 0);
  EXPECT_EQ(NodeLabel(m, 1), "Extra 1");
  EXPECT_EQ(DistanceHeaderLabel(m, 1), "Node 1");
}

// After an entry is edited, an exact p-median run finds the optimum of the edited
// matrix. The site values walk NearestOrder, so a stale order would misprice them.
TEST(DataEdits, ExactMedianAfterGridEditsFindsTheEditedOptimum) {
  for (unsigned seed = 1; seed <= 8; ++seed) {
    SCOPED_TRACE(seed);
    ModelState m;
    korvelan::testing::LoadInstance(m, {seed, 10, 10, 1, 0, -1, 0});
    m.Median.ExchangeSearch = 0;
    m.DoSubstitution = 0;
    // Each of the heaviest nodes' farthest site becomes its nearest.
    for (int i = 1; i <= 4; ++i) {
      const int farthest = m.NearestOrder.at(i, m.Numbnodes);
      ASSERT_EQ(EditDistance(m, i, farthest, "0"), "");
    }
    const Extended optimum = korvelan::testing::ExhaustiveOptimum(m, 3, 0, false);
    HeadlessRunHost host;
    const MedianRunResult run = RunMedianLagrangian(m, host, 3);
    ASSERT_TRUE(run.solved);
    EXPECT_EQ(run.upper, optimum);
    EXPECT_EQ(korvelan::testing::SolutionCost(m, korvelan::testing::OpenSites(m), 0, false), optimum);
    EXPECT_LE(run.lower, optimum + 1e-9L);
  }
}
