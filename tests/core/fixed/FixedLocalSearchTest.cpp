// The iterated local search of the fixed charge with the number of facilities free,
// against exhaustive answers on small instances.
#include <gtest/gtest.h>

#include <vector>

#include "../median/LagrangianInstances.h"
#include "fixed/FixedLagrangian.h"
#include "fixed/FixedLocalSearch.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

using testing::ExhaustiveOptimum;
using testing::InstanceRecipe;
using testing::LoadInstance;
using testing::SolutionCost;

std::vector<int> OpenList(const std::array<uint8_t, NodeSlots>& open, int n) {
  std::vector<int> sites;
  for (int j = 1; j <= n; ++j)
    if (open[j]) sites.push_back(j);
  return sites;
}

// No single site opening or closing lowers the cost.
void ExpectNoSingleChangeHelps(const ModelState& m, const std::vector<int>& open, Extended cost) {
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (m.Node(j).SiteStatus != StatusAllowed) continue;
    std::vector<int> changed;
    for (int s : open)
      if (s != j) changed.push_back(s);
    if (changed.size() == open.size()) changed.push_back(j);
    if (changed.empty()) continue;
    EXPECT_GE(SolutionCost(m, changed, 0, true), cost) << "changing site " << j << " helps";
  }
}

// From a single open site (or all of them), the search returns a solution that keeps
// the statuses, whose cost is its true cost, never below the exhaustive optimum, and
// that no single opening or closing improves; most runs reach the optimum.
TEST(FixedLocalSearch, ReturnsALocallyOptimalSolutionThatKeepsTheStatuses) {
  int optimal = 0;
  int runs = 0;
  for (unsigned seed = 1; seed <= 16; ++seed) {
    for (bool allOpen : {false, true}) {
      ModelState m;
      const InstanceRecipe recipe{seed, 12, 11, 1, seed % 2 ? 60 : 200, -1, static_cast<int>(seed % 3 == 0)};
      LoadInstance(m, recipe);
      SCOPED_TRACE(::testing::Message() << "seed " << seed << (allOpen ? ", all open" : ", one open"));
      FixedSearch search;
      HeadlessRunHost host;
      BuildFixedCostMatrix(m, host, search);
      std::array<uint16_t, NodeSlots> start{};
      for (int j = 1; j <= m.Numbnodes; ++j) start[j] = allOpen || j == 2;
      const LocalSearchResult result = ImproveFixedCharge(m, search.relax, start, 50);
      const std::vector<int> open = OpenList(result.open, m.Numbnodes);
      ASSERT_FALSE(open.empty());
      for (int j = 1; j <= m.Numbnodes; ++j) {
        if (m.Node(j).SiteStatus == StatusRequired) {
          EXPECT_TRUE(result.open[j]) << "required site " << j;
        }
        if (m.Node(j).SiteStatus == StatusExcluded) {
          EXPECT_FALSE(result.open[j]) << "excluded site " << j;
        }
      }
      const Extended cost = SolutionCost(m, open, 0, true);
      EXPECT_EQ(result.cost, cost);
      EXPECT_EQ(FixedChargeCost(m, search.relax, result.open), cost);
      const Extended optimum = ExhaustiveOptimum(m, -1, 0, true);
      EXPECT_GE(cost, optimum);
      ExpectNoSingleChangeHelps(m, open, cost);
      ++runs;
      optimal += cost == optimum;
      ReleaseCostMatrix(m, search.relax);
    }
  }
  EXPECT_GT(optimal, runs * 3 / 4);
}

// With many facilities (60 nodes, small fixed costs) the search keeps its move values up
// to date from change to change instead of building them again. With whole costs the
// kept values are exact, so the search takes the very steps it takes with values built
// afresh at every change; its result costs what it claims and no opening, closing or
// move of a facility to one of its 8 nearest sites lowers the cost.
TEST(FixedLocalSearch, ManyFacilitiesEndLocallyOptimal) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    ModelState m;
    LoadInstance(m, InstanceRecipe{seed, 60, 60, 1, 40, -1, static_cast<int>(seed % 2)});
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    FixedSearch search;
    HeadlessRunHost host;
    BuildFixedCostMatrix(m, host, search);
    std::array<uint16_t, NodeSlots> start{};
    for (int j = 1; j <= m.Numbnodes; ++j) start[j] = j % 3 == 0;
    const LocalSearchResult result = ImproveFixedCharge(m, search.relax, start, 100);
    const LocalSearchResult reference = ImproveFixedCharge(m, search.relax, start, 100, 0, 1);
    EXPECT_EQ(result.open, reference.open);
    const std::vector<int> open = OpenList(result.open, m.Numbnodes);
    ASSERT_GT(open.size(), 6u);
    const Extended cost = SolutionCost(m, open, 0, true);
    EXPECT_EQ(result.cost, cost);
    ExpectNoSingleChangeHelps(m, open, cost);
    for (int out : open) {
      if (m.Node(out).SiteStatus != StatusAllowed) continue;
      for (int k = 2; k <= 9; ++k) {
        const int in = m.NearestOrder.at(out, k);
        if (m.Node(in).SiteStatus != StatusAllowed || result.open[in]) continue;
        std::vector<int> moved;
        for (int s : open)
          if (s != out) moved.push_back(s);
        moved.push_back(in);
        EXPECT_GE(SolutionCost(m, moved, 0, true), cost) << "moving " << out << " to " << in << " helps";
      }
    }
    ReleaseCostMatrix(m, search.relax);
  }
}

}  // namespace
}  // namespace korvelan
