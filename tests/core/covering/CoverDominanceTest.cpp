#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <iterator>
#include <random>
#include <vector>

#include "covering/CoverDominance.h"

namespace korvelan {
namespace {

// Rows are node numbers 2, 4, 6, ... (not positions), so that the reduction must map them.
int RowNode(int r) { return 2 * (r + 1); }

struct Matrix {
  std::vector<int> rows;
  std::vector<std::vector<uint16_t>> columns;
};

DominanceResult Reduce(const Matrix& matrix, bool wholeCover, long workLimit = -1) {
  ColumnLists lists;
  for (const std::vector<uint16_t>& column : matrix.columns) {
    lists.entries.insert(lists.entries.end(), column.begin(), column.end());
    lists.Close();
  }
  return ReduceByDominance(matrix.rows, lists, wholeCover, workLimit);
}

// A random matrix with ties on purpose: some columns repeat an earlier one, some are
// an earlier one less a row, and rows may share all their columns.
Matrix RandomMatrix(unsigned seed, int rows, int columns) {
  std::mt19937 rng(seed);
  Matrix matrix;
  for (int r = 0; r < rows; ++r) matrix.rows.push_back(RowNode(r));
  std::vector<unsigned> masks;
  for (int c = 0; c < columns; ++c) {
    unsigned mask = rng() & ((1u << rows) - 1);
    if (c > 0 && rng() % 3 == 0) mask = masks[rng() % masks.size()];                       // an equal column
    if (c > 0 && rng() % 4 == 0) mask = masks[rng() % masks.size()] & ~(1u << (rng() % rows));  // a smaller one
    masks.push_back(mask);
    std::vector<uint16_t>& column = matrix.columns.emplace_back();
    for (int r = 0; r < rows; ++r)
      if (mask & (1u << r)) column.push_back(static_cast<uint16_t>(RowNode(r)));
  }
  return matrix;
}

// Rows (positions) each column covers, as masks.
std::vector<unsigned> ColumnMasks(const Matrix& matrix) {
  std::vector<unsigned> masks;
  for (const std::vector<uint16_t>& column : matrix.columns) {
    unsigned mask = 0;
    for (uint16_t node : column) mask |= 1u << (node / 2 - 1);
    masks.push_back(mask);
  }
  return masks;
}

unsigned Covered(const std::vector<unsigned>& masks, unsigned chosen) {
  unsigned covered = 0;
  for (size_t c = 0; c < masks.size(); ++c)
    if (chosen & (1u << c)) covered |= masks[c];
  return covered;
}

unsigned KeptMask(const std::vector<uint8_t>& kept) {
  unsigned mask = 0;
  for (size_t k = 0; k < kept.size(); ++k)
    if (kept[k]) mask |= 1u << k;
  return mask;
}

// Fewest columns among `allowed` covering every row of `rows`; -1 when none do.
int FewestCovering(const std::vector<unsigned>& masks, unsigned allowed, unsigned rows) {
  int fewest = -1;
  for (unsigned chosen = 0; chosen < (1u << masks.size()); ++chosen)
    if ((chosen & ~allowed) == 0 && (Covered(masks, chosen) & rows) == rows &&
        (fewest < 0 || std::popcount(chosen) < fewest))
      fewest = std::popcount(chosen);
  return fewest;
}

// Largest weight of rows that at most k columns among `allowed` cover.
int BestWeight(const std::vector<unsigned>& masks, unsigned allowed, int k, const std::vector<int>& weight) {
  int best = 0;
  for (unsigned chosen = 0; chosen < (1u << masks.size()); ++chosen) {
    if ((chosen & ~allowed) != 0 || std::popcount(chosen) > k) continue;
    const unsigned covered = Covered(masks, chosen);
    int sum = 0;
    for (size_t r = 0; r < weight.size(); ++r)
      if (covered & (1u << r)) sum += weight[r];
    best = std::max(best, sum);
  }
  return best;
}

// The default work limit, none at all, and limits that run out part way.
const long kWorkLimits[] = {-1, 0, 25, 120};

// With every row to cover, the kept columns over the kept rows need exactly as many
// columns as the whole problem, and every cover of the kept rows by kept columns
// covers every row, whatever the work limit.
TEST(CoverDominance, WholeCoverKeepsTheFewestColumnsAndEveryCoverOfTheKeptRows) {
  int rowsRemoved = 0;
  int columnsRemoved = 0;
  for (unsigned run = 0; run < 60 * std::size(kWorkLimits); ++run) {
    const unsigned seed = 1 + run / std::size(kWorkLimits);
    const long workLimit = kWorkLimits[run % std::size(kWorkLimits)];
    const int rows = 4 + static_cast<int>(seed % 6);
    const int columns = 5 + static_cast<int>(seed % 8);
    const Matrix matrix = RandomMatrix(seed, rows, columns);
    const std::vector<unsigned> masks = ColumnMasks(matrix);
    const unsigned everyColumn = (1u << columns) - 1;
    const unsigned coverable = Covered(masks, everyColumn);
    const DominanceResult result = Reduce(matrix, true, workLimit);
    SCOPED_TRACE(::testing::Message() << "seed " << seed << " work limit " << workLimit);
    ASSERT_EQ(result.columnKept.size(), matrix.columns.size());
    ASSERT_EQ(result.rowKept.size(), matrix.rows.size());
    const unsigned keptColumns = KeptMask(result.columnKept);
    const unsigned keptRows = KeptMask(result.rowKept) & coverable;
    EXPECT_EQ(FewestCovering(masks, keptColumns, keptRows), FewestCovering(masks, everyColumn, coverable));
    for (unsigned chosen = 0; chosen <= keptColumns; ++chosen)
      if ((chosen & ~keptColumns) == 0 && (Covered(masks, chosen) & keptRows) == keptRows) {
        EXPECT_EQ(Covered(masks, chosen) & coverable, coverable);
      }
    columnsRemoved += columns - std::popcount(keptColumns);
    rowsRemoved += rows - std::popcount(KeptMask(result.rowKept));
  }
  EXPECT_GT(columnsRemoved, 60);  // the instances hold dominance of both kinds
  EXPECT_GT(rowsRemoved, 30);
}

// With a partial target every row stays, and for every number of columns and any row
// weights the kept columns cover as much as all of them, whatever the work limit.
TEST(CoverDominance, PartialTargetsKeepEveryRowAndTheBestCoverage) {
  for (unsigned run = 0; run < 40 * std::size(kWorkLimits); ++run) {
    const unsigned seed = 1 + run / std::size(kWorkLimits);
    const long workLimit = kWorkLimits[run % std::size(kWorkLimits)];
    const int rows = 4 + static_cast<int>(seed % 5);
    const int columns = 5 + static_cast<int>(seed % 6);
    const Matrix matrix = RandomMatrix(seed * 11, rows, columns);
    const std::vector<unsigned> masks = ColumnMasks(matrix);
    std::vector<int> weight;
    for (int r = 0; r < rows; ++r) weight.push_back(1 + (static_cast<int>(seed) + 3 * r) % 5);
    const DominanceResult result = Reduce(matrix, false, workLimit);
    SCOPED_TRACE(::testing::Message() << "seed " << seed << " work limit " << workLimit);
    EXPECT_EQ(KeptMask(result.rowKept), (1u << rows) - 1);
    for (int k = 1; k <= columns; ++k)
      EXPECT_EQ(BestWeight(masks, KeptMask(result.columnKept), k, weight),
                BestWeight(masks, (1u << columns) - 1, k, weight));
  }
}

// Of equal columns (rows) exactly the first (the lowest node) stays; a column without
// rows goes.
TEST(CoverDominance, KeepsOneOfEqualColumnsAndRows) {
  struct Case {
    const char* name;
    std::vector<std::vector<uint16_t>> columns;
    bool wholeCover;
    std::vector<uint8_t> columnKept;
    std::vector<uint8_t> rowKept;
  };
  const Case cases[] = {
      {"three equal columns", {{2, 4}, {2, 4}, {2, 4}}, true, {1, 0, 0}, {1, 0}},
      {"equal columns, partial", {{2, 4}, {2, 4}, {4}}, false, {1, 0, 0}, {1, 1}},
      {"a column within another", {{4}, {2, 4}, {}}, true, {0, 1, 0}, {1, 0}},
      {"rows with the same columns", {{2, 4}, {2, 4, 6}}, true, {0, 1}, {1, 0, 0}},
      {"no dominance", {{2, 4}, {4, 6}, {2, 6}}, true, {1, 1, 1}, {1, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Matrix matrix;
    for (size_t r = 0; r < c.rowKept.size(); ++r) matrix.rows.push_back(RowNode(static_cast<int>(r)));
    matrix.columns = c.columns;
    const DominanceResult result = Reduce(matrix, c.wholeCover);
    EXPECT_EQ(result.columnKept, c.columnKept);
    EXPECT_EQ(result.rowKept, c.rowKept);
  }
}

// With no work allowed nothing is removed; with the default limit the same dominance
// as without any limit is found on these small matrices.
TEST(CoverDominance, AWorkLimitOnlyLeavesMoreInPlace) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    const Matrix matrix = RandomMatrix(seed * 7, 6, 9);
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const DominanceResult none = Reduce(matrix, true, 0);
    EXPECT_EQ(KeptMask(none.rowKept), (1u << 6) - 1);
    EXPECT_EQ(KeptMask(none.columnKept), (1u << 9) - 1);
    const DominanceResult unlimited = Reduce(matrix, true, 1L << 40);
    const DominanceResult byDefault = Reduce(matrix, true);
    EXPECT_EQ(byDefault.columnKept, unlimited.columnKept);
    EXPECT_EQ(byDefault.rowKept, unlimited.rowKept);
  }
}

}  // namespace
}  // namespace korvelan
