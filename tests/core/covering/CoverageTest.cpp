#include <gtest/gtest.h>

#include "CoveringTestModels.h"
#include "covering/Coverage.h"
#include "solve/QuickSortIndex.h"

using namespace korvelan;
using namespace korvelan::testing;

TEST(Coverage, DecrementWarningsAndTheUpdateGoesOn) {
  ModelState m;
  LoadMatrix(m, {{0, 5}, {5, 0}}, {1, 1});
  SetCoverage(m, 10);
  HeadlessRunHost host;
  UpdateCoverage(m, host, '+', 2);
  UpdateCoverage(m, host, '-', 2);
  EXPECT_TRUE(host.messages.empty());
  UpdateCoverage(m, host, '-', 1);
  ASSERT_EQ(host.messages.size(), 4u);
  EXPECT_EQ(host.messages[0].kind, 'W');
  EXPECT_EQ(host.messages[0].text, "About to decrement a node with 0 cover times ... WARNING!!!\nBestlocation = 1");
  EXPECT_EQ(host.messages[1].text, "NTIMES Seems to be wrong for node 1\nBestlocation = 1");
  EXPECT_EQ(m.Node(1).NTIMES, -1);
  EXPECT_EQ(m.Node(2).NTIMES, -1);
}

TEST(Coverage, UncoveredGainSkipsDominatedAndExcludedSites) {
  ModelState m;
  LoadMatrix(m, {{0, 5, 5}, {5, 0, 5}, {5, 5, 0}}, {1, 2, 4});
  SetCoverage(m, 10);
  m.Node(1).NTIMES = 1;
  m.Node(2).Dominated = 1;
  m.Node(3).SiteStatus = StatusExcluded;
  ComputeUncoveredGain(m);
  EXPECT_EQ(m.Node(1).UncoveredGain, 6);
  EXPECT_EQ(m.Node(2).UncoveredGain, 0);
  EXPECT_EQ(m.Node(3).UncoveredGain, 0);
}

namespace {

// Every site's CoversList given directly (all nodes are demand nodes).
void SetCovers(ModelState& m, const std::vector<std::vector<int>>& covers, const std::vector<Extended>& demand) {
  const int n = static_cast<int>(covers.size());
  std::vector<std::vector<int>> d(n, std::vector<int>(n, 100));
  for (int j = 0; j < n; ++j)
    for (int i : covers[j]) d[i - 1][j] = 0;
  LoadMatrix(m, d, demand);
  SetCoverage(m, 10);
}

}  // namespace

TEST(Dominance, EqualResidualSetsMarkTheSmallerOwnDemand) {
  for (const bool smallerFirst : {true, false}) {
    ModelState m;
    const std::vector<Extended> demand = smallerFirst ? std::vector<Extended>{1, 5, 2} : std::vector<Extended>{5, 1, 2};
    SetCovers(m, {{1, 2, 3}, {1, 2, 3}, {3}}, demand);
    ComputeDominance(m);
    const int smaller = smallerFirst ? 1 : 2;
    EXPECT_EQ(m.Node(smaller).Dominated, 1);
    EXPECT_EQ(m.Node(3 - smaller).Dominated, 0);
    EXPECT_EQ(m.Node(3).Dominated, 1);  // {3} lies strictly inside both
    EXPECT_EQ(m.CoverStateChanged, 0);
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(m.Node(j).DominanceMark, m.Node(j).Dominated);
  }
}

TEST(Dominance, EqualDemandsMarkTheLaterSiteInKeyOrder) {
  ModelState m;
  SetCovers(m, {{1, 2}, {1, 2}}, {3, 3});
  ComputeDominance(m);
  const Extended keys[] = {0, 2, 2};
  int order[3];
  QuickSortIndex(1, 2, keys, order);
  EXPECT_EQ(m.Node(order[2]).Dominated, 1);
  EXPECT_EQ(m.Node(order[1]).Dominated, 0);
}

TEST(Dominance, SiteLeftNothingByRequiredSitesIsDominated) {
  for (const bool required : {false, true}) {
    ModelState m;
    // Site 2 covers {1, 2}, all of which site 1 covers; site 3 covers {2, 3}.
    SetCovers(m, {{1, 2, 4}, {1, 2}, {2, 3}, {4}}, {1, 1, 1, 1});
    if (required) m.Node(1).SiteStatus = StatusRequired;
    ComputeDominance(m);
    EXPECT_EQ(m.Node(2).Dominated, 1);
    // With site 1 required, site 4's residual set is empty too.
    EXPECT_EQ(m.Node(4).Dominated, 1);
    // Site 3 keeps node 3, which nothing else covers.
    EXPECT_EQ(m.Node(3).Dominated, 0);
  }
}

TEST(Coverage, CoverByAssignmentComparesWithTheAssignedDistance) {
  ModelState m;
  LoadMatrix(m, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {1, 1, 1});
  m.CoverageDistance = 10 * FixedPointScale;
  m.Node(1).AssignedDistance = 10;
  m.Node(2).AssignedDistance = 11;
  m.Node(3).NTIMES = 4;
  CoverByAssignment(m);
  EXPECT_EQ(m.Node(1).NTIMES, 1);
  EXPECT_EQ(m.Node(2).NTIMES, 0);
  EXPECT_EQ(m.Node(3).NTIMES, 1);
}
