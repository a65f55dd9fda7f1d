// "korvelan-cli tradeoff": the curve as CSV, JSON and the tradeoff-curve report,
// its checks before anything is read, and its usage messages.
#include <string>

#include "CliTestSupport.h"

using namespace clitest;

namespace {

const char* const kSevenYards =
    "1 0 0 10 0 100 <North Yard>\n2 30 0 20 0 100 <East Yard>\n3 0 40 30 0 100 <Hill Depot>\n"
    "4 30 40 40 0 100 <Corner Store>\n5 15 20 50 0 100 <Middle Market>\n6 60 0 60 0 100 <Far East>\n"
    "7 60 40 70 0 100 <Far Corner>\n";

std::string Base(const TestFolder& folder) {
  return "tradeoff --demand " + folder.Write("seven.euc", kSevenYards) + " --coverage 3 --cost-per-mile 1 ";
}

TEST(CliTradeoff, CoveringCurveGoesToStandardOutputAsCsv) {
  TestFolder folder;
  const CliResult r = RunCli(folder, Base(folder) + "--problem max-covering --algorithm greedy");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "facilities,value\n1,70\n2,130\n3,180\n4,220\n5,250\n6,270\n7,280\n");
  EXPECT_EQ(r.err, "korvelan-cli: information: Execution Completed Satisfactorily\n");
}

TEST(CliTradeoff, CurvesAgainstTheNumberOfFacilitiesAsJson) {
  TestFolder folder;
  const CliResult r = RunCli(folder, Base(folder) + "--problem fixed-charge --algorithm drop --json -");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(JsonField(r.out, "problem"), "\"F\"");
  EXPECT_EQ(JsonField(r.out, "algorithm"), "\"drop\"");
  EXPECT_EQ(JsonField(r.out, "status"), "\"completed\"");
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 14u);
  // One site: the middle market, 25 from four yards and 49 from the far two, plus its fixed cost.
  EXPECT_EQ(lines[5], "    {\"facilities\": 1, \"value\": 8970},");
  EXPECT_EQ(lines[11], "    {\"facilities\": 7, \"value\": 700}");
}

TEST(CliTradeoff, CoveringMedianCurveAsJsonCsvAndReport) {
  TestFolder folder;
  const CliResult r = RunCli(folder, Base(folder) + "--problem covering-median --locate 2 --json " +
                                         folder.Path("curve.json") + " --csv " + folder.Path("curve.csv") +
                                         " --report-file " + folder.Path("curve.OMT"));
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(ReadText(folder.Path("curve.json")),
            "{\n"
            "  \"problem\": \"D\",\n"
            "  \"algorithm\": \"lagrangian\",\n"
            "  \"status\": \"completed\",\n"
            "  \"points\": [\n"
            "    {\"weighted_distance\": 4900, \"average_distance\": 17.5, \"covered_demand\": 120, \"weight\": 0.01, "
            "\"located\": [5, 7]},\n"
            "    {\"weighted_distance\": 6650, \"average_distance\": 23.75, \"covered_demand\": 130, \"weight\": 10000, "
            "\"located\": [6, 7]}\n"
            "  ],\n"
            "  \"icp\": 36.67207792207792,\n"
            "  \"icp_normalized\": 0.25,\n"
            "  \"ipf\": 28.998187984731445,\n"
            "  \"ipf_normalized\": 0.25,\n"
            "  \"weighted_median_runs\": 4\n"
            "}\n");
  EXPECT_EQ(ReadText(folder.Path("curve.csv")),
            "weighted_distance,average_distance,covered_demand,weight,located\n"
            "4900,17.5,120,0.01,5 7\n"
            "6650,23.75,130,10000,6 7\n");
  const std::vector<std::string> report = Lines(ReadText(folder.Path("curve.OMT")));
  ASSERT_GE(report.size(), 4u);
  EXPECT_EQ(report[0].rfind("PROGRAM NAME                              = /", 0), 0u);
  EXPECT_EQ(std::vector<std::string>(report.end() - 4, report.end()),
            (std::vector<std::string>{" NO.    AVG DISTANCE    PERCENT COV      WEIGHT   ",
                                      " ---    ------------    -----------    -----------",
                                      "   1           17.50         42.857          0.010",
                                      "   2           23.75         46.429     10,000.000"}));
}

TEST(CliTradeoff, ReportFileOfACoveringCurve) {
  TestFolder folder;
  const CliResult r = RunCli(folder, Base(folder) + "--problem max-covering --algorithm greedy-substitution "
                                                    "--report-file " + folder.Path("curve.COV"));
  ASSERT_EQ(r.exit, 0) << r.err;
  const std::vector<std::string> report = Lines(ReadText(folder.Path("curve.COV")));
  ASSERT_GE(report.size(), 3u);
  EXPECT_EQ(report.back(), "  7 280.00000000 100.00000000");
  EXPECT_EQ(r.out, "");
}

TEST(CliTradeoff, OutputsAreCheckedBeforeAnythingIsRead) {
  TestFolder folder;
  const std::string same = folder.Path("curve.txt");
  CliResult r = RunCli(folder, "tradeoff --demand " + folder.Path("absent.euc") +
                                   " --coverage 3 --cost-per-mile 1 --problem max-covering --algorithm greedy --csv " +
                                   same + " --json " + same);
  EXPECT_EQ(r.exit, 2);
  EXPECT_EQ(r.err, "korvelan-cli: --csv " + same + " and --json " + same + " name the same file\n");
  r = RunCli(folder, Base(folder) + "--problem max-covering --algorithm greedy --csv - --json -");
  EXPECT_EQ(r.exit, 2);
  EXPECT_EQ(r.err, "korvelan-cli: --csv - and --json - would both write to standard output\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"seven.euc"});
}

TEST(CliTradeoff, UsageMessages) {
  TestFolder folder;
  struct Case {
    std::string arguments;
    std::string error;
  };
  const Case cases[] = {
      {"--problem set-covering",
       "--problem set-covering: no such curve (max-covering, p-median, fixed-charge, covering-median)"},
      {"--problem p-median", "--algorithm is required for --problem p-median (myopic, exchange, neighborhood)"},
      {"--problem fixed-charge --algorithm exchange",
       "--algorithm exchange is not offered for --problem fixed-charge (add, drop)"},
      {"--problem covering-median", "--locate N is required for --problem covering-median"},
      {"--problem covering-median --locate 8",
       "--locate 8: Invalid number of facilities to locate.  Must have 1 <= X <= 7"},
      {"--problem covering-median --locate two", "--locate two: Invalid numeric input"},
      {"--problem p-median --algorithm myopic --report x", "unknown option --report (see korvelan-cli --help)"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(folder, Base(folder) + c.arguments);
    EXPECT_EQ(r.exit, 2) << c.arguments;
    EXPECT_EQ(Lines(r.err).back(), "korvelan-cli: " + c.error) << c.arguments;
    EXPECT_EQ(r.out, "") << c.arguments;
  }
}

TEST(CliTradeoff, OptionsOfAnotherCurveAreIgnoredWithAWarning) {
  TestFolder folder;
  const CliResult r =
      RunCli(folder, Base(folder) + "--problem p-median --algorithm myopic --locate 3 --timing last --json -");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(Lines(r.err), (std::vector<std::string>{
                              "korvelan-cli: warning: --locate does not apply to this curve; it is ignored",
                              "korvelan-cli: warning: --timing does not apply to this curve; it is ignored",
                              "korvelan-cli: information: Execution Completed Satisfactorily"}));
}

TEST(CliTradeoff, HelpNamesTheCommand) {
  TestFolder folder;
  const CliResult r = RunCli(folder, "tradeoff --help");
  EXPECT_EQ(r.exit, 0);
  EXPECT_NE(r.out.find("  korvelan-cli tradeoff --demand FILE ..."), std::string::npos);
  EXPECT_NE(r.out.find("TRADEOFF OPTIONS\n  --demand FILE\n"), std::string::npos);
  EXPECT_NE(r.out.find("  --report-file FILE\n"), std::string::npos);
}

}  // namespace
