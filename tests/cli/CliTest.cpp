// Runs the batch program as a user would and checks exit statuses, the JSON
// summary and the report.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "CliTestSupport.h"

using namespace clitest;

namespace {

// The six nodes of line6.euc: x coordinates and demands (y = 0 for all).
const double kX[] = {0, 10, 20, 40, 50, 80};
const double kDemand[] = {10, 20, 30, 40, 25, 15};

double CoveredByCoordinates(const std::vector<int>& sites, double coverage) {
  double covered = 0;
  for (int i = 0; i < 6; ++i)
    for (int j : sites)
      if (std::fabs(kX[i] - kX[j - 1]) <= coverage) {
        covered += kDemand[i];
        break;
      }
  return covered;
}

}  // namespace

TEST(Cli, CompletedRunPrintsReportAndJsonAgreeingWithTheData) {
  TestFolder folder;
  const std::string json = folder.Path("run.json");
  const CliResult r = RunCli(folder, kBase + "--problem max-covering --algorithm greedy-substitution --locate 2 --json " + json);
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_NE(r.out.find("BASIC RESULTS SUMMARY FORM\n"), std::string::npos);
  EXPECT_NE(r.out.find("\nSolution Approach   COVERING - HEURISTIC   EACH ITERATION\n"), std::string::npos);
  EXPECT_NE(r.out.find("\nNumber of Nodes   6 / 6\n"), std::string::npos);
  EXPECT_EQ(r.err, "korvelan-cli: information: Execution Completed Satisfactorily\n");
  const std::string summary = ReadText(json);
  EXPECT_EQ(JsonField(summary, "problem"), "\"C\"");
  EXPECT_EQ(JsonField(summary, "algorithm"), "\"greedy-substitution\"");
  EXPECT_EQ(JsonField(summary, "status"), "\"completed\"");
  EXPECT_EQ(JsonField(summary, "nodes"), "6");
  EXPECT_EQ(JsonField(summary, "demand_nodes"), "6");
  EXPECT_EQ(JsonField(summary, "total_demand"), "140");
  EXPECT_EQ(JsonField(summary, "coverage_distance"), "10");
  EXPECT_EQ(JsonField(summary, "num_located"), "2");
  const std::vector<int> located = JsonList(JsonField(summary, "located"));
  ASSERT_EQ(located.size(), 2u);
  EXPECT_LT(located[0], located[1]);
  // Two facilities can cover at most 125 of the 140 (sites 2 and 4).
  EXPECT_EQ(CoveredByCoordinates(located, 10), 125);
  EXPECT_EQ(JsonField(summary, "covered_demand"), "125");
  for (const char* key : {"weighted_distance", "average_distance", "max_assigned_distance", "fixed_cost", "total_cost",
                          "upper_bound", "lower_bound", "iterations", "branch_nodes", "seconds", "cost_per_mile"})
    EXPECT_NE(JsonField(summary, key), "<missing>") << key;
}

TEST(Cli, SolutionFileAndInitialSolutionWithoutExcludedSites) {
  TestFolder folder;
  const std::string solution = folder.Path("run.SOL");
  const CliResult r = RunCli(folder, kBase + "--problem max-covering --algorithm greedy --locate 2 --status " +
                             Fixture("exclude2.FOR") + " --initial " + Fixture("initial26.SOL") +
                             " --report - --json - --solution " + solution);
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_NE(r.err.find("korvelan-cli: warning: Excluded sites are never opened. These sites of the initial solution "
                       "are EXCLUDED and were left out: 2\n"),
            std::string::npos);
  EXPECT_EQ(JsonField(r.out, "located"), "[4, 6]");
  const std::string text = ReadText(solution);
  std::vector<std::string> lines;
  std::stringstream s(text);
  for (std::string line; std::getline(s, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "         6");
  EXPECT_EQ(lines[4], "         1         4         0");  // node 4 serves itself
  EXPECT_EQ(lines[2], "         0         4        30");  // node 2 goes to site 4 at 30
}

TEST(Cli, BadInputExitsWithTwoAndOneLineNamingTheProblem) {
  TestFolder folder;
  struct Case {
    std::string arguments;
    std::string message;
  };
  const Case cases[] = {
      {"solve --demand " + Fixture("badline.euc") + " --coverage 10 --cost-per-mile 1 --problem max-covering "
       "--algorithm greedy --locate 2",
       "korvelan-cli: File [" + Fixture("badline.euc") +
           "], line 3: field 3 (second coordinate) \"x\" is not a number\n"},
      {"solve --demand " + Fixture("nodemand.euc") + " --coverage 10 --cost-per-mile 1 --problem max-covering "
       "--algorithm greedy --locate 2",
       "korvelan-cli: The total demand of the data set is 0. There is no demand for a facility to serve.\n"},
      {kBase + "--problem max-covering --algorithm greedy --locate 7",
       "korvelan-cli: --locate 7: Invalid number of facilities to locate.  Must have 1 <= X <= 6\n"},
      {"solve --demand " + Fixture("line6.euc") +
           " --coverage 1.2.3 --cost-per-mile 1 --problem max-covering --algorithm greedy --locate 2",
       "korvelan-cli: --coverage 1.2.3: Error converting data.\n"},
      {kBase + "--problem max-covering --algorithm greedy --locate 2 --set Nothing=1",
       "korvelan-cli: --set Nothing=1: no setting is called Nothing\n"},
      {kBase + "--problem max-covering --algorithm greedy --locate 2 --set ExcludeDominatedNodes=2",
       "korvelan-cli: --set ExcludeDominatedNodes=2: Invalid Parameter Value.  Must have 0 <= X <= 1\n"},
      {kBase + "--problem max-covering --algorithm myopic --locate 2",
       "korvelan-cli: --algorithm myopic is not offered for --problem max-covering (greedy, greedy-substitution, "
       "lagrangian)\n"},
      {kBase + "--frobnicate", "korvelan-cli: unknown option --frobnicate (see korvelan-cli --help)\n"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(folder, c.arguments);
    EXPECT_EQ(r.exit, 2) << c.arguments;
    EXPECT_EQ(r.err, c.message) << c.arguments;
    EXPECT_EQ(r.out, "") << c.arguments;
  }
}

// Sites 1-3 required, 4-6 excluded: nodes 4-6 (at 40, 50 and 80) lie beyond 10 of every allowed site.
TEST(Cli, RunWithoutASolutionExitsWithThree) {
  TestFolder folder;
  const std::string status = folder.Write("half.FOR", "         6\n         1\n         1\n         1\n"
                                                      "        -1\n        -1\n        -1\n");
  const CliResult r = RunCli(folder, kBase + "--problem set-covering --status " + status + " --json -");
  EXPECT_EQ(r.exit, 3) << r.err;
  EXPECT_EQ(r.err,
            "korvelan-cli: information: <<< IMPOSSIBLE TO COVER ALL DEMAND WITH ALLOWABLE CANDIDATE SITES >>>\n"
            "korvelan-cli: warning: Fatal Error in execution of algorithm.\n");
  EXPECT_EQ(JsonField(r.out, "status"), "\"fatal\"");
}

TEST(Cli, HelpDescribesEveryOption) {
  TestFolder folder;
  const CliResult r = RunCli(folder, "--help");
  EXPECT_EQ(r.exit, 0);
  for (const char* text : {"SYNOPSIS", "EXIT STATUS", "--demand FILE", "--set NAME=VALUE", "--json FILE|-",
                           "--no-dominated-exclusion", "--cover-fraction F"})
    EXPECT_NE(r.out.find(text), std::string::npos) << text;
}

TEST(Cli, BenchmarkRunAgreesWithTheDistanceFile) {
  TestFolder folder;
  const std::string data = std::string(KORVELAN_BENCHMARKS) + "/data/";
  std::ifstream distances(data + "pmed1.ned");
  if (!distances) GTEST_SKIP() << "benchmarks not found";
  // 100 x 100 whole numbers, column by column: entry (i, j) at position j * 100 + i.
  std::vector<int> d(100 * 100);
  for (int k = 0; k < 100 * 100; ++k) distances >> d[k];
  const CliResult r = RunCli(folder, "solve --demand " + data + "pmed1.net --distances " + data +
                             "pmed1.ned --coverage 40 --cost-per-mile 1 --problem max-covering --algorithm "
                             "greedy-substitution --locate 5 --report " + folder.Path("report.txt") + " --json -");
  ASSERT_EQ(r.exit, 0) << r.err;
  const std::vector<int> located = JsonList(JsonField(r.out, "located"));
  ASSERT_EQ(located.size(), 5u);
  int covered = 0, weighted = 0;
  for (int i = 0; i < 100; ++i) {
    int nearest = 1 << 30;
    for (int j : located) nearest = std::min(nearest, d[(j - 1) * 100 + i]);
    covered += nearest <= 40;
    weighted += nearest;
  }
  EXPECT_EQ(JsonField(r.out, "covered_demand"), std::to_string(covered));
  EXPECT_EQ(JsonField(r.out, "weighted_distance"), std::to_string(weighted));
}

TEST(Cli, ProgressLinesOnRequest) {
  TestFolder folder;
  const CliResult r = RunCli(folder, kBase + "--problem max-covering --algorithm greedy --locate 2 --progress --report " + folder.Path("report.txt"));
  ASSERT_EQ(r.exit, 0);
  EXPECT_EQ(r.err,
            "***** NOW WORKING ON LOCATION 1 *****\n"
            "46.4286 PERCENT OF DEMANDS ARE COVERED\n"
            "***** NOW WORKING ON LOCATION 2 *****\n"
            "89.2857 PERCENT OF DEMANDS ARE COVERED\n"
            "korvelan-cli: information: Execution Completed Satisfactorily\n");
}

TEST(Cli, ExactCoveringModelsReportTheirOptimaInJson) {
  TestFolder folder;
  struct Case {
    std::string arguments;
    std::string field;
    std::string value;
  };
  // line6 at coverage 10: nodes at 0, 10, 20 | 40, 50 | 80 form three groups.
  const Case cases[] = {
      {"--problem set-covering", "num_located", "3"},
      {"--problem partial-set-covering --cover-nodes 4", "num_located", "2"},
      {"--problem max-covering --algorithm lagrangian --locate 2 --set PctDiff=0.5", "covered_demand", "125"},
      {"--problem p-center --locate 2 --upper-estimate 5", "coverage_distance", "30"},
      {"--problem partial-p-center --locate 1 --cover-nodes 3 --upper-estimate 5", "coverage_distance", "10"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(folder, kBase + c.arguments + " --json - --report " + folder.Path("report.txt"));
    EXPECT_EQ(r.exit, 0) << c.arguments << "\n" << r.err;
    EXPECT_EQ(JsonField(r.out, c.field), c.value) << c.arguments;
    EXPECT_EQ(JsonField(r.out, "status"), "\"completed\"") << c.arguments;
  }
  const CliResult bad = RunCli(folder, kBase + "--problem set-covering --set PctDiff=11");
  EXPECT_EQ(bad.exit, 2);
  EXPECT_EQ(bad.err, "korvelan-cli: --set PctDiff=11: Invalid Parameter Value.  Must have 0.00 <= X <= 10.00\n");
}

// The least demand-weighted distance of line6.euc with `count` open sites, by trying every set.
double BestWeightedDistance(int count) {
  double best = 1e300;
  for (int mask = 1; mask < 64; ++mask) {
    if (__builtin_popcount(mask) != count) continue;
    double total = 0;
    for (int i = 0; i < 6; ++i) {
      double nearest = 1e300;
      for (int j = 0; j < 6; ++j)
        if (mask >> j & 1) nearest = std::min(nearest, std::fabs(kX[i] - kX[j]));
      total += kDemand[i] * nearest;
    }
    best = std::min(best, total);
  }
  return best;
}

// The median and fixed-charge Lagrangian runs reach the exhaustive optimum, with the
// fixed charge free to choose the number of sites (--locate -1).
TEST(Cli, MedianAndFixedChargeLagrangianReachTheOptimum) {
  TestFolder folder;
  const CliResult median = RunCli(folder, kBase + "--problem p-median --algorithm lagrangian --locate 2 --json -");
  ASSERT_EQ(median.exit, 0) << median.err;
  EXPECT_EQ(JsonField(median.out, "status"), "\"completed\"");
  EXPECT_EQ(JsonField(median.out, "num_located"), "2");
  EXPECT_EQ(std::stod(JsonField(median.out, "weighted_distance")), BestWeightedDistance(2));
  EXPECT_NE(median.out.find("\nSolution Approach   MEDIAN - LAGRANGIAN"), std::string::npos);

  const CliResult fixedTwo = RunCli(folder, kBase + "--problem fixed-charge --algorithm lagrangian --locate 2 --json -");
  ASSERT_EQ(fixedTwo.exit, 0) << fixedTwo.err;
  EXPECT_EQ(std::stod(JsonField(fixedTwo.out, "total_cost")), BestWeightedDistance(2));
  EXPECT_EQ(JsonField(fixedTwo.out, "num_located"), "2");

  // Without fixed costs the cheapest solution opens every site.
  const CliResult fixedFree = RunCli(folder, kBase + "--problem fixed-charge --algorithm lagrangian --locate -1 --json -");
  ASSERT_EQ(fixedFree.exit, 0) << fixedFree.err;
  EXPECT_EQ(JsonField(fixedFree.out, "total_cost"), "0");
  EXPECT_EQ(JsonField(fixedFree.out, "num_located"), "6");
}

TEST(Cli, LagrangianSettingsAreCheckedByTheirTables) {
  TestFolder folder;
  const CliResult r =
      RunCli(folder, kBase + "--problem fixed-charge --algorithm lagrangian --locate -1 --set fixed.NoIter=5 --json -");
  EXPECT_EQ(r.exit, 2);
  EXPECT_EQ(r.err, "korvelan-cli: --set fixed.NoIter=5: Invalid Parameter Value.  Must have 10 <= X <= 64000\n");
  const CliResult ok = RunCli(folder, kBase + "--problem p-median --algorithm lagrangian --locate 3 --set Failures=5 "
                                      "--set TerminalSubstitution=H --set UseBestUBBox=0 --json -");
  ASSERT_EQ(ok.exit, 0) << ok.err;
  EXPECT_EQ(std::stod(JsonField(ok.out, "weighted_distance")), BestWeightedDistance(3));
}

TEST(Cli, GeneticAlgorithmRepeatsARunFromItsSeedAndChecksItsSettings) {
  TestFolder folder;
  const std::string settings = kBase + "--problem p-median --algorithm genetic --locate 2 --set Generations=4 "
                                       "--progress --json - ";
  const std::string genetic = settings + "--set PopSize=20 ";
  const CliResult first = RunCli(folder, genetic + "--seed 77"), again = RunCli(folder, genetic + "--seed=77");
  ASSERT_EQ(first.exit, 0) << first.err;
  EXPECT_EQ(first.err.rfind("RandSeed: 77\n", 0), 0u) << first.err;
  EXPECT_EQ(first.err, again.err);
  EXPECT_EQ(JsonField(first.out, "located"), JsonField(again.out, "located"));
  EXPECT_EQ(std::stod(JsonField(first.out, "weighted_distance")), BestWeightedDistance(2));
  EXPECT_NE(first.out.find("\nSolution Approach   MEDIAN - GENETIC"), std::string::npos);
  const CliResult other = RunCli(folder, genetic + "--seed -5");
  ASSERT_EQ(other.exit, 0) << other.err;
  EXPECT_EQ(other.err.rfind("RandSeed: -5\n", 0), 0u) << other.err;

  const CliResult small = RunCli(folder, settings + "--set PopSize=10");
  EXPECT_EQ(small.exit, 2);
  EXPECT_EQ(small.err, "korvelan-cli: --set PopSize=10: Invalid Parameter Value.  Must have 20 <= X <= 250\n");
  const CliResult badSeed = RunCli(folder, genetic + "--seed x");
  EXPECT_EQ(badSeed.exit, 2);
  EXPECT_EQ(badSeed.err,
            "korvelan-cli: --set genetic.RandomNoSeed=x: Specified value did not convert correctly... Warning "
            "Default value used and shown\n");
}
