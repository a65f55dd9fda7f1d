#include <gtest/gtest.h>

#include "../median/HeuristicModels.h"
#include "fixed/FixedAddDrop.h"
#include "fixed/FixedEvaluation.h"
#include "fixed/FixedExchange.h"
#include "fixed/FixedNeighborhood.h"
#include "solve/Evaluation.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

// Records the exchange gauges and labels besides the headless host's lists.
class GaugeRecordingHost : public HeadlessRunHost {
 public:
  std::vector<std::string> gaugeEvents;
  int inGaugeSettings = 0;
  void ShowExchangeGauges(bool visible) override { gaugeEvents.push_back(visible ? "show" : "hide"); }
  void SetCandidateOutGauge(int percent) override { gaugeEvents.push_back("out " + std::to_string(percent)); }
  void SetCandidateInGauge(int) override { ++inGaugeSettings; }
  void SetExchangeLabels(const std::string& decrease, const std::string& total) override {
    gaugeEvents.push_back(decrease + " " + total);
  }
};

// Three demand nodes on a line at 0, 1 and 2 with demands 1, 1, 2 and fixed
// costs 10, 3, 4; cost per mile 1.
ModelState LineModel() {
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 3;
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) m.DistanceMatrix.at(i, j) = std::abs(i - j);
  const Extended demand[] = {0, 1, 1, 2};
  const Extended fixedCost[] = {0, 10, 3, 4};
  for (int i = 1; i <= 3; ++i) {
    m.Node(i).Demand = demand[i];
    m.Node(i).FixedCost = fixedCost[i];
  }
  FinishModel(m);
  m.CostPerMile = 1;
  m.ProblemCode = 'F';
  return m;
}

void OpenOnly(ModelState& m, int site) {
  ClearSolution(m);
  m.Node(site).Located = 1;
  AssignToNearest(m);
}

}  // namespace

TEST(FixedProgress, AddingWritesItsThreeLinesPerFacility) {
  ModelState m = LineModel();
  HeadlessRunHost host;
  EXPECT_EQ(fixed_add(m, host, -1), 1);
  const std::vector<std::string> expected{"Facility 1 located at node 2", "  Average Distance = 0.75000000",
                                          "  Total Cost = $6.00000000"};
  EXPECT_EQ(host.progressLines, expected);
  EXPECT_EQ(m.CostByCount[1], 6);
}

TEST(FixedProgress, DroppingOpensEverySiteThenRemovesTheBest) {
  ModelState m = LineModel();
  HeadlessRunHost host;
  EXPECT_EQ(fixed_drop(m, host, -1), 1);
  const std::vector<std::string> expected{
      "<<< ADDING ALL NON-EXCLUDED FACILITIES ... HANG ON >>>",
      "Facility 1 located at node 1", "  Average Distance = 1.25000000", "  Total Cost = $15.0000000",
      "Facility 2 located at node 2", "  Average Distance = 0.50000000", "  Total Cost = $15.0000000",
      "Facility 3 located at node 3", "  Average Distance = 0.00", "  Total Cost = $17.0000000",
      "<<< PROCESSING DROP OPTIONS ... HANG ON >>>",
      "Facility 3 removed from node 1", "  Average Distance = 0.25000000", "  Total Cost = $8.00000000",
      "Facility 2 removed from node 3", "  Average Distance = 0.75000000", "  Total Cost = $6.00000000"};
  EXPECT_EQ(host.progressLines, expected);
  EXPECT_EQ(OpenSet(m), std::set<int>{2});
  EXPECT_EQ(m.CostByCount[3], 17);
  EXPECT_EQ(m.CostByCount[2], 8);
  EXPECT_EQ(m.CostByCount[1], 6);
}

TEST(FixedProgress, ExchangeReportsEachSwapAndDrivesTheGauges) {
  ModelState m = LineModel();
  OpenOnly(m, 1);
  GaugeRecordingHost host;
  EXPECT_TRUE(fixed_exchange(m, host));
  const std::vector<std::string> expected{"Removing node 1 and ", "  Replacing it with node 2",
                                          "  Reduces total cost by $9.00000000",
                                          "  NEW TOTAL COST IS 6.0000000000000"};
  EXPECT_EQ(host.progressLines, expected);
  const std::vector<std::string> gauges{"show", "Dec=0.0 Tot=0.0", "out 33", "Dec=9.0 Tot=9.0", "out 67", "hide"};
  EXPECT_EQ(host.gaugeEvents, gauges);
  EXPECT_GT(host.inGaugeSettings, 0);
  EXPECT_EQ(OpenSet(m), std::set<int>{2});
  EXPECT_EQ(m.CostByCount[1], 6);
}

TEST(FixedProgress, ExchangeStopsAtOnceWithoutAPositiveSwap) {
  ModelState m = LineModel();
  OpenOnly(m, 2);
  GaugeRecordingHost host;
  EXPECT_FALSE(fixed_exchange(m, host));
  EXPECT_TRUE(host.progressLines.empty());
  EXPECT_EQ(host.gaugeEvents.front(), "show");
  EXPECT_EQ(host.gaugeEvents.back(), "hide");
  EXPECT_EQ(OpenSet(m), std::set<int>{2});
}

TEST(FixedProgress, NeighbourhoodShowsTheFacilitiesThenEachMoveAndReassignment) {
  ModelState m = LineModel();
  OpenOnly(m, 1);
  HeadlessRunHost host;
  fixed_neighborhood(m, host, 1, 1);
  const std::vector<std::string> expected{
      "<<< PROCESSING NEIGHBORHOOD OPPORTUNITIES ... HANG ON >>>",
      "-------------------------------------------",
      "In fixed_neighborhood",
      "Facilities at Nodes",
      "   1 ",
      "   Total Cost = 15.0",
      "-------------------------------------------",
      "Node 1 removed",
      "Node 2 replaces it",
      "  Reducing total cost by 9.00000000",
      "  NEW TOTAL COST IS 6.00000000",
      "REASSIGNING DEMAND NODES TO NEW FACILITIES",
      "  Reduces total cost by $0.00"};
  EXPECT_EQ(host.progressLines, expected);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(OpenSet(m), std::set<int>{2});
}

TEST(FixedProgress, NoLinesForALagrangianSolutionAndNoFacilityBlockForAManualOne) {
  for (uint8_t solutionClass : {2, 1}) {
    ModelState m = LineModel();
    m.SolutionClass = solutionClass;
    HeadlessRunHost host;
    fixed_drop(m, host, -1);
    fixed_exchange(m, host);
    host.progressLines.clear();
    show_facilities(m, host, "caption");
    EXPECT_TRUE(host.progressLines.empty());
    fixed_neighborhood(m, host, 1, 0);
    EXPECT_EQ(host.progressLines.size(), solutionClass == 2 ? 0u : 1u);
  }
}

TEST(FixedProgress, CheckAssignmentWarnsWhenDemandIsServedByClosedSites) {
  ModelState m = LineModel();
  OpenOnly(m, 2);
  HeadlessRunHost host;
  check_assignment(m, host, "a test");
  EXPECT_TRUE(host.messages.empty());
  m.Node(3).AssignedFacility = 3;
  check_assignment(m, host, "a test");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, 'W');
  EXPECT_EQ(host.messages[0].text, "In a test with\nTOTAL DEMAND = 4.0\nASSIGNED DEMAND TO FACILITIES = 2.0");
}
