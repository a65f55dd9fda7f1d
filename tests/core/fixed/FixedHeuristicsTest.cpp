#include <gtest/gtest.h>

#include <random>

#include "../median/HeuristicModels.h"
#include "fixed/FixedAddDrop.h"
#include "fixed/FixedEvaluation.h"
#include "fixed/FixedExchange.h"
#include "fixed/FixedNeighborhood.h"
#include "fixed/FixedRun.h"
#include "median/MedianServices.h"
#include "solve/Evaluation.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

struct Variant {
  char algorithm;
  char addFirst;
};
const Variant Variants[] = {{'A', 'A'}, {'D', 'A'}, {'E', 'A'}, {'E', 'D'}, {'N', 'A'}, {'N', 'D'}};

struct FixedCase {
  unsigned seed;
  RandomModelOptions options;
  Extended costPerMile;
  int required;
  int excluded;
  int initial = 0;
};

const FixedCase FixedCases[] = {
    {1, {10, 10, false, false, 1, 40}, 1, 0, 0},
    {2, {12, 12, false, false, 1, 100}, 2.5L, 1, 1},
    {3, {12, 9, true, false, 1, 60}, 1, 0, 2},
    {4, {11, 11, false, true, 1, 30}, 1.5L, 1, 0},
    {5, {12, 12, true, true, 1, 150}, 1, 2, 1},
    {6, {10, 7, false, false, 1, 5}, 1, 0, 0},
    {7, {9, 9, false, false, 90000, 400000}, 1, 0, 1},
    // Initial sites open first in the adding start; the improvements may move them.
    {8, {12, 12, false, false, 1, 20}, 1, 0, 0, 4},
    {9, {12, 10, true, false, 1, 10}, 1, 1, 1, 3},
};

void SetStatuses(ModelState& m, unsigned seed, int required, int excluded, int initial) {
  std::mt19937 rng(seed * 104729u + 3);
  std::vector<int> nodes;
  for (int j = 1; j <= m.Numbnodes; ++j) nodes.push_back(j);
  std::shuffle(nodes.begin(), nodes.end(), rng);
  for (int r = 0; r < required; ++r) m.Node(nodes[r]).SiteStatus = StatusRequired;
  for (int x = 0; x < excluded; ++x) m.Node(nodes[required + x]).SiteStatus = StatusExcluded;
  for (int k = 0; k < initial; ++k) m.Node(nodes[required + excluded + k]).InInitialSolution = 1;
  CountStatuses(m);
}

void PrepareRun(ModelState& m, const Variant& v, int target) {
  m.ProblemCode = 'F';
  m.FixedAlgorithm = v.algorithm;
  m.AddFirst = v.addFirst;
  m.FixedNumberToLocate = target;
  ClearSolution(m);
}

Extended CurrentCost(const ModelState& m) { return TotalCostOf(m, OpenSet(m)); }

// From-scratch greedy adding with the fixed_add stopping rules.
std::set<int> GreedyAddTruth(const ModelState& m, int target) {
  std::set<int> open;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (IsPresetSite(m.Node(j))) open.insert(j);
  for (;;) {
    const int i = static_cast<int>(open.size());
    if (target >= 0 && i >= target) break;
    int best = 0;
    Extended bestCost = 0;
    for (int j = 1; j <= m.Numbnodes; ++j) {
      if (open.count(j) || m.Node(j).SiteStatus != StatusAllowed) continue;
      std::set<int> with = open;
      with.insert(j);
      const Extended cost = TotalCostOf(m, with);
      if (best == 0 || cost < bestCost) best = j, bestCost = cost;
    }
    const bool must = i == 0 || target > i;
    if (best == 0 || (!must && bestCost >= TotalCostOf(m, open))) break;
    open.insert(best);
  }
  return open;
}

// From-scratch greedy dropping with the fixed_drop stopping rules.
std::set<int> GreedyDropTruth(const ModelState& m, int target) {
  std::set<int> open;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).SiteStatus != StatusExcluded) open.insert(j);
  while (static_cast<int>(open.size()) > std::max(target, 1)) {
    int best = 0;
    Extended bestCost = 0;
    for (int j : open) {
      if (m.Node(j).SiteStatus == StatusRequired) continue;
      std::set<int> without = open;
      without.erase(j);
      const Extended cost = TotalCostOf(m, without);
      if (best == 0 || cost < bestCost) best = j, bestCost = cost;
    }
    const bool must = target > 0;
    if (best == 0 || (!must && bestCost >= TotalCostOf(m, open))) break;
    open.erase(best);
  }
  return open;
}

std::string ImprovingAdd(const ModelState& m) {
  const std::set<int> open = OpenSet(m);
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (open.count(j) || m.Node(j).SiteStatus != StatusAllowed) continue;
    std::set<int> with = open;
    with.insert(j);
    if (TotalCostOf(m, with) < CurrentCost(m) - Tolerance(m)) return "adding " + std::to_string(j) + " improves";
  }
  return "";
}

std::string ImprovingDrop(const ModelState& m) {
  const std::set<int> open = OpenSet(m);
  if (open.size() < 2) return "";
  for (int j : open) {
    if (m.Node(j).SiteStatus == StatusRequired) continue;
    std::set<int> without = open;
    without.erase(j);
    if (TotalCostOf(m, without) < CurrentCost(m) - Tolerance(m)) return "dropping " + std::to_string(j) + " improves";
  }
  return "";
}

std::string ImprovingRelocation(const ModelState& m) {
  for (int f : OpenSites(m)) {
    if (m.Node(f).SiteStatus == StatusRequired) continue;
    std::vector<int> area;
    for (int i = 1; i <= m.NumDemandNodes; ++i)
      if (m.Node(i).AssignedFacility == f) area.push_back(i);
    auto areaCost = [&](int site) {
      Extended distance = 0;
      for (int i : area) distance += m.Node(i).Demand * static_cast<Extended>(m.DistanceMatrix.at(i, site));
      return m.CostPerMile * distance + m.Node(site).FixedCost;
    };
    for (int t : area)
      if (t != f && !m.Node(t).Located && m.Node(t).SiteStatus == StatusAllowed &&
          areaCost(t) < areaCost(f) - Tolerance(m))
        return "moving " + std::to_string(f) + " to " + std::to_string(t) + " improves";
  }
  return "";
}

}  // namespace

TEST(FixedHeuristics, EveryVariantEndsSoundAndLocallyOptimalOfItsKind) {
  for (const FixedCase& c : FixedCases)
    for (int target : {-1, 2, 4})
      for (const Variant& v : Variants) {
        SCOPED_TRACE("seed " + std::to_string(c.seed) + " target " + std::to_string(target) + " " + v.algorithm +
                     v.addFirst);
        ModelState m;
        FillRandomModel(m, c.seed, c.options);
        m.CostPerMile = c.costPerMile;
        SetStatuses(m, c.seed, c.required, c.excluded, c.initial);
        PrepareRun(m, v, target);
        HeadlessRunHost host;
        const std::optional<int> count = RunFixedHeuristic(m, host);
        ASSERT_TRUE(count.has_value());

        EXPECT_EQ(NotNearestFault(m), "");
        EXPECT_TRUE(StatusesRespected(m));
        EXPECT_EQ(static_cast<size_t>(*count), OpenSites(m).size());
        EXPECT_EQ(m.NumLocated, *count);
        EXPECT_NEAR(static_cast<double>(m.CostByCount[*count] / CurrentCost(m)), 1.0, 1e-12);
        if (target > 0) {
          EXPECT_EQ(*count, std::max<int>(target, v.algorithm == 'D' || (v.algorithm != 'A' && v.addFirst == 'D') ? c.required : c.required + c.initial));
        }
        const bool exact = !c.options.fractionalDemand;
        const std::string fault = v.algorithm == 'E' ? ImprovingSwap(m, [&m](const std::set<int>& open) { return TotalCostOf(m, open); })
                                  : v.algorithm == 'N' ? ImprovingRelocation(m)
                                  : target >= 0        ? ""
                                  : v.algorithm == 'A' ? ImprovingAdd(m)
                                                       : ImprovingDrop(m);
        EXPECT_EQ(fault, "");
        if (exact && v.algorithm == 'A') {
          EXPECT_EQ(OpenSet(m), GreedyAddTruth(m, target));
        }
        if (exact && v.algorithm == 'D') {
          EXPECT_EQ(OpenSet(m), GreedyDropTruth(m, target));
        }
      }
}

TEST(FixedHeuristics, OptimisingTheNumberOpensExactlyOneSiteWhenFixedCostsExceedEverySaving) {
  ModelState m;
  FillRandomModel(m, 70, {10, 10});
  m.CostPerMile = 1;
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).FixedCost = 1e6L + 10 * j;
  PrepareRun(m, {'A', 'A'}, -1);
  HeadlessRunHost host;
  EXPECT_EQ(fixed_add(m, host, -1), 1);
  int best = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (best == 0 || TotalCostOf(m, {j}) < TotalCostOf(m, {best})) best = j;
  EXPECT_EQ(OpenSet(m), std::set<int>{best});
}

TEST(FixedHeuristics, TargetEqualToTheRequiredSitesOpensOnlyThem) {
  ModelState m;
  FillRandomModel(m, 71, {10, 10, false, false, 1, 20});
  m.CostPerMile = 1;
  m.Node(3).SiteStatus = m.Node(8).SiteStatus = StatusRequired;
  PrepareRun(m, {'A', 'A'}, 2);
  m.CostByCount[2] = -1;
  HeadlessRunHost host;
  EXPECT_EQ(fixed_add(m, host, 2), 2);
  EXPECT_EQ(OpenSet(m), (std::set<int>{3, 8}));
  EXPECT_EQ(m.CostByCount[2], fixed_total_cost(m));
}

TEST(FixedHeuristics, EqualGainsGoToTheLowerNodeInAddDropAndExchange) {
  // Nodes 2 and 3 are twins (same distances, same fixed cost); node 1 is far away.
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 4;
  const int32_t d[5][5] = {{0}, {0, 0, 9, 9, 9}, {0, 9, 0, 0, 2}, {0, 9, 0, 0, 2}, {0, 9, 2, 2, 0}};
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) m.DistanceMatrix.at(i, j) = d[i][j];
  for (int i = 1; i <= 4; ++i) {
    m.Node(i).Demand = 1;
    m.Node(i).FixedCost = 5;
  }
  m.Node(1).FixedCost = 100;
  m.Node(4).FixedCost = 100;
  FinishModel(m);
  m.CostPerMile = 1;
  HeadlessRunHost host;
  PrepareRun(m, {'A', 'A'}, 1);
  fixed_add(m, host, 1);
  EXPECT_EQ(OpenSet(m), std::set<int>{2});
  // Dropping: of the twins the lower-numbered one goes.
  PrepareRun(m, {'D', 'A'}, 1);
  fixed_drop(m, host, 1);
  EXPECT_EQ(OpenSet(m), std::set<int>{3});
  // From site 1 alone, moving to 2 or 3 saves the same: 2 is chosen.
  ClearSolution(m);
  m.Node(1).Located = 1;
  fixed_exchange(m, host);
  EXPECT_EQ(OpenSet(m), std::set<int>{2});
}

TEST(FixedHeuristics, DropWithATargetAtLeastTheOpenableSitesOnlyOpensThem) {
  ModelState m;
  FillRandomModel(m, 72, {9, 9, false, false, 1, 30});
  m.CostPerMile = 1;
  m.Node(5).SiteStatus = StatusExcluded;
  PrepareRun(m, {'D', 'A'}, 8);
  HeadlessRunHost host;
  EXPECT_EQ(fixed_drop(m, host, 8), 8);
  EXPECT_EQ(OpenSites(m).size(), 8u);
  EXPECT_FALSE(m.Node(5).Located);
  EXPECT_EQ(std::count(host.progressLines.begin(), host.progressLines.end(),
                       "<<< PROCESSING DROP OPTIONS ... HANG ON >>>"),
            0);
}

TEST(FixedHeuristics, TargetsThatCannotBeReachedStopWithTheSitesReached) {
  ModelState m;
  FillRandomModel(m, 73, {8, 8, false, false, 1, 30});
  m.CostPerMile = 1;
  for (int j = 4; j <= 8; ++j) m.Node(j).SiteStatus = StatusExcluded;
  HeadlessRunHost host;
  PrepareRun(m, {'A', 'A'}, 5);
  EXPECT_EQ(fixed_add(m, host, 5), 3);
  EXPECT_EQ(OpenSet(m), (std::set<int>{1, 2, 3}));
  // Only required sites left above the target.
  for (int j = 4; j <= 8; ++j) m.Node(j).SiteStatus = StatusAllowed;
  for (int j : {2, 5, 7}) m.Node(j).SiteStatus = StatusRequired;
  PrepareRun(m, {'D', 'A'}, 1);
  EXPECT_EQ(fixed_drop(m, host, 1), 3);
  EXPECT_EQ(OpenSet(m), (std::set<int>{2, 5, 7}));
  // More preset sites than the target.
  m.Node(1).InInitialSolution = 1;
  PrepareRun(m, {'A', 'A'}, 2);
  EXPECT_EQ(fixed_add(m, host, 2), 4);
  EXPECT_EQ(OpenSet(m), (std::set<int>{1, 2, 5, 7}));
}

TEST(FixedHeuristics, SwapSavingIsTheRecomputedDecreaseAndZeroForTheSameSite) {
  ModelState m;
  FillRandomModel(m, 74, {11, 11, true, false, 1, 50});
  m.CostPerMile = 1.5L;
  PrepareRun(m, {'A', 'A'}, 3);
  HeadlessRunHost host;
  fixed_add(m, host, 3);
  const std::set<int> open = OpenSet(m);
  for (int r : open) {
    EXPECT_EQ(fixed_swap_saving(m, r, r), 0);
    for (int q = 1; q <= m.Numbnodes; ++q) {
      if (open.count(q)) continue;
      std::set<int> swapped = open;
      swapped.erase(r);
      swapped.insert(q);
      EXPECT_NEAR(static_cast<double>(fixed_swap_saving(m, r, q)),
                  static_cast<double>(CurrentCost(m) - TotalCostOf(m, swapped)), 1e-9);
    }
  }
}

TEST(FixedHeuristics, ANodeAtEqualDistanceFromTwoSitesStaysWithTheFirst) {
  ModelState m;
  m.Numbnodes = 3;
  m.NumDemandNodes = 1;
  m.DistanceMatrix.at(1, 2) = m.DistanceMatrix.at(1, 3) = 4;
  m.Node(1).Demand = 1;
  FinishModel(m);
  HeadlessRunHost host;
  ResetAssignments(m);
  locate_facility(m, host, 1, 3);
  locate_facility(m, host, 2, 2);
  EXPECT_EQ(m.Node(1).AssignedFacility, 3);
}

// Distances beyond 16 bits: customers 1..4 excluded as sites, warehouses 5..7
// candidate-only, every customer-to-customer distance far above 65535.
TEST(FixedHeuristics, LargeDistancesAndCandidateOnlyWarehousesAreHandledWhole) {
  ModelState m;
  m.Numbnodes = 7;
  m.NumDemandNodes = 4;
  const int32_t serve[5][3] = {{0}, {70000, 150000, 900000}, {80000, 140000, 100000}, {400000, 90000, 120000},
                               {500000, 95000, 85000}};
  for (int i = 1; i <= 7; ++i)
    for (int j = 1; j <= 7; ++j) m.DistanceMatrix.at(i, j) = i == j ? 0 : 150000000;
  for (int i = 1; i <= 4; ++i) {
    m.Node(i).Demand = 1;
    m.Node(i).SiteStatus = StatusExcluded;
    for (int w = 0; w < 3; ++w) m.DistanceMatrix.at(i, 5 + w) = serve[i][w];
  }
  for (int w = 5; w <= 7; ++w) m.Node(w).FixedCost = 60000;
  FinishModel(m);
  m.CostPerMile = 1;
  // Best set by enumeration of the seven nonempty warehouse sets.
  std::set<int> best;
  for (int mask = 1; mask < 8; ++mask) {
    std::set<int> open;
    for (int w = 0; w < 3; ++w)
      if (mask >> w & 1) open.insert(5 + w);
    if (best.empty() || TotalCostOf(m, open) < TotalCostOf(m, best)) best = open;
  }
  for (const Variant& v : Variants) {
    PrepareRun(m, v, -1);
    HeadlessRunHost host;
    const int count = *RunFixedHeuristic(m, host);
    EXPECT_EQ(NotNearestFault(m), "");
    EXPECT_EQ(count, static_cast<int>(OpenSites(m).size()));
    EXPECT_GE(CurrentCost(m), TotalCostOf(m, best));
    EXPECT_EQ(m.CostByCount[count], CurrentCost(m));
  }
}

TEST(FixedHeuristics, AllDistancesZeroOpensOneSite) {
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 4;
  for (int i = 1; i <= 4; ++i) {
    m.Node(i).Demand = 1;
    m.Node(i).FixedCost = 10 - i;
  }
  FinishModel(m);
  m.CostPerMile = 1;
  HeadlessRunHost host;
  for (const Variant& v : Variants) {
    PrepareRun(m, v, -1);
    EXPECT_EQ(*RunFixedHeuristic(m, host), 1);
    EXPECT_EQ(OpenSet(m), std::set<int>{4});
    EXPECT_EQ(AssignmentFault(m), "");
  }
}

TEST(FixedHeuristics, ANeighbourhoodMoveNeverLandsOnAnOpenSite) {
  // As for the median move: nodes 1..3 held by site 1, node 2 open itself.
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 4;
  const int32_t d[5][5] = {{0}, {0, 0, 5, 5, 9}, {0, 5, 0, 1, 9}, {0, 5, 1, 0, 9}, {0, 9, 0, 9, 0}};
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) m.DistanceMatrix.at(i, j) = d[i][j];
  for (int i = 1; i <= 4; ++i) {
    m.Node(i).Demand = 1;
    m.Node(i).FixedCost = 7;
  }
  FinishModel(m);
  m.CostPerMile = 1;
  m.Node(1).Located = m.Node(2).Located = 1;
  for (int j : {1, 2, 3}) {
    m.Node(j).AssignedFacility = 1;
    m.Node(j).AssignedDistance = d[j][1];
  }
  m.Node(4).AssignedFacility = 2;
  const FacilityMove move = best_neighborhood_move(m, 1);
  EXPECT_EQ(move.site, 3);
  EXPECT_EQ(move.saving, 4);
}
