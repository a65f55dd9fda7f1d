#include <gtest/gtest.h>

#include "setup/ForcedNodesReport.h"

using namespace korvelan;

TEST(ForcedNodesReport, SortsNodesIntoThreeLists) {
  ModelState m;
  m.Numbnodes = 5;
  for (int n = 1; n <= 5; ++n) m.Node(n).NodeName = "Town" + std::to_string(n);
  m.Node(2).SiteStatus = StatusRequired;
  m.Node(3).SiteStatus = StatusExcluded;
  m.Node(4).InInitialSolution = 1;
  m.Node(2).InInitialSolution = 1;  // required wins over initial
  const ForcedNodesReport report = BuildForcedNodesReport(m);
  EXPECT_EQ(report.required, std::vector<std::string>{"   2 Town2"});
  EXPECT_EQ(report.excluded, std::vector<std::string>{"   3 Town3"});
  EXPECT_EQ(report.initial, std::vector<std::string>{"   4 Town4"});
  EXPECT_EQ(report.requiredLabel, "1 Nodes Forced Into Solution");
  EXPECT_EQ(report.excludedLabel, "1 Nodes Excluded From Solution");
  EXPECT_EQ(report.initialLabel, "1 Nodes Initialized");
}
