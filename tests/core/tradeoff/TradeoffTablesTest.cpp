// The tables of traced curves, line by line, with their warnings, their guards
// against a zero base, their printouts, and the covering-median rows of the
// tradeoff-curve file.
#include <gtest/gtest.h>

#include "reports/TradeoffFile.h"
#include "tradeoff/TradeoffTables.h"

using namespace korvelan;

namespace {

ModelState CurveOf(char code, std::vector<Extended> values, Extended total) {
  ModelState m;
  m.ProblemCode = m.ReportProblemCode = code;
  m.TotalDemand = total;
  m.NumLocated = static_cast<uint16_t>(values.size());
  for (size_t k = 0; k < values.size(); ++k) m.CostByCount[k + 1] = values[k];
  m.TradeoffExists = 1;
  return m;
}

const std::vector<std::string> PresetWarnings = {"<<<   Some Nodes Forced In or Initialized   >>>",
                                                 "<<< Tradeoff curve values may be misleading >>>"};

TEST(TradeoffTables, CoverageTableShowsIncreasesAndPercent) {
  ModelState m = CurveOf('C', {80, 150, 200}, 200);
  const TradeoffTableText t = TradeoffTableFor(m);
  EXPECT_EQ(t.caption, "Coverage Tradeoff");
  EXPECT_EQ(t.heading, "No. Facilities     Coverage        Increment       Percent");
  EXPECT_EQ(t.printTitle, "COVERAGE TRADEOFF REPORT");
  EXPECT_EQ(t.lines, (std::vector<std::string>{
                         "      1           80.000000              ---       40.00000",
                         "      2          150.000000        70.000000       75.00000",
                         "      3          200.000000        50.000000      100.00000",
                     }));
  EXPECT_TRUE(t.warnings.empty());
  m.TotalDemand = 0;
  EXPECT_EQ(CoverTradeoffTable(m).lines[0], "      1           80.000000              ---            N/A");
}

TEST(TradeoffTables, MedianTableShowsDecreases) {
  const TradeoffTableText t = TradeoffTableFor(CurveOf('M', {12.5L, 8.25L, 7}, 100));
  EXPECT_EQ(t.caption, "Median Tradeoff Curve");
  EXPECT_EQ(t.heading, "No.Facilities   Average Distance   Improvement");
  EXPECT_EQ(t.printTitle, "DISTANCE TRADEOFF REPORT");
  EXPECT_EQ(t.lines, (std::vector<std::string>{
                         "      1          12.5000000             ---",
                         "      2           8.2500000        4.2500000",
                         "      3           7.0000000        1.2500000",
                     }));
}

TEST(TradeoffTables, FixedTableShowsDecreasesAndPercentOverTheCheapest) {
  const TradeoffTableText t = TradeoffTableFor(CurveOf('F', {1500, 1200, 1350}, 100));
  EXPECT_EQ(t.caption, "Fixed Tradeoff Curve");
  EXPECT_EQ(t.heading, "No. Facilities     Total Cost     Improvement     % Over Best");
  EXPECT_EQ(t.printTitle, "FIXED COST TRADEOFF REPORT");
  EXPECT_EQ(t.lines, (std::vector<std::string>{
                         "      1            1,500.00000         ---         25.0000",
                         "      2            1,200.00000       300.00000      0.00000",
                         "      3            1,350.00000      -150.00000     12.50000",
                     }));
}

TEST(TradeoffTables, FixedTableWithNoCostAtItsCheapestSaysNotAvailable) {
  const TradeoffTableText t = FixedTradeoffTable(CurveOf('F', {40, 0}, 100));
  ASSERT_EQ(t.lines.size(), 2u);
  EXPECT_EQ(t.lines[0].substr(t.lines[0].size() - 13), "          N/A");
  EXPECT_EQ(t.lines[1].substr(t.lines[1].size() - 10), "       N/A");
  for (const std::string& line : t.lines) {
    EXPECT_EQ(line.find("nan"), std::string::npos);
    EXPECT_EQ(line.find("inf"), std::string::npos);
  }
}

TEST(TradeoffTables, EveryTableWarnsWhenSitesAreForcedOrInitialised) {
  for (char code : {'C', 'M', 'F'}) {
    ModelState m = CurveOf(code, {5, 3}, 10);
    EXPECT_TRUE(TradeoffTableFor(m).warnings.empty()) << code;
    m.PresetCount = 1;
    EXPECT_EQ(TradeoffTableFor(m).warnings, PresetWarnings) << code;
  }
}

TEST(TradeoffTables, PrintoutCarriesTitleHeadingLinesAndWarnings) {
  ModelState m = CurveOf('M', {12.5L, 8.25L}, 100);
  m.PresetCount = 2;
  const TradeoffTableText t = TradeoffTableFor(m);
  RecordingPrintSink sink;
  EXPECT_TRUE(PrintTradeoffTable(sink, t));
  EXPECT_TRUE(sink.finished);
  std::vector<std::string> texts;
  for (const auto& item : sink.items) texts.push_back(item.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"DISTANCE TRADEOFF REPORT", "", "", t.heading, "", t.lines[0], t.lines[1],
                                             "", "", PresetWarnings[0], PresetWarnings[1]}));
  EXPECT_EQ(sink.items[0].font.pointSize, 18);
  EXPECT_TRUE(sink.items[3].font.bold);
  EXPECT_FALSE(sink.items[5].font.bold);
  EXPECT_EQ(sink.items[5].font.family, "Monospac821 DL");
}

ModelState CoveringMedianCurve() {
  ModelState m;
  m.ProblemCode = m.ReportProblemCode = 'D';
  m.Numbnodes = 5;
  m.NumDemandNodes = 5;
  m.TotalDemand = 100;
  m.NumLocated = 2;
  m.CoverageDistance = 125000;
  m.Node(3).NodeName = "Alpha";
  m.TradeoffExists = 1;
  TradeoffPoint low{1000, 50, 0.01L, {0, 1, 1, 0, 0, 0}};
  TradeoffPoint high{400, 80, 175.5L, {0, 0, 0, 1, 0, 1}};
  m.Tradeoff.TradeoffList = {low, high};
  m.Tradeoff.CurrentICP = 4.5;
  m.Tradeoff.CurrentIPF = 3.25;
  m.Tradeoff.CurrentICPNormalized = 0.24;
  m.Tradeoff.CurrentIPFNormalized = 0.1857142857;
  return m;
}

TEST(TradeoffTables, CoveringMedianTableRowsMeasuresAndLocations) {
  const ModelState m = CoveringMedianCurve();
  const CenterMedianTableText t = CenterMedianTradeoffTable(m);
  EXPECT_EQ(t.caption, "Covering Median Tradeoff");
  EXPECT_EQ(t.heading, "-No.  ---Average  /   % Covered  /  -----Weight");
  EXPECT_EQ(t.noFacilities, "Number of Facilities = 2");
  EXPECT_EQ(t.coverageDistance, "Coverage Distance = 12.50");
  EXPECT_EQ(t.rows, (std::vector<std::string>{"   1      10.000  /    50.00000  /        0.01",
                                              "   2       4.000  /    80.00000  /      175.50"}));
  EXPECT_EQ(t.measures, (std::vector<std::string>{"ICP and IPF Values Below", "--------------------------------------",
                                                  "ICP Value = 4.500000", "IPF Value = 3.250000", " ",
                                                  "ICP Value NORM. = 0.240000", "IPF Value NORM. = 0.185714",
                                                  "--------------------------------------"}));
  EXPECT_EQ(CenterMedianLocations(m, 0), (std::vector<std::string>{"   1  ", "   2  "}));
  EXPECT_EQ(CenterMedianLocations(m, 1), (std::vector<std::string>{"   3  Alpha", "   5  "}));
  EXPECT_TRUE(CenterMedianLocations(m, 2).empty());
  EXPECT_EQ(CenterMedianLocationCaption(), "Locations in box below for solution with characteristics:");
}

TEST(TradeoffTables, CoveringMedianPrintoutWithAChosenRow) {
  const ModelState m = CoveringMedianCurve();
  const CenterMedianTableText t = CenterMedianTradeoffTable(m);
  const std::vector<std::string> locations = CenterMedianLocations(m, 0);
  RecordingPrintSink sink;
  EXPECT_TRUE(PrintCenterMedianTable(sink, t, 0, locations));
  std::vector<std::string> texts;
  for (const auto& item : sink.items) texts.push_back(item.text);
  std::vector<std::string> expected = {"CENTER MEDIAN TRADEOFF REPORT", "", "", t.noFacilities, t.coverageDistance, "",
                                       t.heading, "", t.rows[0], t.rows[1], "", "", "",
                                       "LOCATIONS FOR SOLUTION 1 BELOW", "", locations[0], locations[1], "", "", ""};
  expected.insert(expected.end(), t.measures.begin(), t.measures.end());
  EXPECT_EQ(texts, expected);
  EXPECT_TRUE(sink.items[13].font.bold);
  EXPECT_FALSE(sink.items[15].font.bold);
}

TEST(TradeoffTables, CoveringMedianRowsOfTheTradeoffFile) {
  const ModelState m = CoveringMedianCurve();
  const std::string text = TradeoffFileText(m, {"/opt/k", "2026-12-10", "01:05:00", "1.0.0.1"});
  const std::string table = " NO.    AVG DISTANCE    PERCENT COV      WEIGHT   \n"
                            " ---    ------------    -----------    -----------\n"
                            "   1           10.00         50.000          0.010\n"
                            "   2            4.00         80.000        175.500\n";
  ASSERT_GE(text.size(), table.size());
  EXPECT_EQ(text.substr(text.size() - table.size()), table);
  EXPECT_EQ(TradeoffFileExtension('D'), "OMT");
}

}  // namespace
