// The weighted partial p-center with demands large enough that demand x distance
// x 10000 leaves 64 bits.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "CoverInstances.h"
#include "model/CoverageLists.h"
#include "solve/SolveModel.h"

using namespace korvelan;
using namespace korvelan::covertest;

namespace {

constexpr Extended HeavyDemand = 1.12e12L;

// Six nodes spread over 3000 x 3000 (distances far above 823, where the product
// with HeavyDemand passes 2^63); node 1 carries HeavyDemand, the others 1..9.
void FillHeavyInstance(ModelState& m, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> coord(0, 3000), small(1, 9);
  const int n = 6;
  m.Numbnodes = m.NumDemandNodes = n;
  std::vector<double> x(n + 1), y(n + 1);
  Extended total = 0;
  for (int i = 1; i <= n; ++i) {
    x[i] = coord(rng);
    y[i] = coord(rng);
    m.Node(i).Demand = m.Node(i).LoadedDemand = i == 1 ? HeavyDemand : small(rng);
    total += m.Node(i).Demand;
  }
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      m.DistanceMatrix.at(i, j) = static_cast<int32_t>(std::lround(std::hypot(x[i] - x[j], y[i] - y[j])));
  m.TotalDemand = total;
}

// Brute force: the smallest whole C with C >= distance x demand for every node,
// over every set of k sites; products in exact 128-bit integers.
int64_t BruteForceWeightedRadius(const ModelState& m, int k) {
  __extension__ typedef __int128 Wide;
  Wide best = -1;
  ForEachSiteSet(m, k, [&](unsigned mask) {
    Wide worst = 0;
    for (int i = 1; i <= m.NumDemandNodes; ++i) {
      Wide nearest = -1;
      for (int j = 1; j <= m.Numbnodes; ++j)
        if (mask & (1u << (j - 1))) {
          const Wide weighted = static_cast<Wide>(m.DistanceMatrix.at(i, j)) * static_cast<Wide>(m.Node(i).Demand);
          if (nearest < 0 || weighted < nearest) nearest = weighted;
        }
      worst = std::max(worst, nearest);
    }
    if (best < 0 || worst < best) best = worst;
  });
  return static_cast<int64_t>(best);
}

}  // namespace

TEST(WeightedCenter, HeavyDemandGivesTheBruteForceRadius) {
  for (unsigned seed : {1u, 2u, 3u}) {
    ModelState m;
    FillHeavyInstance(m, seed);
    m.ProblemCode = '%';
    m.SolutionClass = 2;
    m.CoverTypeCode = 'F';
    m.CoverFraction = 1.0;
    m.DoWeightedFlag = 1;
    m.NumberToLocate = 2;
    m.UpperDistanceEstimate = 10 * FixedPointScale;
    m.LowerDistanceEstimate = 0;
    HeadlessRunHost host;
    SolveModel(m, host);
    ASSERT_FALSE(m.FatalError) << "seed " << seed << ": " << (host.messages.empty() ? "" : host.messages.back().text);
    EXPECT_EQ(m.CoverageDistance, BruteForceWeightedRadius(m, 2) * FixedPointScale) << "seed " << seed;
    EXPECT_EQ(m.Node(1).Demand, HeavyDemand);
  }
}

TEST(WeightedCenter, ARadiusBeyondTheLargestDistanceIsAnErrorNotAWrongAnswer) {
  // Every node weighs HeavyDemand and no facility can stand next to node 2: the
  // answer, 1000 x 1.12e12, lies beyond every coverage distance that can be held.
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 2;
  for (int i = 1; i <= 2; ++i) m.Node(i).Demand = m.Node(i).LoadedDemand = HeavyDemand;
  m.DistanceMatrix.at(1, 2) = m.DistanceMatrix.at(2, 1) = 1000;
  m.Node(2).SiteStatus = StatusExcluded;
  m.TotalDemand = 2 * HeavyDemand;
  m.ProblemCode = '%';
  m.CoverTypeCode = 'F';
  m.CoverFraction = 1.0;
  m.DoWeightedFlag = 1;
  m.NumberToLocate = 1;
  m.UpperDistanceEstimate = 10 * FixedPointScale;
  HeadlessRunHost host;
  SolveModel(m, host);
  EXPECT_TRUE(m.FatalError);
  bool told = false;
  for (const auto& message : host.messages)
    told = told || message.text ==
                       "Unable to cover the required demand with 1 facilities at any coverage distance up to "
                       "100,000,000,000,000.\nThe demand-weighted distances of these demands reach beyond it.";
  EXPECT_TRUE(told);
}

TEST(WeightedCenter, CoverageTestIsExactForWholeDemands) {
  struct Case {
    int64_t coverage;
    int32_t distance;
    Extended weight;
    bool covered;
  };
  const Case cases[] = {
      {9217600000000000000, 823, HeavyDemand, true},  // 823 x 1.12e12 x 10000, exactly
      {9217599999999999999, 823, HeavyDemand, false},
      {INT64_MAX, 824, HeavyDemand, false},            // the product passes 2^63
      {INT64_MAX, 2147483647, HeavyDemand, false},
      {1000000000000000000, 89, HeavyDemand, true},     // 9.968e17
      {996799999999990000, 89, HeavyDemand, false},
      {25000, 10, 0.25L, true},
      {24999, 10, 0.25L, false},
      {0, 0, HeavyDemand, true},
      {0, 5, 0, true},
      {-10000, 1, 1, false},                           // coverage not set
  };
  for (const Case& c : cases)
    EXPECT_EQ(WithinWeightedCoverage(c.coverage, c.distance, c.weight), c.covered)
        << c.coverage << " " << c.distance << " " << static_cast<double>(c.weight);
}
