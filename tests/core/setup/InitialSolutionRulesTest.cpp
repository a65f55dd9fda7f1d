#include <gtest/gtest.h>

#include "setup/InitialSolutionRules.h"

using namespace korvelan;

TEST(InitialSolutionRules, ExcludedSitesAreTakenOutAndNamed) {
  ModelState m;
  m.Numbnodes = 6;
  for (int n : {2, 3, 5}) m.Node(n).InInitialSolution = 1;
  for (int n : {3, 4, 5}) m.Node(n).SiteStatus = StatusExcluded;
  EXPECT_EQ(DropExcludedInitialSites(m),
            "Excluded sites are never opened.\rThese sites of the initial solution are EXCLUDED and were left "
            "out: 3, 5");
  std::vector<int> initial;
  for (int n = 1; n <= 6; ++n) initial.push_back(m.Node(n).InInitialSolution);
  EXPECT_EQ(initial, (std::vector<int>{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(DropExcludedInitialSites(m), "");
}
