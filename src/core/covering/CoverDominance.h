#pragma once
// Dominance in a covering problem: rows (demand nodes) and columns (free sites, each
// with the rows it covers).
//
// A column whose rows are all covered by another column is never needed: a solution
// using it can use the other instead (or drop it when the other is already open) with
// no more columns and no less covered demand, for any weights of the rows. Of equal
// columns the one listed first stays.
//
// When every row must be covered, a row whose columns include all the columns of
// another row is covered whenever that row is: it adds nothing. Of equal rows the
// lowest node number stays.
//
// Both are strict orders, so each removed column (row) has a kept one that dominates
// it, and the reduced problem has the same optimum as the original.
#include <cstdint>
#include <vector>

namespace korvelan {

struct CoverMatrix {
  std::vector<int> rows;                        // node numbers, ascending
  std::vector<std::vector<uint16_t>> columns;   // per column: its rows (node numbers), ascending
};

struct DominanceResult {
  std::vector<uint8_t> columnKept;  // per column of the matrix
  std::vector<uint8_t> rowKept;     // per entry of `rows`
};

// The columns and (when wholeCover is set) the rows that stay after removing the
// dominated ones, repeated while a removal allows another.
DominanceResult ReduceByDominance(const CoverMatrix& matrix, bool wholeCover);

}  // namespace korvelan
