#include <gtest/gtest.h>

#include <cmath>

#include "InvLocTestModels.h"
#include "invloc/TolvanSolver.h"

namespace korvelan {
namespace {

using testing::LoadRandomInstance;
using testing::ObjectiveOf;

uint32_t MaskOf(const TolvanSolution& s) {
  uint32_t mask = 0;
  for (int j : s.open) mask |= 1u << (j - 1);
  return mask;
}

std::vector<int> AssignmentOf(const ModelState& m, const TolvanSolution& s) {
  std::vector<int> a(m.NumDemandNodes + 1, 0);
  for (int i = 1; i <= m.NumDemandNodes; ++i) a[i] = s.assign[i];
  return a;
}

// After the assignment search no single node moves to another open site for less
// (costs recomputed from scratch), for a fixed number and with the number free.
TEST(TolvanLocalSearch, AssignmentSearchLeavesNoGainingMove) {
  for (unsigned seed = 1; seed <= 8; ++seed) {
    for (int target : {-1, 3}) {
      SCOPED_TRACE(::testing::Message() << "seed " << seed << " target " << target);
      ModelState m;
      LoadRandomInstance(m, {seed, 12, 10, 1500, 1, 0});
      m.InvLoc.Parameters.DeliveryRate = 0.5;
      ComputeTolvanDerivedData(m);
      TolvanSearch search;
      HeadlessRunHost host;
      BuildTolvanTransport(m, host, search);
      TolvanSolution s;
      s.open = {2, 5, 9};
      TolvanAssignGreedily(m, search, s, false);
      TolvanAssignmentSearch(m, search, s, target);
      const Extended value = ObjectiveOf(m, MaskOf(s), AssignmentOf(m, s));
      EXPECT_NEAR(s.value, value, 1e-9L * value);
      for (int i = 1; i <= m.NumDemandNodes; ++i) {
        for (int e : s.open) {
          std::vector<int> moved = AssignmentOf(m, s);
          moved[i] = e;
          uint32_t mask = MaskOf(s);
          // With the number free a site left without nodes closes.
          if (target < 0 && std::count(moved.begin() + 1, moved.end(), s.assign[i]) == 0)
            mask &= ~(1u << (s.assign[i] - 1));
          EXPECT_GE(ObjectiveOf(m, mask, moved), value * (1 - 1e-12L)) << "node " << i << " to " << e;
        }
      }
    }
  }
}

// After the swap search no replacement of an open site by a closed one, greedily
// reassigned, is cheaper; the solution installed is the one the search holds.
TEST(TolvanLocalSearch, SwapSearchLeavesNoCheaperSwap) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    ModelState m;
    LoadRandomInstance(m, {seed, 12, 12, 1500, 2, 0});
    m.InvLoc.Parameters.DeliveryRate = 0.5;
    ComputeTolvanDerivedData(m);
    TolvanSearch search;
    HeadlessRunHost host;
    BuildTolvanTransport(m, host, search);
    TolvanSolution start;
    start.open = {1, 2, 3};
    TolvanAssignGreedily(m, search, start, false);
    TolvanEvaluate(m, search, start);
    InstallTolvanSolution(m, search, start);
    TolvanSwapSearch(m, host, search, 3, false);
    const TolvanSolution& best = search.nodeSolution;
    EXPECT_LE(best.value, start.value);
    EXPECT_NEAR(best.value, ObjectiveOf(m, MaskOf(best), AssignmentOf(m, best)), 1e-9L * best.value);
    for (int j = 1; j <= m.Numbnodes; ++j) EXPECT_EQ(m.Node(j).Located, (MaskOf(best) >> (j - 1)) & 1u);
    for (int r : best.open)
      for (int c = 1; c <= m.Numbnodes; ++c) {
        if (m.Node(c).Located) continue;
        const TolvanSolution trial = TolvanSwapEvaluation(m, search, best, r, c, 3);
        EXPECT_NEAR(trial.value, ObjectiveOf(m, MaskOf(trial), AssignmentOf(m, trial)), 1e-9L * trial.value);
        EXPECT_GE(trial.value, best.value * (1 - 1e-12L)) << r << " for " << c;
      }
  }
}

}  // namespace
}  // namespace korvelan
