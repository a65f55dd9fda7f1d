#include <gtest/gtest.h>

#include <string>

#include "DataTestSupport.h"
#include "data/DataEdits.h"
#include "data/DataLoad.h"
#include "data/Distances.h"
#include "data/EditorFiles.h"

using namespace korvelan;

namespace {

// Two named demand nodes and one candidate-only site without a name.
ModelState NamedModel(const TempFolder& folder) {
  LoadRequest r;
  r.MetricCode = 'E';
  r.DemandFileName = folder.Write("d.euc", "1 -87.6298 41.8781 100 20 5000 <Chicago>\n2 3 4 8 8 60 <Beta>\n");
  r.ExtraSitesFileName = folder.Write("s.euc", "1 0 4 0 0 70\n");
  r.DemandWeight = 0.25;
  ModelState m;
  EXPECT_EQ(LoadDataSet(m, r), "");
  return m;
}

LoadRequest Reload(const std::string& demand, char metric = 'E') {
  LoadRequest r;
  r.MetricCode = metric;
  r.DemandFileName = demand;
  return r;
}

}  // namespace

TEST(EditorFiles, DemandDataLayout) {
  TempFolder folder;
  ModelState m = NamedModel(folder);
  EXPECT_EQ(DemandDataText(m),
            "         1      -87.62980       41.87810             40             40           5000 < Chicago >\n"
            "         2        3.00000        4.00000              8              8             60 < Beta >\n"
            "         3        0.00000        4.00000              0              0             70 <  >\n");
  m.Node(1).NodeName = m.Node(2).NodeName = "";
  m.NamesPresent = 0;
  EXPECT_EQ(DemandDataText(m).substr(0, 86),
            "         1      -87.62980       41.87810             40             40           5000\n");
}

TEST(EditorFiles, SavedDemandDataReloadsAsDemandNodesWithTheSameValues) {
  for (double weight : {1.0, 0.25, 0.0}) {
    SCOPED_TRACE(weight);
    TempFolder folder;
    ModelState m = NamedModel(folder);
    ASSERT_EQ(EditNodeField(m, 2, NodeField::Demand, "123456789012345"), "");  // fills its 15 characters
    ASSERT_EQ(EditNodeField(m, 3, NodeField::FixedCost, "999999999999999"), "");
    const std::string path = folder.Path("saved.euc");
    ASSERT_EQ(SaveDemandData(m, path), "");
    ModelState back;
    LoadRequest r = Reload(path);
    r.DemandWeight = weight;
    ASSERT_EQ(LoadDataSet(back, r), "");
    EXPECT_EQ(back.Numbnodes, 3);
    EXPECT_EQ(back.NumDemandNodes, 3);
    for (int k = 1; k <= 3; ++k) {
      EXPECT_EQ(back.Node(k).Demand, m.Node(k).Demand) << k;
      EXPECT_EQ(back.Node(k).FixedCost, m.Node(k).FixedCost) << k;
      EXPECT_DOUBLE_EQ(back.Node(k).XCoord, m.Node(k).XCoord) << k;
      EXPECT_DOUBLE_EQ(back.Node(k).YCoord, m.Node(k).YCoord) << k;
      EXPECT_EQ(back.Node(k).NodeName, m.Node(k).NodeName) << k;
    }
    EXPECT_TRUE(back.NamesPresent);
  }
}

TEST(EditorFiles, FractionalValuesAreNamedBeforeTheyAreRounded) {
  TempFolder folder;
  ModelState m = NamedModel(folder);
  EXPECT_EQ(FractionalValuesWarning(m), "");
  ASSERT_EQ(EditNodeField(m, 2, NodeField::Demand, "2.5"), "");
  EXPECT_EQ(FractionalValuesWarning(m),
            "The demand data file holds demand and fixed cost as whole numbers.\r"
            "1 node has a fractional demand or fixed cost (the first is node 2), which will be rounded.\r"
            "Do you want to save the rounded values?");
  ASSERT_EQ(EditNodeField(m, 3, NodeField::FixedCost, "0.1"), "");
  EXPECT_NE(FractionalValuesWarning(m).find("2 nodes have a fractional demand or fixed cost (the first is node 2)"),
            std::string::npos);
  EXPECT_NE(DemandDataText(m).find("\n         2        3.00000        4.00000              2              2"),
            std::string::npos);  // 2.5 is rounded to the even neighbour
}

TEST(EditorFiles, AsymmetricMatrixReadsBackEntryForEntry) {
  TempFolder folder;
  ModelState m = NamedModel(folder);
  ASSERT_EQ(EditDistance(m, 1, 3, "17"), "");
  ASSERT_EQ(EditDistance(m, 3, 2, "123456"), "");
  const std::string path = folder.Path("saved.eud");
  ASSERT_EQ(SaveEditedDistances(m, path), "");
  // Column by column: d(1,1), d(2,1), d(3,1), d(1,2), d(2,2), d(3,2), d(1,3), ...
  const std::string text = TempFolder::Read(path);
  EXPECT_NE(text.find("\n0\n123456\n17\n"), std::string::npos);
  NodeMatrix back;
  ASSERT_EQ(ReadDistanceFile(path, 3, back), "");
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(back.at(i, j), m.DistanceMatrix.at(i, j)) << i << ", " << j;
}
