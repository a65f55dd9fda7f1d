#include <gtest/gtest.h>

#include "data/BorderFile.h"

using namespace korvelan;

namespace {

std::vector<std::pair<double, double>> Points(const BorderFileResult& r) {
  std::vector<std::pair<double, double>> points;
  for (const BorderPoint& p : r.points) points.emplace_back(p.x, p.y);
  return points;
}

}  // namespace

TEST(BorderFile, CountLineIsOptionalAndPointsAreReversed) {
  const BorderFileResult counted = ReadBorderText("3\n1.5 2\n3 4\r\n-999 -999\n", "b.brd");
  ASSERT_TRUE(counted.ok()) << counted.error;
  EXPECT_EQ(counted.declaredCount, 3);
  EXPECT_EQ(Points(counted), (std::vector<std::pair<double, double>>{{-999, -999}, {3, 4}, {1.5, 2}}));

  const BorderFileResult uncounted = ReadBorderText("1.5 2\n\n3\t4\n", "b.brd");
  ASSERT_TRUE(uncounted.ok()) << uncounted.error;
  EXPECT_FALSE(uncounted.declaredCount);
  EXPECT_EQ(Points(uncounted), (std::vector<std::pair<double, double>>{{3, 4}, {1.5, 2}}));

  // A first line of two whole numbers is a point, not a count.
  EXPECT_EQ(Points(ReadBorderText("10 20\n30 40\n", "b.brd")),
            (std::vector<std::pair<double, double>>{{30, 40}, {10, 20}}));
}

TEST(BorderFile, FaultsNameTheLine) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"2\n1 2\n3\n", "File [b.brd], line 3: a point needs two numbers, x and y"},
      {"1 2 3\n", "File [b.brd], line 1: a point holds only two numbers, x and y"},
      {"1 y\n", "File [b.brd], line 1: the coordinate \"y\" is not a number"},
      {"1 1e400\n", "File [b.brd], line 1: the coordinate \"1e400\" is out of range"},
      {"5\n", "File [b.brd] holds no border points"},
      {"", "File [b.brd] holds no border points"},
  };
  for (const auto& c : cases) {
    const BorderFileResult r = ReadBorderText(c.text, "b.brd");
    EXPECT_EQ(r.error, c.error);
    EXPECT_TRUE(r.points.empty());
  }
}
