// Reports of the inventory/location model on a hand-computed solution: four towns on
// a line (x = 0, 10, 30, 35), centres at towns 1 and 3, daily demands 2, 6, 4, 4.
#include <gtest/gtest.h>

#include "InvLocTestModels.h"
#include "InvLocTestSolution.h"
#include "invloc/InvLocAssignments.h"
#include "invloc/InvLocModel.h"
#include "invloc/InvLocReports.h"
#include "reports/BasicResults.h"
#include "reports/MappingFile.h"
#include "setup/RunModels.h"
#include "solve/RunHost.h"

using namespace korvelan;
using korvelan::testing::SmallSolution;
using korvelan::testing::InvLocRecipe;
using korvelan::testing::LoadRandomInstance;

namespace {

std::vector<std::string> Lines(const std::vector<CostSummaryLine>& panel) {
  std::vector<std::string> lines;
  for (const CostSummaryLine& line : panel) lines.push_back(line.label + " = " + line.ValueText());
  return lines;
}

}  // namespace

TEST(InvLocCostSummary, SplitsTheHandComputedCostByCategoryAndByTerm) {
  const ModelState m = SmallSolution();
  const TolvanCostSummary s = BuildTolvanCostSummary(m);
  EXPECT_EQ(Lines(s.byCategory), (std::vector<std::string>{
                                     "Fixed Cost = $150.00",
                                     "Local Delivery Cost = $4,000.00",
                                     "Safety Stock Cost = $24.00",
                                     "Order Cost = $100.00",
                                     "Fixed Shipment Cost = $60.00",
                                     "Variable Shipment Cost = $3,200.00",
                                     "Working Inventory Cost = $160.00",
                                     "Total DC Working Inv Cost = $3,520.00",
                                     "Total Cost = $7,694.00",
                                     "Total Cost from Algorithm = $7,694.00",
                                 }));
  EXPECT_EQ(Lines(s.byTerm), (std::vector<std::string>{
                                 "Fixed Cost = $150.00",
                                 "Linear in Yij = $7,200.00",
                                 "Prop to SQRT(mean) = $320.00",
                                 "Prop to SQRT(var) = $24.00",
                                 "Total Cost = $7,694.00",
                                 "Total Cost from Algorithm = $7,694.00",
                             }));
  EXPECT_EQ(s.demandWarning, "");
  // The report values daily demands and leaves the model's demands as they were.
  EXPECT_EQ(m.Node(2).Demand, 12);
}

TEST(InvLocCostSummary, ShowsTheDifferenceAfterAManualChange) {
  ModelState m = SmallSolution();
  ASSERT_TRUE(AssignDemandNode(m, 2, 3));  // Bexley served from Carden, 20 miles away
  EXPECT_EQ(m.SolutionClass, 1);
  EXPECT_EQ(ApproachLabel(m), "Brask LOC/INV - MANUAL");
  const TolvanCostSummary s = BuildTolvanCostSummary(m);
  // Local delivery 6 x 100 x 20 x 0.5 + 4 x 100 x 5 x 0.5; D = 2 and 14.
  EXPECT_EQ(s.byCategory[1].ValueText(), "$7,000.00");
  const CostSummaryLine& error = s.byCategory.back();
  EXPECT_EQ(error.label, "Cost Difference (Error)");
  EXPECT_EQ(error.printLabel, "Cost Difference (Error)   ");
  EXPECT_EQ(error.value, m.RunUpperBound - s.costs.total);
  EXPECT_EQ(s.byTerm.back().label, "Cost Difference (Error)");
  // With a weight for distances beyond the coverage distance the line prices it.
  m.AddedConstant = 3;
  m.CoverageDistance = 10 * FixedPointScale;  // Bexley (20) is beyond it: 6 x 1 x 100 x 3 x 0.5
  const TolvanCostSummary weighted = BuildTolvanCostSummary(m);
  EXPECT_EQ(weighted.byCategory.back().label, "Cost Diff (Uncov Dem)");
  EXPECT_EQ(weighted.byCategory.back().ValueText(), "$900.00");
}

TEST(InvLocCostSummary, PrintsBothPanelsWithTheirLabels) {
  RecordingPrintSink sink;
  PrintTolvanCostSummary(sink, BuildTolvanCostSummary(SmallSolution()));
  std::vector<std::string> printed;
  for (const auto& item : sink.items) printed.push_back(std::to_string(item.font.pointSize) + " " + item.text);
  EXPECT_EQ(printed, (std::vector<std::string>{
                         "18 Tolvan LOCATION INVENTORY COST SUMMARY",
                         "10 ",
                         "10 ",
                         "10 Fixed Cost                $150.00",
                         "10 Local Delivery Cost       $4,000.00",
                         "10 Safety Stock Cost         $24.00",
                         "10    Order Cost             $100.00",
                         "10    Fixed Shipment Cost    $60.00",
                         "10    Variable Shipment Cost $3,200.00",
                         "10    Working Inventory Cost $160.00",
                         "10 Total DC Working Inv Cost $3,520.00",
                         "10 TOTAL COST                $7,694.00",
                         "10 Total Cost from Algorithm $7,694.00",
                         "10 ",
                         "10 ==============================================",
                         "10 ",
                         "10 Fixed Cost                $150.00",
                         "10 Linear in Yij             $7,200.00",
                         "10 Proportional to Mean      $320.00",
                         "10 Proportional to Std Dev   $24.00",
                         "10 TOTAL COST                $7,694.00",
                         "10 Total Cost from Algorithm $7,694.00",
                     }));
}

TEST(InvLocCostSummary, ColumnFileHasOneLinePerCentreAndTheParameters) {
  const ModelState m = SmallSolution();
  const TolvanCostSummary s = BuildTolvanCostSummary(m);
  EXPECT_EQ(ColumnFileText(m, s.costs),
            "NODE   TotalCost  LocalDeliveryCost   FixedCost   SafetyStockCost   OrderCost   FixedShipCost   "
            "VariableShipCost  WorkInvCost   AssignedDemand    annual_orders   tolvGj_term    tolvAj_term\n"
            "1    4,872.00000  3,000.00000  100.00000  12.00000  50.00000  30.00000  1,600.00000  80.00000  "
            "8.00000  10.00000  3.00000  2.00000\n"
            "3    2,822.00000  1,000.00000  50.00000  12.00000  50.00000  30.00000  1,600.00000  80.00000  "
            "8.00000  10.00000  3.00000  2.00000\n"
            "\n"
            "tolvTransWeight = 1.00000\n"
            "tolvDaysPerYear = 100.00000\n"
            "tolvDollar      = 0.50000\n"
            "TolvInvWeight   = 1.00000\n"
            "Tolvholding     = 2.00000\n"
            "tolvOrder       = 5.00000\n"
            "tolvAlpha       = 1.50000\n"
            "tolvLeadTime    = 2.00000\n"
            "tolvVar2Mean    = 1.00000\n");
  EXPECT_EQ(SaveColumnsMessage(m, s),
            "Total Column Cost = $7,694.00\nTotal Algorithm Cost = $7,694.00\n\n"
            "Total Assigned Demand = 16.00\nTotal Demand = 16.00");
}

TEST(InvLocOrderFrequency, UsesDailyDemandsAndShowsNotApplicableWithoutOrders) {
  ModelState m = SmallSolution();
  const ListReport r = TolvanOrderFrequency(m);
  EXPECT_EQ(r.caption, "Order Frequency From Plant(s)");
  ASSERT_EQ(r.sections.size(), 2u);
  EXPECT_EQ(r.sections[0].heading, "DC #   Distribution Center Name         Order Frequency   Assigned Demand");
  EXPECT_EQ(r.sections[0].lines,
            (std::vector<std::string>{"   1   Ashford" + std::string(26, ' ') + "   " + "       10.00" + "   " + std::string(13, ' ') + "8",
                                      "   3   Carden" + std::string(27, ' ') + "   " + "       10.00" + "   " + std::string(13, ' ') + "8"}));
  EXPECT_EQ(r.sections[1].lines[0], "   1   Ashford                                    80              800");
  // No cost per order (F = 0 and no fixed shipment cost): no orders, no order size.
  m.InvLoc.Parameters.OrderCost = 0;
  m.InvLoc.Parameters.ShipConstant = 0;
  ComputeTolvanDerivedData(m);
  RestoreDemands(m);
  const ListReport none = TolvanOrderFrequency(m);
  EXPECT_EQ(none.sections[0].lines[0], "   1   Ashford" + std::string(26, ' ') + "   " + "        0.00" + "   " + std::string(13, ' ') + "8");
  EXPECT_EQ(none.sections[1].lines[0], "   1   Ashford" + std::string(23, ' ') + "   " + "        N/A " + "   " + "           800");
}

TEST(InvLocParameterReport, ListsTheParametersAndThePlantCities) {
  ModelState m = SmallSolution();
  ListReport r = TolvanParameterReport(m);
  EXPECT_EQ(r.printTitle, "Tolvan Parameter Report");
  ASSERT_EQ(r.sections.size(), 1u);  // no plant city: no mileage terms, no city list
  EXPECT_EQ(r.sections[0].lines.size(), 12u);
  EXPECT_EQ(r.sections[0].lines[0], "Demand per unit Population/day          = 0.500000000");
  EXPECT_EQ(r.sections[0].lines[6], "Dollars/(demand-mile) in local delivery = 0.50000000");
  EXPECT_EQ(r.sections[0].lines[11], "Days Per Year                           = 100.0000");
  m.InvLoc.PlantCity[2] = 1;
  r = TolvanParameterReport(m);
  ASSERT_EQ(r.sections.size(), 2u);
  EXPECT_EQ(r.sections[0].lines[10], "Mileage Coef. in FIXED cost to DC       = 0.0000");
  EXPECT_EQ(r.sections[1].heading, "Selected Cities Below:");
  EXPECT_EQ(r.sections[1].lines, std::vector<std::string>{"   2   Bexley"});
  EXPECT_EQ(PlantCityLines(m)[1], "   2       SELECTED    Bexley");
  EXPECT_EQ(PlantCityLines(m)[0], "   1   NOT SELECTED    Ashford");
  EXPECT_EQ(PlantCityCountLines(m),
            (std::vector<std::string>{"   4 Cities", "   1 SELECTED Cities", "   3 NOT Selected Cities"}));
  EXPECT_EQ(PlantCityNote(m), "Costs will be based on the nearest of 1 selected cities (shown below) to the DCs");
}

TEST(InvLocMapping, PlantLayerJoinsEveryCentreToItsNearestPlant) {
  ModelState m = SmallSolution();
  EXPECT_FALSE(HasPlantToDcLayer(m));
  m.InvLoc.PlantCity[2] = m.InvLoc.PlantCity[4] = 1;
  ASSERT_TRUE(HasPlantToDcLayer(m));
  EXPECT_EQ(PlantToDcMappingText(m),
            "   1,  2,      0.0000000,      0.0000000,    -10.0000000,      0.0000000\n"
            "   2,  2,    -30.0000000,      0.0000000,    -35.0000000,      0.0000000\n");
}

// After real runs the cost summary's components add up, in both panels, to the
// objective the solver reports, and no difference line is shown.
TEST(InvLocCostSummary, ComponentsAddUpToTheRunsObjective) {
  for (unsigned seed = 1; seed <= 6; ++seed)
    for (const int count : {-1, 3}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " count " + std::to_string(count));
      ModelState m;
      InvLocRecipe recipe;
      recipe.seed = seed;
      recipe.nodes = recipe.demandNodes = 8;
      recipe.plants = static_cast<int>(seed % 3);
      LoadRandomInstance(m, recipe);
      OpenRunModels(m);
      ChooseProblem(m, 'V');
      m.FixedNumberToLocate = count;
      HeadlessRunHost host;
      ASSERT_EQ(ExecuteRun(m, host), RunEnd::Completed);
      ASSERT_EQ(m.SolutionClass, 2);
      const TolvanCostSummary s = BuildTolvanCostSummary(m);
      EXPECT_LE(std::fabs(s.costs.total - m.RunUpperBound), 1e-4L * m.RunUpperBound);
      EXPECT_LE(std::fabs(s.costs.termTotal - m.RunUpperBound), 1e-4L * m.RunUpperBound);
      EXPECT_EQ(s.byCategory.back().label, "Total Cost from Algorithm");
      EXPECT_EQ(s.byTerm.back().label, "Total Cost from Algorithm");
      EXPECT_EQ(s.demandWarning, "");
      for (int i = 1; i <= m.NumDemandNodes; ++i) EXPECT_EQ(m.Node(i).Demand, m.Node(i).LoadedDemand);
    }
}
