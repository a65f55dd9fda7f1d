#include <gtest/gtest.h>

#include <filesystem>

#include "DataTestSupport.h"
#include "data/DataLoad.h"
#include "data/Distances.h"

using namespace korvelan;

namespace {

// Three demand nodes with names, on a 3-4-5 triangle.
constexpr const char* Triangle = "1 0 0 10 30 100 <Alpha>\n2 3 0 20 20 200 <Beta>\n3 0 4 30 10 300 <Gamma>\n";

LoadRequest Euclidean(const std::string& demand) {
  LoadRequest r;
  r.MetricCode = 'E';
  r.DemandFileName = demand;
  return r;
}

}  // namespace

TEST(DataLoad, ComputedLoadFillsTheModel) {
  TempFolder folder;
  LoadRequest r = Euclidean(folder.Write("t.euc", Triangle));
  r.DemandWeight = 0.5;
  ModelState m;
  m.CoverageDistanceSet = m.CostPerMileSet = 1;
  ASSERT_EQ(LoadDataSet(m, r), "");
  EXPECT_EQ(m.Numbnodes, 3);
  EXPECT_EQ(m.NumDemandNodes, 3);
  EXPECT_EQ(m.TotalDemand, 60);
  EXPECT_EQ(m.Node(1).Demand, 20);
  EXPECT_EQ(m.Node(1).LoadedDemand, 20);
  EXPECT_EQ(m.Node(3).FixedCost, 300);
  EXPECT_EQ(m.Node(2).NodeName, "Beta");
  EXPECT_TRUE(m.NamesPresent);
  EXPECT_EQ(m.DistanceMatrix.at(2, 3), 5);
  EXPECT_EQ(m.MaxDistance, 5);
  EXPECT_EQ(m.NearestOrder.at(1, 1), 1);
  EXPECT_EQ(m.NearestOrder.at(1, 2), 2);
  EXPECT_EQ(m.NearestOrder.at(1, 3), 3);
  EXPECT_TRUE(m.DataLoaded);
  EXPECT_FALSE(m.CoverageDistanceSet);
  EXPECT_FALSE(m.CostPerMileSet);
  EXPECT_EQ(m.DistanceFileName, "");
}

TEST(DataLoad, SixFieldFirstLineMeansNoNames) {
  TempFolder folder;
  ModelState m;
  ASSERT_EQ(LoadDataSet(m, Euclidean(folder.Write("n.euc", "1 0 0 1 1 0\n2 1 0 1 1 0 Named\n"))), "");
  EXPECT_FALSE(m.NamesPresent);
  EXPECT_EQ(m.Node(2).NodeName, "");
}

TEST(DataLoad, CandidateSitesFollowTheDemandNodes) {
  TempFolder folder;
  LoadRequest r = Euclidean(folder.Write("t.euc", Triangle));
  r.ExtraSitesFileName = folder.Write("s.euc", "9 6 8 x x 55 <Depot>\n");
  ModelState m;
  ASSERT_EQ(LoadDataSet(m, r), "");
  EXPECT_EQ(m.Numbnodes, 4);
  EXPECT_EQ(m.NumDemandNodes, 3);
  EXPECT_EQ(m.Node(4).Demand, 0);
  EXPECT_EQ(m.Node(4).FixedCost, 55);
  EXPECT_EQ(m.Node(4).NodeName, "Depot");
  EXPECT_TRUE(m.NamesPresent);
  EXPECT_TRUE(m.ExtraNamesPresent);
  EXPECT_EQ(m.DistanceMatrix.at(1, 4), 10);
  EXPECT_EQ(m.TotalDemand, 60);  // demand nodes only
}

TEST(DataLoad, NamesOfEachFileAreKeptWhenOnlyOneHasThem) {
  TempFolder folder;
  LoadRequest r = Euclidean(folder.Write("t.euc", "1 0 0 1 1 0\n"));
  r.ExtraSitesFileName = folder.Write("s.euc", "9 6 8 x x 55 <Depot>\n");
  ModelState m;
  ASSERT_EQ(LoadDataSet(m, r), "");
  EXPECT_FALSE(m.NamesPresent);
  EXPECT_TRUE(m.ExtraNamesPresent);
  EXPECT_TRUE(ShowsName(m, 2));
  EXPECT_EQ(m.Node(2).NodeName, "Depot");  // the candidate site is shown by a real name
}

TEST(DataLoad, CirclePointsJoinAsNamedSites) {
  TempFolder folder;
  LoadRequest r = Euclidean(folder.Write("c.euc", "1 0 0 1 1 0\n2 2 2 1 1 0\n3 5 5 1 1 0\n"));
  r.CircleSites = true;
  ModelState m;
  ASSERT_EQ(LoadDataSet(m, r), "");
  EXPECT_EQ(m.Numbnodes, 6);
  EXPECT_EQ(m.NumDemandNodes, 3);
  EXPECT_EQ(m.Node(5).NodeName, "P   1  3 D 3.54");
  EXPECT_TRUE(ShowsName(m, 5));
  EXPECT_EQ(AnnouncedNodeCount(r), 6);
}

TEST(DataLoad, ReadMatrixForNetworkData) {
  TempFolder folder;
  LoadRequest r;
  r.MetricCode = 'N';
  r.DemandFileName = folder.Write("n.net", "1 0 0 1 1 0\n2 0 0 1 1 0\n");
  r.DistanceFileName = folder.Write("n.ned", "0\n8\n3\n0\n");
  r.ComputeDistances = true;  // a network is never computed
  ModelState m;
  ASSERT_EQ(LoadDataSet(m, r), "");
  EXPECT_EQ(m.DistanceMatrix.at(2, 1), 8);
  EXPECT_EQ(m.DistanceMatrix.at(1, 2), 3);
  EXPECT_EQ(m.ComputeDistances, 0);
  EXPECT_EQ(m.DistanceFileName, r.DistanceFileName);
  EXPECT_EQ(m.MaxDistance, 8);
}

TEST(DataLoad, FailedLoadLeavesThePreviousModelWhole) {
  TempFolder folder;
  ModelState m;
  ASSERT_EQ(LoadDataSet(m, Euclidean(folder.Write("t.euc", Triangle))), "");
  const struct {
    LoadRequest request;
    std::string error;
  } failures[] = {
      {Euclidean(folder.Write("bad.euc", "1 0 0 1 1 0\n2 0 0 1 one 0\n")),
       "File [" + folder.Path("bad.euc") + "], line 2: field 5 (demand 2) \"one\" is not a number"},
      {Euclidean(folder.Path("missing.euc")), "Cannot read file [" + folder.Path("missing.euc") + "]"},
      {Euclidean(folder.Write("empty.euc", "\n")), "File [" + folder.Path("empty.euc") + "] holds no nodes"},
      {[&] {
         LoadRequest r = Euclidean(folder.Write("two.net", "1 0 0 1 1 0\n2 0 0 1 1 0\n"));
         r.MetricCode = 'N';
         r.DistanceFileName = folder.Write("short.ned", "0\n8\nz\n0\n");
         return r;
       }(),
       "Number of Distances Incompatible with Input Files\nFile [" + folder.Path("short.ned") +
           "], line 3: the distance \"z\" is not a whole number"},
  };
  for (const auto& failure : failures) {
    m.FatalError = 0;
    EXPECT_EQ(LoadDataSet(m, failure.request), failure.error);
    EXPECT_TRUE(m.FatalError);
    EXPECT_EQ(m.Numbnodes, 3);
    EXPECT_EQ(m.Node(3).NodeName, "Gamma");
    EXPECT_EQ(m.DistanceMatrix.at(2, 3), 5);
    EXPECT_EQ(m.MetricCode, 'E');
  }
}

TEST(DataLoad, BenchmarkPMedianInstanceLoads) {
  const std::string data = std::string(KORVELAN_BENCHMARKS) + "/data/";
  if (!std::filesystem::exists(data + "pmed1.net")) GTEST_SKIP() << "benchmark folder absent";
  LoadRequest r;
  r.MetricCode = 'N';
  r.DemandFileName = data + "pmed1.net";
  r.DistanceFileName = data + "pmed1.ned";
  EXPECT_EQ(CheckDistanceFile(r.DistanceFileName, AnnouncedNodeCount(r)), "");
  ModelState m;
  ASSERT_EQ(LoadDataSet(m, r), "");
  EXPECT_EQ(m.Numbnodes, 100);
  EXPECT_EQ(m.TotalDemand, 100);
  for (int i = 1; i <= 100; ++i) {
    EXPECT_EQ(m.DistanceMatrix.at(i, i), 0);
    EXPECT_EQ(m.NearestOrder.at(i, 1), i);
    for (int j = 1; j <= 100; ++j) ASSERT_EQ(m.DistanceMatrix.at(i, j), m.DistanceMatrix.at(j, i));
  }
}

namespace {

std::string NodeLines(int count) {
  std::string text;
  for (int k = 1; k <= count; ++k) text += std::to_string(k) + " " + std::to_string(k) + " 0 1 1 0\n";
  return text;
}

}  // namespace

TEST(LoadFormRules, DemandFileAboveTheNodeLimitIsRefusedNotCut) {
  TempFolder folder;
  LoadRequest r = Euclidean(folder.Write("big.euc", NodeLines(301)));
  const std::string error = "Too Many Nodes in the file ... Try a different file.\nFile [" + r.DemandFileName +
                            "] holds 301 lines; at most 300 nodes can be loaded.";
  EXPECT_EQ(ApplyLoadFormRules(r).error, error);
  ModelState m;
  EXPECT_EQ(LoadDataSet(m, r), error);
  EXPECT_EQ(m.Numbnodes, 0);
  r.DemandFileName = folder.Write("full.euc", NodeLines(300));
  EXPECT_EQ(ApplyLoadFormRules(r).error, "");
  EXPECT_EQ(LoadDataSet(m, r), "");
  EXPECT_EQ(m.Numbnodes, 300);
}

TEST(LoadFormRules, CandidateSitesBeyondTheLimitAreDroppedWithTheFormsMessage) {
  TempFolder folder;
  LoadRequest r = Euclidean(folder.Write("d.euc", NodeLines(250)));
  r.ExtraSitesFileName = folder.Write("s.euc", NodeLines(51));
  const std::string sites = r.ExtraSitesFileName;
  // Read as it stands, the load refuses the file rather than cut it.
  ModelState m;
  EXPECT_EQ(LoadDataSet(m, r), "Too Many Total Nodes ... Extra Sites Ignored.");
  const LoadRulesOutcome outcome = ApplyLoadFormRules(r);
  EXPECT_EQ(outcome.error, "");
  EXPECT_EQ(outcome.notice, "Too Many Total Nodes ... Extra Sites Ignored.\n250 demand nodes of [" +
                                r.DemandFileName + "] are used; the 51 lines of [" + sites + "] are not.");
  EXPECT_EQ(r.ExtraSitesFileName, "");
  ASSERT_EQ(LoadDataSet(m, r), "");
  EXPECT_EQ(m.Numbnodes, 250);
  EXPECT_EQ(m.ExtraSitesFileName, "");
  // 250 + 50 fit.
  r.ExtraSitesFileName = folder.Write("s50.euc", NodeLines(50));
  EXPECT_EQ(ApplyLoadFormRules(r).notice, "");
  EXPECT_EQ(r.ExtraSitesFileName, folder.Path("s50.euc"));
}

TEST(LoadFormRules, CirclePointsOnlyWhereTheFormOffersThem) {
  TempFolder folder;
  LoadRequest r = Euclidean(folder.Write("d13.euc", NodeLines(13)));
  r.CircleSites = true;
  const std::string tooMany =
      "Circle points are offered only when every point fits in the node table: 13 demand nodes are too many "
      "(at most 12)";
  EXPECT_EQ(ApplyLoadFormRules(r).error, tooMany);
  ModelState m;
  EXPECT_EQ(LoadDataSet(m, r), tooMany);
  r.DemandFileName = folder.Write("d4.grt", "1 0 0 1 1 0\n2 10 0 1 1 0\n3 0 10 1 1 0\n");
  r.MetricCode = 'G';
  EXPECT_EQ(ApplyLoadFormRules(r).error, "Circle points are offered for Euclidean data only");
  EXPECT_EQ(LoadDataSet(m, r), "Circle points are offered for Euclidean data only");
  r.MetricCode = 'E';
  EXPECT_EQ(ApplyLoadFormRules(r).error, "");
  ASSERT_EQ(LoadDataSet(m, r), "");
  EXPECT_EQ(m.Numbnodes, 3 + 3 + 1);
}

TEST(LoadFormRules, DistanceFileMustFitTheAnnouncedNodesExactly) {
  TempFolder folder;
  LoadRequest r = Euclidean(folder.Write("d.net", NodeLines(2)));
  r.MetricCode = 'N';
  r.ExtraSitesFileName = folder.Write("s.net", "s 5 5 x x 0\n");
  r.DistanceFileName = folder.Write("three.ned", "0\n1\n2\n1\n0\n3\n2\n3\n0\n");
  EXPECT_EQ(ApplyLoadFormRules(r).error, "");
  // The same matrix with the site file left out is for another node count.
  LoadRequest withoutSites = r;
  withoutSites.ExtraSitesFileName.clear();
  const std::string mismatch = "Number of Distances Incompatible with Input Files\nFile [" + r.DistanceFileName +
                               "] holds 9 lines; 2 nodes need 4.";
  EXPECT_EQ(ApplyLoadFormRules(withoutSites).error, mismatch);
  ModelState m;
  EXPECT_EQ(LoadDataSet(m, withoutSites), mismatch);
  // One line too many is refused when read, as when chosen.
  r.DistanceFileName = folder.Write("ten.ned", "0\n1\n2\n1\n0\n3\n2\n3\n0\n4\n");
  EXPECT_EQ(LoadDataSet(m, r), "Number of Distances Incompatible with Input Files\nFile [" + r.DistanceFileName +
                                   "] holds 10 lines; 3 nodes need 9.");
}

TEST(LoadFormRules, LoneCarriageReturnsEndLines) {
  TempFolder folder;
  ModelState m;
  ASSERT_EQ(LoadDataSet(m, Euclidean(folder.Write("cr.euc", "1 0 0 1 1 0\r2 3 0 1 1 0\r3 0 4 1 1 0\r"))), "");
  EXPECT_EQ(m.Numbnodes, 3);
  EXPECT_EQ(m.DistanceMatrix.at(2, 3), 5);
}

TEST(LoadFormRules, ValuesThatCannotStandAreRefusedWithFileAndLine) {
  TempFolder folder;
  LoadRequest r = Euclidean(folder.Write("globe.grt", "1 -122.4 37.8 1 1 0\n2 10 95 1 1 0\n"));
  r.MetricCode = 'G';
  ModelState m;
  EXPECT_EQ(LoadDataSet(m, r), "File [" + r.DemandFileName +
                                   "], line 2: field 3 (second coordinate) \"95\" is not a latitude; great-circle "
                                   "data need -90 <= Y <= 90");
  r = Euclidean(folder.Write("heavy.euc", "1 0 0 1e306 0 0\n2 1000 0 1 1 0\n"));
  EXPECT_EQ(LoadDataSet(m, r),
            "The demands are too large for the distances: the total demand times the largest distance must stay "
            "below 1.79769e+308");
  EXPECT_EQ(m.Numbnodes, 0);
  r = Euclidean(folder.Write("subsidy.euc", "1 0 0 1 1 -500\n2 10 0 1 1 0\n"));
  ASSERT_EQ(LoadDataSet(m, r), "");
  EXPECT_EQ(m.Node(1).FixedCost, -500);
}
