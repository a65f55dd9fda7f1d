#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "data/DistanceTransform.h"
#include "data/Distances.h"
#include "data/TransformFields.h"

using namespace korvelan;

namespace {

// A model of n nodes whose matrix holds the given rows.
ModelState MatrixModel(const std::vector<std::vector<int32_t>>& rows) {
  ModelState m;
  const int n = static_cast<int>(rows.size());
  m.Numbnodes = m.NumDemandNodes = static_cast<uint16_t>(n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) m.DistanceMatrix.at(i, j) = rows[i - 1][j - 1];
  BuildNearestOrder(m);
  m.MaxDistance = LargestDistance(m.DistanceMatrix, n);
  return m;
}

std::vector<std::vector<int32_t>> Entries(const ModelState& m) {
  std::vector<std::vector<int32_t>> rows(m.Numbnodes);
  for (int i = 1; i <= m.Numbnodes; ++i)
    for (int j = 1; j <= m.Numbnodes; ++j) rows[i - 1].push_back(m.DistanceMatrix.at(i, j));
  return rows;
}

// Every NearestOrder row lists each node once, by ascending distance.
void ExpectNearestOrderFollowsMatrix(const ModelState& m) {
  for (int i = 1; i <= m.Numbnodes; ++i) {
    std::vector<int> seen;
    for (int k = 1; k <= m.Numbnodes; ++k) {
      seen.push_back(m.NearestOrder.at(i, k));
      if (k > 1) {
        EXPECT_LE(m.DistanceMatrix.at(i, m.NearestOrder.at(i, k - 1)), m.DistanceMatrix.at(i, m.NearestOrder.at(i, k)))
            << "row " << i << " position " << k;
      }
    }
    std::sort(seen.begin(), seen.end());
    for (int k = 1; k <= m.Numbnodes; ++k) EXPECT_EQ(seen[k - 1], k);
  }
}

const std::vector<std::vector<int32_t>> kMatrix = {{0, 10, 11, 40}, {12, 0, 9, 3}, {25, 10, 0, 7}, {1, 60, 8, 0}};

}  // namespace

TEST(DistanceTransform, IdentityLeavesEveryEntryAndNeedsNoScaling) {
  ModelState m = MatrixModel(kMatrix);
  const MatrixUpdateOutcome outcome = UpdateMatrix(m, DistanceTransform{});
  EXPECT_TRUE(outcome.applied());
  EXPECT_EQ(outcome.notices,
            (std::vector<std::string>{"Cover Dist Local = 10", "<<< NO SCALING OF DISTANCES IS NEEDED.  NONE WILL BE DONE >>>"}));
  EXPECT_EQ(Entries(m), kMatrix);
  EXPECT_EQ(m.MaxDistance, 60);
}

// Each row of the transform gives its own constant (coefficient 0), so the new
// value names the row an entry used: an entry equal to the critical distance is near.
TEST(DistanceTransform, EntryPicksItsRowByCriticalDistanceAndDiagonal) {
  ModelState m = MatrixModel({{10, 10, 11}, {9, 11, 0}, {10, 12, 10}});
  DistanceTransform t;
  for (int r = 0; r < TransformRows; ++r) t.rows[r] = {100.0 * (r + 1), 0, 1};
  const MatrixUpdateOutcome outcome = UpdateMatrix(m, t);
  ASSERT_TRUE(outcome.applied());
  EXPECT_EQ(Entries(m), (std::vector<std::vector<int32_t>>{{100, 200, 400}, {200, 300, 200}, {200, 400, 100}}));
}

TEST(DistanceTransform, ZeroEntryBecomesTheRowConstantWhateverTheExponent) {
  for (double exponent : {-3.0, 0.0, 0.5, 2.0}) {
    ModelState m = MatrixModel({{0, 4}, {0, 0}});
    DistanceTransform t;
    t.rows[0] = {7, 5, exponent};
    t.rows[1] = {3, 2, exponent};
    ASSERT_TRUE(UpdateMatrix(m, t).applied());
    EXPECT_EQ(m.DistanceMatrix.at(1, 1), 7) << exponent;
    EXPECT_EQ(m.DistanceMatrix.at(2, 1), 3) << exponent;
    EXPECT_EQ(m.DistanceMatrix.at(1, 2), static_cast<int32_t>(std::nearbyint(3 + 2 * std::pow(4.0, exponent))));
  }
}

TEST(DistanceTransform, PowerRoundsHalvesToEven) {
  // 0.5 x 5 = 2.5 is stored as 2, 0.5 x 7 = 3.5 as 4.
  ModelState m = MatrixModel({{0, 5}, {7, 0}});
  DistanceTransform t;
  t.rows[1] = {0, 0.5, 1};
  ASSERT_TRUE(UpdateMatrix(m, t).applied());
  EXPECT_EQ(m.DistanceMatrix.at(1, 2), 2);
  EXPECT_EQ(m.DistanceMatrix.at(2, 1), 4);
}

struct ScaleCase {
  const char* name;
  int32_t maxScale;
  bool scale;
  double coefficient;  // off-diagonal rows; diagonal entries stay 0
  std::vector<std::string> decision;  // notices after "Cover Dist Local = 10"
  std::vector<std::vector<int32_t>> result;
};

TEST(DistanceTransform, ScalingDecisions) {
  const std::vector<std::vector<int32_t>> matrix = {{0, 20}, {50, 0}};
  const ScaleCase cases[] = {
      {"target equals largest value", 50, true, 1,
       {"<<< DISTANCES WILL BE SCALED SO MAXIMUM DISTANCE = 50.0 >>>"}, {{0, 20}, {50, 0}}},
      {"target below largest", 25, true, 1,
       {"<<< DISTANCES WILL BE SCALED SO MAXIMUM DISTANCE = 25.0 >>>"}, {{0, 10}, {25, 0}}},
      {"scaling not requested", 25, false, 1,
       {"<<< DISTANCES SHOULD BE SCALED SO MAXIMUM DISTANCE = 25.0 >>>\r"
        "<<< BUT YOU REQUESTED NO SCALING SO THEY WILL NOT BE SCALED >>>"},
       {{0, 20}, {50, 0}}},
      {"target above largest", 51, true, 1, {"<<< NO SCALING OF DISTANCES IS NEEDED.  NONE WILL BE DONE >>>"},
       {{0, 20}, {50, 0}}},
      {"target 0", 0, true, 1,
       {"<<< A MAXIMUM DISTANCE OF 0.0 WOULD MAKE EVERY DISTANCE 0 >>>\r<<< NO SCALING TO IT WILL BE DONE >>>"},
       {{0, 20}, {50, 0}}},
      {"target 0 and largest value 0", 0, true, 0,
       {"<<< A MAXIMUM DISTANCE OF 0.0 WOULD MAKE EVERY DISTANCE 0 >>>\r<<< NO SCALING TO IT WILL BE DONE >>>"},
       {{0, 0}, {0, 0}}},
      {"beyond 32 bits, scaling not requested", 1000000000, false, 1e8,
       {"<<< DISTANCES SHOULD BE SCALED SO MAXIMUM DISTANCE = 1,000,000,000.0 >>>\r"
        "<<< BUT YOU REQUESTED NO SCALING SO THEY WILL NOT BE SCALED >>>",
        "<<< DISTANCES MUST BE SCALED SO MAXIMUM DISTANCE = 2,147,483,646.0 >>>"},
       {{0, 858993458}, {2147483646, 0}}},
      {"beyond 32 bits, scaled to the target", 1000, true, 1e8,
       {"<<< DISTANCES WILL BE SCALED SO MAXIMUM DISTANCE = 1,000.0 >>>",
        "<<< DISTANCES MUST BE SCALED SO MAXIMUM DISTANCE = 2,147,483,646.0 >>>"},
       {{0, 400}, {1000, 0}}},
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(c.name);
    ModelState m = MatrixModel(matrix);
    DistanceTransform t;
    t.MaxScaleDistance = c.maxScale;
    t.ScaleDistances = c.scale;
    t.rows[1].TransformCoefficient = t.rows[3].TransformCoefficient = c.coefficient;
    const MatrixUpdateOutcome outcome = UpdateMatrix(m, t);
    ASSERT_TRUE(outcome.applied()) << outcome.refusal;
    std::vector<std::string> expected = {"Cover Dist Local = 10"};
    expected.insert(expected.end(), c.decision.begin(), c.decision.end());
    EXPECT_EQ(outcome.notices, expected);
    EXPECT_EQ(Entries(m), c.result);
    EXPECT_EQ(m.MaxDistance, std::max(c.result[0][1], c.result[1][0]));
  }
}

TEST(DistanceTransform, NegativeEntryKeepsItsSignAndResultsBeyond32BitsAreRefused) {
  ModelState identity = MatrixModel({{0, -9}, {4, 0}});
  ASSERT_TRUE(UpdateMatrix(identity, DistanceTransform{}).applied());
  EXPECT_EQ(identity.DistanceMatrix.at(1, 2), -9);

  ModelState m = MatrixModel({{0, -100000}, {4, 0}});
  const auto order = m.NearestOrder.at(2, 1);
  DistanceTransform t;
  t.rows[1].TransformExponent = 2;  // -(100000^2) = -1e10
  const MatrixUpdateOutcome outcome = UpdateMatrix(m, t);
  EXPECT_FALSE(outcome.applied());
  EXPECT_EQ(outcome.refusal,
            "<<< THE NEW DISTANCE IN ROW 1, COLUMN 2 WOULD BE -10,000,000,000.0 >>>\r"
            "<<< THAT IS OUTSIDE THE RANGE OF DISTANCES.  THE MATRIX IS UNCHANGED >>>");
  EXPECT_EQ(Entries(m), (std::vector<std::vector<int32_t>>{{0, -100000}, {4, 0}}));
  EXPECT_EQ(m.NearestOrder.at(2, 1), order);
}

TEST(DistanceTransform, NearestOrderAndLargestDistanceFollowTheNewMatrix) {
  ModelState m = MatrixModel(kMatrix);
  DistanceTransform t;
  t.rows[1] = {0, 1000, -1};  // near entries: the order within them reverses
  t.rows[3] = {0, 1, 2};
  ASSERT_TRUE(UpdateMatrix(m, t).applied());
  EXPECT_EQ(m.DistanceMatrix.at(2, 4), 333);
  EXPECT_EQ(m.DistanceMatrix.at(4, 2), 3600);
  EXPECT_EQ(m.MaxDistance, 3600);
  ExpectNearestOrderFollowsMatrix(m);
}

TEST(TransformFields, ReadingsOfTheMatrixUpdateFields) {
  const std::string conversion = "Specified value did not convert correctly... Warning\rDefault value used and shown";
  struct RealCase {
    std::string text;
    double lo, hi, value;
    std::string warning;
  };
  const RealCase reals[] = {
      {"", 0, 1e9, 4, ""},
      {"2.5", 0, 1e9, 2.5, ""},
      {"1,000,000.000", 0, 1e9, 1e6, ""},
      {"1.2.3", 0, 1e9, 4, "Conversion Error"},
      {"-", -10, 10, 4, "Conversion Error"},
      {"-10.5", -10, 10, 4, "Invalid Parameter Value.  Must have -10.00 <= X <= 10.00"},
      {"1000000001", 0, 1e9, 4, "Invalid Parameter Value.  Must have 0.00 <= X <= 1000000000.00"},
  };
  for (const RealCase& c : reals) {
    const FieldReading<double> r = ReadRealField(c.text, 4, c.lo, c.hi);
    EXPECT_EQ(r.value, c.value) << c.text;
    EXPECT_EQ(r.warning, c.warning) << c.text;
  }
  struct WholeCase {
    std::string text;
    bool critical;
    int32_t value;
    std::string warning;
    bool beep;
  };
  const WholeCase wholes[] = {
      {"", false, 77, "", false},
      {"500", false, 500, "", false},
      {"0500", false, 500, conversion, true},
      {"5.5", false, 77, conversion, true},
      {"1000000001", false, 77, "Invalid Parameter Value.  Must have 0 <= X <= 1000000000", false},
      {"-3", false, 77, "Invalid Parameter Value.  Must have 0 <= X <= 1000000000", false},
      {"-3", true, -3, "", false},
      {"x", true, 10, conversion, true},
      {"99999999999", true, 10, conversion, true},
  };
  for (const WholeCase& c : wholes) {
    const FieldReading<int32_t> r =
        c.critical ? ReadCriticalDistanceField(c.text, 77) : ReadIntegerField(c.text, 77, 0, 1000000000);
    EXPECT_EQ(r.value, c.value) << c.text;
    EXPECT_EQ(r.warning, c.warning) << c.text;
    EXPECT_EQ(r.beep, c.beep) << c.text;
  }
  EXPECT_EQ(ConstantFieldText(1234567.5), "1,234,567.500");
  EXPECT_EQ(ExponentFieldText(-0.5), "-0.500000");
}
