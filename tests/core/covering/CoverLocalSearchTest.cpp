// The local search for small covers, the sites the site-count bound settles, and the
// feasibility search that uses both, against exhaustive answers on small instances.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "CoverInstances.h"
#include "model/CoverageLists.h"
#include "covering/CoverLocalSearch.h"
#include "covering/CoverTarget.h"
#include "covering/SetCover.h"
#include "covering/SiteCountBound.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

using covertest::CoveredWithin;
using covertest::FewestSites;
using covertest::FillRandomInstance;
using covertest::ForEachSiteSet;

// A few required and a few excluded sites on some seeds, none on the others.
void MarkSomeSites(ModelState& m, unsigned seed) {
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const unsigned r = (seed * 5 + static_cast<unsigned>(j) * 7) % 13;
    m.Node(j).SiteStatus = seed % 3 != 0 ? StatusAllowed : r == 0 ? StatusRequired : r == 1 ? StatusExcluded : StatusAllowed;
  }
  CountStatuses(m);
}

// Random points (equal demands on every other seed, so that covers tie).
ModelState Instance(unsigned seed) {
  ModelState m;
  FillRandomInstance(m, seed, {13, 12, seed % 2 ? 1 : 9, 22 + static_cast<int>(seed % 4) * 4});
  MarkSomeSites(m, seed);
  return m;
}

unsigned Mask(const std::vector<int>& sites) {
  unsigned mask = 0;
  for (int j : sites) mask |= 1u << (j - 1);
  return mask;
}

int64_t Radius(const ModelState& m) { return m.CoverageDistance / FixedPointScale; }

bool Reaches(const ModelState& m, unsigned mask, Extended target) { return CoveredWithin(m, mask, Radius(m)) >= target; }

std::vector<int> AllOpenable(const ModelState& m) {
  std::vector<int> sites;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).SiteStatus != StatusExcluded) sites.push_back(j);
  return sites;
}

// No open site can close, and (for the whole demand) no two can give way to one.
void ExpectLocallyMinimal(const ModelState& m, const std::vector<int>& cover, Extended target, bool whole) {
  const unsigned mask = Mask(cover);
  std::vector<int> closable;
  for (int j : cover)
    if (m.Node(j).SiteStatus != StatusRequired) closable.push_back(j);
  for (int a : closable) EXPECT_FALSE(Reaches(m, mask & ~(1u << (a - 1)), target)) << "site " << a << " is redundant";
  if (!whole) return;
  for (size_t x = 0; x < closable.size(); ++x)
    for (size_t y = x + 1; y < closable.size(); ++y)
      for (int c = 1; c <= m.Numbnodes; ++c) {
        if ((mask & (1u << (c - 1))) || m.Node(c).SiteStatus == StatusExcluded) continue;
        const unsigned swapped = (mask & ~(1u << (closable[x] - 1)) & ~(1u << (closable[y] - 1))) | (1u << (c - 1));
        EXPECT_FALSE(Reaches(m, swapped, target)) << closable[x] << " and " << closable[y] << " give way to " << c;
      }
}

// From every openable site, the search returns a cover that reaches the target,
// keeps the statuses, is never below the exhaustive fewest and is locally minimal.
TEST(CoverLocalSearch, ShrinksToALocallyMinimalCoverThatKeepsTheStatuses) {
  int optimal = 0;
  int cases = 0;
  int wholeMissed = 0;
  for (unsigned seed = 1; seed <= 20; ++seed) {
    for (double fraction : {1.0, 0.8}) {
      const ModelState m = Instance(seed);
      const Extended target = FractionTarget(DemandNodeTotal(m), fraction);
      const int fewest = FewestSites(m, target, Radius(m));
      SCOPED_TRACE(::testing::Message() << "seed " << seed << " fraction " << fraction << " fewest " << fewest);
      const std::vector<int> cover = ShrinkCover(m, AllOpenable(m), target, {});
      if (fewest < 0) {
        EXPECT_TRUE(cover.empty());
        continue;
      }
      ASSERT_FALSE(cover.empty());
      EXPECT_TRUE(Reaches(m, Mask(cover), target));
      for (int j = 1; j <= m.Numbnodes; ++j) {
        const bool open = Mask(cover) & (1u << (j - 1));
        if (m.Node(j).SiteStatus == StatusRequired) {
          EXPECT_TRUE(open) << "required site " << j;
        }
        if (m.Node(j).SiteStatus == StatusExcluded) {
          EXPECT_FALSE(open) << "excluded site " << j;
        }
      }
      EXPECT_GE(static_cast<int>(cover.size()), fewest);
      ExpectLocallyMinimal(m, cover, target, fraction == 1.0);
      ++cases;
      optimal += static_cast<int>(cover.size()) == fewest;
      wholeMissed += fraction == 1.0 && static_cast<int>(cover.size()) != fewest;
    }
  }
  EXPECT_GT(optimal, cases * 3 / 4);  // a search worth running finds most optima
  EXPECT_EQ(wholeMissed, 0);          // the weighted search finds every whole-cover optimum here
}

// With `enough` the search stops at the first cover that small.
TEST(CoverLocalSearch, StopsAtACoverSmallEnough) {
  const ModelState m = Instance(4);
  const Extended target = DemandNodeTotal(m);
  const std::vector<int> start = AllOpenable(m);
  const std::vector<int> cover = ShrinkCover(m, start, target, {200, m.Numbnodes});
  EXPECT_TRUE(Reaches(m, Mask(cover), target));
  EXPECT_LE(cover.size(), start.size());
  EXPECT_GE(static_cast<int>(cover.size()), FewestSites(m, target, Radius(m)));
}

// Points of a 3 x 4 lattice 10 apart with Manhattan distances and equal demands: many
// sites cover what another covers, and many covers tie.
ModelState LatticeInstance(int radius, unsigned statusSeed) {
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 12;
  for (int i = 1; i <= 12; ++i) {
    m.Node(i).Demand = m.Node(i).LoadedDemand = 1;
    for (int j = 1; j <= 12; ++j)
      m.DistanceMatrix.at(i, j) = 10 * (std::abs((i - 1) % 4 - (j - 1) % 4) + std::abs((i - 1) / 4 - (j - 1) / 4));
  }
  m.TotalDemand = 12;
  m.CoverageDistance = int64_t{radius} * FixedPointScale;
  BuildCoverageLists(m);
  MarkSomeSites(m, statusSeed);
  return m;
}

// The random instances and lattices at short and long coverage distances (at 30 one
// site covers everything and every other site is dominated).
std::vector<ModelState> SettlingInstances() {
  std::vector<ModelState> instances;
  for (unsigned seed = 1; seed <= 24; ++seed) instances.push_back(Instance(seed));
  for (int radius : {10, 20, 30})
    for (unsigned statusSeed : {1u, 3u, 6u}) instances.push_back(LatticeInstance(radius, statusSeed));
  return instances;
}

// Some solution of exactly k sites (the number the feasibility search opens) that
// reaches the target agrees with every site the bound settles for k sites (with
// dominated sites set aside, a solution using one may disagree: the one using the site
// that dominates it agrees).
TEST(SiteCountBound, SettlesSitesThatASolutionOfThatManySitesAgreesWith) {
  int settled = 0;
  const std::vector<ModelState> instances = SettlingInstances();
  for (size_t n = 0; n < instances.size(); ++n) {
    const ModelState& m = instances[n];
    for (double fraction : {1.0, 0.7}) {
      const Extended target = FractionTarget(DemandNodeTotal(m), fraction);
      const int fewest = FewestSites(m, target, Radius(m));
      if (fewest < 0) continue;
      const int openable = static_cast<int>(AllOpenable(m).size());
      for (int k : {fewest, fewest + 1, fewest + 3}) {
        if (k > openable) continue;
        SCOPED_TRACE(::testing::Message() << "instance " << n << " fraction " << fraction << " k " << k);
        SiteCountBound bound;
        SiteFixing fixing;
        ASSERT_FALSE(bound.ProvesTooFew(m, target, k, 400, &fixing));
        settled += static_cast<int>(fixing.closed.size() + fixing.open.size());
        bool agreeing = false;
        ForEachSiteSet(m, k, [&](unsigned mask) {
          if (!Reaches(m, mask, target)) return;
          bool agrees = true;
          for (int j : fixing.closed) agrees = agrees && !(mask & (1u << (j - 1)));
          for (int j : fixing.open) agrees = agrees && (mask & (1u << (j - 1)));
          agreeing = agreeing || agrees;
        });
        EXPECT_TRUE(agreeing);
      }
    }
  }
  EXPECT_GT(settled, 50);  // the test would be empty if the bound settled nothing
}

// One feasibility search for k sites as the p-center models start it, with the statuses
// put back afterwards; the search's solution (when it succeeds) in `best`.
bool SearchFeasible(ModelState& m, int k, Extended target, std::vector<int>& best) {
  m.ProblemCode = 'P';
  m.SolutionClass = 2;
  m.AtRootNode = 1;
  m.DoSubstitution = 1;
  m.CoverStateChanged = 1;
  m.RunBranchNodes = 0;
  m.FullCoverage = 0;
  HeadlessRunHost host;
  const bool found = SetCoverFeasible(m, host, k, target, 0);
  RestoreSavedStatus(m);
  best.clear();
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (found && m.BestLocated[j]) best.push_back(j);
  return found;
}

// The feasibility search succeeds with the fewest sites (with a solution that reaches
// the target) and fails with one fewer, whatever the statuses.
TEST(SetCoverFeasible, SucceedsExactlyFromTheFewestSites) {
  std::vector<ModelState> instances = SettlingInstances();
  for (size_t n = 0; n < instances.size(); ++n) {
    ModelState& m = instances[n];
    for (double fraction : {1.0, 0.85}) {
      const Extended target = FractionTarget(DemandNodeTotal(m), fraction);
      const int fewest = FewestSites(m, target, Radius(m));
      if (fewest < 0) continue;
      const int openable = static_cast<int>(AllOpenable(m).size());
      for (int k : {fewest - 1, fewest, fewest + 2}) {
        if (k <= 0 || k > openable) continue;
        SCOPED_TRACE(::testing::Message() << "instance " << n << " fraction " << fraction << " k " << k);
        const auto statuses = covertest::Statuses(m);
        std::vector<int> best;
        const bool found = SearchFeasible(m, k, target, best);
        EXPECT_EQ(found, k >= fewest);
        EXPECT_EQ(covertest::Statuses(m), statuses);
        if (!found) continue;
        EXPECT_EQ(static_cast<int>(best.size()), k);
        EXPECT_TRUE(Reaches(m, Mask(best), target));
        for (int j = 1; j <= m.Numbnodes; ++j) {
          const bool open = std::find(best.begin(), best.end(), j) != best.end();
          if (statuses[j] != StatusAllowed) {
            EXPECT_EQ(open, statuses[j] == StatusRequired) << "site " << j;
          }
        }
      }
    }
  }
}

// Exhaustive answer for larger instances: can k sites (statuses kept) cover every demand
// node? Depth-first over the sites covering the uncovered node with the fewest of them.
// Uncovered nodes beyond what k sites of the largest reach could cover end a branch.
bool CoverableWith(const ModelState& m, std::vector<int>& count, int k) {
  int node = 0;
  size_t fewest = 0;
  size_t uncovered = 0;
  size_t reach = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) reach = std::max(reach, m.Node(j).CoversList.size());
  for (int i = 1; i <= m.NumDemandNodes; ++i) uncovered += count[i] == 0 && m.Node(i).Demand > 0;
  if (uncovered > static_cast<size_t>(k) * reach) return false;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    if (count[i] > 0 || m.Node(i).Demand <= 0) continue;
    size_t free = 0;
    for (uint16_t j : m.Node(i).CoveredByList) free += m.Node(j).SiteStatus == StatusAllowed;
    if (node == 0 || free < fewest) {
      node = i;
      fewest = free;
    }
  }
  if (node == 0) return true;
  if (k == 0) return false;
  for (uint16_t j : m.Node(node).CoveredByList) {
    if (m.Node(j).SiteStatus != StatusAllowed) continue;
    for (uint16_t i : m.Node(j).CoversList) ++count[i];
    const bool found = CoverableWith(m, count, k - 1);
    for (uint16_t i : m.Node(j).CoversList) --count[i];
    if (found) return true;
  }
  return false;
}

int FewestWholeCover(const ModelState& m) {
  std::vector<int> count(NodeSlots, 0);
  int required = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).SiteStatus == StatusRequired) {
      ++required;
      for (uint16_t i : m.Node(j).CoversList) ++count[i];
    }
  for (int k = 0; k <= m.Numbnodes; ++k)
    if (CoverableWith(m, count, k)) return required + k;
  return -1;
}

// A covering instance from a set system: demand node i (weight 1) is covered by site j
// exactly when j is in set i; nodes beyond the sites cover nothing.
void LoadSetSystem(ModelState& m, const std::vector<std::vector<int>>& sets, int sites) {
  const int n = std::max(static_cast<int>(sets.size()), sites);
  m.Numbnodes = static_cast<uint16_t>(n);
  m.NumDemandNodes = static_cast<uint16_t>(sets.size());
  m.TotalDemand = 0;
  for (int i = 1; i <= n; ++i) {
    const bool demand = i <= static_cast<int>(sets.size());
    m.Node(i).Demand = m.Node(i).LoadedDemand = demand ? 1 : 0;
    m.TotalDemand += m.Node(i).Demand;
    for (int j = 1; j <= n; ++j) m.DistanceMatrix.at(i, j) = 100;
    if (demand)
      for (int j : sets[static_cast<size_t>(i - 1)]) m.DistanceMatrix.at(i, j) = 0;
  }
  m.CoverageDistance = 0;
  BuildCoverageLists(m);
  CountStatuses(m);
}

// The lines of the projective space over two elements with 2^bits - 1 points: every
// triple {a, b, a xor b}. Covering every line with points is a classic set-covering
// instance whose linear relaxation falls far short of the fewest points.
std::vector<std::vector<int>> ProjectiveLines(int bits) {
  std::vector<std::vector<int>> lines;
  const int points = (1 << bits) - 1;
  for (int a = 1; a <= points; ++a)
    for (int b = a + 1; b <= points; ++b)
      if ((a ^ b) > b) lines.push_back({a, b, a ^ b});
  return lines;
}

// Whole covers whose linear relaxation leaves a gap of two sites, so that the search
// must branch below its first node: it succeeds exactly from the fewest sites, with
// and without required and excluded sites.
TEST(SetCoverFeasible, WholeCoversThatNeedATreeAreDecidedExactly) {
  int branched = 0;
  for (int bits : {3, 4}) {
    for (unsigned marks : {1u, 3u}) {
      ModelState m;
      LoadSetSystem(m, ProjectiveLines(bits), (1 << bits) - 1);
      MarkSomeSites(m, marks);
      const Extended target = DemandNodeTotal(m);
      const int fewest = FewestWholeCover(m);
      ASSERT_GE(fewest, 2);
      for (int k : {fewest - 1, fewest}) {
        SCOPED_TRACE(::testing::Message() << "points " << (1 << bits) - 1 << " marks " << marks << " k " << k
                                          << " fewest " << fewest);
        std::vector<int> best;
        const bool found = SearchFeasible(m, k, target, best);
        EXPECT_EQ(found, k == fewest);
        branched += m.RunBranchNodes > 2;
        if (!found) continue;
        EXPECT_EQ(static_cast<int>(best.size()), k);
        std::vector<int> count(NodeSlots, 0);
        for (int j : best)
          for (uint16_t i : m.Node(j).CoversList) ++count[i];
        for (int i = 1; i <= m.NumDemandNodes; ++i) EXPECT_GT(count[i], 0) << "node " << i << " uncovered";
      }
    }
  }
  EXPECT_GT(branched, 0);  // the trees below the first node are really searched
}

}  // namespace
}  // namespace korvelan
