#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DataTestSupport.h"
#include "data/AtomicFile.h"

using namespace korvelan;
namespace fs = std::filesystem;

// Links stay links, followed through a chain; a link to nothing yet creates its target.
TEST(AtomicFile, LinksAreFollowedAndKept) {
  TempFolder folder;
  folder.Write("file.txt", "old\n");
  fs::create_symlink("file.txt", folder.Path("first"));
  fs::create_symlink(folder.Path("first"), folder.Path("second"));
  fs::create_symlink("later.txt", folder.Path("dangling"));
  ASSERT_EQ(WriteFileAtomically(folder.Path("second"), "new\n"), "");
  ASSERT_EQ(WriteFileAtomically(folder.Path("dangling"), "made\n"), "");
  EXPECT_TRUE(fs::is_symlink(folder.Path("first")));
  EXPECT_TRUE(fs::is_symlink(folder.Path("second")));
  EXPECT_TRUE(fs::is_symlink(folder.Path("dangling")));
  EXPECT_EQ(TempFolder::Read(folder.Path("file.txt")), "new\n");
  EXPECT_EQ(TempFolder::Read(folder.Path("later.txt")), "made\n");
}

TEST(AtomicFile, APipeIsWrittenThroughNotReplaced) {
  TempFolder folder;
  const std::string fifo = folder.Path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(WriteFileAtomically(fifo, "through\n"), "");
  char buffer[64] = {};
  EXPECT_EQ(::read(reader, buffer, sizeof buffer), 8);
  ::close(reader);
  EXPECT_EQ(std::string(buffer), "through\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(AtomicFile, ProblemsAreNamedBeforeWriting) {
  TempFolder folder;
  const std::string plain = folder.Write("plain.txt", "x\n");
  const std::pair<std::string, std::string> cases[] = {
      {folder.Path("new.txt"), ""},
      {plain, ""},
      {folder.Path("no/new.txt"), "No such directory [" + folder.Path("no") + "]"},
      {plain + "/new.txt", "[" + plain + "] is not a folder"},
      {folder.Path(""), "it is a folder"},
  };
  for (const auto& [path, problem] : cases) {
    EXPECT_EQ(WriteTargetProblem(path), problem) << path;
    if (!problem.empty()) {
      EXPECT_EQ(WriteFileAtomically(path, "y"), "Error writing file [" + path + "]: " + problem);
    }
  }
  EXPECT_EQ(TempFolder::Read(plain), "x\n");
}

TEST(AtomicFile, SameReplacedFileSeesThroughSpellingAndLinks) {
  TempFolder folder;
  folder.Write("a.txt", "x\n");
  fs::create_symlink("a.txt", folder.Path("link"));
  fs::create_symlink("new.txt", folder.Path("newlink"));
  EXPECT_TRUE(SameReplacedFile(folder.Path("a.txt"), folder.Path("./a.txt")));
  EXPECT_TRUE(SameReplacedFile(folder.Path("a.txt"), folder.Path("link")));
  EXPECT_TRUE(SameReplacedFile(folder.Path("new.txt"), folder.Path("newlink")));
  EXPECT_FALSE(SameReplacedFile(folder.Path("a.txt"), folder.Path("b.txt")));
  const std::string fifo = folder.Path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(SameReplacedFile(fifo, fifo));  // a pipe is added to, not replaced
}
