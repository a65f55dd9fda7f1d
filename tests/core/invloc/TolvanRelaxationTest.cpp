#include <gtest/gtest.h>

#include <cmath>

#include "InvLocTestModels.h"
#include "invloc/TolvanSolver.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

using testing::LoadPoints;

// Three demand nodes (mu = 1, 3, 0; u = 10, 4, 2) and four sites with the factors
// K + Theta = 4, 100, 0, 100, fixed costs 7, 20, 30, 40 and the transport costs below.
struct Fixture {
  ModelState m;
  TolvanSearch search;
  HeadlessRunHost host;

  Fixture() {
    LoadPoints(m, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}, {1, 3, 0, 0}, {7, 20, 30, 40}, 3);
    AllocateCostMatrix(m, search.relax);
    search.sorted.assign(NodeSlots, {});
    const Extended factor[] = {4, 100, 0, 100};
    const Extended cost[3][4] = {{0, 9, 4, 8}, {0, 0, 10, 3}, {5, 0, 0, 3}};
    const Extended u[] = {10, 4, 2};
    for (int j = 1; j <= 4; ++j) search.concave[j] = factor[j - 1];
    for (int i = 1; i <= 3; ++i) {
      search.relax.multiplier[i] = u[i - 1];
      for (int j = 1; j <= 4; ++j) search.relax.Row(i)[j] = cost[i - 1][j - 1];
    }
    TolvanIndexBySite(search);
    TolvanBenefits(m, search);
  }

  std::vector<int> Marked(int j) const {
    std::vector<int> nodes;
    for (int i = 1; i <= 3; ++i)
      if (m.Node(i).AssignVector[j]) nodes.push_back(i);
    return nodes;
  }
};

TEST(TolvanBenefits, BestPrefixOfTheSortedNodes) {
  Fixture f;
  struct Case { int site; Extended benefit; std::vector<int> marked; const char* why; };
  const Case cases[] = {
      // c = -10, -4 (ratios -0.625, -0.083): prefixes 4 - 10 = -6 and 8 - 14 = -6: the longer wins.
      {1, -6 + 7, {1, 2}, "equal prefixes"},
      // node 3 (mu 0, c -2) sorts first: -2; then 100 sqrt(3) - 6 and 200 - 7 are worse.
      {2, -2 + 20, {3}, "zero demand first"},
      // linear site: every c <= 0 is taken, c = 6 is not.
      {3, -8 + 30, {1, 3}, "linear site"},
      // prefixes 100 - 2 and 200 - 3 are positive: the fixed cost alone, nothing assigned.
      {4, 40, {}, "every prefix positive"},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(f.m.Node(c.site).LagBenefit, c.benefit, 1e-12L) << c.why;
    EXPECT_EQ(f.Marked(c.site), c.marked) << c.why;
  }
}

// Open sites 2 and 4: nodes 1 and 2 have no mark at either and go where the increment
// is smallest; node 3 follows its mark to site 2.
TEST(TolvanUpperBound, NodesWithoutAMarkTakeTheSmallestIncrement) {
  Fixture f;
  f.m.Fixed.ExchangeSearch = 0;
  f.search.relax.open[2] = f.search.relax.open[4] = 1;
  int count = 0;
  TolvanUpperBound(f.m, f.host, f.search, 2, count);
  // node 1: 100 + 9 at site 2 against 100 + 8 at site 4; node 2: 173.2 against (2 - 1) 100 + 3.
  EXPECT_EQ(f.m.Node(1).AssignedFacility, 4);
  EXPECT_EQ(f.m.Node(2).AssignedFacility, 4);
  EXPECT_EQ(f.m.Node(3).AssignedFacility, 2);
  EXPECT_EQ(count, 2);
  EXPECT_NEAR(f.search.NodeUpperBound, 60 + (8 + 3 + 0) + 200, 1e-12L);
}

// With the number free, a site whose demand is (near) zero but which still serves a
// node stays open; the assignment search then moves the node and closes the site only
// because the move gains its fixed cost.
TEST(TolvanUpperBound, SiteServingANodeIsNotClosedForItsSmallDemand) {
  Fixture f;
  f.m.Fixed.ExchangeSearch = 0;
  f.search.relax.open[2] = f.search.relax.open[4] = 1;
  int count = 0;
  TolvanUpperBound(f.m, f.host, f.search, -1, count);
  EXPECT_EQ(f.m.Node(2).Located, 1);
  EXPECT_EQ(f.m.Node(3).AssignedFacility, 2);
  EXPECT_NEAR(f.search.NodeUpperBound, 271, 1e-12L);

  Fixture g;
  g.search.relax.open[2] = g.search.relax.open[4] = 1;
  TolvanUpperBound(g.m, g.host, g.search, -1, count);
  // Node 3 to site 4 costs 3 and saves site 2's fixed cost of 20.
  EXPECT_EQ(g.m.Node(2).Located, 0);
  EXPECT_EQ(g.m.Node(3).AssignedFacility, 4);
  EXPECT_EQ(count, 1);
  EXPECT_NEAR(g.search.NodeUpperBound, 40 + (8 + 3 + 3) + 200, 1e-12L);
}

TEST(TolvanUpperBound, NoOpenSiteIsAWarning) {
  Fixture f;
  int count = 0;
  TolvanUpperBound(f.m, f.host, f.search, -1, count);
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].kind, 'W');
  EXPECT_EQ(f.host.messages[0].text, "No Facilities Identified ... Fatal Condition");
  EXPECT_FALSE(f.search.nodeHasSolution);
}

// With the default demand per population every site's daily demand is far below 0.01:
// the run still serves every node from an open site.
TEST(TolvanSolve, TinyDailyDemandsKeepEveryNodeServed) {
  ModelState m;
  testing::LoadRandomInstance(m, {5, 12, 12, 200, 2, 0});
  m.InvLoc.Parameters = TolvanParameters{};
  m.InvLoc.Parameters.DeliveryRate = 50;
  ComputeTolvanDerivedData(m);
  m.ProblemCode = 'V';
  m.FixedAlgorithm = 'L';
  m.FixedNumberToLocate = -1;
  HeadlessRunHost host;
  SolveModel(m, host);
  ASSERT_EQ(m.FatalError, 0);
  EXPECT_GT(m.NumLocated, 1);
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    EXPECT_LE(m.Node(i).Demand, 0.01L);
    EXPECT_EQ(m.Node(m.Node(i).AssignedFacility).Located, 1) << i;
  }
  EXPECT_NEAR(TolvanObjective(m), m.RunUpperBound, 1e-9L * m.RunUpperBound);
}

}  // namespace
}  // namespace korvelan

namespace korvelan {
namespace {

TEST(TolvanDiagnostics, ListsMultipliersBenefitsAndTheWalkOfEveryOpenSite) {
  Fixture f;
  f.search.relax.open[1] = f.search.relax.open[3] = 1;
  const std::vector<std::string> lines = TolvanDiagnosticListing(f.m, f.search, 5, 10);
  const std::vector<std::string> expected = {
      "==================================================",
      "UI Values below",
      "Node 1 UI Value = 10.0000",
      "Node 2 UI Value = 4.0000",
      "Node 3 UI Value = 2.0000",
      "TOTAL OF ALL UI TERMS = 16.0000",
      "UI Sort Values Below",
      "Node 1 UI_sort = 1.0000 FC = 7.0000",
      "Node 3 UI_sort = 22.0000 FC = 30.0000",
      "TOTAL OF ALL UI SORT FOR INCLUDED NODE = 23.0000",
      "TOTAL OF UI and UI SORT TERMS = 39.0000",
      "Node 2 UI_sort = 18.0000 FC = 20.0000",
      "Node 4 UI_sort = 40.0000 FC = 40.0000",
      "Results for node 1",
      "BI TERM FACTOR = 4.000000",
      "Node  Dem.  ---DEMANDS---  --TOT. DEM.--  ---NODE BI---  ---TOT. BI---  ---OBJ FCN--- BEST",
      "   1     1        1.0000         1.0000       -10.0000       -10.0000        -6.0000 <===",
      "   2     3        3.0000         4.0000        -4.0000       -14.0000        -6.0000 <===",
      "Best Objective Function = -6.0000",
      "Adding Fixed Cost  = 1.0000",
      "UI Sort            = 1.0000",
      "Best Index = 2",
      "Corrected Sum = 0.0000",
      "Results for node 3",
      "BI TERM FACTOR = 0.000000",
      "Node  Dem.  ---DEMANDS---  --TOT. DEM.--  ---NODE BI---  ---TOT. BI---  ---OBJ FCN--- BEST",
      "   1     1        1.0000         1.0000        -6.0000        -6.0000        -6.0000 <===",
      "   3     0        0.0000         1.0000        -2.0000        -8.0000        -8.0000 <===",
      "Best Objective Function = -8.0000",
      "Adding Fixed Cost  = 22.0000",
      "UI Sort            = 22.0000",
      "Best Index = 2",
      "Corrected Sum = 0.0000",
      "Lower Bound   = 5.0000",
      "Upper Bound   = 10.0000",
  };
  EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace korvelan
