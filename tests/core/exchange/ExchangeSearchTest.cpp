#include <gtest/gtest.h>

#include "ExchangeModels.h"
#include "exchange/ExchangeSearch.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

constexpr char Models[] = {'C', 'M', 'F'};
constexpr unsigned Seeds[] = {1, 2, 3, 4, 5, 6};

// The improvement of the model's own figure from scratch: covered demand, total
// weighted distance or total cost.
Extended ScratchImprovement(const ModelState& m, char problem, const std::set<int>& before) {
  return Merit(m, problem, OpenSet(m)) - Merit(m, problem, before);
}

// Largest improvement over the pairs a limited run may still make: pairs that
// would replace a further starting site are left out once the limit is reached.
Extended BestLimitedImprovement(const ModelState& m, char problem, const std::set<int>& start, int limit) {
  const std::set<int> open = OpenSet(m);
  int replaced = 0;
  for (int site : start) replaced += open.count(site) ? 0 : 1;
  Extended best = 0;
  for (auto [o, s] : AllowedPairs(m)) {
    if (replaced >= limit && start.count(o) && !start.count(s)) continue;
    best = std::max(best, Merit(m, problem, Swapped(open, o, s)) - Merit(m, problem, open));
  }
  return best;
}

}  // namespace

TEST(ExchangeSearch, BestExchangeIsTheBestPairOfTheModelsMeasureOrNoneWhenNothingImproves) {
  for (char problem : Models)
    for (unsigned seed : Seeds) {
      ModelState m;
      SolvedExchangeModel(m, seed, problem, 11, 3);
      m.Node(2).SiteStatus = StatusExcluded;
      if (m.Node(2).Located) m.Node(2).SiteStatus = StatusRequired;
      const Extended best = BestPairImprovement(m, problem);
      const std::set<int> before = OpenSet(m);
      const auto proposal = FindBestExchange(m);
      ASSERT_EQ(proposal.has_value(), best >= 0.01L) << problem << seed;
      if (!proposal) continue;
      HeadlessRunHost host;
      MakeExchange(m, host, *proposal);
      EXPECT_NEAR(ScratchImprovement(m, problem, before), best, 1e-9L) << problem << seed;
    }
}

TEST(ExchangeSearch, FixedBestSwapPairIsTheLargestSavingFromMinusTenWithStatusesAndRestriction) {
  for (unsigned seed : Seeds) {
    ModelState m;
    SolvedExchangeModel(m, seed, 'F', 10, 3);
    const std::vector<int> open = OpenSites(m);
    for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).LagOpen = j % 2;
    for (bool restrict : {false, true}) {
      const std::set<int> now = OpenSet(m);
      Extended best = -10;
      std::pair<int, int> pair{0, 0};
      for (auto [o, s] : AllowedPairs(m)) {
        if (restrict && m.Node(o).LagOpen == 1 && m.Node(s).LagOpen == 0) continue;
        const Extended saving = TotalCostOf(m, now) - TotalCostOf(m, Swapped(now, o, s));
        if (saving > best + 1e-9L) best = saving, pair = {o, s};
      }
      const SwapPair found = fixed_best_swap_pair(m, restrict);
      EXPECT_EQ(std::make_pair(found.openSite, found.closedSite), pair) << seed << restrict;
      EXPECT_NEAR(found.saving, pair.first ? best : 0, 1e-9L);
    }
  }
}

TEST(ExchangeSearch, FixedBestSwapPairReturnsASmallLossButNoPairWhenEverySwapCostsTenOrMore) {
  ModelState m;
  SolvedExchangeModel(m, 3, 'F', 6, 1);
  const int open = OpenSites(m)[0];
  // Every node at the same place: a swap changes only the fixed cost.
  for (int i = 1; i <= m.Numbnodes; ++i) {
    for (int j = 1; j <= m.Numbnodes; ++j) m.DistanceMatrix.at(i, j) = 0;
    m.Node(i).FixedCost = 100;
  }
  FinishModel(m);
  AssignToNearest(m);
  m.SecondFacilityValid = 0;
  const int cheapest = open == 6 ? 5 : 6;
  m.Node(cheapest).FixedCost = 106;  // the least bad swap costs 6 more
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (j != open && j != cheapest) m.Node(j).FixedCost = 130;
  SwapPair found = fixed_best_swap_pair(m, false);
  EXPECT_EQ(found.openSite, open);
  EXPECT_EQ(found.closedSite, cheapest);
  EXPECT_EQ(found.saving, -6);
  m.Node(cheapest).FixedCost = 110;
  found = fixed_best_swap_pair(m, false);
  EXPECT_EQ(found.closedSite, 0);
  EXPECT_EQ(found.openSite, 0);
  EXPECT_FALSE(FindBestExchange(m).has_value());
}

TEST(ExchangeSearch, TryingAllExchangesEndsWhereNoPairImproves) {
  for (char problem : Models)
    for (unsigned seed : Seeds) {
      ModelState m;
      SolvedExchangeModel(m, seed, problem, 12, 3);
      HeadlessRunHost host;
      const std::set<int> before = OpenSet(m);
      m.ExchangeMade = 0;
      const bool changed = TryAllExchanges(m, host);
      EXPECT_EQ(changed, OpenSet(m) != before) << problem << seed;
      EXPECT_EQ(m.ExchangeMade, changed ? 1 : 0);
      EXPECT_LE(BestPairImprovement(m, problem), 0.01L) << problem << seed;
      EXPECT_EQ(NotNearestFault(m), "");
      EXPECT_EQ(m.NumLocated, before.size());
      if (changed) {
        const ScratchMeasures now = MeasuresOf(m, OpenSet(m));
        const Extended recorded = problem == 'C' ? now.covered : problem == 'M' ? AverageDistance(m) : now.cost;
        EXPECT_NEAR(m.CostByCount[m.NumLocated], recorded, 1e-9L);
      }
      // A locally optimal solution offers no improving exchange.
      EXPECT_FALSE(FindBestExchange(m).has_value()) << problem << seed;
    }
}

TEST(ExchangeSearch, ALimitOfZeroReplacesNoStartingSite) {
  for (char problem : Models)
    for (unsigned seed : Seeds) {
      ModelState m;
      SolvedExchangeModel(m, seed, problem, 12, 3);
      const std::set<int> start = OpenSet(m);
      HeadlessRunHost host;
      EXPECT_FALSE(LimitedExchange(m, host, 0));
      EXPECT_EQ(OpenSet(m), start);
      for (int j = 1; j <= m.Numbnodes; ++j) EXPECT_EQ(m.Node(j).LagOpen, start.count(j) ? 1 : 0);
    }
}

TEST(ExchangeSearch, ALimitedRunReplacesAtMostTheLimitAndStopsWhereNoAllowedPairImproves) {
  int runsThatReachedTheLimit = 0;
  for (char problem : Models)
    for (unsigned seed : Seeds)
      for (int limit : {1, 2}) {
        ModelState m;
        SolvedExchangeModel(m, seed, problem, 12, 3);
        const std::set<int> start = OpenSet(m);
        HeadlessRunHost host;
        LimitedExchange(m, host, limit);
        int replaced = 0;
        for (int site : start) replaced += OpenSet(m).count(site) ? 0 : 1;
        EXPECT_LE(replaced, limit) << problem << seed << limit;
        runsThatReachedTheLimit += replaced == limit;
        EXPECT_LE(BestLimitedImprovement(m, problem, start, limit), 0.01L) << problem << seed << limit;
        EXPECT_EQ(OpenSet(m).size(), start.size());
        EXPECT_EQ(NotNearestFault(m), "");
        EXPECT_EQ(CoveredDemand(m), MeasuresOf(m, OpenSet(m)).covered);
      }
  // The cases include runs that hit the limit, where the restriction decides.
  EXPECT_GT(runsThatReachedTheLimit, 0);
}

TEST(ExchangeSearch, ClosingMakesAChangedSolutionHandMadeAndCountsStatuses) {
  for (uint8_t changed : {0, 1}) {
    ModelState m;
    SolvedExchangeModel(m, 4, 'M', 10, 3);
    m.SolutionClass = 2;
    m.ExchangeMade = changed;
    m.DemandWeightedDistance = -1;
    m.Node(3).SiteStatus = StatusExcluded;
    FinishExchanges(m);
    EXPECT_EQ(m.SolutionClass, changed ? 1 : 2);
    EXPECT_EQ(m.DemandWeightedDistance, changed ? WeightedDistanceOfAssignment(m) : -1);
    EXPECT_EQ(m.ExcludedCount, 1);
  }
}

TEST(ExchangeSearch, SearchesAreOfferedForCoveringMedianAndFixedChargeOnly) {
  for (char code : std::string("CMFSP&%VD "))
    EXPECT_EQ(ExchangeSearchOffered(code), code == 'C' || code == 'M' || code == 'F') << code;
}
