#include <gtest/gtest.h>

#include <bit>

#include "CoverInstances.h"
#include "covering/CoverTarget.h"
#include "covering/SetCover.h"
#include "solve/SolveModel.h"

using namespace korvelan;
using namespace korvelan::covertest;

namespace {

// A set-covering run through the solve dispatcher; true when it completed.
bool RunSetCover(ModelState& m, HeadlessRunHost& host, bool partial) {
  m.ProblemCode = partial ? '&' : 'S';
  m.SolutionClass = 2;
  SolveModel(m, host);
  return !m.FatalError;
}

// The same instance with every demand 1: covering K nodes is covering demand K.
ModelState WithUnitDemands(const ModelState& m) {
  ModelState unit = m;
  for (int i = 1; i <= unit.NumDemandNodes; ++i) unit.Node(i).Demand = 1;
  return unit;
}

}  // namespace

TEST(SetCover, ReturnsTheFewestSitesCoveringEveryDemandNode) {
  const struct {
    unsigned seed;
    int nodes;
    int demandNodes;
    int coverage;
    bool excludeNode3;
    bool greedyOvershoots;  // greedy adding places more sites: a smaller count must be proven
  } cases[] = {{1, 10, 10, 30, false, false}, {2, 12, 12, 25, false, false}, {3, 12, 9, 28, true, false},
               {4, 11, 11, 35, false, false}, {5, 12, 12, 22, true, false},  {6, 9, 9, 40, false, false},
               {100, 12, 12, 30, false, true}, {123, 12, 12, 23, false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed);
    ModelState m;
    FillRandomInstance(m, c.seed, {c.nodes, c.demandNodes, 20, c.coverage});
    if (c.excludeNode3) m.Node(3).SiteStatus = StatusExcluded;
    const int fewest = FewestSites(m, DemandNodeTotal(m), c.coverage);
    ASSERT_GT(fewest, 0);
    const auto before = Statuses(m);
    HeadlessRunHost host;
    EXPECT_TRUE(RunSetCover(m, host, false));
    EXPECT_EQ(Statuses(m), before);
    EXPECT_EQ(m.NumLocated, fewest);
    EXPECT_EQ(std::popcount(LocatedMask(m)), fewest);
    if (c.greedyOvershoots) {
      EXPECT_GT(m.CostByCount[fewest], m.CostByCount[fewest - 1]);  // greedy still adding
      EXPECT_LT(m.CostByCount[fewest], DemandNodeTotal(m));
    }
    EXPECT_EQ(m.FullCoverage, 1);
    EXPECT_EQ(m.ReportProblemCode, 'S');
    EXPECT_FALSE(m.Node(3).Located && c.excludeNode3);
    EXPECT_TRUE(CoverCountsMatchLocated(m));
    EXPECT_EQ(CoveredWithin(m, LocatedMask(m), c.coverage), DemandNodeTotal(m));
  }
}

TEST(SetCover, PartialTargetsAreMetWithTheFewestSites) {
  const struct {
    unsigned seed;
    char type;
    double fraction;
    int nodesToCover;
    int excluded;  // a site set aside by the analyst, 0 for none
  } cases[] = {{7, 'F', 0.6, 0, 5}, {8, 'F', 0.85, 0, 5}, {9, 'N', 0, 7, 5}, {10, 'n', 0, 10, 5}, {11, 'N', 0, 12, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed);
    ModelState m;
    FillRandomInstance(m, c.seed, {12, 12, 20, 22});
    if (c.excluded) m.Node(c.excluded).SiteStatus = StatusExcluded;  // the run restores statuses itself
    m.CoverTypeCode = c.type;
    m.CoverFraction = c.fraction;
    m.NodesToCover = c.nodesToCover;
    const bool byNodes = c.type == 'N' || c.type == 'n';
    const ModelState truth = byNodes ? WithUnitDemands(m) : m;
    const Extended target = byNodes ? c.nodesToCover : FractionTarget(DemandNodeTotal(m), c.fraction);
    const int fewest = FewestSites(truth, target, 22);
    ASSERT_GT(fewest, 0);
    const auto before = Statuses(m);
    HeadlessRunHost host;
    EXPECT_TRUE(RunSetCover(m, host, true));
    EXPECT_EQ(Statuses(m), before);
    EXPECT_TRUE(CoverCountsMatchLocated(m));
    EXPECT_EQ(m.NumLocated, fewest);
    EXPECT_GE(CoveredWithin(truth, LocatedMask(m), 22), target);
    EXPECT_EQ(m.ReportProblemCode, '&');
    for (int i = 1; i <= m.Numbnodes; ++i) EXPECT_EQ(m.Node(i).Demand, m.Node(i).LoadedDemand);
  }
}

// A demand node of zero demand that no site near the others covers is left uncovered:
// the run completes with the fewest sites for the demand and reports full coverage.
TEST(SetCover, ZeroDemandNodesNeedNoCover) {
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    ModelState m;
    FillRandomInstance(m, seed, {12, 12, 20, 25});
    const int far = 12;
    for (int n = 1; n < far; ++n) m.DistanceMatrix.at(n, far) = m.DistanceMatrix.at(far, n) = 1000;
    for (int zero : {3, far}) {
      m.TotalDemand -= m.Node(zero).Demand;
      m.Node(zero).Demand = m.Node(zero).LoadedDemand = 0;
    }
    BuildCoverageLists(m);
    const int fewest = FewestSites(m, m.TotalDemand, 25);
    HeadlessRunHost host;
    EXPECT_TRUE(RunSetCover(m, host, false));
    EXPECT_EQ(m.NumLocated, fewest);
    EXPECT_EQ(m.Node(far).Located, 0);
    EXPECT_EQ(m.FullCoverage, 1);
    for (const auto& message : host.messages) EXPECT_NE(message.kind, 'W') << message.text;
  }
}

TEST(SetCover, TargetsOutOfReachAreRefusedWithTheirMessages) {
  for (const bool partial : {false, true}) {
    ModelState m;
    FillRandomInstance(m, 12, {8, 8, 20, 10});
    // Node 1 can only be covered by sites within 10 of it; exclude them all.
    for (uint16_t j : std::vector<uint16_t>(m.Node(1).CoveredByList)) m.Node(j).SiteStatus = StatusExcluded;
    m.CoverTypeCode = 'N';
    m.NodesToCover = 8;
    HeadlessRunHost host;
    EXPECT_FALSE(RunSetCover(m, host, partial));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, 'I');
    EXPECT_EQ(host.messages[0].text,
              partial ? "<<< IMPOSSIBLE TO COVER SUFFICIENT DEMAND WITH ALLOWABLE CANDIDATE SITES >>>"
                      : "<<< IMPOSSIBLE TO COVER ALL DEMAND WITH ALLOWABLE CANDIDATE SITES >>>");
    EXPECT_EQ(m.FullCoverage, 0);
    for (int i = 1; i <= m.Numbnodes; ++i) EXPECT_EQ(m.Node(i).Demand, m.Node(i).LoadedDemand);
  }
}

// The greedy start reports its lines in the heuristic progress window, shown empty
// for them and hidden before the exact search; no line goes to a hidden window.
TEST(SetCover, GreedyStartShowsItsLinesInTheHeuristicWindowAndHidesIt) {
  for (const bool partial : {false, true}) {
    SCOPED_TRACE(partial ? "partial" : "full");
    ModelState m;
    FillRandomInstance(m, 3, {12, 12, 20, 25});
    m.CoverTypeCode = 'F';
    m.CoverFraction = 0.8;
    HeadlessRunHost host;
    EXPECT_TRUE(RunSetCover(m, host, partial));
    EXPECT_FALSE(host.progressLines.empty());
    EXPECT_EQ(host.heuristicProgressShows, 1);
    EXPECT_EQ(host.linesWhileHeuristicHidden, 0);
    EXPECT_FALSE(host.heuristicProgressVisible);
  }
}

TEST(SetCover, OneGreedyFacilityIsTheAnswer) {
  ModelState m;
  FillRandomInstance(m, 13, {6, 6, 20, 200});
  HeadlessRunHost host;
  EXPECT_TRUE(RunSetCover(m, host, false));
  EXPECT_EQ(m.NumLocated, 1);
  EXPECT_EQ(m.RunBranchNodes, 0);
}

TEST(CoverTarget, FractionTargetIsWholeAndNeverAboveTheTotal) {
  const struct {
    Extended total;
    double fraction;
    Extended target;
  } cases[] = {{30, 0.1, 3}, {100, 0.35, 35}, {7, 0.5, 4}, {10.5L, 1.0, 10.5L}, {10, 1.0, 10}, {3, 0.01, 1}};
  for (const auto& c : cases) EXPECT_EQ(FractionTarget(c.total, c.fraction), c.target) << c.fraction;
  EXPECT_EQ(NodeCountTarget(1), 100001);
  EXPECT_EQ(NodeCountTarget(3), 300006);
}

TEST(CoverTarget, FractionalTotalDemandCanBeCoveredInFull) {
  ModelState m;
  FillRandomInstance(m, 14, {8, 8, 20, 30});
  m.Node(2).Demand = m.Node(2).LoadedDemand = 2.5L;
  m.CoverTypeCode = 'F';
  m.CoverFraction = 1.0;
  HeadlessRunHost host;
  EXPECT_TRUE(RunSetCover(m, host, true));
  EXPECT_EQ(m.NumLocated, FewestSites(m, DemandNodeTotal(m), 30));
  EXPECT_TRUE(host.messages.empty());
}
