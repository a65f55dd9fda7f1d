#include <gtest/gtest.h>

#include "CoverInstances.h"
#include "covering/CoverTarget.h"
#include "covering/SiteCountBound.h"

namespace korvelan {
namespace {

using covertest::FewestSites;
using covertest::FillRandomInstance;

// Random statuses for some sites: a few required, a few excluded.
void MarkSomeSites(ModelState& m, unsigned seed) {
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const unsigned r = (seed * 7 + static_cast<unsigned>(j) * 13) % 11;
    m.Node(j).SiteStatus = r == 0 ? StatusRequired : r == 1 ? StatusExcluded : StatusAllowed;
  }
  CountStatuses(m);
}

// The bound never exceeds the exhaustive fewest number of sites, and never claims
// that the fewest number is too few, for whole and partial targets, with and
// without required and excluded sites.
TEST(SiteCountBound, NeverExceedsTheFewestSites) {
  int proofs = 0;
  for (unsigned seed = 1; seed <= 24; ++seed) {
    for (double fraction : {1.0, 0.8, 0.5}) {
      ModelState m;
      FillRandomInstance(m, seed, {12, 11, 9, 25 + static_cast<int>(seed % 4) * 5});
      if (seed % 3 == 0) MarkSomeSites(m, seed);
      const Extended target = FractionTarget(DemandNodeTotal(m), fraction);
      const int fewest = FewestSites(m, target, m.CoverageDistance / FixedPointScale);
      SCOPED_TRACE(::testing::Message() << "seed " << seed << " fraction " << fraction << " fewest " << fewest);
      SiteCountBound bound;
      const int needed = bound.SitesNeeded(m, target, 400);
      if (fewest < 0) {
        EXPECT_GT(needed, m.Numbnodes);
        continue;
      }
      EXPECT_LE(needed, fewest);
      SiteCountBound check;
      EXPECT_FALSE(check.ProvesTooFew(m, target, fewest, 400));
      SiteCountBound tooFew;
      if (tooFew.ProvesTooFew(m, target, fewest - 1, 400)) ++proofs;
    }
  }
  EXPECT_GT(proofs, 20);  // the bound is strong enough to matter on these instances
}

// Required sites count toward the bound; sites beyond reach of the target prove
// every count too few.
TEST(SiteCountBound, CountsRequiredSitesAndUnreachableTargets) {
  ModelState m;
  FillRandomInstance(m, 3, {10, 10, 5, 30});
  const Extended total = DemandNodeTotal(m);
  for (int j = 1; j <= 3; ++j) m.Node(j).SiteStatus = StatusRequired;
  CountStatuses(m);
  SiteCountBound bound;
  EXPECT_GE(bound.SitesNeeded(m, total, 200), 3);
  EXPECT_TRUE(bound.ProvesTooFew(m, total, 2, 200));
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).SiteStatus = StatusExcluded;
  CountStatuses(m);
  SiteCountBound none;
  EXPECT_TRUE(none.ProvesTooFew(m, total, m.Numbnodes, 200));
  EXPECT_FALSE(none.ProvesTooFew(m, 0, 0, 200));
}

}  // namespace
}  // namespace korvelan
