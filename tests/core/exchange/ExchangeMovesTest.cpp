#include <gtest/gtest.h>

#include "ExchangeModels.h"
#include "exchange/ExchangeList.h"
#include "exchange/ExchangeMoves.h"
#include "median/MedianServices.h"
#include "solve/TextFormat.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

using Lines = std::vector<std::string>;

// Four nodes on a line at 0, 10, 20, 30 with demands 1..4, fixed cost 100 each,
// coverage distance 10, cost per mile 1; a facility at node 1.
void LineModel(ModelState& m, char problem = 'M') {
  const int x[] = {0, 0, 10, 20, 30};
  m.Numbnodes = m.NumDemandNodes = 4;
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) m.DistanceMatrix.at(i, j) = std::abs(x[i] - x[j]);
    m.Node(i).Demand = m.Node(i).LoadedDemand = i;
    m.Node(i).FixedCost = 100;
    m.Node(i).XCoord = x[i];
  }
  FinishModel(m);
  m.CoverageDistance = 10 * FixedPointScale;
  m.CostPerMile = 1;
  m.CoverageDistanceSet = m.CostPerMileSet = 1;
  BuildCoverageLists(m);
  m.ProblemCode = m.ReportProblemCode = problem;
  HeadlessRunHost host;
  m.Node(1).Located = 1;
  UpdateCoverage(m, host, '+', 1);
  AssignToNearest(m);
  RebuildLocatedList(m);
}

}  // namespace

TEST(ExchangeList, LinesShowNumberStatusCoordinatesAndNamesByMode) {
  ModelState m;
  m.Numbnodes = 4;
  const uint8_t statuses[] = {0, StatusRequired, StatusAllowed, StatusAllowed, StatusExcluded};
  for (int n = 1; n <= 4; ++n) {
    m.Node(n).SiteStatus = statuses[n];
    m.Node(n).XCoord = 1234.5 * n;
    m.Node(n).YCoord = 6;
    m.Node(n).NodeName = "N" + std::to_string(n);
  }
  m.Node(1).Located = m.Node(2).Located = 1;
  EXPECT_EQ(ExchangeListLines(m, ExchangeListMode::AllSites),
            (Lines{"   1   FORCED      1,234.50        6.00", "   2   LOCATION    2,469.00        6.00",
                   "   3   ALLOWED     3,703.50        6.00", "   4   EXCLUDED    4,938.00        6.00"}));
  m.NamesPresent = 1;
  EXPECT_EQ(ExchangeListLines(m, ExchangeListMode::AllSites)[2], "   3   ALLOWED     3,703.50        6.00   N3");
  m.NamesPresent = 0;  // the lists of a manual exchange always carry the name
  EXPECT_EQ(ExchangeListLines(m, ExchangeListMode::ClosedSites),
            (Lines{"   3   ALLOWED     3,703.50        6.00   N3", "   4   EXCLUDED    4,938.00        6.00   N4"}));
  EXPECT_EQ(ExchangeListLines(m, ExchangeListMode::OpenSites),
            (Lines{"   1   FORCED      1,234.50        6.00   N1", "   2   LOCATION    2,469.00        6.00   N2"}));
  EXPECT_EQ(SiteOnLine(m, ExchangeListMode::ClosedSites, 2), 4);
  EXPECT_EQ(SiteOnLine(m, ExchangeListMode::ClosedSites, 3), 0);
  EXPECT_EQ(SiteOnLine(m, ExchangeListMode::OpenSites, 0), 0);
  EXPECT_EQ(SiteOnLine(m, ExchangeListMode::AllSites, 3), 3);
}

TEST(ExchangeMoves, AddingASiteDescribesTheThreeMeasuresAndRecordsTheModelsMeasure) {
  ModelState m;
  LineModel(m);
  HeadlessRunHost host;
  EXPECT_EQ(AddSite(m, host, 4),
            (Lines{"Adding node 4 increases coverage to 10", "Increasing coverage by 7 units",
                   "And decreases average distance to 5.000 units", "Decreasing distance by 15.000 units",
                   "Decreasing total cost by $50.00"}));
  EXPECT_EQ(m.NumLocated, 2);
  EXPECT_EQ(m.LocatedList[2], 4);
  EXPECT_EQ(m.CostByCount[2], 5);
  EXPECT_EQ(m.ExchangeMade, 1);
  EXPECT_EQ(NotNearestFault(m), "");
}

TEST(ExchangeMoves, AddingRecordsCoverageDistanceOrCostByModelAndNothingForOthers) {
  struct Case {
    char problem;
    Extended recorded;
  };
  for (const Case& c : {Case{'C', 10}, Case{'M', 5}, Case{'F', 250}, Case{'S', -1}}) {
    ModelState m;
    LineModel(m, c.problem);
    m.CostByCount[2] = -1;
    HeadlessRunHost host;
    AddSite(m, host, 4);
    EXPECT_EQ(m.CostByCount[2], c.recorded) << c.problem;
  }
}

TEST(ExchangeMoves, DeletingASiteDescribesTheThreeMeasures) {
  ModelState m;
  LineModel(m);
  HeadlessRunHost host;
  AddSite(m, host, 4);
  EXPECT_EQ(DeleteSite(m, host, 1),
            (Lines{"Deleting node 1 decreases coverage to 7 units", "Decreasing coverage by 3 units",
                   "And increases average distance to 10.00 units", "Increasing average distance by 5.00 units",
                   "Decreasing total cost by $50.00"}));
  EXPECT_EQ(m.NumLocated, 1);
  EXPECT_EQ(m.LocatedList[1], 4);
  EXPECT_EQ(m.Node(1).Located, 0);
  EXPECT_EQ(CoveredDemand(m), 7);
  EXPECT_EQ(NotNearestFault(m), "");
}

TEST(ExchangeMoves, DeletingWalksOnlyTheOpenSitesWhenFewerThanTheCountAskedForAreOpen) {
  ModelState m;
  SolvedExchangeModel(m, 5, 'M', 12, 3);
  const std::vector<int> open = OpenSites(m);
  ASSERT_EQ(open.size(), 3U);
  // A run asked for five facilities but opened three: the list and the count still
  // speak of five, the last two entries are not open sites.
  m.NumLocated = m.NumberToLocate = 5;
  m.LocatedList[4] = 0;
  m.LocatedList[5] = static_cast<uint16_t>(open[0] == 1 ? 2 : 1);
  HeadlessRunHost host;
  DeleteSite(m, host, open[1]);
  ASSERT_EQ(m.NumLocated, 2);
  EXPECT_EQ(std::set<int>(m.LocatedList.begin() + 1, m.LocatedList.begin() + 3), (std::set<int>{open[0], open[2]}));
  EXPECT_EQ(OpenSites(m), (std::vector<int>{open[0], open[2]}));
  EXPECT_EQ(NotNearestFault(m), "");
}

TEST(ExchangeMoves, ProposalLinesDescribeTheExchangeAndItsThreeMeasures) {
  ModelState m;
  LineModel(m);
  const ExchangeProposal p = EvaluateExchange(m, 1, 3);
  EXPECT_EQ(ProposalLines(m, p),
            (Lines{"REMOVING   node 1", "AND ADDING node 3", "Changes coverage by 6 units",
                   "And reduces average distance by 12.00 units", "And reduces total cost by $120.00"}));
  const ExchangeProposal worse{1, 4, -20, -300, -1};
  EXPECT_EQ(ProposalLines(m, worse),
            (Lines{"REMOVING   node 1", "AND ADDING node 4", "Changes coverage by -1 units",
                   "And increases average distance by 30.00 units", "And increases total cost by $20.00"}));
}

TEST(ExchangeMoves, WithoutACostPerMileNoMessageHasACostLine) {
  ModelState m;
  LineModel(m);
  m.CostPerMileSet = 0;
  HeadlessRunHost host;
  const ExchangeProposal p = EvaluateExchange(m, 1, 3);
  EXPECT_EQ(p.costSaving, 0);
  std::vector<Lines> messages{ProposalLines(m, p), AddSite(m, host, 4), DeleteSite(m, host, 1)};
  for (const Lines& lines : messages) {
    EXPECT_EQ(lines.size(), 4U);
    for (const std::string& line : lines) EXPECT_EQ(line.find("cost"), std::string::npos) << line;
  }
}

// Every proposal's measures equal the measures recomputed from scratch after the
// exchange is made, for every pair of a few random models.
TEST(ExchangeMoves, EveryMeasureShownBeforeAnExchangeEqualsTheRecomputedChangeAfterIt) {
  for (unsigned seed : {1U, 2U, 3U}) {
    ModelState start;
    SolvedExchangeModel(start, seed, 'C', 10, 3);
    for (auto [o, s] : AllowedPairs(start)) {
      ModelState m = start;
      const ScratchMeasures before = MeasuresOf(m, OpenSet(m));
      const ExchangeProposal p = EvaluateExchange(m, o, s);
      HeadlessRunHost host;
      MakeExchange(m, host, p);
      const ScratchMeasures after = MeasuresOf(m, OpenSet(m));
      EXPECT_EQ(OpenSet(m), Swapped(OpenSet(start), o, s));
      EXPECT_EQ(p.coverageChange, after.covered - before.covered) << seed << ' ' << o << ' ' << s;
      EXPECT_NEAR(p.distanceSaving, before.weighted - after.weighted, 1e-9L);
      EXPECT_NEAR(p.costSaving, before.cost - after.cost, 1e-9L);
      EXPECT_EQ(CoveredDemand(m), after.covered);
      EXPECT_EQ(NotNearestFault(m), "");
      EXPECT_EQ(m.ExchangeMade, 1);
    }
  }
}

// Adding then deleting every closed site: the measures shown are the recomputed ones.
TEST(ExchangeMoves, AddAndDeleteMeasuresMatchTheRecomputedSolution) {
  ModelState start;
  SolvedExchangeModel(start, 9, 'F', 10, 2);
  for (int n = 1; n <= start.Numbnodes; ++n) {
    if (start.Node(n).Located) continue;
    ModelState m = start;
    HeadlessRunHost host;
    const Lines added = AddSite(m, host, n);
    const ScratchMeasures afterAdd = MeasuresOf(m, OpenSet(m));
    EXPECT_EQ(added[0], "Adding node " + std::to_string(n) + " increases coverage to " +
                            FormatNumber(afterAdd.covered, 12, 0));
    EXPECT_EQ(m.CostByCount[m.NumLocated], afterAdd.cost);
    EXPECT_EQ(CoveredDemand(m), afterAdd.covered);
    EXPECT_NEAR(WeightedDistanceOfAssignment(m), afterAdd.weighted, 1e-9L);
    DeleteSite(m, host, n);
    EXPECT_EQ(OpenSet(m), OpenSet(start));
    EXPECT_EQ(CoveredDemand(m), MeasuresOf(m, OpenSet(m)).covered);
    EXPECT_NEAR(WeightedDistanceOfAssignment(m), MeasuresOf(m, OpenSet(m)).weighted, 1e-9L);
    EXPECT_EQ(NotNearestFault(m), "");
  }
}
