// What the batch program refuses or warns about on its command line, its manual,
// the Lagrangian progress lines, and Ctrl-C.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <string>
#include <vector>

#include "CliTestSupport.h"

using namespace clitest;

namespace {

struct Case {
  std::string arguments;
  std::string err;
};

}  // namespace

TEST(CliUsage, OptionsThatDoNotApplyAreIgnoredWithAWarning) {
  TestFolder folder;
  const std::string report = " --report " + folder.Path("report.txt");
  const std::string done = "korvelan-cli: information: Execution Completed Satisfactorily\n";
  const Case cases[] = {
      {"--problem max-covering --algorithm greedy --locate 2 --km",
       "korvelan-cli: warning: --km applies to great-circle data only; it is ignored\n" + done},
      {"--problem set-covering --locate 2",
       "korvelan-cli: warning: --locate does not apply to --problem set-covering; it is ignored\n" + done},
      {"--problem p-median --algorithm myopic --locate 2 --weighted",
       "korvelan-cli: warning: --weighted does not apply to --problem p-median; it is ignored\n" + done},
      {"--problem max-covering --algorithm greedy --locate 2 --cover-fraction 0.5",
       "korvelan-cli: warning: --cover-fraction does not apply to --problem max-covering; it is ignored\n" + done},
      {"--problem max-covering --algorithm greedy --locate 2 --set fixed.NoIter=20",
       "korvelan-cli: warning: --set fixed.NoIter=20: a setting of the fixed models does not apply to --problem "
       "max-covering; it is ignored\n" + done},
      {"--problem max-covering --algorithm greedy --locate 2 --locate 2",
       "korvelan-cli: warning: --locate is given more than once\n" + done},
      {"--problem set-covering --set PctDiff=1 --set PctDiff=1",
       "korvelan-cli: warning: --set PctDiff=1 is given more than once\n" + done},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(folder, kBase + c.arguments + report);
    EXPECT_EQ(r.exit, 0) << c.arguments;
    EXPECT_EQ(r.err, c.err) << c.arguments;
  }
}

TEST(CliUsage, OptionsThatContradictAreRefused) {
  TestFolder folder;
  const Case cases[] = {
      {"--problem fixed-charge --algorithm exchange --locate 2 --add-first --drop-first",
       "korvelan-cli: give either --add-first or --drop-first, not both\n"},
      {"--problem partial-set-covering --cover-fraction 0.5 --cover-nodes 3",
       "korvelan-cli: give either --cover-fraction or --cover-nodes, not both\n"},
      {"--problem max-covering --algorithm greedy --locate 2 --locate=3",
       "korvelan-cli: --locate is given twice with different values (2 and 3)\n"},
      {"--problem set-covering --set PctDiff=1 --set PctDiff=2",
       "korvelan-cli: --set PctDiff=2: PctDiff is given twice with different values (1 and 2)\n"},
      {"--problem max-covering --algorithm lagrangian --locate 2 --set MinAlpha=0",
       "korvelan-cli: --set MinAlpha=0: Invalid Parameter Value.  Must have 0.00000001 <= X <= 0.50\n"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(folder, kBase + c.arguments);
    EXPECT_EQ(r.exit, 2) << c.arguments;
    EXPECT_EQ(r.err, c.err) << c.arguments;
    EXPECT_EQ(r.out, "") << c.arguments;
  }
}

TEST(CliUsage, SolveHelpPrintsTheManual) {
  TestFolder folder;
  const CliResult manual = RunCli(folder, "--help");
  for (const char* arguments : {"solve --help", "solve --demand x.euc -h"}) {
    const CliResult r = RunCli(folder, arguments);
    EXPECT_EQ(r.exit, 0) << arguments;
    EXPECT_EQ(r.out, manual.out) << arguments;
    EXPECT_EQ(r.err, "") << arguments;
  }
}

// Each line holds the fields of the Lagrangian progress window, one per refresh
// of the window (none in so short a run, unless the machine is very slow) and one
// with the values the search ended with.
TEST(CliUsage, LagrangianProgressLinesShowTheWindowsValues) {
  TestFolder folder;
  const CliResult r = RunCli(folder, kBase + "--problem max-covering --algorithm lagrangian --locate 2 --progress "
                                             "--report " + folder.Path("report.txt"));
  ASSERT_EQ(r.exit, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.err);
  ASSERT_GE(lines.size(), 2u) << r.err;
  for (size_t k = 0; k + 2 < lines.size(); ++k) EXPECT_EQ(lines[k].rfind("Locations 2 | ", 0), 0u) << lines[k];
  EXPECT_EQ(std::regex_replace(lines[lines.size() - 2], std::regex("Seconds [0-9.]+$"), "Seconds S"),
            "Locations 2 | Iterations 1 | Lag. Iterations 1 | B+B Nodes 1 | B+B Level 0 | Coverage Distance 10.0 | "
            "Best Lag UB 125.0 | Lag LB 0.0 | Upper Bound 125.0 | Lower Bound 125.0 | Percent 0.0000000 | "
            "Alpha 2.0000000000 | Failures 0.0 | Step Size 0.0 | Explored 0% | Seconds S");
  EXPECT_EQ(lines.back(), "korvelan-cli: information: Execution Completed Satisfactorily");
}

// A long Lagrangian search (a root with a true gap may take 64,000 iterations,
// branching follows) stopped by Ctrl-C once its first progress line is out.
TEST(CliUsage, InterruptStopsTheSearchAndReportsItsBestSolution) {
  const std::string data = std::string(KORVELAN_BENCHMARKS) + "/data/";
  if (!std::filesystem::exists(data + "pmed13.net")) GTEST_SKIP() << "benchmarks not found";
  TestFolder folder;
  const std::vector<std::string> args = {
      KORVELAN_CLI, "solve", "--demand", data + "pmed13.net", "--distances", data + "pmed13.ned", "--coverage", "5",
      "--cost-per-mile", "1", "--problem", "max-covering", "--algorithm", "lagrangian", "--locate", "40",
      "--set", "PctDiff=0", "--set", "NoIter=64000", "--set", "RootNodeValue=64000", "--set",
      "RestartAlphaCheckBox=1", "--progress", "--json", folder.Path("summary.json"), "--report",
      folder.Path("report.txt")};
  int errPipe[2];
  ASSERT_EQ(::pipe(errPipe), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::dup2(errPipe[1], 2);
    ::close(errPipe[0]);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(errPipe[1]);
  std::string err;
  bool interrupted = false;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(5);
  while (std::chrono::steady_clock::now() < giveUp) {
    pollfd wait{errPipe[0], POLLIN, 0};
    if (::poll(&wait, 1, 1000) <= 0) continue;
    char buffer[4096];
    const ssize_t n = ::read(errPipe[0], buffer, sizeof buffer);
    if (n <= 0) break;
    err.append(buffer, static_cast<size_t>(n));
    if (!interrupted && err.find('\n', err.find("Locations ")) != std::string::npos) {
      // timeout(1) signals the command and then its process group: the same
      // request twice in a moment must stop the run once, results written.
      ::kill(child, SIGINT);
      ::usleep(1000);
      ::kill(child, SIGINT);
      interrupted = true;
    }
  }
  if (std::chrono::steady_clock::now() >= giveUp) ::kill(child, SIGKILL);
  ::close(errPipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(interrupted) << err;
  ASSERT_TRUE(WIFEXITED(status)) << err;
  EXPECT_EQ(WEXITSTATUS(status), 4) << err;
  EXPECT_NE(err.find("\nkorvelan-cli: warning: Program Stopped at User Request\n"), std::string::npos) << err;
  const std::string summary = ReadText(folder.Path("summary.json"));
  EXPECT_EQ(JsonField(summary, "status"), "\"stopped\"");
  EXPECT_EQ(JsonField(summary, "num_located"), "40");
  EXPECT_EQ(ReadText(folder.Path("report.txt")).rfind("BASIC RESULTS SUMMARY FORM\n", 0), 0u);
}
