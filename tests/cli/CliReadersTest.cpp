// The batch program applies the load form's rules and the readers' value checks:
// what the desktop program refuses is refused with the same message and exit 2.
#include <gtest/gtest.h>
#include <string>

#include "CliTestSupport.h"

namespace {

using clitest::CliResult;
using clitest::TestFolder;

CliResult Solve(const TestFolder& folder, const std::string& arguments) {
  return clitest::RunCli(folder, "solve " + arguments);
}

std::string Read(const TestFolder& folder, const std::string& name) { return clitest::ReadText(folder.Path(name)); }

std::string NodeLines(int count) {
  std::string text;
  for (int k = 1; k <= count; ++k) text += std::to_string(k) + " " + std::to_string(k % 17) + " 0 1 1 0\n";
  return text;
}

const std::string kRun = " --coverage 10 --cost-per-mile 1 --problem max-covering --algorithm greedy --locate 1";

}  // namespace

TEST(CliReaders, FilesTheLoadFormRefusesExitWithTwoAndItsMessage) {
  TestFolder f;
  const std::string big = f.Write("big.euc", NodeLines(301));
  const std::string globe = f.Write("globe.grt", "1 0 0 1 1 0\n2 10 10 1 1 0\n");
  const std::string thirteen = f.Write("thirteen.euc", NodeLines(13));
  const std::string pair = f.Write("pair.net", "1 0 0 1 1 0\n2 0 0 1 1 0\n");
  const std::string five = f.Write("five.ned", "0\n4\n4\n0\n4\n");
  const std::string negative = f.Write("negative.ned", "0\n4\n-4\n0\n");
  const std::string minus = f.Write("minus.euc", "1 0 0 1 1 0\n2 5 0 -2 1 0\n");
  const std::string north = f.Write("north.grt", "1 0 0 1 1 0\n2 10 95 1 1 0\n");
  const std::string triple = f.Write("triple.euc", "1 0 0 10 10 0\n2 3 0 20 20 0\n3 0 4 30 30 0\n");
  struct Case {
    std::string arguments;
    std::string message;
  };
  const Case cases[] = {
      {"--demand " + big + kRun,
       "Too Many Nodes in the file ... Try a different file. File [" + big +
           "] holds 301 lines; at most 300 nodes can be loaded."},
      {"--demand " + globe + " --circle-points" + kRun, "Circle points are offered for Euclidean data only"},
      {"--demand " + thirteen + " --circle-points" + kRun,
       "Circle points are offered only when every point fits in the node table: 13 demand nodes are too many (at "
       "most 12)"},
      {"--demand " + pair + " --distances " + five + kRun,
       "Number of Distances Incompatible with Input Files File [" + five + "] holds 5 lines; 2 nodes need 4."},
      {"--demand " + pair + " --distances " + negative + kRun,
       "File [" + negative + "], line 3: the distance \"-4\" is negative; distances cannot be below 0"},
      {"--demand " + minus + kRun,
       "File [" + minus + "], line 2: field 4 (demand 1) \"-2\" is negative; a demand cannot be below 0"},
      {"--demand " + north + kRun,
       "File [" + north + "], line 2: field 3 (second coordinate) \"95\" is not a latitude; great-circle data "
       "need -90 <= Y <= 90"},
      // 60 demand x 5 the largest distance: the total cost must stay below 1.797e308.
      {"--demand " + triple + " --coverage 10 --cost-per-mile 1e308 --problem max-covering --algorithm greedy "
       "--locate 1",
       "--cost-per-mile 1e308: Invalid Parameter Value.  Must have 0 <= X <= 5.99231e+305"},
  };
  for (const Case& c : cases) {
    const CliResult r = Solve(f, c.arguments);
    EXPECT_EQ(r.exit, 2) << c.arguments;
    EXPECT_EQ(r.err, "korvelan-cli: " + c.message + "\n") << c.arguments;
    EXPECT_EQ(r.out, "") << c.arguments;
  }
}

TEST(CliReaders, CandidateSitesBeyondTheLimitAreIgnoredAsTheFormIgnoresThem) {
  TestFolder f;
  const std::string demand = f.Write("d.euc", NodeLines(250));
  const std::string sites = f.Write("s.euc", NodeLines(51));
  const CliResult r = Solve(f, "--demand " + demand + " --sites " + sites + kRun + " --json " + f.Path("run.json"));
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1),
            "korvelan-cli: warning: Too Many Total Nodes ... Extra Sites Ignored. 250 demand nodes of [" + demand +
                "] are used; the 51 lines of [" + sites + "] are not.\n");
  EXPECT_NE(Read(f, "run.json").find("\"nodes\": 250,"), std::string::npos);
  EXPECT_EQ(r.out.find(sites), std::string::npos);  // the report does not name the dropped file
}

TEST(CliReaders, LoneCarriageReturnsEndLines) {
  TestFolder f;
  const std::string demand = f.Write("cr.euc", "1 0 0 1 1 0\r2 3 0 1 1 0\r3 0 4 1 1 0\r");
  const CliResult r = Solve(f, "--demand " + demand + kRun + " --json " + f.Path("run.json"));
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_NE(Read(f, "run.json").find("\"nodes\": 3,"), std::string::npos);
}
