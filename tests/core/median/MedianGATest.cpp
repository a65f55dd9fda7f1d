#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <set>

#include "HeuristicModels.h"
#include "median/MedianGA.h"
#include "median/ProgramRandom.h"
#include "solve/SolveModel.h"
#include "solve/TextFormat.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

// The generator written out afresh: state x 134775813 + 1 mod 2^32, the draws
// taken from the new state.
struct HandGenerator {
  uint32_t state;
  uint32_t Next() { return state = static_cast<uint32_t>((uint64_t{state} * 134775813u + 1u) & 0xFFFFFFFFu); }
  uint32_t Random(uint32_t n) { return static_cast<uint32_t>((uint64_t{Next()} * n) >> 32); }
};

MedianChromosome Chromosome(std::vector<int> sites) {
  MedianChromosome c;
  for (size_t k = 0; k < sites.size(); ++k) c.Sites[k + 1] = static_cast<uint16_t>(sites[k]);
  return c;
}

std::vector<int> SitesOf(const MedianChromosome& c, int P) { return {c.Sites.begin() + 1, c.Sites.begin() + 1 + P}; }

// Small GA settings so that the runs stay quick.
ModelState GeneticModel(unsigned seed, int nodes, int P) {
  ModelState m;
  FillRandomModel(m, seed, {nodes, nodes});
  m.DataLoaded = 1;
  m.ProblemCode = 'M';
  m.MedianAlgorithm = 'T';
  m.NumberToLocate = static_cast<uint16_t>(P);
  m.Genetic.PopSize = 20;
  m.Genetic.InitPopSize = 40;
  m.Genetic.Generations = 40;
  m.Genetic.Dates = 4;
  return m;
}

// The best chromosome of the initial pool, replayed in the draw order of a run:
// the required sites, then draws among the allowed sites until P are distinct.
struct Pool {
  std::set<std::set<int>> best;  // every pool member of the best fitness
  Extended bestFitness = 1e30L;
  long long calls = 0;
  int32_t stateAfter = 0;
};
Pool ReplayPool(const ModelState& m, int P) {
  std::vector<int> allowed, required;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (m.Node(j).SiteStatus == StatusAllowed) allowed.push_back(j);
    if (m.Node(j).SiteStatus == StatusRequired) required.push_back(j);
  }
  HandGenerator g{static_cast<uint32_t>(m.Genetic.RandomNoSeed)};
  Pool pool;
  for (int k = 0; k < m.Genetic.InitPopSize; ++k) {
    std::set<int> sites(required.begin(), required.end());
    while (static_cast<int>(sites.size()) < P) {
      sites.insert(allowed[g.Random(static_cast<uint32_t>(allowed.size()))]);
      ++pool.calls;
    }
    const Extended fitness = NearestWeightedDistance(m, sites);
    if (fitness < pool.bestFitness) pool.best.clear();
    if (fitness <= pool.bestFitness) {
      pool.bestFitness = fitness;
      pool.best.insert(sites);
    }
  }
  pool.stateAfter = static_cast<int32_t>(g.state);
  return pool;
}

// Every p-subset of the sites: the smallest weighted distance.
Extended BruteForceOptimum(const ModelState& m, int P) {
  std::vector<bool> pick(m.Numbnodes, false);
  std::fill(pick.begin(), pick.begin() + P, true);
  Extended best = 1e30L;
  do {
    std::set<int> open;
    for (int j = 0; j < m.Numbnodes; ++j)
      if (pick[j]) open.insert(j + 1);
    best = std::min(best, NearestWeightedDistance(m, open));
  } while (std::prev_permutation(pick.begin(), pick.end()));
  return best;
}

// Checks every generation of a run: sites ascending, allowed, the required ones
// present, fitness as computed from scratch, members distinct once bred, and the
// best never worse than before.
struct GenerationAudit {
  GenerationAudit(const ModelState& model, int p) : m(model), P(p) {}
  const ModelState& m;
  int P;
  int generations = 0;
  Extended best = 1e30L;
  std::vector<std::string> faults;

  void operator()(const GenerationView& view) {
    generations = view.generation;
    for (int k = 1; k <= view.count; ++k) CheckMember(view.members[k], view.generation, k);
    if (view.generation > 1)
      for (int a = 1; a <= view.count; ++a)
        for (int b = a + 1; b <= view.count; ++b)
          if (SitesOf(view.members[a], P) == SitesOf(view.members[b], P))
            faults.push_back("generation " + std::to_string(view.generation) + " repeats a member");
    const Extended now = view.members[view.order[1]].Fitness;
    if (now > best) faults.push_back("best got worse in generation " + std::to_string(view.generation));
    best = now;
  }
  void CheckMember(const MedianChromosome& c, int generation, int k) {
    const std::vector<int> sites = SitesOf(c, P);
    const std::string who = "generation " + std::to_string(generation) + " member " + std::to_string(k);
    if (std::adjacent_find(sites.begin(), sites.end(), std::greater_equal<int>()) != sites.end())
      faults.push_back(who + " is not ascending");
    for (int s : sites)
      if (s < 1 || s > m.Numbnodes || m.Node(s).SiteStatus == StatusExcluded) faults.push_back(who + " holds a bad site");
    for (int j = 1; j <= m.Numbnodes; ++j)
      if (m.Node(j).SiteStatus == StatusRequired && !std::count(sites.begin(), sites.end(), j))
        faults.push_back(who + " lacks a required site");
    if (c.Fitness != NearestWeightedDistance(m, std::set<int>(sites.begin(), sites.end())))
      faults.push_back(who + " has a wrong fitness");
  }
};

}  // namespace

TEST(MedianGA, GeneratorDrawsFromTheSeedAsComputedByHand) {
  // By hand: 9873573 x 134775813 + 1 = 1330718828289850 = 309832 x 2^32 + 521035578.
  ProgramRandom random(9873573);
  EXPECT_EQ(random.Random(100), 12u);  // 521035578 x 100 / 2^32 = 12.13
  EXPECT_EQ(random.State(), 521035578);
  EXPECT_EQ(random.Random(300), 241u);  // state 3459367971
  EXPECT_EQ(random.State(), -835599325);
  EXPECT_DOUBLE_EQ(random.RandExt(), 3912425648.0 / 4294967296.0);
  EXPECT_EQ(random.Random(1), 0u);

  ProgramRandom again(9873573);
  HandGenerator hand{9873573u};
  for (uint32_t n : {1u, 2u, 7u, 100u, 300u, 2147483647u, 4294967295u}) {
    EXPECT_EQ(again.Random(n), hand.Random(n)) << n;
    EXPECT_EQ(again.RandExt(), static_cast<double>(hand.Next()) / 4294967296.0);
  }
  ProgramRandom negative(-1);  // the state is the seed's 32 bits
  EXPECT_EQ(negative.Random(300), static_cast<uint32_t>((uint64_t{0xFFFFFFFFu * 134775813u + 1u} * 300) >> 32));
}

TEST(MedianGA, DateCompatibilityIsTheStretchOverWhichBothListsPassedAsManySites) {
  // A = 2 5 9, B = 3 5 8: both lists have passed one site on [3, 5) and two on [5, 8).
  EXPECT_EQ(DateCompatibility(Chromosome({2, 5, 9}), Chromosome({3, 5, 8}), 3), 5);
  EXPECT_EQ(DateCompatibility(Chromosome({1, 2}), Chromosome({10, 20}), 2), 0);
  EXPECT_EQ(DateCompatibility(Chromosome({4, 9}), Chromosome({4, 9}), 2), 5);
  // Against the definition, unit by unit, on random lists.
  std::mt19937 rng(5);
  for (int round = 0; round < 200; ++round) {
    const int P = 2 + round % 6;
    std::vector<int> all(40);
    std::iota(all.begin(), all.end(), 1);
    std::vector<int> a(P), b(P);
    std::shuffle(all.begin(), all.end(), rng);
    std::copy_n(all.begin(), P, a.begin());
    std::shuffle(all.begin(), all.end(), rng);
    std::copy_n(all.begin(), P, b.begin());
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    int expected = 0;
    for (int x = 1; x <= 40; ++x) {
      const auto passed = [x](const std::vector<int>& v) { return std::count_if(v.begin(), v.end(), [x](int s) { return s <= x; }); };
      if (passed(a) == passed(b) && passed(a) >= 1 && passed(a) < P) ++expected;
    }
    EXPECT_EQ(DateCompatibility(Chromosome(a), Chromosome(b), P), expected) << round;
  }
}

TEST(MedianGA, CrossoverCutsWhereTheGapsReachTheThreshold) {
  const MedianChromosome A = Chromosome({2, 5, 9, 14}), B = Chromosome({3, 4, 11, 12});
  // Gaps: k=2: min(5,4)-max(2,3) = 1; k=3: min(9,11)-max(5,4) = 4; k=4: min(14,12)-max(9,11) = 1.
  struct Case { int threshold; std::vector<int> c1, c2; };
  const Case cases[] = {
      {1, {2, 4, 11, 12}, {3, 5, 9, 14}},
      {2, {2, 5, 11, 12}, {3, 4, 9, 14}},
      {5, {2, 5, 11, 12}, {3, 4, 9, 14}},
      {6, {2, 5, 9, 12}, {3, 4, 11, 14}},
      {7, {2, 5, 9, 14}, {3, 4, 11, 12}},
  };
  for (const Case& c : cases) {
    const auto [c1, c2] = CrossoverChildren(A, B, 4, c.threshold);
    EXPECT_EQ(SitesOf(c1, 4), c.c1) << c.threshold;
    EXPECT_EQ(SitesOf(c2, 4), c.c2) << c.threshold;
  }
}

TEST(MedianGA, OneGenerationInstallsTheBestOfTheInitialPool) {
  for (unsigned seed : {1u, 2u, 3u}) {
    ModelState m = GeneticModel(seed, 25, 4);
    m.Genetic.Generations = 1;
    m.Genetic.RandomNoSeed = static_cast<int32_t>(seed * 1000003u);
    const Pool pool = ReplayPool(m, 4);
    HeadlessRunHost host;
    SolveModel(m, host);
    ASSERT_EQ(m.FatalError, 0);
    EXPECT_TRUE(pool.best.count(OpenSet(m))) << seed;
    EXPECT_EQ(m.DemandWeightedDistance, pool.bestFitness);
    EXPECT_EQ(NotNearestFault(m), "");
    EXPECT_EQ(m.GeneticRun.GAGeneration, 1);
    std::string sites = "   Sites: ";
    for (int s : OpenSet(m)) sites += std::to_string(s) + " ";
    const std::vector<std::string> expected = {"RandSeed: " + std::to_string(m.Genetic.RandomNoSeed),
                                               "Calls:  " + std::to_string(pool.calls),
                                               "RandSeed: " + std::to_string(pool.stateAfter),
                                               "GA Iter: 1 Fitness: " + FormatNumber(pool.bestFitness, 15, 1),
                                               sites, "--------------------------"};
    EXPECT_EQ(host.progressLines, expected);
    EXPECT_EQ(host.geneticShown, 1);
    EXPECT_TRUE(host.geneticLines.empty());
  }
}

TEST(MedianGA, SameSeedGivesTheSameRunAndAnotherSeedAnotherRun) {
  auto run = [](int32_t seed) {
    ModelState m = GeneticModel(11, 30, 5);
    m.Genetic.RandomNoSeed = seed;
    m.Genetic.ImproveNumber = 2;
    HeadlessRunHost host;
    SolveModel(m, host);
    return std::make_pair(host.progressLines, OpenSites(m));
  };
  const auto first = run(9873573), second = run(9873573), other = run(-12345);
  EXPECT_EQ(first.first, second.first);
  EXPECT_EQ(first.second, second.second);
  EXPECT_NE(first.first, other.first);
  EXPECT_EQ(other.first[0], "RandSeed: -12345");
}

TEST(MedianGA, EveryGenerationIsDistinctSoundAndNeverWorseAtTheTop) {
  struct Case { unsigned seed; int P; int required; int excluded; int improve; char impType; char rule; };
  const Case cases[] = {{21, 4, 0, 0, 0, 'N', 'F'}, {22, 5, 2, 6, 0, 'N', 'R'},
                        {23, 6, 1, 4, 3, 'N', 'F'}, {24, 3, 1, 10, 2, 'E', 'R'}};
  for (const Case& c : cases) {
    ModelState m = GeneticModel(c.seed, 30, c.P);
    for (int r = 1; r <= c.required; ++r) m.Node(3 * r).SiteStatus = StatusRequired;
    for (int x = 1; x <= c.excluded; ++x) m.Node(3 * x + 1).SiteStatus = StatusExcluded;
    m.Genetic.ImproveNumber = c.improve;
    m.Genetic.ImpType = c.impType;
    m.Genetic.FatherSelection = m.Genetic.DateSelection = c.rule;
    HeadlessRunHost host;
    GenerationAudit audit(m, c.P);
    ASSERT_TRUE(RunMedianGA(m, host, c.P, std::ref(audit)));
    EXPECT_EQ(audit.faults, std::vector<std::string>{}) << c.seed;
    EXPECT_GT(audit.generations, 2) << c.seed;
    EXPECT_EQ(audit.generations, m.GeneticRun.GAGeneration);
    const std::set<int> open = OpenSet(m);
    EXPECT_EQ(static_cast<int>(open.size()), c.P);
    for (int j = 1; j <= m.Numbnodes; ++j) {
      if (m.Node(j).SiteStatus == StatusRequired) {
        EXPECT_TRUE(open.count(j)) << c.seed << " site " << j;
      }
      if (m.Node(j).SiteStatus == StatusExcluded) {
        EXPECT_FALSE(open.count(j)) << c.seed << " site " << j;
      }
    }
    EXPECT_EQ(NearestWeightedDistance(m, open), audit.best);
    EXPECT_EQ(static_cast<int>(std::count(host.progressLines.begin(), host.progressLines.end(), "--------------------------")),
              m.GeneticRun.GAGeneration);
    EXPECT_EQ(host.geneticLines.size(), 3u * (m.GeneticRun.GAGeneration - 1));
  }
}

TEST(MedianGA, ImprovementLinesNameTheMembersImproved) {
  ModelState m = GeneticModel(31, 20, 3);
  m.Genetic.ImproveNumber = 2;
  m.Genetic.GenNoImp = 0;
  HeadlessRunHost host;
  SolveModel(m, host);
  int improving = 0;
  for (const std::string& line : host.progressLines)
    if (line.rfind("Improving solution ", 0) == 0) {
      const int v = std::stoi(line.substr(19));
      EXPECT_TRUE(v >= 1 && v <= m.Genetic.PopSize) << line;
      ++improving;
    }
  EXPECT_EQ(improving, 2);
}

TEST(MedianGA, StopRulesEndTheRunWhereTheyShould) {
  struct Case { const char* what; int generations; int genNoImp; bool useTarget; Extended target; int expected; };
  const Case cases[] = {
      {"no improvement allowed", 200, 0, false, 0, 2},
      {"target reached at once", 200, 50, true, 1e20L, 2},
      {"generation limit", 3, 50, false, 0, 3},
  };
  for (const Case& c : cases) {
    ModelState m = GeneticModel(41, 25, 4);
    m.Genetic.Generations = c.generations;
    m.Genetic.GenNoImp = c.genNoImp;
    m.Genetic.GAUseTarget = c.useTarget;
    m.Genetic.TargetEdit = c.target;
    HeadlessRunHost host;
    int observed = 0;
    ASSERT_TRUE(RunMedianGA(m, host, 4, [&observed](const GenerationView&) { ++observed; }));
    EXPECT_EQ(m.GeneticRun.GAGeneration, c.expected) << c.what;
    EXPECT_EQ(observed, c.expected) << c.what;
    EXPECT_EQ(host.geneticPercent, static_cast<int>(std::lround(100.0 * c.expected / c.generations))) << c.what;
  }
}

TEST(MedianGA, FindsTheOptimumOfSmallInstances) {
  for (unsigned seed : {51u, 52u, 53u}) {
    ModelState m = GeneticModel(seed, 14, 3);
    HeadlessRunHost host;
    SolveModel(m, host);
    EXPECT_EQ(m.DemandWeightedDistance, BruteForceOptimum(m, 3)) << seed;
    EXPECT_EQ(host.geneticBest, FormatNumber(m.DemandWeightedDistance, 10, 3));
  }
}

TEST(MedianGA, AsManyFacilitiesAsAllowedSitesEndsWithEverySiteOpen) {
  ModelState m = GeneticModel(61, 12, 9);
  m.Node(2).SiteStatus = StatusExcluded;
  m.Node(5).SiteStatus = StatusExcluded;
  m.Node(7).SiteStatus = StatusExcluded;
  m.Node(4).SiteStatus = StatusRequired;
  m.Genetic.MutationProb = 0.5L;
  m.Genetic.GenNoImp = 10;
  HeadlessRunHost host;
  SolveModel(m, host);
  ASSERT_EQ(m.FatalError, 0);
  EXPECT_EQ(OpenSet(m), (std::set<int>{1, 3, 4, 6, 8, 9, 10, 11, 12}));
  EXPECT_EQ(m.GeneticRun.GAGeneration, 11);
  const auto has = [&host](const std::string& line) {
    return std::count(host.progressLines.begin(), host.progressLines.end(), line) > 0;
  };
  EXPECT_TRUE(has("Breeding stopped at 1 of 20 members: no new distinct child found"));
  EXPECT_TRUE(has("All members have the same fitness: fathers and dates drawn evenly"));
}

TEST(MedianGA, EquallyFitMembersAreDrawnEvenly) {
  ModelState m = GeneticModel(71, 20, 3);
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).Demand = 0;
  m.TotalDemand = 0;
  m.Genetic.GenNoImp = 3;
  HeadlessRunHost host;
  GenerationAudit audit(m, 3);
  ASSERT_TRUE(RunMedianGA(m, host, 3, std::ref(audit)));
  EXPECT_EQ(audit.faults, std::vector<std::string>{});
  EXPECT_EQ(m.GeneticRun.GAGeneration, 4);
  EXPECT_EQ(std::count(host.geneticLines.begin(), host.geneticLines.end(),
                       "All members have the same fitness: fathers and dates drawn evenly"),
            3);
}

TEST(MedianGA, ImpossibleNumberOfFacilitiesIsRefused) {
  ModelState m = GeneticModel(81, 10, 8);
  for (int j = 1; j <= 3; ++j) m.Node(j).SiteStatus = StatusExcluded;
  HeadlessRunHost host;
  SolveModel(m, host);
  EXPECT_EQ(m.FatalError, 1);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().text,
            "The genetic algorithm cannot locate 8 facilities: 0 sites are required and 7 may be open.");
}

TEST(MedianGA, DispatcherInstallsTheSolutionAsAHeuristicRun) {
  ModelState m = GeneticModel(91, 20, 3);
  m.TradeoffExists = 1;
  m.Genetic.ImproveNumber = 1;
  HeadlessRunHost host;
  SolveModel(m, host);
  ASSERT_EQ(m.FatalError, 0);
  EXPECT_EQ(m.MedianAlgorithm, 'T');
  EXPECT_EQ(m.NumLocated, 3);
  EXPECT_EQ(m.TradeoffExists, 0);
  EXPECT_EQ(NotNearestFault(m), "");
  EXPECT_EQ(m.DemandWeightedDistance, NearestWeightedDistance(m, OpenSet(m)));
  EXPECT_GE(m.GeneticRun.GAEndTime, m.GeneticRun.GAStartTime);
  for (int j = 1; j <= m.Numbnodes; ++j) EXPECT_EQ(m.Node(j).NTIMES, 0);  // no coverage lists built
}
