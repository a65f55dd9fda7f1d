#include <gtest/gtest.h>

#include "../median/HeuristicModels.h"
#include "fixed/FixedEvaluation.h"
#include "solve/SolveModel.h"

using namespace korvelan;
using namespace korvelan::testing;

TEST(SolveFixedCharge, HeuristicRunsStoreTheCountAndTheWeightedDistance) {
  for (char algorithm : {'A', 'D', 'E', 'N'})
    for (int target : {-1, 3}) {
      ModelState m;
      FillRandomModel(m, 90, {12, 12, false, false, 1, 40});
      m.DataLoaded = 1;
      m.CostPerMile = 1;
      m.ProblemCode = 'F';
      m.FixedAlgorithm = algorithm;
      m.AddFirst = 'D';
      m.FixedNumberToLocate = target;
      m.Node(4).SiteStatus = StatusRequired;
      HeadlessRunHost host;
      SolveModel(m, host);
      EXPECT_EQ(m.FatalError, 0);
      EXPECT_EQ(m.ReportProblemCode, 'F');
      const size_t open = OpenSites(m).size();
      EXPECT_EQ(m.NumberToLocate, open);
      EXPECT_EQ(m.NumLocated, open);
      if (target > 0) {
        EXPECT_EQ(open, 3u);
      }
      EXPECT_TRUE(m.Node(4).Located);
      EXPECT_EQ(NotNearestFault(m), "");
      EXPECT_EQ(m.DemandWeightedDistance, NearestWeightedDistance(m, OpenSet(m)));
      EXPECT_EQ(m.TradeoffExists, 0);
    }
}
