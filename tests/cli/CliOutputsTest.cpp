// Where the batch program writes: files replaced whole, links kept, devices and
// pipes written straight through, and outputs checked before anything is read.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "CliTestSupport.h"

using namespace clitest;
namespace fs = std::filesystem;

namespace {

const std::string kRun = kBase + "--problem max-covering --algorithm greedy --locate 2 ";

// Arguments whose demand file does not exist: a check that refuses them shows it
// happens before anything is read.
const std::string kUnread = "solve --demand " + Fixture("absent.euc") +
                            " --coverage 10 --cost-per-mile 1 --problem max-covering --algorithm greedy --locate 2 ";

}  // namespace

TEST(CliOutputs, ASymbolicLinkStaysALinkAndItsTargetGetsTheReport) {
  TestFolder folder;
  folder.Write("target.txt", "old text\n");
  fs::create_symlink("target.txt", folder.Path("link.txt"));
  const CliResult r = RunCli(folder, kRun + "--report " + folder.Path("link.txt"));
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(folder.Path("link.txt")));
  EXPECT_EQ(ReadText(folder.Path("target.txt")).rfind("BASIC RESULTS SUMMARY FORM\n", 0), 0u);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"link.txt", "target.txt"}));
}

TEST(CliOutputs, APipeIsWrittenStraightThroughAndStaysAPipe) {
  TestFolder folder;
  const std::string fifo = folder.Path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Opened for reading first, so the program's open for writing finds a reader.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const CliResult r = RunCli(folder, kRun + "--report " + fifo);
  std::string received;
  char buffer[4096];
  for (ssize_t n; (n = ::read(reader, buffer, sizeof buffer)) > 0;) received.append(buffer, static_cast<size_t>(n));
  ::close(reader);
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(received.rfind("BASIC RESULTS SUMMARY FORM\n", 0), 0u);
  EXPECT_TRUE(fs::is_fifo(fifo));
}

// A link to the program's own standard output (as /dev/stdout is) adds to it, so
// an output appended to a log by the shell keeps the log.
TEST(CliOutputs, ALinkToStandardOutputAddsToWhatTheShellOpened) {
  TestFolder folder;
  fs::create_symlink("/proc/self/fd/1", folder.Path("stdout"));
  const std::string log = folder.Write("log.txt", "earlier line\n");
  const CliResult r = RunCli(folder, kRun + "--report " + folder.Path("stdout") + " >> " + log);
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(folder.Path("stdout")));
  EXPECT_EQ(ReadText(log).rfind("earlier line\nBASIC RESULTS SUMMARY FORM\n", 0), 0u);
}

TEST(CliOutputs, ARegularFileIsReplacedWholeAndKeepsItsPermissions) {
  TestFolder folder;
  const std::string report = folder.Write("report.txt", "old text\n");
  fs::permissions(report, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const CliResult r = RunCli(folder, kRun + "--report " + report);
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(ReadText(report).rfind("BASIC RESULTS SUMMARY FORM\n", 0), 0u);
  EXPECT_EQ(fs::status(report).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"report.txt"});  // no temporary file left
}

TEST(CliOutputs, TwoOutputsNamingOneFileAreRefusedBeforeReading) {
  TestFolder folder;
  fs::create_symlink("out.txt", folder.Path("alias.txt"));
  const std::string out = folder.Path("out.txt"), alias = folder.Path("alias.txt");
  struct Case {
    std::string arguments;
    std::string message;
  };
  const Case cases[] = {
      {"--json " + out + " --report " + out, "--report " + out + " and --json " + out + " name the same file"},
      {"--solution " + out + " --json " + out, "--solution " + out + " and --json " + out + " name the same file"},
      {"--report " + out + " --json " + folder.Path("./out.txt"),
       "--report " + out + " and --json " + folder.Path("./out.txt") + " name the same file"},
      {"--report " + out + " --solution " + alias,
       "--report " + out + " and --solution " + alias + " name the same file"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(folder, kUnread + c.arguments);
    EXPECT_EQ(r.exit, 2) << c.arguments;
    EXPECT_EQ(r.err, "korvelan-cli: " + c.message + "\n") << c.arguments;
    EXPECT_FALSE(fs::exists(out)) << c.arguments;
  }
}

TEST(CliOutputs, EveryOutputFolderIsCheckedBeforeTheRunWithTheCause) {
  TestFolder folder;
  const std::string file = folder.Write("plain.txt", "x\n");
  struct Case {
    std::string arguments;
    std::string message;
  };
  const Case cases[] = {
      {"--solution " + folder.Path("missing/best.SOL"),
       "--solution " + folder.Path("missing/best.SOL") + ": No such directory [" + folder.Path("missing") + "]"},
      {"--json " + file + "/summary.json", "--json " + file + "/summary.json: [" + file + "] is not a folder"},
      {"--solution " + folder.Path("."), "--solution " + folder.Path(".") + ": it is a folder"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(folder, kUnread + "--report " + folder.Path("report.txt") + " " + c.arguments);
    EXPECT_EQ(r.exit, 2) << c.arguments;
    EXPECT_EQ(r.err, "korvelan-cli: " + c.message + "\n") << c.arguments;
    EXPECT_FALSE(fs::exists(folder.Path("report.txt"))) << c.arguments;
  }
}

TEST(CliOutputs, AMissingOrFolderNodeFileIsNamedAsSuch) {
  TestFolder folder;
  struct Case {
    std::string arguments;
    std::string message;
  };
  const Case cases[] = {
      {"--status " + folder.Path("none.FOR"), "warning: File [" + folder.Path("none.FOR") +
                                                  "] does not exist\nkorvelan-cli: the status file " +
                                                  folder.Path("none.FOR") + " was not read"},
      {"--initial " + folder.Path("."), "warning: File [" + folder.Path(".") +
                                            "] is a folder\nkorvelan-cli: the initial solution " + folder.Path(".") +
                                            " was not read"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(folder, kRun + c.arguments);
    EXPECT_EQ(r.exit, 2) << c.arguments;
    EXPECT_EQ(r.err, "korvelan-cli: " + c.message + "\n") << c.arguments;
  }
}
