#include <gtest/gtest.h>

#include <limits>

#include "solve/Evaluation.h"
#include "solve/QuickSortIndex.h"

using namespace korvelan;

TEST(Evaluation, NearestLocatedPrefersLowerNumberedOfEqualSites) {
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 3;
  m.DistanceMatrix.at(1, 2) = 5;
  m.DistanceMatrix.at(1, 3) = 5;
  m.Node(2).Located = m.Node(3).Located = 1;
  EXPECT_EQ(NearestLocated(m, 1).site, 2);
}

TEST(Evaluation, NearestLocatedFindsSitesBeyondAnyFixedStartValue) {
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 2;
  m.DistanceMatrix.at(1, 2) = std::numeric_limits<int32_t>::max();
  m.Node(2).Located = 1;
  const NearestSite nearest = NearestLocated(m, 1);
  EXPECT_EQ(nearest.site, 2);
  EXPECT_EQ(nearest.distance, std::numeric_limits<int32_t>::max());
}

TEST(Evaluation, LagOpenWeightedDistanceWithNoOpenSite) {
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 2;
  m.Node(1).Demand = 2;
  m.Node(2).Demand = 3;
  EXPECT_DOUBLE_EQ(static_cast<double>(LagOpenWeightedDistance(m)), 5e30);
}

TEST(QuickSortIndexTest, SortsIndexAndLeavesKeys) {
  const int keys[] = {0, 9, 3, 7, 3, 1};
  int index[6];
  QuickSortIndex(1, 5, keys, index);
  for (int k = 1; k < 5; ++k) EXPECT_LE(keys[index[k]], keys[index[k + 1]]);
  EXPECT_EQ(keys[2], 3);
  const long double reals[] = {0, 2.5L, -1, 2.5L, 0.5L};
  int order[5];
  QuickSortIndex(1, 4, reals, order);
  EXPECT_EQ(order[1], 2);
  EXPECT_EQ(order[2], 4);
  const std::string names[] = {"", "delta", "alpha", "charlie", "bravo"};
  int byName[5];
  ShellSortIndex(1, 4, names, byName);
  EXPECT_EQ(names[byName[1]], "alpha");
  EXPECT_EQ(names[byName[4]], "delta");
}
