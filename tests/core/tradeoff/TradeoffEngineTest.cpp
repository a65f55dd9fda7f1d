// The curves against the number of facilities: their values from scratch, their
// lengths, the sites that may open, and the heuristic abort between counts.
#include <gtest/gtest.h>

#include <algorithm>

#include "TradeoffModels.h"
#include "covering/GreedyCover.h"
#include "fixed/FixedAddDrop.h"
#include "median/MedianHeuristics.h"
#include "solve/Evaluation.h"
#include "tradeoff/TradeoffEngine.h"
#include "tradeoff/TradeoffForm.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

void Choose(ModelState& m, char problem, char letter) {
  OpenTradeoff(m);
  ChooseTradeoffProblem(m, problem);
  ChooseTradeoffAlgorithm(m, letter);
}

std::vector<Extended> Curve(const ModelState& m) {
  return std::vector<Extended>(m.CostByCount.begin() + m.Tradeoff.FirstCurveCount,
                               m.CostByCount.begin() + m.NumLocated + 1);
}

// Greedy adding from scratch: each step the site adding most covered demand.
std::vector<Extended> GreedyCoverageTruth(const ModelState& m) {
  std::set<int> open;
  std::vector<Extended> curve;
  for (;;) {
    const Extended now = CoveredDemandOf(m, open);
    int best = 0;
    Extended bestGain = 0;
    for (int j = 1; j <= m.Numbnodes; ++j) {
      if (open.count(j) || m.Node(j).SiteStatus == StatusExcluded) continue;
      std::set<int> more = open;
      more.insert(j);
      const Extended gain = CoveredDemandOf(m, more) - now;
      if (gain > bestGain) bestGain = gain, best = j;
    }
    if (best == 0) return curve;
    open.insert(best);
    curve.push_back(CoveredDemandOf(m, open));
  }
}

TEST(TradeoffEngine, CoverageCurveEndsWhereGreedyAddingStops) {
  for (unsigned seed : {3u, 4u, 5u}) {
    SCOPED_TRACE(seed);
    ModelState m;
    RandomModelOptions options;
    options.fractionalDemand = true;
    PrepareCurveModel(m, seed, options, 8);
    Choose(m, 'C', 'G');
    SetExcludeDominated(m, false);
    HeadlessRunHost host;
    EXPECT_EQ(ExecuteTradeoff(m, host), RunEnd::Completed);
    const std::vector<Extended> truth = GreedyCoverageTruth(m);
    ASSERT_LT(truth.size(), 10u);  // a few facilities cover everything
    EXPECT_EQ(Curve(m), truth);
    EXPECT_EQ(m.CostByCount[m.NumLocated], m.TotalDemand);
    EXPECT_EQ(m.TradeoffExists, 1);
  }
}

TEST(TradeoffEngine, MedianCurveWithPresetsStartsAtThemAndRepeatsWhereNothingSaves) {
  // Six demand nodes and four candidate sites; node 2 initial, site 7 required.
  ModelState m;
  RandomModelOptions options;
  options.demandNodes = 6;
  PrepareCurveModel(m, 21, options, 5);
  m.Node(2).InInitialSolution = 1;
  m.Node(7).SiteStatus = StatusRequired;
  CountStatuses(m);
  Choose(m, 'M', 'E');
  ASSERT_EQ(m.MedianTiming, 'E');
  HeadlessRunHost host;
  ExecuteTradeoff(m, host);
  EXPECT_EQ(m.NumLocated, 10);
  EXPECT_EQ(m.NumberToLocate, 10);
  // Count 1 is the first preset site; count 2 the two presets, then improved by
  // exchanges (the initial site may move, the required one stays).
  EXPECT_EQ(m.CostByCount[1], NearestWeightedDistance(m, {2}) / m.TotalDemand);
  EXPECT_LE(m.CostByCount[2], NearestWeightedDistance(m, {2, 7}) / m.TotalDemand);
  Extended bestPair = 1e30L;
  for (const SiteSetOutcome& q : EverySiteSet(m, 2)) bestPair = std::min(bestPair, q.distance);
  EXPECT_GE(m.CostByCount[2], bestPair / m.TotalDemand);
  // Seven sites reach every demand node at no distance; later counts repeat it.
  EXPECT_EQ(m.CostByCount[7], 0);
  for (int f = 8; f <= 10; ++f) EXPECT_EQ(m.CostByCount[f], m.CostByCount[f - 1]) << f;
  EXPECT_EQ(OpenSites(m).size(), 7u);
  for (int f = 3; f <= 7; ++f) EXPECT_LE(m.CostByCount[f], m.CostByCount[f - 1]) << f;
}

TEST(TradeoffEngine, FixedChargeDropOpensEverySiteAndDropsToTheRequired) {
  ModelState m;
  RandomModelOptions options;
  options.nodes = 9;
  options.demandNodes = 7;
  options.maxFixedCost = 40;
  PrepareCurveModel(m, 8, options, 5);
  m.Node(2).SiteStatus = m.Node(5).SiteStatus = StatusRequired;
  m.Node(9).SiteStatus = StatusExcluded;  // a candidate-only site
  CountStatuses(m);
  Choose(m, 'F', 'D');
  HeadlessRunHost host;
  ExecuteTradeoff(m, host);
  EXPECT_EQ(m.NumLocated, 8);
  EXPECT_EQ(m.NumberToLocate, 8);
  EXPECT_EQ(m.CostByCount[8], TotalCostOf(m, {1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(OpenSet(m), (std::set<int>{2, 5}));
  EXPECT_EQ(m.CostByCount[2], TotalCostOf(m, {2, 5}));
  EXPECT_EQ(m.Tradeoff.FirstCurveCount, 1);
}

TEST(TradeoffEngine, ExcludedCandidateSitesDoNotCountAmongTheSitesThatCanOpen) {
  ModelState m;
  RandomModelOptions options;
  options.nodes = 9;
  options.demandNodes = 7;
  options.maxFixedCost = 40;
  PrepareCurveModel(m, 12, options, 5);
  m.Node(8).SiteStatus = m.Node(9).SiteStatus = StatusExcluded;  // candidate-only sites
  CountStatuses(m);
  EXPECT_EQ(LargestCurveCount(m), 7);
  for (const auto& [problem, letter] : {std::pair{'M', 'M'}, std::pair{'F', 'A'}}) {
    SCOPED_TRACE(problem);
    Choose(m, problem, letter);
    HeadlessRunHost host;
    ExecuteTradeoff(m, host);
    EXPECT_EQ(m.NumLocated, 7);
    EXPECT_EQ(OpenSites(m).size(), 7u);
    EXPECT_FALSE(m.Node(8).Located || m.Node(9).Located);
    if (problem == 'F') {
      EXPECT_EQ(m.CostByCount[7], TotalCostOf(m, {1, 2, 3, 4, 5, 6, 7}));
    }
  }
}

struct StoppedCurve {
  char problem;
  char letter;
};

const StoppedCurve StoppedCurves[] = {{'C', 'G'}, {'C', 'S'}, {'M', 'M'}, {'M', 'E'}, {'M', 'N'}, {'F', 'A'}, {'F', 'D'}};

ModelState Traced(const StoppedCurve& c, int stopAfterLines) {
  ModelState m;
  RandomModelOptions options;
  options.nodes = 12;
  options.demandNodes = 12;
  options.fractionalDemand = true;
  options.maxFixedCost = 30;
  PrepareCurveModel(m, 17, options, 3);
  Choose(m, c.problem, c.letter);
  HeadlessRunHost host;
  host.onPause = [&] {
    if (stopAfterLines > 0 && static_cast<int>(host.progressLines.size()) >= stopAfterLines) m.HeuristicAbort = 1;
  };
  ExecuteTradeoff(m, host);
  return m;
}

TEST(TradeoffEngine, HeuristicAbortStopsBetweenCountsKeepingThePointsSoFar) {
  for (const StoppedCurve& c : StoppedCurves) {
    SCOPED_TRACE(::testing::Message() << c.problem << c.letter);
    const ModelState full = Traced(c, 0);
    const ModelState stopped = Traced(c, 6);
    EXPECT_EQ(full.Tradeoff.CurveStopped, 0);
    EXPECT_EQ(stopped.Tradeoff.CurveStopped, 1);
    EXPECT_EQ(stopped.HeuristicAbort, 0);
    const int fullCounts = full.NumLocated - full.Tradeoff.FirstCurveCount + 1;
    const int keptCounts = stopped.NumLocated - stopped.Tradeoff.FirstCurveCount + 1;
    EXPECT_GT(keptCounts, 0);
    EXPECT_LT(keptCounts, fullCounts);
    for (int k = stopped.Tradeoff.FirstCurveCount; k <= stopped.NumLocated; ++k)
      EXPECT_EQ(stopped.CostByCount[k], full.CostByCount[k]) << "count " << k;
  }
}

TEST(TradeoffEngine, HeuristicAbortOutsideACurveLeavesTheHeuristicsAlone) {
  ModelState m;
  RandomModelOptions options;
  options.maxFixedCost = 30;
  PrepareCurveModel(m, 5, options, 3);
  m.HeuristicAbort = 1;
  HeadlessRunHost host;
  ClearSolution(m);
  Myopic(m, host, 4);
  EXPECT_EQ(m.NumLocated, 4);
  ClearSolution(m);
  EXPECT_EQ(fixed_add(m, host, 5), 5);
  m.DoSubstitution = 0;
  GreedyCover(m, host, 2);
  EXPECT_EQ(m.NumLocated, 2);
}

}  // namespace
