#include <gtest/gtest.h>

#include "HeuristicModels.h"
#include "median/MedianHeuristics.h"
#include "median/MedianServices.h"
#include "median/SwapScan.h"
#include "model/CoverageLists.h"
#include "solve/Evaluation.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

// A random model with `open` sites opened by greedy adding and nearest assignment.
void OpenGreedily(ModelState& m, unsigned seed, const RandomModelOptions& options, int open) {
  FillRandomModel(m, seed, options);
  ClearSolution(m);
  HeadlessRunHost host;
  m.SolutionClass = 2;
  Myopic(m, host, open);
  m.SolutionClass = 0;
}

struct ServiceCase {
  unsigned seed;
  RandomModelOptions options;
  int open;
};
const ServiceCase ServiceCases[] = {
    {60, {10, 10}, 3}, {61, {12, 9, true}, 4}, {62, {12, 12, false, true}, 2}, {63, {9, 9}, 1}, {64, {12, 12}, 6},
};

}  // namespace

TEST(MedianServices, SwapSavingIsTheDecreaseOfTheRecomputedTotalAndTheScanAgreesBitForBit) {
  for (const ServiceCase& c : ServiceCases) {
    SCOPED_TRACE(c.seed);
    ModelState m;
    OpenGreedily(m, c.seed, c.options, c.open);
    const std::set<int> open = OpenSet(m);
    const Extended before = NearestWeightedDistance(m, open);
    std::vector<Extended> scan;
    for (int o : open) {
      ComputeSecondClosest(m);
      ReplacementSavings(m, o, scan);
      for (int s = 1; s <= m.Numbnodes; ++s) {
        if (open.count(s)) continue;
        std::set<int> swapped = open;
        swapped.erase(o);
        swapped.insert(s);
        const Extended saving = SwapSaving(m, o, s);
        EXPECT_NEAR(static_cast<double>(saving), static_cast<double>(before - NearestWeightedDistance(m, swapped)),
                    1e-9);
        EXPECT_EQ(scan[s], saving);
      }
    }
  }
}

TEST(MedianServices, BestSwapPairIsTheLargestSavingFromMinusTenWithStatusesAndRestriction) {
  for (const ServiceCase& c : ServiceCases) {
    SCOPED_TRACE(c.seed);
    ModelState m;
    OpenGreedily(m, c.seed, c.options, c.open);
    const std::vector<int> open = OpenSites(m);
    m.Node(open.front()).SiteStatus = StatusRequired;
    for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).LagOpen = j % 3 == 0;
    if (!m.Node(m.Numbnodes).Located) m.Node(m.Numbnodes).SiteStatus = StatusExcluded;
    for (bool restrict : {false, true}) {
      SwapPair truth;
      truth.saving = -10;
      for (int o : open) {
        if (m.Node(o).SiteStatus == StatusRequired) continue;
        for (int s = 1; s <= m.Numbnodes; ++s) {
          if (m.Node(s).Located || m.Node(s).SiteStatus == StatusExcluded) continue;
          if (restrict && m.Node(o).LagOpen == 1 && m.Node(s).LagOpen == 0) continue;
          const Extended saving = SwapSaving(m, o, s);
          if (saving > truth.saving) truth = {s, o, saving};
        }
      }
      m.SecondFacilityValid = 0;
      const SwapPair best = BestSwapPair(m, restrict);
      EXPECT_EQ(best.closedSite, truth.closedSite);
      EXPECT_EQ(best.openSite, truth.openSite);
      if (truth.closedSite != 0) {
        EXPECT_EQ(best.saving, truth.saving);
      }
    }
  }
}

TEST(MedianServices, BestSwapPairAcceptsASmallLossButNotALargeOne) {
  // One demand node served by site 1 at 0; site 2 is at distance d.
  for (const auto& [d, expected] : {std::pair{9, 2}, std::pair{10, 0}}) {
    ModelState m;
    m.Numbnodes = 2;
    m.NumDemandNodes = 1;
    m.DistanceMatrix.at(1, 2) = d;
    m.Node(1).Demand = 1;
    FinishModel(m);
    m.Node(1).Located = 1;
    m.Node(1).AssignedFacility = 1;
    EXPECT_EQ(BestSwapPair(m, false).closedSite, expected);
  }
}

TEST(MedianServices, RemoveMedianMovesNodesToTheirNearestRemainingSite) {
  for (const ServiceCase& c : ServiceCases) {
    if (c.open < 2) continue;
    ModelState m;
    OpenGreedily(m, c.seed, c.options, c.open);
    const int removed = OpenSites(m)[1];
    RemoveMedian(m, removed);
    EXPECT_FALSE(m.Node(removed).Located);
    EXPECT_EQ(NotNearestFault(m), "");
    EXPECT_EQ(m.SecondFacilityValid, 0);
  }
}

TEST(MedianServices, AssignAllToNearestAssignsAndRebuildsCoverageCounts) {
  ModelState m;
  FillRandomModel(m, 65, {12, 12});
  m.CoverageDistance = 5 * FixedPointScale;
  BuildCoverageLists(m);
  for (int j : {2, 6, 9}) m.Node(j).Located = 1;
  m.Node(4).NTIMES = 17;
  HeadlessRunHost host;
  AssignAllToNearest(m, host);
  EXPECT_EQ(NotNearestFault(m), "");
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    int covers = 0;
    for (int j : {2, 6, 9}) covers += m.DistanceMatrix.at(i, j) <= 5;
    EXPECT_EQ(m.Node(i).NTIMES, covers) << i;
  }
}

TEST(MedianServices, SecondClosestIsTheNearestOtherOpenSite) {
  for (const ServiceCase& c : ServiceCases) {
    ModelState m;
    OpenGreedily(m, c.seed, c.options, c.open);
    ComputeSecondClosest(m);
    EXPECT_EQ(m.SecondFacilityValid, 1);
    for (int i = 1; i <= m.NumDemandNodes; ++i) {
      int64_t best = NoDistance;
      for (int j : OpenSites(m))
        if (j != m.Node(i).AssignedFacility) best = std::min<int64_t>(best, m.DistanceMatrix.at(i, j));
      EXPECT_EQ(m.Node(i).SecondDistance, best);
      if (c.open > 1) {
        EXPECT_EQ(m.DistanceMatrix.at(i, m.Node(i).SecondFacility), best);
      }
    }
  }
}
