#include <gtest/gtest.h>

#include <vector>

#include "solve/Granularity.h"

namespace korvelan {
namespace {

TEST(Granularity, GrainIsTheGreatestCommonDivisorOfWholeTerms) {
  const struct {
    std::vector<Extended> terms;
    Extended grain;
  } cases[] = {
      {{10, 20, 30}, 10}, {{7, 14, 0}, 7},   {{-4, 6}, 2},     {{100, 250, 40}, 10},
      {{3, 2.5L}, 0},     {{0, 0}, 0},       {{}, 0},          {{1e17L, 2e17L}, 0},
      {{12, 0.1L, 6}, 0}, {{5}, 5},         {{9, 4.5L}, 0},   {{0.4L}, 0},
  };
  for (const auto& c : cases) {
    GrainFinder finder;
    for (Extended t : c.terms) finder.Add(t);
    EXPECT_EQ(finder.Grain(), c.grain);
  }
}

TEST(Granularity, BoundsMoveToTheNextMultipleOnTheirSide) {
  const struct {
    Extended bound;
    Extended grain;
    Extended up;
    Extended down;
  } cases[] = {
      {14434.99999L, 10, 14440, 14430},
      {14340.0000000001L, 10, 14340, 14340},  // a hair above a multiple: rounding noise
      {14339.9999999999L, 10, 14340, 14340},
      {99.5L, 1, 100, 99},
      {-5.5L, 1, -5, -6},
      {99.5L, 0, 99.5L, 99.5L},  // fractional data: nothing is rounded
      {1e30L, 10, 1e30L, 1e30L},  // "no bound yet" stays as it is
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << static_cast<double>(c.bound) << " grain " << static_cast<double>(c.grain));
    EXPECT_EQ(RoundUpToGrain(c.bound, c.grain), c.up);
    EXPECT_EQ(RoundDownToGrain(c.bound, c.grain), c.down);
  }
}

TEST(Granularity, DemandGrainOfTheDemandNodes) {
  ModelState m;
  m.Numbnodes = 4;
  m.NumDemandNodes = 3;
  const Extended demands[] = {12, 18, 30, 7};  // node 4 is a candidate site only
  for (int i = 1; i <= 4; ++i) m.Node(i).Demand = demands[i - 1];
  EXPECT_EQ(DemandGrain(m), 6);
  m.Node(2).Demand = 18.5L;
  EXPECT_EQ(DemandGrain(m), 0);
}

}  // namespace
}  // namespace korvelan
