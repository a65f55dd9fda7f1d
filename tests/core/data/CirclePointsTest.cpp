#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "DataTestSupport.h"
#include "data/CirclePoints.h"

using namespace korvelan;

namespace {

double Gap(const LoadedNode& a, const LoadedNode& b) {
  return std::hypot(a.XCoord - b.XCoord, a.YCoord - b.YCoord);
}

}  // namespace

TEST(CirclePoints, OfferedWhileEveryPointFits) {
  EXPECT_TRUE(CirclePointsOffered(7));    // 7 + 21 + 35 = 63
  EXPECT_TRUE(CirclePointsOffered(12));   // 12 + 66 + 220 = 298
  EXPECT_FALSE(CirclePointsOffered(13));  // 13 + 78 + 286 = 377
  EXPECT_FALSE(CirclePointsOffered(300));
}

TEST(CirclePoints, CollinearNodesGivePairPointsOnly) {
  std::vector<LoadedNode> nodes = {At(0, 0), At(2, 2), At(5, 5)};
  for (LoadedNode& node : nodes) node.Demand = node.FixedCost = 9;
  const std::vector<LoadedNode> points = CirclePoints(nodes);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0].NodeName, "P   1  2 D 1.41");
  EXPECT_EQ(points[1].NodeName, "P   1  3 D 3.54");
  EXPECT_EQ(points[2].NodeName, "P   2  3 D 2.12");
  EXPECT_EQ(points[1].XCoord, 2.5);
  EXPECT_EQ(points[1].YCoord, 2.5);
  for (const LoadedNode& p : points) {
    EXPECT_EQ(p.Demand, 0);
    EXPECT_EQ(p.FixedCost, 0);
  }
}

TEST(CirclePoints, TriangleCentreAndGroupedRadius) {
  // Right triangle: the circumcentre is the midpoint of the hypotenuse.
  const std::vector<LoadedNode> points = CirclePoints({At(0, 0), At(3000, 0), At(0, 4000)});
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[3].NodeName, "T   1  2  3 D 2,500.00");
  EXPECT_EQ(points[3].XCoord, 1500);
  EXPECT_EQ(points[3].YCoord, 2000);
}

TEST(CirclePoints, CentresAreEquidistantFromTheirNodes) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> coordinate(-100, 100);
  std::vector<LoadedNode> nodes;
  for (int k = 0; k < 6; ++k) nodes.push_back(At(coordinate(random), coordinate(random)));
  const std::vector<LoadedNode> points = CirclePoints(nodes);
  ASSERT_EQ(points.size(), 15u + 20u);
  size_t p = 15;
  for (int i = 0; i < 6; ++i)
    for (int j = i + 1; j < 6; ++j)
      for (int k = j + 1; k < 6; ++k, ++p) {
        const double r = Gap(points[p], nodes[i]);
        EXPECT_NEAR(Gap(points[p], nodes[j]), r, 1e-9 * r);
        EXPECT_NEAR(Gap(points[p], nodes[k]), r, 1e-9 * r);
      }
}

TEST(CirclePoints, StopsAtTheLimit) {
  EXPECT_EQ(CirclePoints({At(0, 0), At(1, 0), At(0, 1), At(1, 1)}, 5).size(), 5u);
}
