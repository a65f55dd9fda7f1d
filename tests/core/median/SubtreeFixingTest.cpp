// The pieces of a tree node of the p-median and fixed-number relaxations: the walks
// that skip excluded sites, the selection of the cheapest sites, and the sites fixed
// for a subtree by their reduced values, checked against direct sums and exhaustive
// enumeration on small instances.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "LagrangianInstances.h"
#include "RelaxationMatrix.h"
#include "fixed/FixedLagrangian.h"
#include "median/MedianLagrangian.h"
#include "solve/Granularity.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

using testing::BuildRelaxationMatrix;
using testing::InstanceRecipe;
using testing::LoadInstance;
using testing::SolutionCost;

// The relaxed solution of `count` sites (-1: the fixed charge with the number free) for
// the current multipliers, as a tree node computes it; returns the relaxed solution's
// service cost.
Extended Relax(const ModelState& m, FixedSearch& search, int count, bool fixedCosts) {
  AssignmentRelaxation& r = search.relax;
  ComputeSiteValues(m, r);
  if (fixedCosts) AddFixedCosts(m, r);
  if (count < 0) {
    ChooseFixedOpenSites(m, search, count);
  } else {
    OpenCheapestFreeSites(m, r, count - OpenRequiredSites(m, r));
  }
  return CountCheapOpenSitesAndCheapestCost(m, r);
}

// With random multipliers and some sites excluded or required, the walks give every
// site that is not excluded its value sum_i min(0, c(i, j) - u(i)), the selection opens
// the required sites and the free ones of smallest value (ties to the lower number),
// and each demand node counts the open sites cheaper than its multiplier; the returned
// cost is the relaxed solution's.
TEST(NodeWalks, AgreeWithDirectSumsWithAndWithoutExcludedSites) {
  for (unsigned seed = 1; seed <= 10; ++seed) {
    ModelState m;
    LoadInstance(m, InstanceRecipe{seed, 13, 11, 1, 0, -1, static_cast<int>(seed % 2)});
    SCOPED_TRACE(::testing::Message() << "seed " << seed << ", excluded " << m.ExcludedCount);
    FixedSearch search;
    BuildRelaxationMatrix(m, false, search);
    AssignmentRelaxation& r = search.relax;
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> tenths(0, 3000);
    for (int i = 1; i <= r.demandNodes; ++i) r.multiplier[i] = tenths(rng) / 10.0L;
    const int count = m.ForcedCount + 3;
    PrepareWalkRows(m, r);
    EXPECT_EQ(r.walkCompacted, m.ExcludedCount > 0);
    const Extended cost = Relax(m, search, count, false);

    std::vector<int> free;
    for (int j = 1; j <= r.nodes; ++j) {
      if (m.Node(j).SiteStatus == StatusExcluded) continue;
      Extended value = 0;
      for (int i = 1; i <= r.demandNodes; ++i) value += std::min<Extended>(0, r.Row(i)[j] - r.multiplier[i]);
      EXPECT_NEAR(static_cast<double>(r.siteValue[j]), static_cast<double>(value), 1e-9) << "site " << j;
      if (m.Node(j).SiteStatus == StatusAllowed) free.push_back(j);
    }
    std::sort(free.begin(), free.end(), [&r](int a, int b) {
      return r.siteValue[a] < r.siteValue[b] || (r.siteValue[a] == r.siteValue[b] && a < b);
    });
    std::vector<int> expected;
    for (int j = 1; j <= r.nodes; ++j)
      if (m.Node(j).SiteStatus == StatusRequired) expected.push_back(j);
    for (int k = 0; k < 3 && k < static_cast<int>(free.size()); ++k)
      expected.push_back(free[static_cast<size_t>(k)]);
    std::sort(expected.begin(), expected.end());
    std::vector<int> open;
    for (int j = 1; j <= r.nodes; ++j)
      if (r.open[j]) open.push_back(j);
    EXPECT_EQ(open, expected);
    for (int i = 1; i <= r.demandNodes; ++i) {
      int cheap = 0;
      for (int j : open) cheap += r.Row(i)[j] < r.multiplier[i];
      EXPECT_EQ(r.cheapOpen[i], cheap) << "demand node " << i;
    }
    EXPECT_EQ(cost, SolutionCost(m, open, 0, false));
    EXPECT_EQ(cost, CheapestOpenCostSum(m, r));
  }
}

// Subgradient steps as a tree node makes them, stopped after `steps`, with the relaxed
// solution of the last multipliers in place. Returns its value L.
Extended SubgradientSteps(const ModelState& m, FixedSearch& search, int count, bool fixedCosts, int steps,
                          Extended target) {
  AssignmentRelaxation& r = search.relax;
  SetInitialMultipliers(m, r, {0, 0, 10, 0, 0});
  SubgradientState s;
  PrepareWalkRows(m, r);
  for (;;) {
    Relax(m, search, count, fixedCosts);
    const Extended value = RelaxedValue(r);
    RecordRelaxedValue(s, value, true);
    if (s.iteration >= steps) return value;
    HalveAlphaOnFailures(s, 10);
    if (!StepMultipliers(r, s, 0.3L, target, value)) return value;
    ++s.iteration;
  }
}

// Every set of `count` sites (-1: of any number) that respects the statuses `before`.
std::vector<std::vector<int>> Solutions(const std::vector<uint8_t>& before, int count) {
  std::vector<std::vector<int>> all;
  const int n = static_cast<int>(before.size());
  for (uint32_t mask = 1; mask < (1u << n); ++mask) {
    std::vector<int> open;
    bool allowed = true;
    for (int j = 1; j <= n; ++j) {
      const bool in = (mask >> (j - 1)) & 1u;
      const uint8_t status = before[static_cast<size_t>(j - 1)];
      if ((in && status == StatusExcluded) || (!in && status == StatusRequired)) allowed = false;
      if (in) open.push_back(j);
    }
    if (allowed && (count < 0 || static_cast<int>(open.size()) == count)) all.push_back(open);
  }
  return all;
}

bool Respects(const ModelState& m, const std::vector<int>& open) {
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const bool in = std::find(open.begin(), open.end(), j) != open.end();
    const uint8_t status = m.Node(j).SiteStatus;
    if ((in && status == StatusExcluded) || (!in && status == StatusRequired)) return false;
  }
  return true;
}

// With multipliers part way to their best and an incumbent at the optimum or a grain
// above it, every solution cheaper than the incumbent agrees with the sites the fixing
// settles; when it reports nothing left there is no such solution, and when it reports
// a leaf the required sites are the only one. Every solution it removes costs at least
// the bound it reports for them. Whole costs with ties: lattices and equal
// demands come from the random grid's repeated distances. The fixed charge with the
// number free flips one site at a time.
TEST(SubtreeFixing, KeepsEverySolutionCheaperThanTheIncumbent) {
  int settled = 0;
  int settledWithTheNumberFree = 0;
  int outcomes[3] = {0, 0, 0};
  for (unsigned seed = 1; seed <= 24; ++seed) {
    for (const int mode : {0, 1, 2}) {
      const bool fixedCosts = mode > 0;
      const bool numberFree = mode == 2;
      ModelState m;
      LoadInstance(m,
                   InstanceRecipe{seed, 12, 12, 1, fixedCosts ? 60 : 0, -1, static_cast<int>(seed % 3 == 0)});
      const int count = numberFree ? -1 : m.ForcedCount + 2 + static_cast<int>(seed % 2);
      FixedSearch search;
      BuildRelaxationMatrix(m, fixedCosts, search);
      AssignmentRelaxation& r = search.relax;
      const std::vector<uint8_t> before = testing::Statuses(m);
      const std::vector<std::vector<int>> solutions = Solutions(before, count);
      if (solutions.empty()) continue;
      Extended optimum = LagInfinity;
      for (const std::vector<int>& open : solutions)
        optimum = std::min(optimum, SolutionCost(m, open, 0, fixedCosts));
      for (int above : {0, 1}) {
        const Extended incumbent = optimum + above * r.grain;
        const int steps = 5 + static_cast<int>(seed * 7 % 60);
        SCOPED_TRACE(::testing::Message() << "seed " << seed << ", fixed costs " << fixedCosts << ", count "
                                          << count << ", incumbent " << incumbent << ", steps " << steps);
        SubgradientSteps(m, search, count, fixedCosts, steps, incumbent);
        const auto prunes = [&](Extended b) { return RoundUpToGrain(b, r.grain) >= incumbent; };
        const SubtreeFixing fixing = FixSitesForSubtree(m, r, count, prunes);
        const SubtreeAfterFixing left = fixing.left;
        ++outcomes[static_cast<int>(left)];
        for (int j = 1; j <= m.Numbnodes; ++j) {
          const bool changed = m.Node(j).SiteStatus != before[static_cast<size_t>(j - 1)];
          settled += changed;
          settledWithTheNumberFree += changed && numberFree;
        }
        std::vector<int> required;
        for (int j = 1; j <= m.Numbnodes; ++j)
          if (m.Node(j).SiteStatus == StatusRequired) required.push_back(j);
        for (const std::vector<int>& open : solutions) {
          const Extended cost = SolutionCost(m, open, 0, fixedCosts);
          if (!Respects(m, open)) {
            EXPECT_GE(cost + 1e-6L, fixing.removedBound);
          }
          if (cost >= incumbent) continue;
          EXPECT_NE(left, SubtreeAfterFixing::Empty);
          EXPECT_TRUE(Respects(m, open));
          if (left == SubtreeAfterFixing::Leaf) {
            EXPECT_EQ(open, required);
          }
        }
        for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).SiteStatus = before[static_cast<size_t>(j - 1)];
        CountStatuses(m);
      }
    }
  }
  EXPECT_GT(settled, 50);
  EXPECT_GT(settledWithTheNumberFree, 20);
  EXPECT_GT(outcomes[static_cast<int>(SubtreeAfterFixing::Open)], 0);
  EXPECT_GT(outcomes[static_cast<int>(SubtreeAfterFixing::Empty)] +
                outcomes[static_cast<int>(SubtreeAfterFixing::Leaf)],
            0);
}

// With the number free and no site of negative value the relaxed choice still opens a
// site, and its value sits in L: no site may be fixed on a flipped bound that counts
// it. Co-located nodes, equal fixed costs and zero multipliers: L = 10 for one open
// site, each closed site's flipped bound 20 reaches an incumbent one grain above the
// optimum 10, yet opening that site alone costs only 10.
TEST(SubtreeFixing, WithTheNumberFreeNothingIsFixedOnASiteOpenedWithoutProfit) {
  ModelState m;
  LoadInstance(m, InstanceRecipe{3, 6, 6, 1, 0, -1, 0});
  for (int i = 1; i <= m.Numbnodes; ++i) {
    m.Node(i).FixedCost = 10;
    for (int j = 1; j <= m.Numbnodes; ++j) m.DistanceMatrix.at(i, j) = 0;
  }
  FixedSearch search;
  BuildRelaxationMatrix(m, true, search);
  AssignmentRelaxation& r = search.relax;
  r.multiplier.fill(0);
  PrepareWalkRows(m, r);
  Relax(m, search, -1, true);
  ASSERT_EQ(RelaxedValue(r), 10);
  const Extended incumbent = 10 + r.grain;
  const auto prunes = [&](Extended b) { return RoundUpToGrain(b, r.grain) >= incumbent; };
  const SubtreeFixing fixing = FixSitesForSubtree(m, r, -1, prunes);
  EXPECT_EQ(fixing.left, SubtreeAfterFixing::Open);
  for (int j = 1; j <= m.Numbnodes; ++j) EXPECT_EQ(m.Node(j).SiteStatus, StatusAllowed) << "site " << j;
}

// Whatever the fixing does, the statuses decide what is left: `count` sites required
// is a leaf, more than `count` required or fewer than `count` sites left is empty,
// exactly `count` sites left are all required.
TEST(SubtreeFixing, JudgesWhatIsLeftEvenWhenNothingIsFixed) {
  struct Case {
    std::vector<int> required;
    std::vector<int> excluded;
    SubtreeAfterFixing left;
    int forcedAfter;
  };
  const Case cases[] = {
      {{1, 2, 3}, {}, SubtreeAfterFixing::Leaf, 3},
      {{1, 2, 3, 4}, {}, SubtreeAfterFixing::Empty, 4},
      {{1}, {2, 3, 4, 5, 6, 7, 8, 9}, SubtreeAfterFixing::Empty, 1},
      {{1}, {2, 3, 4, 5, 6, 7, 8}, SubtreeAfterFixing::Leaf, 3},
      {{1, 2}, {}, SubtreeAfterFixing::Open, 2},
  };
  for (const Case& c : cases) {
    ModelState m;
    LoadInstance(m, InstanceRecipe{4, 10, 10, 1, 0, -1, 0});
    for (int j : c.required) m.Node(j).SiteStatus = StatusRequired;
    for (int j : c.excluded) m.Node(j).SiteStatus = StatusExcluded;
    CountStatuses(m);
    FixedSearch search;
    BuildRelaxationMatrix(m, false, search);
    SubgradientSteps(m, search, 3, false, 5, 1e6L);
    const SubtreeFixing fixing = FixSitesForSubtree(m, search.relax, 3, [](Extended) { return false; });
    EXPECT_EQ(fixing.left, c.left) << c.required.size() << " required, " << c.excluded.size() << " excluded";
    EXPECT_EQ(fixing.removedBound, LagInfinity);
    EXPECT_EQ(m.ForcedCount, c.forcedAfter);
  }
}

}  // namespace
}  // namespace korvelan
