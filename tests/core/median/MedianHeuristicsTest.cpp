#include <gtest/gtest.h>

#include <random>

#include "HeuristicModels.h"
#include "median/MedianHeuristics.h"
#include "median/MedianNeighbourhood.h"
#include "median/MedianRun.h"
#include "median/MedianServices.h"
#include "solve/Evaluation.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

struct Scheme {
  char algorithm;
  char timing;
};
const Scheme Schemes[] = {{'M', 'E'}, {'E', 'L'}, {'E', 'E'}, {'N', 'L'}, {'N', 'E'}};

struct MedianCase {
  unsigned seed;
  RandomModelOptions options;
  int P;
  int required;
  int excluded;
  int initial;
};

// Random statuses: `required` required, `excluded` excluded and `initial` initial sites.
void SetStatuses(ModelState& m, unsigned seed, int required, int excluded, int initial) {
  std::mt19937 rng(seed * 7919u + 1);
  std::vector<int> nodes;
  for (int j = 1; j <= m.Numbnodes; ++j) nodes.push_back(j);
  std::shuffle(nodes.begin(), nodes.end(), rng);
  size_t k = 0;
  for (int r = 0; r < required; ++r) m.Node(nodes[k++]).SiteStatus = StatusRequired;
  for (int x = 0; x < excluded; ++x) m.Node(nodes[k++]).SiteStatus = StatusExcluded;
  for (int i = 0; i < initial; ++i) m.Node(nodes[k++]).InInitialSolution = 1;
  CountStatuses(m);
}

void PrepareRun(ModelState& m, const Scheme& scheme, int P) {
  m.ProblemCode = 'M';
  m.MedianAlgorithm = scheme.algorithm;
  m.MedianTiming = scheme.timing;
  m.NumberToLocate = m.NumLocated = static_cast<uint16_t>(P);
  ClearSolution(m);
}

// Greedy adding evaluated from scratch: presets, then the site of largest
// decrease (the first site: the smallest total), lowest number on ties.
std::set<int> GreedyTruth(const ModelState& m, int P) {
  std::set<int> open;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (IsPresetSite(m.Node(j))) open.insert(j);
  for (int c = static_cast<int>(open.size()) + 1; c <= P; ++c) {
    int best = 0;
    Extended bestValue = 0;
    const Extended current = open.empty() ? 0 : NearestWeightedDistance(m, open);
    for (int i = 1; i <= m.Numbnodes; ++i) {
      if (open.count(i) || m.Node(i).SiteStatus != StatusAllowed) continue;
      std::set<int> with = open;
      with.insert(i);
      const Extended value = NearestWeightedDistance(m, with);
      const bool better = open.empty() ? (best == 0 || value < bestValue) : value < (best == 0 ? current : bestValue);
      if (better) {
        best = i;
        bestValue = value;
      }
    }
    if (best == 0) break;
    open.insert(best);
  }
  return open;
}

std::string ImprovingExchange(const ModelState& m) {
  return ImprovingSwap(m, [&m](const std::set<int>& open) { return NearestWeightedDistance(m, open); });
}

// Empty text when no facility improves by moving to a closed allowed node of its service area.
std::string ImprovingRelocation(const ModelState& m) {
  for (int b : OpenSites(m)) {
    if (m.Node(b).SiteStatus == StatusRequired) continue;
    std::vector<int> area;
    Extended now = 0;
    for (int j = 1; j <= m.NumDemandNodes; ++j)
      if (m.Node(j).AssignedFacility == b) {
        area.push_back(j);
        now += m.Node(j).Demand * static_cast<Extended>(m.DistanceMatrix.at(j, b));
      }
    for (int i : area) {
      if (i == b || m.Node(i).Located || m.Node(i).SiteStatus != StatusAllowed) continue;
      Extended moved = 0;
      for (int j : area) moved += m.Node(j).Demand * static_cast<Extended>(m.DistanceMatrix.at(j, i));
      if (moved < now - Tolerance(m)) return "moving " + std::to_string(b) + " to " + std::to_string(i) + " improves";
    }
  }
  return "";
}

const MedianCase MedianCases[] = {
    {1, {10, 10}, 3, 0, 0, 0},
    {2, {12, 12}, 4, 1, 1, 0},
    {3, {12, 9}, 5, 2, 1, 1},
    {4, {11, 11, true}, 3, 0, 2, 0},
    {5, {12, 12, true, true}, 4, 1, 0, 1},
    {6, {12, 8, false, true}, 2, 0, 1, 0},
    {7, {9, 9, false, false, 100000}, 3, 1, 0, 0},
    {8, {12, 12}, 1, 0, 0, 0},
    {9, {10, 6, true}, 6, 0, 0, 0},
    {10, {12, 12}, 8, 3, 2, 0},
    // Starting from an initial solution, which the improvements may change.
    {11, {12, 12}, 3, 0, 0, 3},
    {12, {12, 10, true}, 3, 0, 1, 3},
    {13, {11, 11}, 4, 1, 0, 3},
    {14, {12, 12, false, true}, 2, 0, 0, 2},
};

}  // namespace

TEST(MedianHeuristics, EverySchemeEndsSoundAndLocallyOptimalOfItsKind) {
  for (const MedianCase& c : MedianCases)
    for (const Scheme& scheme : Schemes) {
      SCOPED_TRACE("seed " + std::to_string(c.seed) + " scheme " + scheme.algorithm + scheme.timing);
      ModelState m;
      FillRandomModel(m, c.seed, c.options);
      SetStatuses(m, c.seed, c.required, c.excluded, c.initial);
      PrepareRun(m, scheme, c.P);
      HeadlessRunHost host;
      ASSERT_TRUE(RunMedianHeuristic(m, host, c.P));

      EXPECT_EQ(NotNearestFault(m), "");
      EXPECT_TRUE(StatusesRespected(m));
      const std::vector<int> open = OpenSites(m);
      EXPECT_EQ(m.NumLocated, open.size());
      for (size_t q = 0; q < open.size(); ++q) EXPECT_EQ(m.LocatedList[q + 1], open[q]);
      EXPECT_LE(static_cast<int>(open.size()), std::max<int>(c.P, m.PresetCount));
      const Extended average = NearestWeightedDistance(m, OpenSet(m)) / m.TotalDemand;
      EXPECT_NEAR(static_cast<double>(m.CostByCount[c.P]), static_cast<double>(average), 1e-9);
      if (scheme.algorithm == 'M' && !c.options.fractionalDemand) {
        EXPECT_EQ(OpenSet(m), GreedyTruth(m, c.P));
      }
      if (scheme.algorithm == 'E') {
        EXPECT_EQ(ImprovingExchange(m), "");
      }
      if (scheme.algorithm == 'N') {
        EXPECT_EQ(ImprovingRelocation(m), "");
      }
    }
}

TEST(MedianHeuristics, OneMedianIsTheBestSingleSiteAndTiesGoToTheLowerNode) {
  for (unsigned seed = 20; seed < 26; ++seed) {
    ModelState m;
    FillRandomModel(m, seed, {12, 12});
    PrepareRun(m, {'M', 'E'}, 1);
    HeadlessRunHost host;
    Myopic(m, host, 1);
    int best = 0;
    Extended bestValue = 0;
    for (int i = 1; i <= m.Numbnodes; ++i) {
      const Extended value = NearestWeightedDistance(m, {i});
      if (best == 0 || value < bestValue) best = i, bestValue = value;
    }
    EXPECT_EQ(OpenSet(m), std::set<int>{best});
  }
  // Two sites at the same total: 2 and 3 mirror each other around node 1.
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 3;
  const int32_t d[4][4] = {{0}, {0, 0, 5, 5}, {0, 5, 0, 10}, {0, 5, 10, 0}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) m.DistanceMatrix.at(i, j) = d[i][j];
  m.Node(1).Demand = 0;
  m.Node(2).Demand = m.Node(3).Demand = 1;
  FinishModel(m);
  PrepareRun(m, {'M', 'E'}, 1);
  HeadlessRunHost host;
  Myopic(m, host, 1);
  EXPECT_EQ(OpenSet(m), std::set<int>{1});
  m.Node(1).SiteStatus = StatusExcluded;
  PrepareRun(m, {'M', 'E'}, 1);
  Myopic(m, host, 1);
  EXPECT_EQ(OpenSet(m), std::set<int>{2});
}

TEST(MedianHeuristics, EveryIterationTimingAddsAfterThePresetSitesWithAnExchangeEachStep) {
  ModelState m;
  FillRandomModel(m, 31, {12, 12});
  m.Node(4).SiteStatus = m.Node(7).SiteStatus = m.Node(11).SiteStatus = StatusRequired;
  CountStatuses(m);
  PrepareRun(m, {'E', 'E'}, 5);
  HeadlessRunHost host;
  RunMedianHeuristic(m, host, 5);
  std::vector<std::string> steps;
  for (const std::string& line : host.progressLines)
    if (line.rfind("Median ", 0) == 0 || line.rfind("<<<", 0) == 0) steps.push_back(line.substr(0, 9));
  const std::vector<std::string> expected{"Median 1 ", "Median 2 ", "Median 3 ", "<<< PROCE", "Median 4 ",
                                          "<<< PROCE", "Median 5 ", "<<< PROCE"};
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(host.progressLines[0], "Median 1 located at node 4");
  EXPECT_EQ(host.progressLines[2], "Median 2 located at node 7");
  EXPECT_EQ(host.progressLines[4], "Median 3 located at node 11");
  EXPECT_EQ(OpenSites(m).size(), 5u);
  EXPECT_TRUE(StatusesRespected(m));
  EXPECT_EQ(ImprovingExchange(m), "");
}

TEST(MedianHeuristics, MorePresetSitesThanPOpensThemAllAndExchangesOnce) {
  ModelState m;
  FillRandomModel(m, 32, {10, 10});
  m.Node(2).SiteStatus = m.Node(5).SiteStatus = StatusRequired;
  m.Node(8).InInitialSolution = 1;
  CountStatuses(m);
  PrepareRun(m, {'E', 'E'}, 2);
  HeadlessRunHost host;
  RunMedianHeuristic(m, host, 2);
  int exchanges = 0;
  for (const std::string& line : host.progressLines) exchanges += line.rfind("<<< PROCESSING EXCHANGE", 0) == 0;
  EXPECT_EQ(exchanges, 1);
  EXPECT_EQ(OpenSites(m).size(), 3u);
  EXPECT_TRUE(m.Node(2).Located && m.Node(5).Located);
}

TEST(MedianHeuristics, ProgressLinesOfAddingAndReplacing) {
  // Demand nodes 1..3 on a line (0, 1, 2); site 4 sits at node 2's place.
  ModelState m;
  m.Numbnodes = 4;
  m.NumDemandNodes = 3;
  const int32_t d[5][5] = {{0}, {0, 0, 1, 2, 1}, {0, 1, 0, 1, 0}, {0, 2, 1, 0, 1}, {0, 1, 0, 1, 0}};
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) m.DistanceMatrix.at(i, j) = d[i][j];
  m.Node(1).Demand = 1;
  m.Node(2).Demand = 1;
  m.Node(3).Demand = 2;
  FinishModel(m);
  m.Node(1).InInitialSolution = 1;
  CountStatuses(m);
  PrepareRun(m, {'E', 'L'}, 1);
  HeadlessRunHost host;
  RunMedianHeuristic(m, host, 1);
  const std::vector<std::string> expected{
      "Median 1 located at node 1",       "  Average Distance = 1.25000000",
      "<<< PROCESSING EXCHANGE OPPORTUNITIES ... HANG ON >>>",
      "Node 1 removed",                   "Node 2 replaces it",
      "Reducing average distance by 0.50000000"};
  EXPECT_EQ(host.progressLines, expected);
  EXPECT_EQ(OpenSet(m), std::set<int>{2});
  EXPECT_NEAR(static_cast<double>(m.CostByCount[1]), 0.75, 1e-15);
}

TEST(MedianHeuristics, NoProgressLinesForLagrangianOrGeneticRuns) {
  for (const auto& [solutionClass, algorithm] : {std::pair{2, 'E'}, std::pair{0, 'T'}}) {
    ModelState m;
    FillRandomModel(m, 33, {8, 8});
    PrepareRun(m, {'E', 'L'}, 2);
    m.SolutionClass = static_cast<uint8_t>(solutionClass);
    m.MedianAlgorithm = algorithm;
    HeadlessRunHost host;
    Myopic(m, host, 2);
    Exchange(m, host, 2);
    NeighbourhoodSearch(m, host, 2);
    EXPECT_TRUE(host.progressLines.empty());
  }
}

TEST(MedianHeuristics, ExchangeNeverReplacesARequiredSite) {
  // Node 1 is required but far from everyone; node 2 would serve all.
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 4;
  const int32_t d[5][5] = {{0}, {0, 0, 9, 9, 9}, {0, 9, 0, 1, 1}, {0, 9, 1, 0, 2}, {0, 9, 1, 2, 0}};
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) m.DistanceMatrix.at(i, j) = d[i][j];
  for (int i = 1; i <= 4; ++i) m.Node(i).Demand = 1;
  FinishModel(m);
  m.Node(1).SiteStatus = StatusRequired;
  m.Node(4).InInitialSolution = 1;
  CountStatuses(m);
  for (const Scheme& scheme : {Scheme{'E', 'L'}, Scheme{'N', 'L'}}) {
    PrepareRun(m, scheme, 2);
    HeadlessRunHost host;
    RunMedianHeuristic(m, host, 2);
    EXPECT_EQ(OpenSet(m), (std::set<int>{1, 2}));
  }
}

TEST(MedianHeuristics, ReplacementAtExactlyTheSecondDistanceTakesTheNodes) {
  // Node 1 served by 2 (distance 1), second site 3 at 4; the new site 4 is also at 4.
  ModelState m;
  m.Numbnodes = 4;
  m.NumDemandNodes = 1;
  m.DistanceMatrix.at(1, 2) = 1;
  m.DistanceMatrix.at(1, 3) = 4;
  m.DistanceMatrix.at(1, 4) = 4;
  m.Node(1).Demand = 1;
  FinishModel(m);
  m.Node(2).Located = m.Node(3).Located = 1;
  m.Node(1).AssignedFacility = 2;
  m.Node(1).AssignedDistance = 1;
  RebuildLocatedList(m);
  ComputeSecondClosest(m);
  EXPECT_EQ(m.Node(1).SecondFacility, 3);
  HeadlessRunHost host;
  ReplaceMedian(m, host, 2, 4, 2, -3);
  EXPECT_EQ(m.Node(1).AssignedFacility, 4);
  EXPECT_EQ(m.Node(1).AssignedDistance, 4);
}

TEST(MedianHeuristics, OnlyOneOpenFacilityLeavesNoSecondSite) {
  ModelState m;
  FillRandomModel(m, 34, {6, 6});
  PrepareRun(m, {'M', 'E'}, 1);
  HeadlessRunHost host;
  Myopic(m, host, 1);
  ComputeSecondClosest(m);
  for (int j = 1; j <= m.NumDemandNodes; ++j) {
    EXPECT_EQ(m.Node(j).SecondFacility, 0);
    EXPECT_EQ(m.Node(j).SecondDistance, NoDistance);
  }
}

// Faults of the textbook procedure that are mended here.
TEST(MedianHeuristics, AllDistancesZeroStillOpensASiteAndAssignsEveryNode) {
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 5;
  for (int i = 1; i <= 5; ++i) m.Node(i).Demand = i;
  FinishModel(m);
  m.Node(1).SiteStatus = StatusExcluded;
  for (const Scheme& scheme : Schemes) {
    PrepareRun(m, scheme, 3);
    HeadlessRunHost host;
    RunMedianHeuristic(m, host, 3);
    EXPECT_EQ(OpenSet(m), std::set<int>{2});
    EXPECT_EQ(m.NumLocated, 1);
    EXPECT_EQ(AssignmentFault(m), "");
    EXPECT_EQ(m.CostByCount[3], 0);
  }
}

TEST(MedianHeuristics, CandidateOnlySitesWithFewerThanPOpenWalkTheOpenSitesOnly) {
  // Three demand nodes and four candidate-only sites: once the three demand nodes
  // are open nothing else saves, so fewer than P = 6 facilities open.
  for (unsigned seed = 40; seed < 44; ++seed)
    for (const Scheme& scheme : Schemes) {
      SCOPED_TRACE(seed);
      ModelState m;
      FillRandomModel(m, seed, {7, 3});
      PrepareRun(m, scheme, 6);
      HeadlessRunHost host;
      RunMedianHeuristic(m, host, 6);
      const std::vector<int> open = OpenSites(m);
      EXPECT_LT(open.size(), 6u);
      EXPECT_EQ(m.NumLocated, open.size());
      EXPECT_EQ(NotNearestFault(m), "");
      EXPECT_EQ(m.CostByCount[6], 0);
    }
}

TEST(MedianHeuristics, DistancesBeyondSixteenBitsAreHeldWhole) {
  ModelState m;
  FillRandomModel(m, 50, {10, 10, false, false, 70000});
  ASSERT_GT(m.MaxDistance, 65535);
  PrepareRun(m, {'M', 'E'}, 3);
  HeadlessRunHost host;
  RunMedianHeuristic(m, host, 3);
  EXPECT_EQ(NotNearestFault(m), "");
  EXPECT_EQ(OpenSet(m), GreedyTruth(m, 3));
}

TEST(MedianHeuristics, ANeighbourhoodMoveNeverLandsOnAnOpenSite) {
  // Sites 1 and 2 open; nodes 1..3 held by site 1 (node 2 although it is open
  // itself, as after a forced move). Moving to the open node 2 or the closed
  // node 3 saves the same: the facility must go to 3.
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 4;
  const int32_t d[5][5] = {{0}, {0, 0, 5, 5, 9}, {0, 5, 0, 1, 9}, {0, 5, 1, 0, 9}, {0, 9, 0, 9, 0}};
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) m.DistanceMatrix.at(i, j) = d[i][j];
  for (int i = 1; i <= 4; ++i) m.Node(i).Demand = 1;
  FinishModel(m);
  m.Node(1).Located = m.Node(2).Located = 1;
  for (int j : {1, 2, 3}) {
    m.Node(j).AssignedFacility = 1;
    m.Node(j).AssignedDistance = d[j][1];
  }
  m.Node(4).AssignedFacility = 2;
  const FacilityMove move = BestMedianMove(m, 1);
  EXPECT_EQ(move.site, 3);
  EXPECT_EQ(move.saving, 4);
}
