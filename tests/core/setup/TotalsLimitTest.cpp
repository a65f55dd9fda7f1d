// Totals the reports print must stay representable: the cost per mile and the
// data that would pass the limit are refused.
#include <gtest/gtest.h>

#include "model/Totals.h"
#include "setup/ParameterRules.h"

using namespace korvelan;

namespace {

// Two demand nodes 1000 apart with demands 2 and 3 and fixed costs 5 and -7.
void FillPair(ModelState& m) {
  m.Numbnodes = m.NumDemandNodes = 2;
  m.Node(1).Demand = m.Node(1).LoadedDemand = 2;
  m.Node(2).Demand = m.Node(2).LoadedDemand = 3;
  m.Node(1).FixedCost = 5;
  m.Node(2).FixedCost = -7;
  m.DistanceMatrix.at(1, 2) = m.DistanceMatrix.at(2, 1) = 1000;
  m.MaxDistance = 1000;
  m.TotalDemand = 5;
}

}  // namespace

TEST(TotalsLimit, CostPerMileIsRefusedWhenTotalsCouldPassTheLimit) {
  ModelState m;
  FillPair(m);
  // (1.797e308 - 12) / (5 x 1000) = 3.5953...e304
  EXPECT_EQ(LimitText(LargestCostPerMile(m)), "3.59538e+304");
  m.CostPerMile = 1;
  for (const EntryForm form : {EntryForm::Parameters, EntryForm::RunModels}) {
    EXPECT_EQ(EnterCostPerMile(m, "1e308", form), "Invalid Parameter Value.  Must have 0 <= X <= 3.59538e+304");
    EXPECT_EQ(EnterCostPerMile(m, "3.5954e304", form), "Invalid Parameter Value.  Must have 0 <= X <= 3.59538e+304");
    EXPECT_EQ(m.CostPerMile, 1);
  }
  // The value the message names is accepted.
  EXPECT_EQ(EnterCostPerMile(m, "3.59538e304", EntryForm::Parameters), "");
  EXPECT_GT(m.CostPerMile, 3.5e304L);
  EXPECT_LE(m.CostPerMile * 5 * 1000 + 12, LargestTotal);
}

TEST(TotalsLimit, WithoutDemandOrDistanceAnyNumberIsAccepted) {
  ModelState m;
  FillPair(m);
  m.MaxDistance = 0;
  EXPECT_EQ(LargestCostPerMile(m), LargestTotal);
  EXPECT_EQ(EnterCostPerMile(m, "1e308", EntryForm::Parameters), "");
}

TEST(TotalsLimit, DataWhoseTotalsCannotBeHeldAreDescribed) {
  EXPECT_EQ(DataTotalsProblem(1e300L, 0, 1000), "");
  EXPECT_EQ(DataTotalsProblem(1e306L, 0, 1000),
            "The demands are too large for the distances: the total demand times the largest distance must stay "
            "below 1.79769e+308");
  EXPECT_EQ(DataTotalsProblem(1e306L, 0, 0), "");  // no distance: the total demand alone counts
  EXPECT_EQ(DataTotalsProblem(1, 2e308L, 1), "The fixed costs are too large: their total must stay below 1.79769e+308");
  EXPECT_EQ(LimitText(0), "0");
  EXPECT_EQ(LimitText(12345678), "1.23456e+07");
}
