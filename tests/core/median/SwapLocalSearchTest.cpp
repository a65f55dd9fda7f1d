// The exchange local search for a fixed number of facilities, against exhaustive
// answers on small instances (random points, lattices with equal demands).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "LagrangianInstances.h"
#include "RelaxationMatrix.h"
#include "fixed/FixedLagrangian.h"
#include "median/MedianLagrangian.h"
#include "median/SwapLocalSearch.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

using testing::BuildRelaxationMatrix;
using testing::ExhaustiveOptimum;
using testing::InstanceRecipe;
using testing::LoadInstance;
using testing::OpenSiteList;
using testing::SolutionCost;

// No exchange of an open site that is not required for a closed free site lowers the cost.
void ExpectNoExchangeHelps(const ModelState& m, const std::vector<int>& open, Extended cost,
                           bool fixedCosts) {
  for (int out : open) {
    if (m.Node(out).SiteStatus == StatusRequired) continue;
    for (int in = 1; in <= m.Numbnodes; ++in) {
      if (m.Node(in).SiteStatus != StatusAllowed || std::find(open.begin(), open.end(), in) != open.end())
        continue;
      std::vector<int> exchanged;
      for (int s : open) exchanged.push_back(s == out ? in : s);
      EXPECT_GE(SolutionCost(m, exchanged, 0, fixedCosts), cost) << "exchanging " << out << " for " << in;
    }
  }
}

// A start of `count` sites that respects the statuses: the required ones, then the
// free ones from the highest number down (far from a good solution on purpose).
std::array<uint16_t, NodeSlots> PoorStart(const ModelState& m, int count) {
  std::array<uint16_t, NodeSlots> start{};
  int opened = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).SiteStatus == StatusRequired) {
      start[j] = 1;
      ++opened;
    }
  for (int j = m.Numbnodes; j >= 1 && opened < count; --j)
    if (m.Node(j).SiteStatus == StatusAllowed) {
      start[j] = 1;
      ++opened;
    }
  return start;
}

// From a poor start the search returns exactly as many sites, keeps the required ones
// open and opens only free ones, reports the true cost, never below the exhaustive
// optimum, and no single exchange improves it; most runs reach the optimum.
TEST(SwapLocalSearch, ReturnsALocallyOptimalSolutionOfTheSameSizeThatKeepsTheStatuses) {
  int optimal = 0;
  int runs = 0;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    for (bool fixedCosts : {false, true}) {
      ModelState m;
      const InstanceRecipe recipe{seed, 13, 11, 1, fixedCosts ? 80 : 0, -1, static_cast<int>(seed % 3 == 0)};
      LoadInstance(m, recipe);
      const int count = 2 + static_cast<int>(seed % 3) + m.ForcedCount;
      SCOPED_TRACE(::testing::Message()
                   << "seed " << seed << ", count " << count << ", fixed costs " << fixedCosts);
      FixedSearch search;
      BuildRelaxationMatrix(m, fixedCosts, search);
      const std::array<uint16_t, NodeSlots> start = PoorStart(m, count);
      const LocalSearchResult result = ImproveWithSwaps(m, search.relax, start, fixedCosts, 40, 0);
      const std::vector<int> open = OpenSiteList(result.open, m.Numbnodes);
      ASSERT_EQ(static_cast<int>(open.size()), count);
      for (int j = 1; j <= m.Numbnodes; ++j) {
        if (m.Node(j).SiteStatus == StatusRequired) {
          EXPECT_TRUE(result.open[j]) << j;
        }
        if (result.open[j] && !start[j]) {
          EXPECT_EQ(m.Node(j).SiteStatus, StatusAllowed) << j;
        }
      }
      EXPECT_EQ(result.cost, SolutionCost(m, open, 0, fixedCosts));
      const Extended optimum = ExhaustiveOptimum(m, count, 0, fixedCosts);
      EXPECT_GE(result.cost, optimum);
      ExpectNoExchangeHelps(m, open, result.cost, fixedCosts);
      optimal += result.cost == optimum;
      ++runs;
      // A lower bound already met ends the search after its first descent.
      const LocalSearchResult descent = ImproveWithSwaps(m, search.relax, start, fixedCosts, 0, 0);
      const LocalSearchResult met = ImproveWithSwaps(m, search.relax, start, fixedCosts, 40, descent.cost);
      EXPECT_EQ(met.open, descent.open);
    }
  }
  EXPECT_GT(optimal * 4, runs * 3);
}

// A start holding an excluded site: the search keeps the number, never opens another
// excluded site and never closes a required one.
TEST(SwapLocalSearch, NeverOpensAnExcludedSiteNorClosesARequiredOne) {
  ModelState m;
  LoadInstance(m, InstanceRecipe{7, 12, 12, 1, 0, -1, 0});
  m.Node(3).SiteStatus = StatusExcluded;
  m.Node(5).SiteStatus = StatusExcluded;
  m.Node(8).SiteStatus = StatusRequired;
  CountStatuses(m);
  FixedSearch search;
  BuildRelaxationMatrix(m, false, search);
  std::array<uint16_t, NodeSlots> start{};
  start[3] = start[8] = start[10] = 1;
  const LocalSearchResult result = ImproveWithSwaps(m, search.relax, start, false, 20, 0);
  EXPECT_FALSE(result.open[5]);
  EXPECT_TRUE(result.open[8]);
  EXPECT_EQ(static_cast<int>(OpenSiteList(result.open, m.Numbnodes).size()), 3);
  EXPECT_EQ(result.cost, SolutionCost(m, OpenSiteList(result.open, m.Numbnodes), 0, false));
}

TEST(SwapLocalSearch, NothingOpenGivesNoSolution) {
  ModelState m;
  LoadInstance(m, InstanceRecipe{2, 8, 8, 1, 0, -1, 0});
  FixedSearch search;
  BuildRelaxationMatrix(m, false, search);
  const LocalSearchResult result = ImproveWithSwaps(m, search.relax, {}, false, 10, 0);
  EXPECT_EQ(result.cost, LagInfinity);
}

}  // namespace
}  // namespace korvelan
