// The inventory/location model from the batch program.
#include <cmath>

#include "../core/invloc/InvLocTestModels.h"
#include "CliTestSupport.h"
#include "data/DataLoad.h"

namespace clitest {
namespace {

const std::string kInventory = kBase + "--problem inventory --plant 6,1 --set tolvDemPerPopEdit=0.1 "
                                       "--set tolvDollarEdit=2 --set FixedDistanceEdit=0.5 --set UnitDistanceEdit=0.01 ";

double Number(const std::string& json, const std::string& key) { return std::stod(JsonField(json, key)); }

// The same data and parameters as kInventory, for the exhaustive optimum.
korvelan::Extended Optimum(int count) {
  using namespace korvelan;
  ModelState m;
  LoadRequest request;
  request.DemandFileName = Fixture("line6.euc");
  EXPECT_EQ(LoadDataSet(m, request), "");
  TolvanParameters& p = m.InvLoc.Parameters;
  p.DemandPerPopulation = 0.1;
  p.DeliveryRate = 2;
  p.ShipMileage = 0.5;
  p.UnitMileage = 0.01;
  m.InvLoc.PlantCity[6] = m.InvLoc.PlantCity[1] = 1;
  ComputeTolvanDerivedData(m);
  return korvelan::testing::ExhaustiveInvLocOptimum(m, count);
}

// The JSON holds z and the cost summary's rows; the rows add up to z, which is the
// exhaustive optimum, for the number optimised and for a fixed number.
TEST(CliInventory, JsonHoldsTheCostSummaryRows) {
  TestFolder folder;
  for (const int count : {-1, 2}) {
    const CliResult r = RunCli(folder, kInventory + "--locate " + std::to_string(count) + " --json -" +
                                           " --report " + folder.Path("report.txt"));
    ASSERT_EQ(r.exit, 0) << r.err;
    const std::string& json = r.out;
    EXPECT_EQ(JsonField(json, "problem"), "\"V\"");
    EXPECT_EQ(JsonField(json, "status"), "\"completed\"");
    const double z = Number(json, "z");
    EXPECT_EQ(z, Number(json, "upper_bound"));
    EXPECT_NEAR(z, static_cast<double>(Optimum(count)), 1e-6 * z) << count;
    const double categories = Number(json, "fixed_cost") + Number(json, "local_delivery_cost") +
                              Number(json, "safety_stock_cost") + Number(json, "total_dc_working_inv_cost");
    const double dc = Number(json, "order_cost") + Number(json, "fixed_shipment_cost") +
                      Number(json, "variable_shipment_cost") + Number(json, "working_inventory_cost");
    EXPECT_NEAR(dc, Number(json, "total_dc_working_inv_cost"), 1e-9 * z);
    EXPECT_NEAR(categories, z, 1e-4 * z);
    const double terms = Number(json, "fixed_cost") + Number(json, "linear_in_yij") +
                         Number(json, "prop_to_sqrt_mean") + Number(json, "prop_to_sqrt_var");
    EXPECT_NEAR(terms, z, 1e-4 * z);
    if (count > 0) {
      EXPECT_EQ(JsonField(json, "num_located"), "2");
    }
    EXPECT_NE(ReadText(folder.Path("report.txt")).find("Brask LOC/INV - LAGRANGIAN"), std::string::npos);
  }
}

TEST(CliInventory, PlantListAndParametersAreChecked) {
  TestFolder folder;
  struct Case {
    std::string arguments;
    std::string err;
  };
  const Case cases[] = {
      {kBase + "--problem inventory --locate -1 --plant 2,x",
       "korvelan-cli: --plant 2,x: \"x\" is not a node number\n"},
      {kBase + "--problem inventory --locate -1 --plant 7",
       "korvelan-cli: --plant 7: node 7 is not a demand node (1 to 6)\n"},
      {kBase + "--problem inventory --locate -1 --set LeadTimeEdit=121",
       "korvelan-cli: --set LeadTimeEdit=121: Invalid Parameter Value.  Must have 0.0000 <= X <= 120.0000\n"},
      {kBase + "--problem p-median --algorithm myopic --locate 2 --plant 1 --report " + folder.Path("r.txt"),
       "korvelan-cli: warning: --plant does not apply to --problem p-median; it is ignored\n"
       "korvelan-cli: information: Execution Completed Satisfactorily\n"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(folder, c.arguments);
    EXPECT_EQ(r.err, c.err) << c.arguments;
  }
}

// --progress ends a Lagrangian run with one line of the values it ended with.
TEST(CliInventory, ProgressEndsWithTheFinalValues) {
  TestFolder folder;
  const CliResult r = RunCli(folder, kInventory + "--locate -1 --progress --report " + folder.Path("r.txt"));
  ASSERT_EQ(r.exit, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.err);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.back(), "korvelan-cli: information: Execution Completed Satisfactorily");
  const std::string& last = lines[lines.size() - 2];
  EXPECT_EQ(last.rfind("Locations ", 0), 0u) << last;
  EXPECT_NE(last.find(" | Upper Bound "), std::string::npos) << last;
  EXPECT_NE(last.find(" | B+B Nodes "), std::string::npos) << last;
}

}  // namespace
}  // namespace clitest
