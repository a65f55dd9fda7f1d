// The covering-median curve: its ends, the search between points, the progress
// lines it leaves, and the caps that end a search that would not stop.
#include <gtest/gtest.h>

#include <cmath>

#include "TradeoffModels.h"
#include "tradeoff/CoveringMedianCurve.h"
#include "tradeoff/TradeoffForm.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

// The seven yards: rounded Euclidean distances between the points.
void PrepareSevenYards(ModelState& m, int coverage) {
  const int xy[7][2] = {{0, 0}, {30, 0}, {0, 40}, {30, 40}, {15, 20}, {60, 0}, {60, 40}};
  m.Numbnodes = m.NumDemandNodes = 7;
  for (int i = 1; i <= 7; ++i) {
    m.Node(i).Demand = m.Node(i).LoadedDemand = 10 * i;
    for (int j = 1; j <= 7; ++j)
      m.DistanceMatrix.at(i, j) = static_cast<int32_t>(
          std::llrint(std::hypot(double(xy[i - 1][0] - xy[j - 1][0]), double(xy[i - 1][1] - xy[j - 1][1]))));
  }
  FinishModel(m);
  SetCurveParameters(m, coverage);
}

std::vector<Extended> Weights(const ModelState& m) {
  std::vector<Extended> weights;
  for (const TradeoffPoint& p : m.Tradeoff.TradeoffList) weights.push_back(p.PointWeight);
  return weights;
}

void Trace(ModelState& m, HeadlessRunHost& host, int P, const CurveLimits& limits = {}) {
  ChooseTradeoffProblem(m, 'D');
  m.NumberToLocate = static_cast<uint16_t>(P);
  CoveringMedianCurve(m, host, limits);
}

TEST(CoveringMedianCurve, WeightedRunAtTheSlopeReturningAnEndAddsNothing) {
  ModelState m;
  PrepareSevenYards(m, 3);
  m.Covering.PctDiff = 5;
  HeadlessRunHost host;
  Trace(m, host, 2);
  ASSERT_EQ(m.Tradeoff.TradeoffList.size(), 2u);
  const TradeoffPoint& low = m.Tradeoff.TradeoffList[0];
  const TradeoffPoint& high = m.Tradeoff.TradeoffList[1];
  EXPECT_EQ(low.FirstValue, 4900);
  EXPECT_EQ(low.SecondValue, 120);
  EXPECT_EQ(low.PointWeight, 0.01L);
  EXPECT_TRUE(low.Located(5) && low.Located(7));
  EXPECT_EQ(high.FirstValue, 6650);
  EXPECT_EQ(high.SecondValue, 130);
  EXPECT_EQ(high.PointWeight, 10000);
  EXPECT_TRUE(high.Located(6) && high.Located(7));
  // The ends, the run at 0, and one run at the slope (4900 - 6650) / (120 - 130) = 175.
  EXPECT_EQ(host.errorLines, (std::vector<std::string>{"In do_weighted_median with Add Constant = 10,000.00",
                                                        "In do_weighted_median with Add Constant = 0.00",
                                                        "In do_weighted_median with Add Constant = 0.01",
                                                        "In do_weighted_median with Add Constant = 175.00"}));
  EXPECT_EQ(m.Tradeoff.WeightedMedianRuns, 4);
  EXPECT_EQ(m.Covering.PctDiff, 0);
  EXPECT_EQ(m.AddedConstant, 175);
  EXPECT_EQ(m.ReportProblemCode, 'D');
  EXPECT_EQ(m.TradeoffExists, 1);
  EXPECT_TRUE(m.Tradeoff.CapNotes.empty());
}

TEST(CoveringMedianCurve, LeastDistanceAlreadyCoveringMostGivesTwoEqualPoints) {
  ModelState m;
  RandomModelOptions options;
  PrepareCurveModel(m, 11, options, 1000);  // every site covers every node
  HeadlessRunHost host;
  Trace(m, host, 3);
  ASSERT_EQ(m.Tradeoff.TradeoffList.size(), 2u);
  const std::vector<SiteSetOutcome> all = EverySiteSet(m, 3);
  Extended least = all[0].distance;
  for (const SiteSetOutcome& q : all) least = std::min(least, q.distance);
  for (const TradeoffPoint& p : m.Tradeoff.TradeoffList) {
    EXPECT_EQ(p.SecondValue, m.TotalDemand);
    EXPECT_EQ(p.FirstValue, least);
  }
  EXPECT_EQ(m.Tradeoff.WeightedMedianRuns, 3);  // the two ends and the run at 0, no search between
}

// P = 1 on a line; the third node cannot open. Opening node 1 covers 1000 for a
// little more distance than node 2, which covers almost nothing: only a weight
// below about 1e-6 keeps the least distance.
void PrepareTinyWeightModel(ModelState& m) {
  PrepareLineModel(m, {0, 1, 2}, {1000, 0.0001L, 1000.001L}, 0);
  m.Node(3).SiteStatus = StatusExcluded;
  CountStatuses(m);
}

// P = 1; node 3 cannot open. Node 2 covers 0.00001 more than node 1 at a cost
// of about a million in distance: only a weight above about 1e11 reaches it.
void PrepareHugeWeightModel(ModelState& m) {
  PrepareLineModel(m, {0, 1000, 1}, {1, 1.00001L, 1000}, 0);
  m.Node(3).SiteStatus = StatusExcluded;
  CountStatuses(m);
}

TEST(CoveringMedianCurve, CapOnHalvingKeepsThePointsAndSaysSo) {
  ModelState m;
  PrepareTinyWeightModel(m);
  HeadlessRunHost host;
  Trace(m, host, 1, {2, 50});
  const std::string note =
      "Weight halved 2 times without reaching the least distance; the curve starts at the distance reached";
  EXPECT_EQ(m.Tradeoff.CapNotes, std::vector<std::string>{note});
  EXPECT_EQ(host.errorLines.back(), note);
  EXPECT_EQ(m.Tradeoff.WeightedMedianRuns, 5);  // 10000, 0, then 0.01, 0.005, 0.0025
  // Both ends open node 1 (equal coverage keeps them in reverse order of finding).
  EXPECT_EQ(Weights(m), (std::vector<Extended>{10000, 0.0025L}));
  EXPECT_EQ(m.FatalError, 0);
}

TEST(CoveringMedianCurve, UncappedHalvingReachesTheLeastDistance) {
  ModelState m;
  PrepareTinyWeightModel(m);
  HeadlessRunHost host;
  Trace(m, host, 1);
  EXPECT_TRUE(m.Tradeoff.CapNotes.empty());
  ASSERT_EQ(m.Tradeoff.TradeoffList.size(), 2u);
  EXPECT_TRUE(m.Tradeoff.TradeoffList.front().Located(2));
  EXPECT_TRUE(m.Tradeoff.TradeoffList.back().Located(1));
  EXPECT_LT(m.Tradeoff.TradeoffList.front().PointWeight, 1.1e-6L);
}

TEST(CoveringMedianCurve, CapOnDoublingKeepsThePointsAndSaysSo) {
  ModelState m;
  PrepareHugeWeightModel(m);
  HeadlessRunHost host;
  Trace(m, host, 1, {2, 50});
  EXPECT_EQ(m.Tradeoff.CapNotes,
            std::vector<std::string>{"Weight doubled 2 times without reaching the maximum coverage; the curve ends at "
                                     "the coverage reached"});
  EXPECT_EQ(Weights(m), (std::vector<Extended>{40000, 0.01L}));
  EXPECT_TRUE(m.Tradeoff.TradeoffList.front().Located(1));
}

TEST(CoveringMedianCurve, UncappedDoublingReachesTheMaximumCoverage) {
  ModelState m;
  PrepareHugeWeightModel(m);
  HeadlessRunHost host;
  Trace(m, host, 1);
  EXPECT_TRUE(m.Tradeoff.CapNotes.empty());
  ASSERT_EQ(m.Tradeoff.TradeoffList.size(), 2u);
  EXPECT_TRUE(m.Tradeoff.TradeoffList.back().Located(2));
  EXPECT_GT(m.Tradeoff.TradeoffList.back().PointWeight, 1e11L);
}

TEST(CoveringMedianCurve, CapOnDepthKeepsThePointsFoundAndSaysSo) {
  ModelState full, capped;
  RandomModelOptions options;
  options.fractionalDemand = true;
  PrepareCurveModel(full, 37, options, 3);
  PrepareCurveModel(capped, 37, options, 3);
  HeadlessRunHost host, cappedHost;
  Trace(full, host, 2);
  Trace(capped, cappedHost, 2, {60, 1});
  ASSERT_EQ(full.Tradeoff.TradeoffList.size(), 4u);
  ASSERT_EQ(capped.Tradeoff.TradeoffList.size(), 3u);
  // Both searches beside the one point found at depth 1 are cut.
  const std::string note = "Search between two points stopped at depth 1; points found so far are kept";
  EXPECT_EQ(capped.Tradeoff.CapNotes, (std::vector<std::string>{note, note}));
  for (const TradeoffPoint& p : capped.Tradeoff.TradeoffList) {
    const bool onFullCurve = std::any_of(full.Tradeoff.TradeoffList.begin(), full.Tradeoff.TradeoffList.end(),
                                         [&](const TradeoffPoint& q) { return q.PointLocated == p.PointLocated; });
    EXPECT_TRUE(onFullCurve);
  }
}

TEST(CoveringMedianCurve, StandardCapEndsTheDoublingAndTheRunWarnsOfIt) {
  // Node 2 covers 1e-11 more than node 1 at a cost of about 1e12 in distance:
  // no weight up to 10000 x 2^60 (about 1.2e22) reaches it.
  ModelState m;
  PrepareLineModel(m, {0, 1000000000, 1}, {1, 1 + 1e-11L, 1000}, 0);
  m.Node(3).SiteStatus = StatusExcluded;
  CountStatuses(m);
  ChooseTradeoffProblem(m, 'D');
  m.NumberToLocate = 1;
  HeadlessRunHost host;
  EXPECT_EQ(ExecuteTradeoff(m, host), RunEnd::Completed);
  const std::string note =
      "Weight doubled 60 times without reaching the maximum coverage; the curve ends at the coverage reached";
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].kind, 'W');
  EXPECT_EQ(host.messages[0].text, note);
  EXPECT_EQ(host.messages[1].text, "Execution Completed Satisfactorily");
  EXPECT_EQ(m.Tradeoff.WeightedMedianRuns, 61 + 2);
  EXPECT_FALSE(m.Tradeoff.TradeoffList.empty());
}

}  // namespace
