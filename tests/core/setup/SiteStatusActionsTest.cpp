#include <gtest/gtest.h>

#include "setup/SiteStatusActions.h"

using namespace korvelan;

namespace {

// Five nodes: 1 allowed, 2 required, 3 excluded, 4 in the initial solution, 5 allowed.
ModelState FiveNodes() {
  ModelState m;
  m.Numbnodes = 5;
  m.NumDemandNodes = 4;
  for (int n = 1; n <= 5; ++n) m.Node(n).NodeName = "Town" + std::to_string(n);
  m.Node(2).SiteStatus = StatusRequired;
  m.Node(3).SiteStatus = StatusExcluded;
  m.Node(4).InInitialSolution = 1;
  m.CoverStateChanged = 0;
  return m;
}

std::vector<int> Statuses(const ModelState& m) {
  std::vector<int> s;
  for (int n = 1; n <= m.Numbnodes; ++n) s.push_back(m.Node(n).SignedStatus());
  return s;
}

}  // namespace

TEST(SiteStatusActions, ListLinesAndCounts) {
  const ModelState m = FiveNodes();
  const std::vector<std::string> expected = {
      "   1   ALLOWED    Town1", "   2   REQUIRED   Town2", "   3   EXCLUDED   Town3",
      "   4   INITIAL    Town4", "   5   ALLOWED    Town5"};
  EXPECT_EQ(ForceNodesLines(m), expected);
  const std::vector<std::string> labels = {"3 Allowed Nodes", "1 Excluded Nodes", "1 Required Nodes",
                                           "1 Initialized Nodes"};
  EXPECT_EQ(StatusCountLabels(CountListStatuses(m)), labels);
}

TEST(SiteStatusActions, EachActionOnEveryKindOfNode) {
  struct Case {
    SiteAction action;
    std::vector<int> statuses;
    std::vector<std::string> warnings;
  };
  const std::vector<Case> cases = {
      {SiteAction::Force,
       {1, 1, 1, 1, 1},
       {"Node 2 already forced... Request Ignored"}},
      {SiteAction::Unforce,
       {0, 0, -1, 0, 0},
       {"Node 1 not forced... Request Ignored", "Node 3 not forced... Request Ignored",
        "Node 4 not forced... Request Ignored", "Node 5 not forced... Request Ignored"}},
      {SiteAction::Exclude,
       {-1, -1, -1, 0, -1},
       {"Node 3 already excluded... Request Ignored", "Node 4 is in INITIAL solution.  It cannot be exclued"}},
      {SiteAction::Allow,
       {0, 1, 0, 0, 0},
       {"Node 1 not excluded... Request Ignored", "Node 2 not excluded... Request Ignored",
        "Node 4 not excluded... Request Ignored", "Node 5 not excluded... Request Ignored"}},
  };
  for (const Case& c : cases) {
    ModelState m = FiveNodes();
    const StatusChange change = ApplySiteAction(m, c.action, {5, 3, 1, 4, 2});
    EXPECT_EQ(Statuses(m), c.statuses);
    EXPECT_EQ(change.warnings, c.warnings);
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(m.CoverStateChanged, 1);
  }
}

TEST(SiteStatusActions, IgnoredRequestChangesNothing) {
  ModelState m = FiveNodes();
  const StatusChange change = ApplySiteAction(m, SiteAction::Force, {2});
  EXPECT_FALSE(change.changed);
  EXPECT_EQ(m.CoverStateChanged, 0);
  EXPECT_EQ(Statuses(m), (std::vector<int>{0, 1, -1, 0, 0}));
}

TEST(SiteStatusActions, DisallowAllSparesTheInitialSolutionAndPermitAllFreesAll) {
  ModelState m = FiveNodes();
  DisallowAllNodes(m);
  EXPECT_EQ(Statuses(m), (std::vector<int>{-1, -1, -1, 0, -1}));
  EXPECT_EQ(m.CoverStateChanged, 1);
  PermitAllNodes(m);
  EXPECT_EQ(Statuses(m), (std::vector<int>{0, 0, 0, 0, 0}));
}

