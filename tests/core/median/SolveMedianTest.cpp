#include <gtest/gtest.h>

#include "HeuristicModels.h"
#include "solve/Evaluation.h"
#include "solve/SolveModel.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

ModelState MedianModel(unsigned seed, char algorithm, char timing, int P) {
  ModelState m;
  FillRandomModel(m, seed, {12, 12});
  m.DataLoaded = 1;
  m.ProblemCode = 'M';
  m.MedianAlgorithm = algorithm;
  m.MedianTiming = timing;
  m.NumberToLocate = static_cast<uint16_t>(P);
  return m;
}

}  // namespace

TEST(SolveMedian, HeuristicRunsLeaveTheSolutionAndItsWeightedDistance) {
  for (char algorithm : {'M', 'E', 'N'}) {
    ModelState m = MedianModel(80, algorithm, 'E', 3);
    m.Node(5).NTIMES = 9;  // a stale count from an earlier run
    HeadlessRunHost host;
    SolveModel(m, host);
    EXPECT_EQ(m.FatalError, 0);
    EXPECT_EQ(m.ReportProblemCode, 'M');
    EXPECT_EQ(m.NumLocated, 3);
    EXPECT_EQ(OpenSites(m).size(), 3u);
    EXPECT_EQ(NotNearestFault(m), "");
    EXPECT_EQ(m.DemandWeightedDistance, NearestWeightedDistance(m, OpenSet(m)));
    EXPECT_EQ(m.Node(5).NTIMES, 0);
    EXPECT_TRUE(host.messages.empty());
  }
}

TEST(SolveMedian, GeneticAlgorithmForOneFacilitySwitchesToMyopicAdding) {
  ModelState m = MedianModel(81, 'T', 'E', 1);
  HeadlessRunHost host;
  SolveModel(m, host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, 'I');
  EXPECT_EQ(host.messages[0].text,
            "Switching from Genetic Algorithm\nto Myopic Algorithm since you\nare only locating one facility");
  EXPECT_EQ(m.FatalError, 0);
  EXPECT_EQ(m.MedianAlgorithm, 'M');
  EXPECT_EQ(OpenSites(m).size(), 1u);
  EXPECT_EQ(host.progressLines.size(), 2u);
}

TEST(SolveMedian, NoSiteThatMayOpenIsAFatalError) {
  ModelState m = MedianModel(82, 'E', 'L', 2);
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).SiteStatus = StatusExcluded;
  HeadlessRunHost host;
  SolveModel(m, host);
  EXPECT_EQ(m.FatalError, 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "No facility could be located: no site may be opened.");
}
