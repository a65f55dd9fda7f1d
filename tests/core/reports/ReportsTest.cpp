#include <gtest/gtest.h>

#include "../covering/CoveringTestModels.h"
#include "covering/Coverage.h"
#include "reports/BasicResults.h"
#include "reports/ForcedNodesReport.h"
#include "reports/NodeReports.h"
#include "reports/ReportChain.h"
#include "reports/SolutionReports.h"
#include "solve/Evaluation.h"

using namespace korvelan;
using korvelan::testing::LoadMatrix;
using korvelan::testing::SetCoverage;

namespace {

// Four named demand nodes on a line at x = 0, 10, 20, 40 with demands 10, 20, 30,
// 40; coverage distance 10; one facility at node 3. Node 3 covers nodes 2 and 3;
// every node is assigned to node 3 (distances 20, 10, 0, 20).
ModelState LineModel() {
  ModelState m;
  const int x[] = {0, 10, 20, 40};
  std::vector<std::vector<int>> d(4, std::vector<int>(4));
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) d[i][j] = std::abs(x[i] - x[j]);
  LoadMatrix(m, d, {10, 20, 30, 40});
  const char* names[] = {"A", "B", "C", "D"};
  for (int n = 1; n <= 4; ++n) {
    m.Node(n).XCoord = x[n - 1];
    m.Node(n).NodeName = names[n - 1];
  }
  m.NamesPresent = 1;
  m.DemandFileName = "line.euc";
  m.CostPerMile = 1;
  SetCoverage(m, 10);
  HeadlessRunHost host;
  m.Node(3).Located = 1;
  UpdateCoverage(m, host, '+', 3);
  RebuildLocatedList(m);
  AssignToNearest(m);
  m.ReportProblemCode = 'C';
  m.SolutionClass = 0;
  return m;
}

}  // namespace

TEST(Reports, LocationSummaries) {
  const ModelState m = LineModel();
  const ListReport basic = LocationSummary(m);
  EXPECT_EQ(basic.sections[0].heading, "   # ==> Candidate Number");
  EXPECT_EQ(basic.sections[0].lines, (std::vector<std::string>{"   1 ==>    3"}));
  const ListReport extended = ExtendedLocationSummary(m);
  EXPECT_EQ(extended.sections[0].lines,
            (std::vector<std::string>{"   1 ==>    3       20.00        0.00                50   C"}));
  EXPECT_EQ(extended.messages, (std::vector<std::string>{
                                   "Total Covered Demands   50",
                                   "Percent Covered Demands   50.0000000",
                                   "Average Weighted Distance   12.0000000",
                                   "Average Covered Distance   4.00000000",
                                   "Average Uncovered Distance   20.0000000",
                               }));
}

TEST(Reports, UncoveredDemands) {
  ModelState m = LineModel();
  const ListReport r = UncoveredDemands(m);
  EXPECT_EQ(r.printTitle, "UNCOVERED DEMAND REPORT");
  EXPECT_EQ(r.sections[0].lines, (std::vector<std::string>{"  1      1     0.00     0.00             10   A",
                                                           "  2      4    40.00     0.00             40   D"}));
  EXPECT_EQ(r.messages, (std::vector<std::string>{"TOTAL NUMBER OF UNCOVERED DEMANDS = 50",
                                                  "PERCENT OF DEMANDS UNCOVERED = 50.0000"}));
  for (int i = 1; i <= 4; ++i) m.Node(i).NTIMES = 1;
  const ListReport all = UncoveredDemands(m);
  EXPECT_EQ(all.sections[0].lines, (std::vector<std::string>{"<<< ALL NODES ARE COVERED >>>"}));
  EXPECT_TRUE(all.messages.empty());
  EXPECT_EQ(ExtendedLocationSummary(m).messages.back(), "Average Uncovered Distance   All Covered");
}

TEST(Reports, AssignedDemandsAndAssignment) {
  const ModelState m = LineModel();
  const ListReport assigned = AssignedDemands(m);
  EXPECT_EQ(assigned.sections[0].lines,
            (std::vector<std::string>{"  1      3    20.00     0.00              100             1,200             12.00"}));
  EXPECT_EQ(assigned.messages, (std::vector<std::string>{"AVERAGE WEIGHTED DISTANCE = 12.0000",
                                                         "TOTAL ASSIGNED DEMAND = 100.0000000",
                                                         "TOTAL DEMAND = 100.0000000"}));
  const ListReport a = AssignmentReport(m);
  EXPECT_EQ(a.sections[0].heading, " Area       Site      Distance    Covered?    Demand        Dem*dist");
  EXPECT_EQ(a.sections[0].lines, (std::vector<std::string>{
                                     "   1         3          20.0         NO           10             200",
                                     "   2         3          10.0 +      YES           20             200",
                                     "   3         3           0.0        YES           30               0",
                                     "   4         3          20.0         NO           40             800",
                                 }));
  EXPECT_EQ(a.messages, (std::vector<std::string>{"COVERAGE DISTANCE = 10.00",
                                                  "Total demand weighted distance = 1,200.00",
                                                  "MAXIMUM DISTANCE = 20.00"}));
}

TEST(Reports, CoverageSummaryAndDemandArea) {
  const ModelState m = LineModel();
  const ListReport r = CoverageSummary(m);
  EXPECT_EQ(r.sections[0].lines, (std::vector<std::string>{
                                     "   0            2            50.00000000         50.0000",
                                     "   1            2            50.00000000         50.0000",
                                     " -----",
                                     " TOTAL          4           100.00000000        100.0000",
                                 }));
  EXPECT_EQ(r.messages, (std::vector<std::string>{"50.0000 PERCENT OF DEMANDS COVERED"}));
  const ListReport area = DemandAreaCoverage(m);
  EXPECT_EQ(area.sections[0].heading, "COVERED NODES");
  EXPECT_EQ(area.sections[0].lines, (std::vector<std::string>{"  2     B", "  3     C"}));
  EXPECT_EQ(area.sections[1].lines, (std::vector<std::string>{"  1     A", "  4     D"}));
}

TEST(Reports, CoverListsAndUtilization) {
  const ModelState m = LineModel();
  const ListReport lists = CoverLists(m, 2);
  EXPECT_EQ(lists.sections[0].heading, "Demand Node 2 Covered By");
  EXPECT_EQ(lists.sections[0].lines, (std::vector<std::string>{"   1   10.00", "   2   0.00", "   3   10.00"}));
  EXPECT_EQ(lists.sections[1].heading, "Facility 2 Covers Nodes");
  EXPECT_EQ(lists.messages, (std::vector<std::string>{"TOTAL COVERED DEMAND = 60.000000000"}));
  const ListReport far = CoverLists(m, 4);
  EXPECT_EQ(far.sections[0].lines, (std::vector<std::string>{"   4   0.00"}));
  const ListReport used = UtilizationReport(m, 3);
  EXPECT_EQ(used.sections[0].heading, "Demand Assigned to Facility Site 3");
  EXPECT_EQ(used.sections[0].lines, (std::vector<std::string>{
                                        "   1           20.00            10      NO",
                                        "   2           10.00            20     YES",
                                        "   3            0.00            30     YES",
                                        "   4           20.00            40      NO",
                                    }));
  EXPECT_EQ(used.messages, (std::vector<std::string>{"TOTAL ASSIGNED and COVERED DEMAND = 50.00000000",
                                                     "TOTAL ASSIGNED DEMAND             = 100.0000000",
                                                     "TOTAL COVERED DEMAND              = 50.00000000"}));
  EXPECT_EQ(UtilizationReport(m, 1).sections[0].lines, (std::vector<std::string>{"NOT SELECTED"}));
}

TEST(Reports, FixedCostsAndNodeToFacility) {
  ModelState m = LineModel();
  EXPECT_EQ(FixedCostReport(m, FixedCostOrder::Input).sections[0].lines,
            (std::vector<std::string>{"NO FIXED COSTS AVAILABLE IN THIS DATASET"}));
  const Extended costs[] = {250.5L, 100, 0, 1000};
  for (int j = 1; j <= 4; ++j) m.Node(j).FixedCost = costs[j - 1];
  m.Node(3).FixedCost = 75;
  const ListReport byCost = FixedCostReport(m, FixedCostOrder::AscendingCost);
  EXPECT_EQ(byCost.sections[0].lines, (std::vector<std::string>{
                                          "    3         $75.00000  YES",
                                          "    2        $100.00000   NO",
                                          "    1        $250.50000   NO",
                                          "    4      $1,000.00000   NO",
                                      }));
  EXPECT_EQ(byCost.messages, (std::vector<std::string>{"TOTAL FIXED COST = $75.00"}));
  EXPECT_TRUE(NodeToFacilityAvailable(m));
  const ListReport byPopulation = NodeToFacilityReport(m, NodeFacilityOrder::Population);
  EXPECT_EQ(byPopulation.sections[0].lines.front(),
            "   1 A                      (             10 ) -->    3 C                   ");
  EXPECT_EQ(byPopulation.sections[0].lines.back(),
            "   4 D                      (             40 ) -->    3 C                   ");
  m.NamesPresent = 0;
  EXPECT_FALSE(NodeToFacilityAvailable(m));
}

TEST(Reports, BasicResultsOfAGreedyCoveringRun) {
  ModelState m = LineModel();
  const std::vector<std::string> expected = {
      "Name of Main File   line.euc",
      "Name of Secondary File   N/A",
      "Distance File Name   N/A",
      "Number of Nodes   4 / 4",
      "Demand Fraction   1.0000",
      "Number of Facilities   1",
      "Coverage Distance   10.000",
      "",
      "# Forced In   0",
      "# Forced Out   0",
      "# Initialized   0",
      "Initial File Name   N/A",
      "",
      "Solution Approach   COVERING - HEURISTIC   EACH ITERATION",
      "Upper Bound   N/A",
      "Lower Bound   N/A",
      "",
      "Percent Differnce   N/A",
      "Iterations   N/A",
      "B+B Nodes   N/A",
      "Solution Time   N/A",
      "",
      "Cost/Mile   1.00000000000",
      "Dominated Nodes?   Yes",
  };
  EXPECT_EQ(BasicResultsPrintLines(BuildBasicResults(m)), expected);
}

// The distance file is named whether it was read or written after computing the distances.
TEST(Reports, DistanceFileNameOfReadAndSavedDistances) {
  const struct {
    bool computed;
    const char* name;
    const char* shown;
  } cases[] = {{false, "line.eud", "line.eud"}, {true, "saved.eud", "saved.eud"}, {true, "", "N/A"}};
  for (const auto& c : cases) {
    ModelState m = LineModel();
    m.ComputeDistances = c.computed;
    m.DistanceFileName = c.name;
    EXPECT_EQ(BuildBasicResults(m).files[2].label, "Distance File Name");
    EXPECT_EQ(BuildBasicResults(m).files[2].value, c.shown) << c.name;
  }
}

namespace {

struct ApproachCase {
  char code;
  uint8_t solutionClass;
  char algorithm;  // MedianAlgorithm or FixedAlgorithm
  char option;     // MedianTiming or AddFirst
  const char* label;
};

}  // namespace

TEST(Reports, ApproachLabelsForEveryModelAndAlgorithm) {
  const ApproachCase cases[] = {
      {'C', 0, ' ', ' ', "COVERING - HEURISTIC"},   {'C', 1, ' ', ' ', "COVERING - MANUAL"},
      {'C', 2, ' ', ' ', "COVERING - LAGRANGIAN"},  {'S', 0, ' ', ' ', "HEURISTIC SET COVERING"},
      {'P', 0, ' ', ' ', "HEURISTIC P-CENTER"},     {'%', 0, ' ', ' ', "HEUR. PARTIAL P-CENTER"},
      {'&', 0, ' ', ' ', "HEUR. PARTIAL SET COV."}, {'S', 2, ' ', ' ', "SET COVERING"},
      {'P', 2, ' ', ' ', "P-CENTER"},               {'%', 2, ' ', ' ', "PARTIAL P-CENTER"},
      {'D', 2, ' ', ' ', "Covering-Median Tradeoff"}, {'&', 2, ' ', ' ', "PARTIAL SET COVERING"},
      {'M', 1, 'E', 'E', "MEDIAN - MANUAL"},        {'M', 0, 'E', 'E', "MEDIAN - EXCHANGE Each"},
      {'M', 0, 'E', 'L', "MEDIAN - EXCHANGE Last"}, {'M', 2, 'L', 'E', "MEDIAN - LAGRANGIAN"},
      {'M', 0, 'M', 'E', "MEDIAN - MYOPIC"},        {'M', 0, 'N', 'E', "MEDIAN - NEIGHBORHOOD Each"},
      {'M', 0, 'N', 'L', "MEDIAN - NEIGHBORHOOD Last"}, {'M', 0, 'T', 'E', "MEDIAN - GENETIC"},
      {'F', 1, 'A', 'A', "FIXED CHARGE - MANUAL"},  {'F', 0, 'A', 'A', "FIXED CHARGE - ADD"},
      {'F', 0, 'D', 'A', "FIXED CHARGE - DROP"},    {'F', 0, 'E', 'A', "FIXED CHARGE - ADD/EXCH."},
      {'F', 0, 'E', 'D', "FIXED CHARGE - DROP/EXCH."}, {'F', 2, 'L', 'A', "FIXED CHARGE - LAGRANGIAN"},
      {'F', 0, 'N', 'A', "FIXED CHARGE - ADD/NEIGH."}, {'F', 0, 'N', 'D', "FIXED CHARGE - DROP/NEIGH."},
      {'V', 2, 'L', 'A', "Brask LOC/INV - LAGRANGIAN"}, {'V', 1, 'L', 'A', "Brask LOC/INV - MANUAL"},
  };
  for (const ApproachCase& c : cases) {
    ModelState m;
    m.ReportProblemCode = c.code;
    m.SolutionClass = c.solutionClass;
    m.MedianAlgorithm = m.FixedAlgorithm = c.algorithm;
    m.MedianTiming = m.AddFirst = c.option;
    EXPECT_EQ(ApproachLabel(m), c.label) << c.code << int(c.solutionClass) << c.algorithm << c.option;
  }
}

TEST(Reports, BoundsPercentAndDepthNote) {
  ModelState m = LineModel();
  m.SolutionClass = 2;
  m.RunUpperBound = 50;
  m.RunLowerBound = 0;
  m.RunIterations = 17;
  m.RunBranchNodes = 3;
  m.Covering.DepthVar = 4;
  const BasicResults r = BuildBasicResults(m);
  EXPECT_EQ(r.bounds[0].value, "HEUR. COVERING - LAGRANGIAN");
  EXPECT_EQ(r.bounds[0].extra, "Max. Allowable Tree Depth = 4");
  EXPECT_TRUE(r.bounds[0].red);
  EXPECT_EQ(r.bounds[1].value, "50.000000000");
  EXPECT_EQ(r.bounds[3].value, "100,000,000.000");
  EXPECT_EQ(r.bounds[4].value, "17");
  EXPECT_EQ(r.settingsFamily, "covering");
  m.ReportProblemCode = 'F';
  m.FixedNumberToLocate = -1;
  m.NumLocated = 4;
  EXPECT_EQ(BuildBasicResults(m).files[5].value, "  ? / 4");
}

TEST(ReportChain, NextAndLastFollowTheModel) {
  ModelState m = LineModel();
  EXPECT_EQ(NextReport(m, ReportPage::BasicResults), ReportPage::LocationSummary);
  EXPECT_EQ(PreviousReport(m, ReportPage::LocationSummary), ReportPage::BasicResults);
  EXPECT_EQ(NextReport(m, ReportPage::FixedCost), ReportPage::NodeToFacility);
  EXPECT_EQ(NextReport(m, ReportPage::NodeToFacility), ReportPage::BasicResults);
  m.TradeoffExists = 1;
  EXPECT_EQ(NextReport(m, ReportPage::ForcedNodes), ReportPage::TradeoffTable);
  EXPECT_EQ(NextReport(m, ReportPage::TradeoffTable), ReportPage::UncoveredDemands);
  m.NamesPresent = 0;
  EXPECT_EQ(NextReport(m, ReportPage::FixedCost), ReportPage::BasicResults);
  m.ReportProblemCode = 'M';
  m.MedianAlgorithm = 'T';
  EXPECT_EQ(NextReport(m, ReportPage::BasicResults), ReportPage::GeneticParameters);
  EXPECT_EQ(PreviousReport(m, ReportPage::LocationSummary), ReportPage::GeneticParameters);
  m.ReportProblemCode = 'V';
  EXPECT_EQ(PreviousReport(m, ReportPage::LocationSummary), ReportPage::InvLocOrderFrequency);
  EXPECT_EQ(TradeoffUnavailableMessage(m),
            "Tradeoff Curve does not exist... Sorry... \nWrong Objective Function... Sorry... ");
}

TEST(Reports, ForcedNodesListsAndPrintout) {
  ModelState m = LineModel();
  m.Node(1).SiteStatus = StatusRequired;
  m.Node(1).InInitialSolution = 1;  // required wins over initial
  m.Node(2).InInitialSolution = 1;
  m.Node(4).SiteStatus = StatusExcluded;
  const ListReport r = ForcedNodesReport(m);
  ASSERT_EQ(r.sections.size(), 3u);
  EXPECT_EQ(r.sections[0].heading, "1 Nodes Forced Into Solution");
  EXPECT_EQ(r.sections[0].lines, (std::vector<std::string>{"   1 A"}));
  EXPECT_EQ(r.sections[1].heading, "1 Nodes Excluded From Solution");
  EXPECT_EQ(r.sections[1].lines, (std::vector<std::string>{"   4 D"}));
  EXPECT_EQ(r.sections[2].heading, "1 Nodes Initialized");
  EXPECT_EQ(r.sections[2].lines, (std::vector<std::string>{"   2 B"}));
  m.Node(4).SiteStatus = StatusAllowed;
  std::vector<std::string> printed;
  for (const PrintLine& line : ForcedNodesPrintLines(ForcedNodesReport(m))) printed.push_back(line.text);
  EXPECT_EQ(printed, (std::vector<std::string>{"FORCED NODES SUMMARY", "", "", "1 Nodes Forced Into Solution", "",
                                               "   1 A", "", "0 Nodes Excluded From Solution", "",
                                               "1 Nodes Initialized", "", "   2 B", ""}));
}

TEST(Reports, SortOrdersOfTheFixedCostAndNodeToFacilityReports) {
  ModelState m = LineModel();
  const Extended costs[] = {250, 100, 75, 1000};
  for (int j = 1; j <= 4; ++j) m.Node(j).FixedCost = costs[j - 1];
  const char* names[] = {"Delta", "alpha", "Charlie", "Bravo"};
  for (int j = 1; j <= 4; ++j) m.Node(j).NodeName = names[j - 1];
  auto sites = [](const ListReport& r, size_t width) {
    std::vector<int> order;
    for (const std::string& line : r.sections[0].lines) order.push_back(std::stoi(line.substr(0, width)));
    return order;
  };
  EXPECT_EQ(sites(FixedCostReport(m, FixedCostOrder::Input), 5), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(sites(FixedCostReport(m, FixedCostOrder::DescendingDemand), 5), (std::vector<int>{4, 3, 2, 1}));
  EXPECT_EQ(sites(FixedCostReport(m, FixedCostOrder::FacilitiesFirst), 5).front(), 3);
  // Names compare as text: upper case before lower case.
  EXPECT_EQ(sites(NodeToFacilityReport(m, NodeFacilityOrder::DemandAreaName), 4), (std::vector<int>{4, 3, 1, 2}));
  EXPECT_EQ(sites(NodeToFacilityReport(m, NodeFacilityOrder::Input), 4), (std::vector<int>{1, 2, 3, 4}));
}
