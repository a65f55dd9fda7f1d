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
