#include <gtest/gtest.h>

#include "../covering/CoveringTestModels.h"
#include "solve/SolveModel.h"

using namespace korvelan;
using namespace korvelan::testing;

TEST(SolveModel, MaxCoveringHeuristicInstallsAnAssignedSolution) {
  ModelState m;
  RandomInstance(m, 7, 12, 10, 30);
  m.ProblemCode = 'C';
  m.SolutionClass = 0;
  m.NumberToLocate = 3;
  m.Node(4).SiteStatus = StatusRequired;
  HeadlessRunHost host;
  SolveModel(m, host);
  EXPECT_EQ(m.FatalError, 0);
  EXPECT_EQ(m.ReportProblemCode, 'C');
  EXPECT_EQ(m.ForcedCount, 1);  // statuses counted at the start
  EXPECT_EQ(m.TradeoffExists, 1);
  const std::vector<int> open = OpenSites(m);
  EXPECT_EQ(open.size(), 3u);
  Extended weighted = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    int best = 1 << 30;
    for (int j : open) best = std::min(best, m.DistanceMatrix.at(i, j));
    EXPECT_EQ(m.Node(i).AssignedDistance, best);
    EXPECT_EQ(m.DistanceMatrix.at(i, m.Node(i).AssignedFacility), best);
    weighted += best * m.Node(i).Demand;
  }
  EXPECT_EQ(m.DemandWeightedDistance, weighted);
}

TEST(SolveModel, NoModelChosenOrNoDataIsAFatalError) {
  ModelState empty;
  empty.ProblemCode = 'C';
  HeadlessRunHost host;
  SolveModel(empty, host);
  EXPECT_EQ(empty.FatalError, 1);
  ModelState m;
  RandomInstance(m, 3, 6, 6, 30);
  SolveModel(m, host);
  EXPECT_EQ(m.FatalError, 1);
  EXPECT_EQ(host.messages.back().text, "No model has been chosen to solve.");
}

TEST(SolveModel, ApplyBestSolutionRebuildsCoverageAndCounts) {
  ModelState m;
  RandomInstance(m, 5, 10, 8, 35);
  m.BestLocated[2] = m.BestLocated[9] = 1;
  m.Node(5).Located = 1;
  m.Node(1).NTIMES = 7;
  HeadlessRunHost host;
  ApplyBestSolution(m, host, true);
  EXPECT_EQ(OpenSites(m), (std::vector<int>{2, 9}));
  EXPECT_EQ(m.NumberToLocate, 2);
  for (int i = 1; i <= m.NumDemandNodes; ++i) EXPECT_EQ(m.Node(i).NTIMES, CoverCountByMatrix(m, {2, 9}, i));
}

TEST(SolveModel, RestoresCoverageDistanceAndStatuses) {
  ModelState m;
  RandomInstance(m, 5, 10, 8, 35);
  m.SavedCoverageDistance = m.CoverageDistance;
  m.CoverageDistance = 1;
  m.CoverageDistanceChanged = 1;
  RestoreCoverageDistance(m);
  EXPECT_EQ(m.CoverageDistance, 35 * FixedPointScale);
  size_t entries = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) entries += m.Node(j).CoversList.size();
  EXPECT_EQ(static_cast<int64_t>(entries), m.CoverListLength);
  m.SavedStatus[3] = StatusExcluded;
  m.Node(4).SiteStatus = StatusRequired;
  RestoreSavedStatus(m);
  EXPECT_EQ(m.Node(3).SiteStatus, StatusExcluded);
  EXPECT_EQ(m.Node(4).SiteStatus, StatusAllowed);
}
