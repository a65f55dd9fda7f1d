#include <gtest/gtest.h>

#include "data/NodeDataFile.h"
#include "data/TextEncoding.h"

using namespace korvelan;

namespace {

NodeFileResult ReadDemand(std::string_view text, bool names = false, double w = 1.0) {
  return ReadNodeDataText(text, "demand.euc", {NodeFileKind::Demand, names, w, MaxNodes});
}

}  // namespace

TEST(NodeDataFile, NamesPresentWhenTheLineHasASeventhField) {
  EXPECT_TRUE(LineHasName("1 0 0 1 1 0 Depot"));
  EXPECT_TRUE(LineHasName("  1  0 0 1 1 0   <x>"));
  EXPECT_FALSE(LineHasName("1 0 0 1 1 0"));
  EXPECT_FALSE(LineHasName("1 0 0 1 1 0    "));
  EXPECT_FALSE(LineHasName("1 0 0"));
}

TEST(NodeDataFile, NameFieldIsTrimmedOfBracketsAndCut) {
  EXPECT_EQ(NameFromField("  <Main Depot>  "), "Main Depot");
  EXPECT_EQ(NameFromField("<<  x <y> >>"), "x <y");
  EXPECT_EQ(NameFromField(" <> "), "");
  EXPECT_EQ(NameFromField(">"), "");
  const std::string fifty(50, 'n');
  EXPECT_EQ(NameFromField(fifty), std::string(39, 'n'));
  std::string accented;  // 45 two-byte characters: 39 characters are 78 bytes
  for (int k = 0; k < 45; ++k) accented += "\xC3\xA9";
  EXPECT_EQ(CharacterCount(NameFromField(accented)), 39u);
  EXPECT_EQ(NameFromField(accented).size(), 78u);
  EXPECT_EQ(NameFromField("<M\xFCnster>"), "M\xC3\xBCnster");  // Latin-1 file
}

TEST(NodeDataFile, ReadsFieldsWeightedDemandAndNames) {
  const NodeFileResult r =
      ReadDemand("a 1.5 -2 100 20 7 <Main Depot>\r\nb 3 4 10 30 0   Second  node  \r\n", true, 0.25);
  ASSERT_TRUE(r.ok()) << r.error;
  ASSERT_EQ(r.nodes.size(), 2u);
  EXPECT_EQ(r.nodes[0].XCoord, 1.5);
  EXPECT_EQ(r.nodes[0].YCoord, -2);
  EXPECT_EQ(r.nodes[0].Demand, 40);  // 100 x 0.25 + 20 x 0.75
  EXPECT_EQ(r.nodes[0].FixedCost, 7);
  EXPECT_EQ(r.nodes[0].NodeName, "Main Depot");
  EXPECT_EQ(r.nodes[1].Demand, 25);
  EXPECT_EQ(r.nodes[1].NodeName, "Second  node");
}

TEST(NodeDataFile, NamesAreNotReadUnlessAsked) {
  const NodeFileResult r = ReadDemand("1 0 0 1 1 0\n2 0 0 1 1 0 Late name\n");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.nodes[1].NodeName, "");
}

TEST(NodeDataFile, CandidateSitesNeedPlaceholdersButReadNoDemand) {
  const NodeFileResult r =
      ReadNodeDataText("s 4 5 x y 250\n", "sites.euc", {NodeFileKind::CandidateSites, false, 1.0, MaxNodes});
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.nodes[0].Demand, 0);
  EXPECT_EQ(r.nodes[0].FixedCost, 250);
  const NodeFileResult missing =
      ReadNodeDataText("s 4 5 250\n", "sites.euc", {NodeFileKind::CandidateSites, false, 1.0, MaxNodes});
  EXPECT_EQ(missing.error, "File [sites.euc], line 1: field 5 (demand 2) is missing");
}

TEST(NodeDataFile, StopsAtTheNodeLimit) {
  std::string text;
  for (int k = 0; k < 310; ++k) text += "n 0 0 1 1 0\n";
  EXPECT_EQ(ReadDemand(text).nodes.size(), 300u);
  EXPECT_EQ(ReadNodeDataText(text, "f", {NodeFileKind::CandidateSites, false, 1.0, 4}).nodes.size(), 4u);
}

TEST(NodeDataFile, BadLinesNameFileLineAndField) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"1 0 0 1 1 0\n2 0 0 1 1\n", "File [demand.euc], line 2: field 6 (fixed cost) is missing"},
      {"1 0 0 1 1 0\n\n3 0 0 1 1 0\n", "File [demand.euc], line 2: field 1 (node label) is missing"},
      {"1 0 zero 1 1 0\n", "File [demand.euc], line 1: field 3 (second coordinate) \"zero\" is not a number"},
      {"1 0 0 1e999 1 0\n", "File [demand.euc], line 1: field 4 (demand 1) \"1e999\" is out of range"},
      {"1 0 0 1 1 0\t7\n", "File [demand.euc], line 1: field 6 (fixed cost) \"0?7\" is not a number"},
      {"1 1,5 0 1 1 0\n", "File [demand.euc], line 1: field 2 (first coordinate) \"1,5\" is not a number"},
      {"\x7f\x45LF\x02\x01\x01\0\0\0", "File [demand.euc], line 1: field 2 (first coordinate) is missing"},
  };
  for (const Case& c : cases) {
    const NodeFileResult r = ReadDemand(c.text);
    EXPECT_EQ(r.error, c.error);
    EXPECT_TRUE(r.nodes.empty());
  }
}

TEST(NodeDataFile, CarriageReturnNeverJoinsANumberOrName) {
  const NodeFileResult r = ReadDemand("1 0 0 1 1 12\r\n", false);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.nodes[0].FixedCost, 12);
  const NodeFileResult named = ReadDemand("1 0 0 1 1 12 Name\r\n", true);
  EXPECT_EQ(named.nodes[0].NodeName, "Name");
}

// Values that read as numbers but cannot stand in the data, field by field.
TEST(NodeDataFile, RefusesNegativeDemandsAndPositionsOffTheGlobe) {
  struct Case {
    NodeFileKind kind;
    char metric;
    const char* text;
    const char* error;  // empty: the line is accepted
  };
  const Case cases[] = {
      {NodeFileKind::Demand, 'E', "1 -5 -7 0 0 -250\n", ""},  // negative coordinates and a subsidy
      {NodeFileKind::Demand, 'E', "1 0 0 1 1 0\n2 0 0 -3 1 0\n",
       "File [f], line 2: field 4 (demand 1) \"-3\" is negative; a demand cannot be below 0"},
      {NodeFileKind::Demand, 'M', "1 0 0 1 -0.5 0\n",
       "File [f], line 1: field 5 (demand 2) \"-0.5\" is negative; a demand cannot be below 0"},
      {NodeFileKind::CandidateSites, 'E', "s 0 0 -1 -1 5\n", ""},  // placeholders are not demands
      {NodeFileKind::Demand, 'E', "1 500 95 1 1 0\n", ""},       // plane coordinates are free
      {NodeFileKind::Demand, 'G', "1 -180 90 1 1 0\n2 180 -90 1 1 0\n", ""},
      {NodeFileKind::Demand, 'G', "1 -122.4 37.8 1 1 0\n2 37.8 122.4 1 1 0\n",
       "File [f], line 2: field 3 (second coordinate) \"122.4\" is not a latitude; great-circle data need "
       "-90 <= Y <= 90"},
      {NodeFileKind::CandidateSites, 'G', "s 180.5 0 x x 0\n",
       "File [f], line 1: field 2 (first coordinate) \"180.5\" is not a longitude; great-circle data need "
       "-180 <= X <= 180"},
  };
  for (const Case& c : cases) {
    NodeFileRequest request{c.kind, false, 1.0, MaxNodes};
    request.metric = c.metric;
    const NodeFileResult r = ReadNodeDataText(c.text, "f", request);
    EXPECT_EQ(r.error, c.error) << c.text;
    EXPECT_EQ(r.nodes.empty(), !r.ok()) << c.text;
  }
}
