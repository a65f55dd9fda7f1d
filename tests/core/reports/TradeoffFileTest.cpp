#include <gtest/gtest.h>

#include "reports/TradeoffFile.h"

using namespace korvelan;

namespace {

// Four demand nodes and a candidate site; a covering curve of two facilities.
ModelState CoveringCurve() {
  ModelState m;
  m.Numbnodes = 5;
  m.NumDemandNodes = 4;
  for (int i = 1; i <= 4; ++i) m.Node(i).LoadedDemand = m.Node(i).Demand = 237.5L;
  m.TotalDemand = 950;
  m.DemandFileName = "/data/ten.euc";
  m.ReportProblemCode = 'C';
  m.TradeoffExists = 1;
  m.NumLocated = 2;
  m.CostByCount[1] = 550;
  m.CostByCount[2] = 820;
  return m;
}

const ProgramStamp Stamp{"/opt/korvelan/korvelan", "2026-12-10", "01:05:00", "1.0.0.1"};

}  // namespace

TEST(TradeoffFile, CoveringCurveWithHeader) {
  const ModelState m = CoveringCurve();
  EXPECT_EQ(TradeoffFileText(m, Stamp),
            "PROGRAM NAME                              = /opt/korvelan/korvelan\n"
            "PROGRAM DATE AND TIME                     = 2026-12-10 at 01:05:00\n"
            "VERSION NUMBER                            = 1.0.0.1\n"
            "INPUT FILE NAME                           = /data/ten.euc\n"
            "\n"
            "TOTAL DEMAND                              = 950.00000000\n"
            "NUMBER DEMAND POINTS                      =     4\n"
            "NUMBER OF OTHER POINTS                    =     1\n"
            "NUMBER OF POINTS FORCED INTO SOLUTION     =     0\n"
            "NUMBER OF POINTS FORCED OUT OF SOLUTION   =     0\n"
            "NUMBER OF POINTS IN INITIAL SOLUTION      =     0\n"
            "NUMBER OF INITIAL OR FORCED IN POINTS     =     0\n"
            "\n"
            "NO.     TRADEOFF      PERCENT\n"
            "---     --------      -------\n"
            "  1 550.00000000  57.89473684\n"
            "  2 820.00000000  86.31578947\n");
}

TEST(TradeoffFile, ForcedSitesAddTheCautionAndTablesFollowTheModel) {
  ModelState m = CoveringCurve();
  m.Node(5).SiteStatus = StatusRequired;
  CountStatuses(m);
  m.ReportProblemCode = 'F';
  m.CostByCount[1] = 12345.5L;
  m.CostByCount[2] = 9000.25L;
  const std::string text = TradeoffFileText(m, Stamp);
  EXPECT_NE(text.find("NUMBER OF POINTS FORCED INTO SOLUTION     =     1\n"
                      "NUMBER OF POINTS FORCED OUT OF SOLUTION   =     0\n"
                      "NUMBER OF POINTS IN INITIAL SOLUTION      =     0\n"
                      "NUMBER OF INITIAL OR FORCED IN POINTS     =     1\n"
                      "\n"
                      "+---------------------------------------------+\n"
                      "|   SOME NODES ARE FORCED INTO SOLUTION OR    |\n"),
            std::string::npos);
  EXPECT_NE(text.find("NO.     ---TOTAL COST---\n"
                      "---     ----------------\n"
                      "  1           12345.5000\n"
                      "  2            9000.2500\n"),
            std::string::npos);
}

TEST(TradeoffFile, RefusalAndExtensions) {
  ModelState m = CoveringCurve();
  EXPECT_EQ(TradeoffFileRefusal(m), "");
  m.NumLocated = 0;
  EXPECT_EQ(TradeoffFileRefusal(m), "TRADEOFF CURVE DOES NOT EXIST...SORRY");
  const std::pair<char, const char*> cases[] = {{'C', "COV"}, {'M', "MED"}, {'F', "FIX"}, {'D', "OMT"}, {'S', "CRV"}};
  for (const auto& [code, extension] : cases) EXPECT_EQ(TradeoffFileExtension(code), extension);
}
