#include <gtest/gtest.h>

#include <random>

#include "DataTestSupport.h"
#include "data/Distances.h"

using namespace korvelan;

namespace {

int32_t Computed(char metric, LoadedNode a, LoadedNode b, Extended diameter = EarthDiameterMiles) {
  NodeMatrix matrix;
  EXPECT_EQ(ComputeDistanceMatrix({a, b}, metric, diameter, matrix), "");
  EXPECT_EQ(matrix.at(1, 2), matrix.at(2, 1));
  EXPECT_EQ(matrix.at(1, 1), 0);
  return matrix.at(1, 2);
}

}  // namespace

TEST(Distances, HalvesRoundToEven) {
  EXPECT_EQ(Computed('E', At(0, 0), At(2.5, 0)), 2);
  EXPECT_EQ(Computed('E', At(0, 0), At(3.5, 0)), 4);
  EXPECT_EQ(Computed('E', At(0, 0), At(3, 4)), 5);
  EXPECT_EQ(Computed('M', At(1, 1), At(-0.25, 2.25)), 2);  // 1.25 + 1.25 = 2.5
  EXPECT_EQ(Computed('M', At(0, 0), At(3, -4)), 7);
}

TEST(Distances, GreatCircleWithItsOwnConstants) {
  EXPECT_NEAR(static_cast<double>(PointDistance('G', EarthDiameterMiles, 0, 0, 90, 0)), 6218.78, 0.01);
  EXPECT_EQ(Computed('G', At(0, 0), At(90, 0)), 6219);
  EXPECT_NEAR(static_cast<double>(PointDistance('G', EarthDiameterMiles, 0, 0, 180, 0)), 12437.565, 0.001);
  EXPECT_EQ(Computed('G', At(0, 0), At(180, 0)), 12438);
  EXPECT_EQ(Computed('G', At(0, 0), At(90, 0), EarthDiameterKilometres), 10008);  // 1.5707963268 x 6371.41
}

TEST(Distances, ArcCosBranches) {
  EXPECT_EQ(ArcCos(0), 1.5707963268);
  EXPECT_EQ(ArcCos(1), 0);
  EXPECT_EQ(ArcCos(1.0000001), 0);
  EXPECT_EQ(ArcCos(-1), 3.1415926536);
  EXPECT_NEAR(ArcCos(0.5), std::acos(0.5), 1e-12);
  EXPECT_NEAR(ArcCos(-0.5), std::acos(-0.5) + (3.1415926536 - M_PI), 1e-12);
}

TEST(Distances, SamePlaceIsZeroInEveryMetric) {
  for (char metric : {'E', 'G', 'M'})
    EXPECT_EQ(Computed(metric, At(12.3, 45.6), At(12.3, 45.6)), 0) << metric;
}

TEST(Distances, TooLargeForThirtyTwoBits) {
  NodeMatrix matrix;
  EXPECT_EQ(ComputeDistanceMatrix({At(0, 0), At(3e9, 0)}, 'E', EarthDiameterMiles, matrix),
            "The distance from node 1 to node 2 is too large to be stored as a whole number");
  EXPECT_EQ(ComputeDistanceMatrix({At(-1e308, 0), At(1e308, 0)}, 'M', EarthDiameterMiles, matrix),
            "The distance from node 1 to node 2 is too large to be stored as a whole number");
}

TEST(Distances, FileIsReadColumnByColumn) {
  // d(r,c) = 10 r + c: the file lists column 1 first: 11, 21, 31, then 12, 22, 32, ...
  NodeMatrix matrix;
  ASSERT_EQ(ReadDistanceText("11\n21\n31\r\n12\n22\n32\n13\n23\n 33 \n\n", "a.ned", 3, matrix), "");
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(matrix.at(r, c), 10 * r + c);
  NodeMatrix order;
  BuildNearestOrder(matrix, 3, order);
  EXPECT_EQ(order.at(3, 1), 1);  // row 3 holds 31, 32, 33
  EXPECT_EQ(LargestDistance(matrix, 3), 33);
}

TEST(Distances, BadDistanceFilesStopWithTheCountMessage) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"0\n1\n1\n",
       "Number of Distances Incompatible with Input Files\nFile [d.ned] holds 3 lines; 2 nodes need 4."},
      {"0\n1\nx\n0\n",
       "Number of Distances Incompatible with Input Files\nFile [d.ned], line 3: the distance \"x\" is not a "
       "whole number"},
      {"0\n1\n1.5\n0\n",
       "Number of Distances Incompatible with Input Files\nFile [d.ned], line 3: the distance \"1.5\" is not "
       "a whole number"},
      {"0\n1\n\n0\n",
       "Number of Distances Incompatible with Input Files\nFile [d.ned], line 3: the distance is missing"},
      {"0\n4294967296\n1\n0\n",
       "Number of Distances Incompatible with Input Files\nFile [d.ned], line 2: the distance \"4294967296\" "
       "is out of range"},
      // One line too many, or a matrix for another node count, is never read misaligned.
      {"0\n1\n1\n0\n5\n",
       "Number of Distances Incompatible with Input Files\nFile [d.ned] holds 5 lines; 2 nodes need 4."},
      {"0\n1\n2\n1\n0\n3\n2\n3\n0\n",
       "Number of Distances Incompatible with Input Files\nFile [d.ned] holds 9 lines; 2 nodes need 4."},
      {"0\n-1\n1\n0\n", "File [d.ned], line 2: the distance \"-1\" is negative; distances cannot be below 0"},
      // A file with lone CR line ends has four lines, not one.
      {"0\r-7\r1\r0\r", "File [d.ned], line 2: the distance \"-7\" is negative; distances cannot be below 0"},
  };
  for (const Case& c : cases) {
    NodeMatrix matrix;
    EXPECT_EQ(ReadDistanceText(c.text, "d.ned", 2, matrix), c.error);
  }
}

TEST(Distances, ChoosingAFileChecksItsLineCount) {
  TempFolder folder;
  const std::string four = folder.Write("four.ned", "0\n1\n1\n0\n");
  const std::string five = folder.Write("five.ned", "0\n1\n1\n0\n7\n");
  EXPECT_EQ(CheckDistanceFile(four, 2), "");
  EXPECT_EQ(CheckDistanceFile(five, 2), "Number of Distances Incompatible with Input Files\nFile [" + five +
                                            "] holds 5 lines; 2 nodes need 4.");
  EXPECT_NE(CheckDistanceFile(folder.Path("none.ned"), 2), "");
}

TEST(Distances, NearestOrderSortsEveryRow) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int32_t> value(0, 6);  // many ties
  for (int trial = 0; trial < 20; ++trial) {
    const int n = 1 + trial % 12;
    NodeMatrix matrix, order;
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) matrix.at(i, j) = value(random);
    BuildNearestOrder(matrix, n, order);
    for (int i = 1; i <= n; ++i) {
      std::vector<int> seen(n + 1, 0);
      for (int k = 1; k <= n; ++k) ++seen[order.at(i, k)];
      for (int j = 1; j <= n; ++j) EXPECT_EQ(seen[j], 1);
      for (int k = 2; k <= n; ++k) EXPECT_LE(matrix.at(i, order.at(i, k - 1)), matrix.at(i, order.at(i, k)));
      EXPECT_EQ(order.at(i, n + 1), 0);
    }
  }
}

TEST(Distances, SavedFileReadsBackAndReplacesAtomically) {
  TempFolder folder;
  ModelState m;
  m.Numbnodes = 2;
  m.DistanceMatrix.at(1, 2) = 7;
  m.DistanceMatrix.at(2, 1) = 9;
  const std::string path = folder.Write("saved.eud", "old contents\n");
  ASSERT_EQ(SaveDistanceFile(m, path), "");
  EXPECT_EQ(TempFolder::Read(path), "0\n7\n9\n0\n");  // row by row
  EXPECT_EQ(DistanceFileText(m.DistanceMatrix, 2, DistanceOrder::ColumnByColumn), "0\n9\n7\n0\n");
  NodeMatrix back;
  ASSERT_EQ(
      ReadDistanceText(DistanceFileText(m.DistanceMatrix, 2, DistanceOrder::ColumnByColumn), "x", 2, back),
      "");
  EXPECT_EQ(back.at(1, 2), 7);
  EXPECT_EQ(back.at(2, 1), 9);
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path(""))) ++files;
  EXPECT_EQ(files, 1u);  // no temporary file left behind
}

TEST(Distances, FailedSaveKeepsNothingHalfWritten) {
  TempFolder folder;
  ModelState m;
  m.Numbnodes = 1;
  const std::string missingFolder = folder.Path("no/such/folder/d.eud");
  EXPECT_NE(SaveDistanceFile(m, missingFolder), "");
  EXPECT_FALSE(std::filesystem::exists(missingFolder));
  EXPECT_EQ(SaveDistanceFile(m, folder.Path("")),
            "Error writing file [" + folder.Path("") + "]: it is a folder");
}
