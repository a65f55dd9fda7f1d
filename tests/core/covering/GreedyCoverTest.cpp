#include <gtest/gtest.h>

#include "CoveringTestModels.h"
#include "covering/Coverage.h"
#include "covering/GreedyCover.h"
#include "covering/Substitution.h"
#include "solve/Evaluation.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

// An independent greedy: from the distance matrix alone, add the site that covers
// the most still uncovered demand (lowest number on ties) until nothing is gained.
std::vector<Extended> MatrixGreedyValues(const ModelState& m, int P) {
  std::vector<int> open;
  std::vector<Extended> values;
  for (int k = 1; k <= P; ++k) {
    Extended bestValue = CoveredByMatrix(m, open);
    int best = 0;
    for (int j = 1; j <= m.Numbnodes; ++j) {
      std::vector<int> trial = open;
      trial.push_back(j);
      const Extended value = CoveredByMatrix(m, trial);
      if (value > bestValue) {
        bestValue = value;
        best = j;
      }
    }
    if (best == 0) break;
    open.push_back(best);
    values.push_back(bestValue);
  }
  return values;
}

// The largest gain of moving one open, non-required facility to a closed, allowed site.
Extended BestSwapByMatrix(const ModelState& m) {
  const std::vector<int> open = OpenSites(m);
  const Extended now = CoveredByMatrix(m, open);
  Extended best = 0;
  for (size_t p = 0; p < open.size(); ++p) {
    if (m.Node(open[p]).SiteStatus == StatusRequired) continue;
    for (int s = 1; s <= m.Numbnodes; ++s) {
      if (m.Node(s).Located || m.Node(s).SiteStatus == StatusExcluded) continue;
      std::vector<int> trial = open;
      trial[p] = s;
      best = std::max(best, CoveredByMatrix(m, trial) - now);
    }
  }
  return best;
}

void ExpectCoverageConsistent(const ModelState& m) {
  const std::vector<int> open = OpenSites(m);
  for (int j = 1; j <= m.Numbnodes; ++j) ASSERT_LE(m.Node(j).Located, 1);
  EXPECT_EQ(static_cast<int>(open.size()), m.NumLocated);
  for (int i = 1; i <= m.NumDemandNodes; ++i) EXPECT_EQ(m.Node(i).NTIMES, CoverCountByMatrix(m, open, i)) << i;
  EXPECT_EQ(m.CostByCount[m.NumLocated], CoveredByMatrix(m, open));
  for (int k = 1; k <= m.NumLocated; ++k) EXPECT_EQ(m.LocatedList[k], open[k - 1]);
}

struct SubstitutionMode {
  uint8_t doSubstitution;
  uint8_t everyIteration;
};

}  // namespace

TEST(GreedyCover, PlainGreedyMatchesMatrixGreedyOnRandomInstances) {
  for (unsigned seed = 1; seed <= 8; ++seed) {
    ModelState m;
    RandomInstance(m, seed, 12, 10, 30);
    m.DoSubstitution = 0;
    m.Covering.ExcludeDominatedNodes = 0;
    HeadlessRunHost host;
    GreedyCover(m, host, 5);
    const std::vector<Extended> expected = MatrixGreedyValues(m, 5);
    ASSERT_EQ(static_cast<size_t>(m.NumLocated), expected.size()) << seed;
    for (size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(m.CostByCount[k + 1], expected[k]) << seed;
    ExpectCoverageConsistent(m);
  }
}

TEST(GreedyCover, SubstitutionEndsWithNoImprovingSwapAndRespectsStatuses) {
  const SubstitutionMode modes[] = {{1, 1}, {1, 0}};
  for (const SubstitutionMode mode : modes) {
    for (unsigned seed = 11; seed <= 18; ++seed) {
      ModelState m;
      RandomInstance(m, seed, 12, 10, 25);
      m.DoSubstitution = mode.doSubstitution;
      m.ExchangeEveryIteration = mode.everyIteration;
      m.Covering.ExcludeDominatedNodes = 0;
      m.Node(3).SiteStatus = StatusRequired;
      m.Node(7).SiteStatus = StatusExcluded;
      m.Node(9).InInitialSolution = 1;
      CountStatuses(m);
      HeadlessRunHost host;
      GreedyCover(m, host, 4);
      ExpectCoverageConsistent(m);
      EXPECT_EQ(m.Node(3).Located, 1);
      EXPECT_EQ(m.Node(7).Located, 0);
      EXPECT_LE(BestSwapByMatrix(m), MinimumSwapGain) << "seed " << seed;
      EXPECT_EQ(m.SolutionClass, 0);
      EXPECT_EQ(m.TradeoffExists, 1);
    }
  }
}

TEST(GreedyCover, ExcludedSiteNeverEntersEvenWhenItIsTheBestSite) {
  // Site 4 alone covers everything; excluded, it must stay closed through adding and swapping.
  ModelState m;
  LoadMatrix(m, {{0, 50, 50, 5}, {50, 0, 50, 5}, {50, 50, 0, 5}, {5, 5, 5, 0}}, {1, 2, 3, 4});
  SetCoverage(m, 10);
  m.Node(4).SiteStatus = StatusExcluded;
  CountStatuses(m);
  HeadlessRunHost host;
  GreedyCover(m, host, 2);
  EXPECT_EQ(m.Node(4).Located, 0);
  EXPECT_EQ(OpenSites(m), (std::vector<int>{2, 3}));
}

TEST(GreedyCover, EqualGainsGoToTheLowerNode) {
  ModelState m;
  LoadMatrix(m, {{0, 100, 100}, {100, 0, 100}, {100, 100, 0}}, {5, 5, 5});
  SetCoverage(m, 10);
  HeadlessRunHost host;
  GreedyCover(m, host, 2);
  EXPECT_EQ(OpenSites(m), (std::vector<int>{1, 2}));
}

TEST(GreedyCover, StopsWhenEveryDemandIsCovered) {
  ModelState m;
  LoadMatrix(m, {{0, 5, 5}, {5, 0, 5}, {5, 5, 0}}, {1, 2, 3});
  SetCoverage(m, 10);
  HeadlessRunHost host;
  GreedyCover(m, host, 3);
  EXPECT_EQ(m.NumLocated, 1);
  EXPECT_EQ(host.progressLines, (std::vector<std::string>{
                                    "***** NOW WORKING ON LOCATION 1 *****",
                                    "100.0000 PERCENT OF DEMANDS ARE COVERED",
                                    "***** NOW WORKING ON LOCATION 2 *****",
                                    "*** 1 FACILITES COVER AS MUCH DEMAND AS POSSIBLE ***",
                                }));
}

namespace {

// Four demand nodes a b c d (2, 3, 3, 2) and three further sites: 5 covers {a, b},
// 6 covers {b, c}, 7 covers {c, d}. Greedy adds 6, then 5; the swap 6 -> 7 covers all.
void ChainInstance(ModelState& m) {
  std::vector<std::vector<int>> d(7, std::vector<int>(7, 100));
  for (int k = 0; k < 7; ++k) d[k][k] = 0;
  const int covers[3][2] = {{0, 1}, {1, 2}, {2, 3}};
  for (int s = 0; s < 3; ++s)
    for (int i : covers[s]) d[i][4 + s] = d[4 + s][i] = 5;
  LoadMatrix(m, d, {2, 3, 3, 2});
  SetCoverage(m, 10);
}

struct ProgressCase {
  uint8_t everyIteration;
  std::vector<std::string> lines;
};

}  // namespace

TEST(GreedyCover, ProgressLinesOfAddingAndSubstitution) {
  const ProgressCase cases[] = {
      {1,
       {"***** NOW WORKING ON LOCATION 1 *****", "60.0000 PERCENT OF DEMANDS ARE COVERED",
        "***** NOW WORKING ON LOCATION 2 *****", "   SUBSTITUTING NODE 7 FOR 6", "WHICH INCREASES COVERAGE BY 2",
        "100.0000 PERCENT OF DEMANDS ARE COVERED"}},
      {0,
       {"***** NOW WORKING ON LOCATION 1 *****", "60.0000 PERCENT OF DEMANDS ARE COVERED",
        "***** NOW WORKING ON LOCATION 2 *****", "80.0000 PERCENT OF DEMANDS ARE COVERED",
        "<<< Trying Final Exchanges...Please Hang On >>>", "   SUBSTITUTING NODE 7 FOR 6",
        "WHICH INCREASES COVERAGE BY 2"}},
  };
  for (const ProgressCase& c : cases) {
    ModelState m;
    ChainInstance(m);
    m.ExchangeEveryIteration = c.everyIteration;
    HeadlessRunHost host;
    GreedyCover(m, host, 2);
    EXPECT_EQ(host.progressLines, c.lines);
    EXPECT_EQ(OpenSites(m), (std::vector<int>{5, 7}));
    EXPECT_EQ(m.CostByCount[2], 10);
    EXPECT_EQ(m.ExchangeMade, 1);
  }
}

TEST(GreedyCover, NoProgressLinesInsideAnotherSolver) {
  ModelState m;
  ChainInstance(m);
  m.SolutionClass = 2;
  HeadlessRunHost host;
  GreedyCover(m, host, 2);
  EXPECT_TRUE(host.progressLines.empty());
  EXPECT_EQ(m.SolutionClass, 0);
}

TEST(GreedyCover, FinalExchangesRunWhenPresetSitesFillP) {
  // P equals the initial sites: nothing is added, the final exchanges still move the
  // initial site 6 to 7, never the required site 5.
  ModelState m;
  ChainInstance(m);
  m.Node(5).SiteStatus = StatusRequired;
  m.Node(6).InInitialSolution = 1;
  CountStatuses(m);
  HeadlessRunHost host;
  GreedyCover(m, host, 2);
  EXPECT_EQ(OpenSites(m), (std::vector<int>{5, 7}));
  EXPECT_EQ(host.progressLines.at(0), "<<< Trying Final Exchanges...Please Hang On >>>");
}

TEST(Substitution, SwapGainOfExactlyOneHundredthIsNotMade) {
  struct Case {
    Extended demand;
    bool swapped;
  };
  for (const Case c : {Case{0.01L, false}, Case{0.02L, true}}) {
    ModelState m;
    LoadMatrix(m, {{0, 100}, {100, 0}}, {0, c.demand});
    SetCoverage(m, 10);
    HeadlessRunHost host;
    m.Node(1).Located = 1;
    UpdateCoverage(m, host, '+', 1);
    m.NumLocated = 1;
    EXPECT_EQ(SwapGain(m, false, 1, 2, 0), c.demand);
    EXPECT_EQ(Substitute(m, host), c.swapped);
    EXPECT_EQ(m.Node(2).Located, c.swapped ? 1 : 0);
  }
}

TEST(Substitution, SwapLinesWithDistanceAndCost) {
  SwapReport report;
  report.showDistance = true;
  report.distanceChange = -1.5L;
  report.showCost = true;
  report.costChange = 1234.5L;
  report.coverageChange = -1234567;
  EXPECT_EQ(SwapLines(3, 8, report), (std::vector<std::string>{"   SUBSTITUTING NODE 8 FOR 3",
                                                                "WHICH DECREASES COVERAGE BY 1,234,567",
                                                                "AND INCREASES AVG. DIST. BY 1.5000000",
                                                                "AND DECREASES TOT. COST BY $1,234.50000"}));
}

TEST(Substitution, BestSwapIsTheLargestTrueChangeOfCoveredDemand) {
  for (unsigned seed = 21; seed <= 28; ++seed) {
    ModelState m;
    RandomInstance(m, seed, 12, 9, 30);
    m.Node(5).SiteStatus = StatusExcluded;
    HeadlessRunHost host;
    const std::vector<int> open = {1 + static_cast<int>(seed % 3), 7, 11};
    for (int j : open) {
      m.Node(j).Located = 1;
      UpdateCoverage(m, host, '+', j);
    }
    m.NumLocated = 3;
    RebuildLocatedList(m);
    const Extended now = CoveredByMatrix(m, open);
    Extended best = 0;
    for (size_t p = 0; p < open.size(); ++p)
      for (int s = 1; s <= m.Numbnodes; ++s) {
        if (m.Node(s).Located || s == 5) continue;
        std::vector<int> trial = open;
        trial[p] = s;
        const Extended change = CoveredByMatrix(m, trial) - now;
        EXPECT_EQ(SwapGain(m, false, open[p], s, 0), change) << seed;
        best = std::max(best, change);
      }
    const SwapChoice swap = FindBestSwap(m, false);
    EXPECT_EQ(swap.gain, best) << seed;
    if (best > 0) {
      EXPECT_EQ(SwapGain(m, false, swap.outgoing, swap.incoming, 0), best);
    }
  }
}
