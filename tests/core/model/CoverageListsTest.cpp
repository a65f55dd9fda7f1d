#include <gtest/gtest.h>

#include "model/CoverageLists.h"
#include "model/ModelState.h"

using namespace korvelan;

namespace {

// Three demand nodes on a line at 0, 10, 25 and one candidate-only site at 12.
ModelState LineModel() {
  ModelState m;
  const double x[] = {0, 0, 10, 25, 12};
  m.Numbnodes = 4;
  m.NumDemandNodes = 3;
  for (int i = 1; i <= 4; ++i) {
    InitNodeRecord(m, i);
    m.Node(i).XCoord = x[i];
    m.Node(i).Demand = m.Node(i).LoadedDemand = i <= 3 ? i * 10 : 0;
  }
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) m.DistanceMatrix.at(i, j) = static_cast<int32_t>(std::abs(x[i] - x[j]));
  return m;
}

}  // namespace

TEST(CoverageLists, DistanceEqualToCoverageCoversAndListsAscend) {
  ModelState m = LineModel();
  m.CoverageDistance = 10 * FixedPointScale;
  ASSERT_EQ(BuildCoverageLists(m), "");
  EXPECT_EQ(m.Node(1).CoversList, (std::vector<uint16_t>{1, 2}));
  EXPECT_EQ(m.Node(4).CoversList, (std::vector<uint16_t>{2}));  // 12 covers 10 only
  EXPECT_EQ(m.Node(2).CoveredByList, (std::vector<uint16_t>{1, 2, 4}));
  EXPECT_EQ(m.Node(3).CoveredByList, (std::vector<uint16_t>{3}));
  EXPECT_EQ(m.Node(1).CoverableDemand, 30);
  EXPECT_EQ(m.CoverListLength, 2 + 2 + 1 + 1);
  EXPECT_TRUE(m.CoverListsBuilt);
}

TEST(CoverageLists, UnsetCoverageDistanceCoversNothing) {
  ModelState m = LineModel();
  ASSERT_EQ(BuildCoverageLists(m), "");
  for (int j = 1; j <= 4; ++j) EXPECT_TRUE(m.Node(j).CoversList.empty());
}

TEST(CoverageLists, FractionalCoverageDistanceComparesInFixedPoint) {
  ModelState m = LineModel();
  m.CoverageDistance = 99999;  // 9.9999 leaves the pair at distance 10 uncovered
  BuildCoverageLists(m);
  EXPECT_EQ(m.Node(1).CoversList, (std::vector<uint16_t>{1}));
}

TEST(CoverageLists, WeightedVariantScalesEachDemandNodesDistance) {
  ModelState m = LineModel();
  m.CoverageDistance = 10 * FixedPointScale;
  std::vector<Extended> weights = {0, 1, 2, 0.4L, 0};
  BuildWeightedCoverageLists(m, weights);
  // From site 1: node 2 at 10 x 2 = 20 is out, node 3 at 25 x 0.4 = 10 is in.
  EXPECT_EQ(m.Node(1).CoversList, (std::vector<uint16_t>{1, 3}));
  // From site 4 (at 12): node 1 at 12 is out, node 2 at 2 x 2 = 4 and node 3 at 13 x 0.4 are in.
  EXPECT_EQ(m.Node(4).CoversList, (std::vector<uint16_t>{2, 3}));
}

TEST(ModelStateTest, RestoreDemandsGivesBackLoadedValuesAndTotal) {
  ModelState m = LineModel();
  m.Node(2).Demand = 7;
  RestoreDemands(m);
  EXPECT_EQ(m.Node(2).Demand, 20);
  EXPECT_EQ(m.TotalDemand, 60);
}

TEST(ModelStateTest, CountStatusesCountsPresetOnce) {
  ModelState m = LineModel();
  m.Node(1).SiteStatus = StatusRequired;
  m.Node(1).InInitialSolution = 1;
  m.Node(2).InInitialSolution = 1;
  m.Node(3).SiteStatus = StatusExcluded;
  CountStatuses(m);
  EXPECT_EQ(m.ForcedCount, 1);
  EXPECT_EQ(m.ExcludedCount, 1);
  EXPECT_EQ(m.InitialCount, 2);
  EXPECT_EQ(m.PresetCount, 2);
  EXPECT_EQ(m.Node(3).SignedStatus(), -1);
}
