// The exact covering runs fix sites while they search and put the analyst's
// statuses back afterwards. The counts of required and excluded sites that the
// reports show must describe the statuses as they are after the run, not as some
// search node left them.
#include <gtest/gtest.h>

#include <filesystem>

#include "CoverInstances.h"
#include "data/DataLoad.h"
#include "reports/BasicResults.h"
#include "setup/ForcedNodesReport.h"
#include "solve/SolveModel.h"

using namespace korvelan;
using namespace korvelan::covertest;

namespace {

const std::string Data = std::string(KORVELAN_BENCHMARKS) + "/data/";

struct Counts {
  int required = 0;
  int excluded = 0;
};

Counts CountedByHand(const ModelState& m) {
  Counts c;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    c.required += m.Node(j).SiteStatus == StatusRequired;
    c.excluded += m.Node(j).SiteStatus == StatusExcluded;
  }
  return c;
}

std::string Shown(const ModelState& m, const std::string& label) {
  for (const ResultRow& row : BuildBasicResults(m).forcing)
    if (row.label == label) return row.value;
  return "<missing>";
}

// After the run: the statuses are those set before it, and the basic results and
// the forced-nodes report count exactly those.
void ExpectStatusesAndCountsUnchanged(const ModelState& m, const std::array<uint8_t, NodeSlots>& before) {
  EXPECT_EQ(Statuses(m), before);
  const Counts real = CountedByHand(m);
  EXPECT_EQ(Shown(m, "# Forced In"), std::to_string(real.required));
  EXPECT_EQ(Shown(m, "# Forced Out"), std::to_string(real.excluded));
  EXPECT_EQ(BuildForcedNodesReport(m).excludedLabel,
            std::to_string(real.excluded) + " Nodes Excluded From Solution");
}

}  // namespace

// The partial p-center run of the first OR-Library p-median graph: 5 centres for
// 90 of the 100 nodes, estimates 50 and 10. Its searches exclude sites at the root.
TEST(RunStatusCounts, PartialPCenterOnPmed1LeavesNoSiteCountedAsExcluded) {
  if (!std::filesystem::exists(Data + "pmed1.net")) GTEST_SKIP() << "benchmark instances not present";
  LoadRequest request;
  request.MetricCode = 'N';
  request.DemandFileName = Data + "pmed1.net";
  request.DistanceFileName = Data + "pmed1.ned";
  auto m = std::make_unique<ModelState>();
  ASSERT_EQ(LoadDataSet(*m, request), "");
  m->ProblemCode = '%';
  m->SolutionClass = 2;
  m->NumberToLocate = 5;
  m->CoverTypeCode = 'N';
  m->NodesToCover = 90;
  m->UpperDistanceEstimate = 50 * FixedPointScale;
  m->LowerDistanceEstimate = 10 * FixedPointScale;
  const auto before = Statuses(*m);
  HeadlessRunHost host;
  SolveModel(*m, host);
  ASSERT_EQ(m->FatalError, 0);
  ExpectStatusesAndCountsUnchanged(*m, before);
  EXPECT_EQ(Shown(*m, "# Forced Out"), "0");
}

// Every exact covering model, with one site required and one excluded by the analyst.
TEST(RunStatusCounts, ExactCoveringRunsCountTheAnalystsStatuses) {
  const struct {
    char code;
    unsigned seed;
    int coverage;
  } cases[] = {{'P', 41, 10}, {'%', 42, 10}, {'S', 43, 22}, {'&', 44, 22}, {'C', 45, 20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(1, c.code));
    ModelState m;
    FillRandomInstance(m, c.seed, {14, 14, 20, c.coverage});
    m.Node(4).SiteStatus = StatusRequired;
    m.Node(9).SiteStatus = StatusExcluded;
    m.ProblemCode = c.code;
    m.SolutionClass = 2;
    m.NumberToLocate = 3;
    m.CoverTypeCode = 'F';
    m.CoverFraction = 0.8;
    m.UpperDistanceEstimate = 40 * FixedPointScale;
    m.LowerDistanceEstimate = 5 * FixedPointScale;
    const auto before = Statuses(m);
    HeadlessRunHost host;
    SolveModel(m, host);
    ASSERT_EQ(m.FatalError, 0);
    ExpectStatusesAndCountsUnchanged(m, before);
  }
}
