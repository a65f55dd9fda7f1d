// The heuristics on two OR-Library instances with published optima: no result
// may beat the optimum, every result must recompute from the distance matrix,
// and the exchange results must be local optima of their kind.
#include <gtest/gtest.h>

#include <filesystem>

#include "HeuristicModels.h"
#include "data/DataLoad.h"
#include "fixed/FixedEvaluation.h"
#include "solve/NodeFiles.h"
#include "solve/SolveModel.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

const std::string Data = std::string(KORVELAN_BENCHMARKS) + "/data/";

bool Load(ModelState& m, const std::string& instance, bool withSites) {
  LoadRequest request;
  request.MetricCode = 'N';
  request.ComputeDistances = false;
  request.DemandFileName = Data + instance + ".net";
  if (withSites) request.ExtraSitesFileName = Data + instance + "_sites.net";
  request.DistanceFileName = Data + instance + ".ned";
  return LoadDataSet(m, request).empty();
}

}  // namespace

TEST(PublishedInstances, PMedianHeuristicsOnPmed1NeverBeatTheOptimumOf5819) {
  if (!std::filesystem::exists(Data + "pmed1.net")) GTEST_SKIP() << "benchmark instances not present";
  ModelState loaded;
  ASSERT_TRUE(Load(loaded, "pmed1", false));
  for (const auto& [algorithm, timing] : {std::pair{'M', 'E'}, {'E', 'L'}, {'E', 'E'}, {'N', 'L'}, {'N', 'E'}}) {
    SCOPED_TRACE((std::string{algorithm, timing}));
    auto m = std::make_unique<ModelState>(loaded);
    m->ProblemCode = 'M';
    m->MedianAlgorithm = algorithm;
    m->MedianTiming = timing;
    m->NumberToLocate = 5;
    HeadlessRunHost host;
    SolveModel(*m, host);
    ASSERT_EQ(m->FatalError, 0);
    EXPECT_EQ(OpenSites(*m).size(), 5u);
    const Extended total = NearestWeightedDistance(*m, OpenSet(*m));
    EXPECT_EQ(m->DemandWeightedDistance, total);
    EXPECT_GE(total, 5819);
    if (algorithm == 'E') {
      EXPECT_EQ(ImprovingSwap(*m, [&](const std::set<int>& open) { return NearestWeightedDistance(*m, open); }), "");
    }
  }
}

TEST(PublishedInstances, FixedChargeHeuristicsOnCap71NeverBeatTheOptimum) {
  if (!std::filesystem::exists(Data + "cap71.net")) GTEST_SKIP() << "benchmark instances not present";
  ModelState loaded;
  ASSERT_TRUE(Load(loaded, "cap71", true));
  HeadlessRunHost host;
  ASSERT_TRUE(ReadNodeFile(loaded, host, 'F', Data + "cap71.FOR"));
  loaded.CostPerMile = 1;
  for (const auto& [algorithm, first] : {std::pair{'A', 'A'}, {'D', 'A'}, {'E', 'A'}, {'E', 'D'}, {'N', 'A'}, {'N', 'D'}}) {
    SCOPED_TRACE((std::string{algorithm, first}));
    auto m = std::make_unique<ModelState>(loaded);
    m->ProblemCode = 'F';
    m->FixedAlgorithm = algorithm;
    m->AddFirst = first;
    m->FixedNumberToLocate = -1;
    SolveModel(*m, host);
    ASSERT_EQ(m->FatalError, 0);
    EXPECT_TRUE(StatusesRespected(*m));
    const Extended cost = TotalCostOf(*m, OpenSet(*m));
    EXPECT_EQ(fixed_total_cost(*m), cost);
    EXPECT_GE(cost, 74609260);  // 80 x the published 932615.750
    if (algorithm == 'E') {
      EXPECT_EQ(ImprovingSwap(*m, [&](const std::set<int>& open) { return TotalCostOf(*m, open); }), "");
    }
  }
}
