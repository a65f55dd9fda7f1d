#include <gtest/gtest.h>

#include <bit>

#include "CoverInstances.h"
#include "covering/CoverTarget.h"
#include "covering/PCenter.h"
#include "covering/SetCover.h"
#include "solve/SolveModel.h"

using namespace korvelan;
using namespace korvelan::covertest;

namespace {

int64_t Units(int64_t units) { return units * FixedPointScale; }

// A p-center run through the solve dispatcher; true when it completed.
bool RunPCenter(ModelState& m, HeadlessRunHost& host, bool partial, int P, int64_t upper, int64_t lower) {
  m.ProblemCode = partial ? '%' : 'P';
  m.SolutionClass = 2;
  m.NumberToLocate = static_cast<uint16_t>(P);
  m.UpperDistanceEstimate = Units(upper);
  m.LowerDistanceEstimate = Units(lower);
  SolveModel(m, host);
  return !m.FatalError;
}

// Three nodes on a line, 10 apart: one facility needs radius 10 (at the middle node).
void FillLine(ModelState& m) {
  m.Numbnodes = m.NumDemandNodes = 3;
  for (int i = 1; i <= 3; ++i) {
    m.Node(i).Demand = m.Node(i).LoadedDemand = 1;
    for (int j = 1; j <= 3; ++j) m.DistanceMatrix.at(i, j) = 10 * std::abs(i - j);
  }
  m.TotalDemand = 3;
}

}  // namespace

TEST(PCenter, FindsTheSmallestWholeRadius) {
  const struct {
    unsigned seed;
    int nodes;
    int P;
    int64_t upper;
    int64_t lower;
  } cases[] = {{21, 10, 1, 5, 0}, {22, 12, 2, 100, 0}, {23, 12, 3, 3, 1}, {24, 11, 4, 200, 150}, {25, 9, 2, 40, 10}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed);
    ModelState m;
    FillRandomInstance(m, c.seed, {c.nodes, c.nodes, 20, 1});
    m.Node(2).SiteStatus = StatusExcluded;
    m.Node(5).SiteStatus = StatusRequired;
    const int64_t radius = SmallestRadius(m, c.P, DemandNodeTotal(m));
    const auto before = Statuses(m);
    HeadlessRunHost host;
    EXPECT_TRUE(RunPCenter(m, host, false, c.P, c.upper, c.lower));
    EXPECT_EQ(Statuses(m), before);
    EXPECT_TRUE(m.Node(5).Located);
    EXPECT_EQ(m.CoverageDistance, Units(radius));
    EXPECT_EQ(m.NumLocated, c.P);
    EXPECT_EQ(std::popcount(LocatedMask(m)), c.P);
    EXPECT_EQ(m.FullCoverage, 1);
    EXPECT_EQ(m.ReportProblemCode, 'P');
    EXPECT_FALSE(m.Node(2).Located);
    EXPECT_TRUE(CoverCountsMatchLocated(m));
  }
}

TEST(PCenter, PartialModelsReachTheirTargetAtTheSmallestRadius) {
  const struct {
    unsigned seed;
    char type;
    double fraction;
    int nodesToCover;
    int P;
  } cases[] = {{31, 'F', 0.7, 0, 2}, {32, 'N', 0, 6, 1}, {33, 'N', 0, 9, 2}, {34, 'F', 0.5, 0, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed);
    ModelState m;
    FillRandomInstance(m, c.seed, {11, 11, 20, 1});
    m.CoverTypeCode = c.type;
    m.CoverFraction = c.fraction;
    m.NodesToCover = c.nodesToCover;
    ModelState truth = m;
    Extended target = FractionTarget(DemandNodeTotal(m), c.fraction);
    if (c.type == 'N') {
      for (int i = 1; i <= truth.NumDemandNodes; ++i) truth.Node(i).Demand = 1;
      target = c.nodesToCover;
    }
    const int64_t radius = SmallestRadius(truth, c.P, target);
    HeadlessRunHost host;
    RunPCenter(m, host, true, c.P, 10, 0);
    EXPECT_EQ(m.FatalError, 0);
    EXPECT_EQ(m.CoverageDistance, Units(radius));
    EXPECT_GE(CoveredWithin(truth, LocatedMask(m), radius), target);
    EXPECT_EQ(m.ReportProblemCode, '%');
    for (int i = 1; i <= m.Numbnodes; ++i) EXPECT_EQ(m.Node(i).Demand, m.Node(i).LoadedDemand);
  }
}

TEST(PCenter, WeightedPartialCenterScalesDistancesByDemand) {
  ModelState m;
  FillRandomInstance(m, 35, {9, 9, 5, 1});
  m.CoverTypeCode = 'F';
  m.CoverFraction = 1.0;
  m.DoWeightedFlag = 1;
  // Brute force: the smallest whole C with C >= distance x demand for every node.
  int64_t best = -1;
  ForEachSiteSet(m, 2, [&](unsigned mask) {
    int64_t worst = 0;
    for (int i = 1; i <= m.NumDemandNodes; ++i) {
      int64_t nearest = INT64_MAX;
      for (int j = 1; j <= m.Numbnodes; ++j)
        if (mask & (1u << (j - 1)))
          nearest = std::min<int64_t>(nearest, m.DistanceMatrix.at(i, j) * static_cast<int64_t>(m.Node(i).Demand));
      worst = std::max(worst, nearest);
    }
    if (best < 0 || worst < best) best = worst;
  });
  HeadlessRunHost host;
  EXPECT_TRUE(RunPCenter(m, host, true, 2, 10, 0));
  EXPECT_EQ(m.CoverageDistance, Units(best));
}

TEST(PCenter, EstimatePhasesReportTheirLinesAndBisectionFinishes) {
  const struct {
    int64_t upper;
    int64_t lower;
    std::vector<std::string> lines;
    int64_t upperAfter;
    int64_t lowerAfter;
  } cases[] = {
      {3, 0,
       {"UPPER Estimate of 3 too small to cover all demands.  It will be doubled.",
        "      LOWER Estimate will be set to 3",
        "UPPER Estimate of 6 too small to cover all demands.  It will be doubled.",
        "      LOWER Estimate will be set to 6"},
       12, 6},
      {30, 20,
       {"LOWER Estimate of 20 too big.  It will be halved.", "      UPPER Etimate will be set to 20",
        "LOWER Estimate of 10 too big.  It will be halved.", "      UPPER Etimate will be set to 10"},
       30, 5},
      {10, 9, {}, 10, 9},  // hi = lo + 1: lo is tried once more and the answer is hi
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "estimates " << c.upper << " " << c.lower);
    ModelState m;
    FillLine(m);
    HeadlessRunHost host;
    EXPECT_TRUE(RunPCenter(m, host, false, 1, c.upper, c.lower));
    EXPECT_EQ(m.CoverageDistance, Units(10));
    EXPECT_EQ(host.messageLines, c.lines);
    EXPECT_EQ(m.UpperDistanceEstimate, Units(c.upperAfter));
    EXPECT_EQ(m.LowerDistanceEstimate, Units(c.lowerAfter));
    EXPECT_EQ(m.NumLocated, 1);
    EXPECT_EQ(m.LocatedList[1], 2);
  }
}

TEST(PCenter, ZeroDistanceSucceedsWhenEveryNodeHasAFacility) {
  ModelState m;
  FillLine(m);
  HeadlessRunHost host;
  EXPECT_TRUE(RunPCenter(m, host, false, 3, 30, 2));
  EXPECT_EQ(m.CoverageDistance, 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, 'I');
  EXPECT_EQ(host.messages[0].text, "Able to cover all demands with zero distance");
  EXPECT_EQ(host.messageLines.size(), 4u);  // 2 and 1 were too big
  EXPECT_EQ(m.FullCoverage, 1);
  EXPECT_EQ(m.NumLocated, 3);
  EXPECT_TRUE(CoverCountsMatchLocated(m));
}

TEST(PCenter, PartialRunAtZeroDistanceReportsTheCoverageItHas) {
  ModelState m;
  FillLine(m);
  m.CoverTypeCode = 'N';
  m.NodesToCover = 2;
  HeadlessRunHost host;
  EXPECT_TRUE(RunPCenter(m, host, true, 2, 30, 0));
  EXPECT_EQ(m.CoverageDistance, 0);
  EXPECT_EQ(host.messages[0].text, "Able to cover all demands with zero distance");
  EXPECT_EQ(m.NumLocated, 2);
  EXPECT_EQ(m.FullCoverage, 0);  // two sites at distance 0 leave the third node uncovered
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(m.Node(i).Demand, 1);
}

TEST(PCenter, ATargetNoDistanceCanReachEndsWithAFailure) {
  ModelState m;
  FillLine(m);
  m.Node(1).SiteStatus = m.Node(2).SiteStatus = m.Node(3).SiteStatus = StatusExcluded;
  HeadlessRunHost host;
  EXPECT_FALSE(RunPCenter(m, host, false, 1, 5, 0));
  EXPECT_EQ(m.FatalError, 1);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().text, "Unable to cover the required demand with 1 facilities at any coverage distance.");
  // 5 and 10 are doubled; 20 reaches every distance and ends the run.
  EXPECT_EQ(host.messageLines.size(), 4u);
}
