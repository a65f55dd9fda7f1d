#include <gtest/gtest.h>

#include "../data/DataTestSupport.h"
#include "solve/NodeFiles.h"

using namespace korvelan;

namespace {

ModelState FourNodes() {
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 4;
  m.Node(1).SiteStatus = StatusRequired;
  m.Node(3).SiteStatus = StatusExcluded;
  m.Node(2).Located = m.Node(4).Located = 1;
  for (int n = 1; n <= 4; ++n) {
    m.Node(n).AssignedFacility = n % 2 == 0 ? n : 2;
    m.Node(n).AssignedDistance = n % 2 == 0 ? 0 : 17 * n;
  }
  m.Node(3).AssignedFacility = 9;  // not a loaded node: written as 0 0
  return m;
}

}  // namespace

TEST(NodeFiles, StatusAndSolutionLayouts) {
  const ModelState m = FourNodes();
  EXPECT_EQ(NodeFileText(m, 'F'),
            "         4\n"
            "         1\n"
            "         0\n"
            "        -1\n"
            "         0\n");
  EXPECT_EQ(NodeFileText(m, 'N'),
            "         4\n"
            "         0         2        17\n"
            "         1         2         0\n"
            "         0         0         0\n"
            "         1         4         0\n");
}

TEST(NodeFiles, RoundTrips) {
  TempFolder folder;
  ModelState m = FourNodes();
  HeadlessRunHost host;
  ASSERT_TRUE(WriteNodeFile(m, host, 'F', folder.Path("s.FOR")));
  ASSERT_TRUE(WriteNodeFile(m, host, 'N', folder.Path("s.SOL")));
  ModelState back = FourNodes();
  for (int n = 1; n <= 4; ++n) back.Node(n).SiteStatus = StatusAllowed;
  ASSERT_TRUE(ReadNodeFile(back, host, 'F', folder.Path("s.FOR")));
  ASSERT_TRUE(ReadNodeFile(back, host, 'I', folder.Path("s.SOL")));
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(back.Node(n).SiteStatus, m.Node(n).SiteStatus);
    EXPECT_EQ(back.Node(n).InInitialSolution, m.Node(n).Located);
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST(NodeFiles, NodeCountMismatchChangesNothing) {
  ModelState m;
  m.Numbnodes = 30;
  std::string text = "        25\n";
  for (int n = 1; n <= 25; ++n) text += "        -1\n";
  HeadlessRunHost host;
  EXPECT_FALSE(ReadNodeFileText(m, host, 'F', "old.FOR", text));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, 'W');
  EXPECT_EQ(
      host.messages[0].text,
      "NUMBER OF NODES on FILE <old.FOR>\nIS INCOMPATIBLE WITH THE NUMBER ENTERED BEFORE...FATAL ERROR\n"
      "NODES ON FILE     = 25\nNUMBER OF NODES ENTERED = 30");
  EXPECT_EQ(host.beeps, 1);
  for (int n = 1; n <= 30; ++n) EXPECT_EQ(m.Node(n).SiteStatus, StatusAllowed);
}

TEST(NodeFiles, AnyBadLineRefusesTheWholeFile) {
  const std::string notice =
      "SERIOUS ERROR READING FILE [f]\nDATA ARE PROBABLY INCORRECTLY STORED IN MEMORY\n"
      "Probable cause is a corruption of the file on the disk\nSuggest you DELETE the file [f]\n"
      "Also suggest you not rely on data that were read\n";
  struct Case {
    char kind;
    const char* text;
    const char* detail;
  };
  const Case cases[] = {
      {'F', "3\n1\n-1\n", "File [f] ends before the line of node 3"},
      {'F', "3\n1\n2\n0\n", "File [f], line 3: the status 2 is not -1, 0 or 1"},
      {'F', "3\n1\n0\nx\n", "File [f], line 4: the first number \"x\" is not a whole number"},
      {'I', "3\n1 2 3\n-1 0 0\n0\n", "File [f], line 3: the located mark -1 is not 0 or 1"},
      {'F', "three\n", "File [f], line 1: the node count \"three\" is not a whole number"},
      {'F', "", "File [f] is empty"},
      {'F', "\x89PNG\r\n\x1a\n\0\0", "File [f], line 1: the node count \"?PNG\" is not a whole number"},
  };
  for (const Case& c : cases) {
    ModelState m;
    m.Numbnodes = 3;
    m.Node(1).SiteStatus = StatusExcluded;
    HeadlessRunHost host;
    EXPECT_FALSE(ReadNodeFileText(m, host, c.kind, "f", c.text));
    ASSERT_EQ(host.messages.size(), 1u) << c.text;
    EXPECT_EQ(host.messages[0].text, notice + c.detail);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(m.Node(1).SiteStatus, StatusExcluded);
    EXPECT_EQ(m.Node(1).InInitialSolution, 0);
  }
}

// The file is replaced only once the new text is complete, so the notice names
// the cause and does not advise deleting the (intact) old file.
TEST(NodeFiles, WriteFailureShowsTheNoticeWithTheCause) {
  TempFolder folder;
  ModelState m = FourNodes();
  HeadlessRunHost host;
  const std::string name = folder.Path("missing/x.FOR");
  EXPECT_FALSE(WriteNodeFile(m, host, 'F', name));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "SERIOUS ERROR WRITING FILE [" + name + "]\nNo such directory [" +
                                       folder.Path("missing") + "]\nAny file of that name on the disk was left unchanged");
  EXPECT_EQ(host.beeps, 1);
}

TEST(NodeFiles, AMissingFileOrAFolderIsNamedAsSuchNotAsCorrupt) {
  TempFolder folder;
  const std::pair<std::string, std::string> cases[] = {
      {folder.Path("none.FOR"), "File [" + folder.Path("none.FOR") + "] does not exist"},
      {folder.Path(""), "File [" + folder.Path("") + "] is a folder"},
  };
  for (const auto& [name, message] : cases) {
    ModelState m = FourNodes();
    HeadlessRunHost host;
    EXPECT_FALSE(ReadNodeFile(m, host, 'F', name));
    ASSERT_EQ(host.messages.size(), 1u) << name;
    EXPECT_EQ(host.messages[0].kind, 'W');
    EXPECT_EQ(host.messages[0].text, message);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(m.Node(3).SiteStatus, StatusExcluded);
  }
}

TEST(NodeFiles, HoldNoticeWaitsOnAnInformationBox) {
  HeadlessRunHost host;
  HoldNotice(host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, 'I');
  EXPECT_EQ(host.messages[0].text, "Holding ... Hit <RETURN> to continue");
}
