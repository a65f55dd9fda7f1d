#include <gtest/gtest.h>

#include <cmath>

#include "InvLocTestModels.h"
#include "setup/SettingsRegistry.h"

namespace korvelan {
namespace {

using testing::LoadPoints;

constexpr Extended Tol = 1e-9L;

// Three demand nodes on a line at 0, 10 and 40 with loaded demands 10, 20, 40.
void LoadLine(ModelState& m) {
  LoadPoints(m, {{0, 0}, {10, 0}, {40, 0}}, {10, 20, 40}, {100, 200, 300});
  TolvanParameters& p = m.InvLoc.Parameters;
  p.DemandPerPopulation = 0.5;
  p.LeadTime = 4;
  p.VarianceToMean = 1;
  p.ZAlpha = 2;
  p.HoldingCost = 10;
  p.OrderCost = 20;
  p.TransportWeight = 1;
  p.InventoryWeight = 1;
  p.DeliveryRate = 0.1;
  p.DaysPerYear = 100;
  p.ShipConstant = 5;
  p.ShipMileage = 0.5;
  p.UnitConstant = 1;
  p.UnitMileage = 0.25;
}

TEST(InvLocDerivedData, FromTheNearestPlantCity) {
  ModelState m;
  LoadLine(m);
  m.InvLoc.PlantCity[3] = 1;
  ComputeTolvanDerivedData(m);
  const TolvanDerived& d = m.InvLoc.Derived;
  // Daily demand: loaded x 0.5.
  EXPECT_EQ(m.Node(1).Demand, 5);
  EXPECT_EQ(m.Node(2).Demand, 10);
  EXPECT_EQ(m.Node(3).Demand, 20);
  EXPECT_EQ(m.TotalDemand, 35);
  EXPECT_EQ(m.Node(2).LoadedDemand, 20);
  // p(j) from plant 3; a0 + a1 p and b0 + b1 p.
  const Extended plant[] = {40, 30, 0}, shipFixed[] = {25, 20, 5}, shipUnit[] = {11, 8.5, 1};
  // K(j) = sqrt(Y 2 beta h (F + theta a(j))) = sqrt(2000 (20 + a(j))).
  const Extended cycle[] = {300, std::sqrt(80000.0L), std::sqrt(50000.0L)};
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(d.PlantDistance[j], plant[j - 1]) << j;
    EXPECT_EQ(d.ShipFixedCost[j], shipFixed[j - 1]) << j;
    EXPECT_EQ(d.ShipUnitCost[j], shipUnit[j - 1]) << j;
    EXPECT_NEAR(d.CycleStockFactor[j], cycle[j - 1], Tol) << j;
  }
  EXPECT_EQ(d.SafetyFactor, 20);           // beta h z
  EXPECT_NEAR(TolvanTheta(m), 40, Tol);    // sqrt(L VM) x 20
  // Repeating the computation does not convert the demands twice.
  ComputeTolvanDerivedData(m);
  EXPECT_EQ(m.Node(3).Demand, 20);
  RestoreDemands(m);
  EXPECT_EQ(m.Node(3).Demand, 40);
  EXPECT_EQ(m.TotalDemand, 70);
}

TEST(InvLocDerivedData, WithoutPlantCitiesTheConstantsHold) {
  ModelState m;
  LoadLine(m);
  ComputeTolvanDerivedData(m);
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(m.InvLoc.Derived.ShipFixedCost[j], 5);
    EXPECT_EQ(m.InvLoc.Derived.ShipUnitCost[j], 1);
    EXPECT_NEAR(m.InvLoc.Derived.CycleStockFactor[j], std::sqrt(50000.0L), Tol);
  }
}

// Sites 1 and 3 open; nodes 1 and 2 at site 1 (D = 15), node 3 at site 3 (D = 20).
TEST(InvLocTotalCost, SplitsTheCostByCategoryAndByTerm) {
  ModelState m;
  LoadLine(m);
  m.InvLoc.PlantCity[3] = 1;
  ComputeTolvanDerivedData(m);
  m.Node(1).Located = m.Node(3).Located = 1;
  m.Node(1).AssignedFacility = m.Node(2).AssignedFacility = 1;
  m.Node(3).AssignedFacility = 3;
  const TolvanCosts c = TolvanTotalCost(m, "test");
  const Extended n1 = std::sqrt(15000.0L / 90);  // sqrt(beta h D Y / ((a theta + F) 2)) at site 1
  EXPECT_EQ(c.fixed, 400);
  EXPECT_NEAR(c.localDelivery, 1000, Tol);  // node 2: 10 x 100 x 10 x 0.1
  EXPECT_NEAR(c.safetyStock, (std::sqrt(60.0L) + std::sqrt(80.0L)) * 20, Tol);
  EXPECT_NEAR(c.order, 20 * n1 + 20 * 20, Tol);
  EXPECT_NEAR(c.fixedShipment, 25 * n1 + 5 * 20, Tol);
  EXPECT_NEAR(c.variableShipment, 11 * 15 * 100 + 1 * 20 * 100, Tol);
  EXPECT_NEAR(c.workingInventory, 7500 / n1 + 500, Tol);
  EXPECT_NEAR(c.dcWorkingInventory, c.order + c.fixedShipment + c.variableShipment + c.workingInventory, Tol);
  // Z = fixed + sum d(i, a(i)) + sum (K + Theta) sqrt(D).
  const Extended z = 400 + (5500 + 12000 + 2000) + 340 * std::sqrt(15.0L) + (std::sqrt(50000.0L) + 40) * std::sqrt(20.0L);
  EXPECT_NEAR(c.total, z, 1e-8L);
  EXPECT_NEAR(c.termTotal, z, 1e-8L);
  EXPECT_NEAR(c.linearInAssignments, 1000 + 18500, Tol);
  EXPECT_NEAR(c.proportionalToMean, 300 * std::sqrt(15.0L) + std::sqrt(50000.0L) * std::sqrt(20.0L), Tol);
  ASSERT_EQ(c.sites.size(), 2u);
  EXPECT_EQ(c.sites[0].site, 1);
  EXPECT_EQ(c.sites[0].assignedDemand, 15);
  EXPECT_NEAR(c.sites[1].ordersPerYear, 20, Tol);
  EXPECT_EQ(c.demandWarning, "");
  // With the loaded demands back (as after a run) the costs are the same daily costs.
  RestoreDemands(m);
  EXPECT_NEAR(TolvanTotalCost(m, "test").total, z, 1e-8L);
  EXPECT_NEAR(TolvanObjective(m), z, 1e-8L);
  // A node served by a closed site leaves its demand out, and the warning says so.
  m.Node(3).AssignedFacility = 2;
  EXPECT_EQ(TolvanTotalCost(m, "Here").demandWarning,
            "In TSService Here\nTemp_total = 15.00\nTotal Assigned Demand = 35.00");
}

// A zero cost per order makes no orders; the order, shipment and working-inventory
// costs are then 0 instead of a division by zero.
TEST(InvLocTotalCost, ZeroCostPerOrderMeansNoOrders) {
  ModelState m;
  LoadLine(m);
  m.InvLoc.Parameters.OrderCost = 0;
  m.InvLoc.Parameters.ShipConstant = 0;
  ComputeTolvanDerivedData(m);
  m.Node(1).Located = 1;
  for (int i = 1; i <= 3; ++i) m.Node(i).AssignedFacility = 1;
  const TolvanCosts c = TolvanTotalCost(m, "x");
  EXPECT_EQ(TolvanOrdersPerYear(m, 1, 35), 0);
  EXPECT_EQ(c.order, 0);
  EXPECT_EQ(c.fixedShipment, 0);
  EXPECT_EQ(c.workingInventory, 0);
  EXPECT_EQ(m.InvLoc.Derived.CycleStockFactor[1], 0);
  EXPECT_TRUE(std::isfinite(static_cast<double>(c.total)));
}

TEST(InvLocParameters, TableDefaultsAndRangeMessages) {
  ModelState m;
  const auto& table = TolvanParameterTable();
  ASSERT_EQ(table.size(), 14u);
  for (const TolvanParameterDef& row : table) {
    const SettingDef* def = Settings().Find(row.editName, FamiliesOfProblem('V'));
    ASSERT_NE(def, nullptr) << row.editName;
    EXPECT_EQ(def->get(m), Extended(row.defaultValue)) << row.editName;
  }
  const SettingDef& lead = *Settings().Find("invparams.LeadTimeEdit");
  SettingOutcome out = ApplySettingText(m, lead, "121");
  EXPECT_FALSE(out.stored);
  EXPECT_EQ(out.message, "Invalid Parameter Value.  Must have 0.0000 <= X <= 120.0000");
  out = ApplySettingText(m, lead, "abc");
  EXPECT_EQ(out.message, "Conversion Error");
  EXPECT_TRUE(ApplySettingText(m, lead, "7.5").stored);
  EXPECT_EQ(m.InvLoc.Parameters.LeadTime, 7.5);
  m.InvLoc.PlantCity[2] = 1;
  RestoreTolvanParameterDefaults(m);
  EXPECT_EQ(m.InvLoc.Parameters.LeadTime, 5);
  EXPECT_EQ(m.InvLoc.PlantCity[2], 0);
}

TEST(InvLocSettings, SharedControlsEditTheFixedChargeSettings) {
  ModelState m;
  const SettingDef& pct = *Settings().Find("invloc.PctDiff");
  EXPECT_TRUE(ApplySettingText(m, pct, "2.5").stored);
  EXPECT_EQ(m.Fixed.PctDiff, 2.5L);
  const SettingDef& root = *Settings().Find("RootNodeValue", FamiliesOfProblem('V'));
  EXPECT_EQ(root.get(m), 1200);
  EXPECT_EQ(RangeMessage(m, *Settings().Find("invloc.Failures")), "Invalid Parameter Value.  Must have 1 <= X <= 1201");
  m.InvLoc.TolvanRootFail = 3;
  m.Fixed.PctDiff = 4;
  Settings().RestoreDefaults(m, "invloc");
  EXPECT_EQ(m.InvLoc.TolvanRootFail, 36);
  EXPECT_EQ(m.Fixed.PctDiff, 0);
}

}  // namespace
}  // namespace korvelan
