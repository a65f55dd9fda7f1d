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
#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvelan {

// The columns' row lists one after the other: column c holds
// entries[ends[c - 1] .. ends[c]) (from 0 for the first), node numbers ascending.
struct ColumnLists {
  std::vector<uint16_t> entries;
  std::vector<uint32_t> ends;

  std::size_t Count() const { return ends.size(); }
  uint32_t Begin(std::size_t c) const { return c == 0 ? 0 : ends[c - 1]; }
  void Close() { ends.push_back(static_cast<uint32_t>(entries.size())); }
};

struct DominanceResult {
  std::vector<uint8_t> columnKept;  // per column
  std::vector<uint8_t> rowKept;     // per entry of the rows
};

// The work of a reduction is limited to this many list entries looked at per entry of
// the columns, and at least DominanceWorkLeast: dense problems (long coverage
// distances) could otherwise cost more than the bound saves. The bench families need
// at most 16 per entry.
inline constexpr long DominanceWorkPerEntry = 64;
inline constexpr long DominanceWorkLeast = 4096;

// The columns and (when wholeCover is set) the rows that stay after removing the
// dominated ones, repeated while a removal allows another, until the work reaches
// `workLimit` (a negative limit: the default above). `rows` are the node numbers of
// the rows, ascending; column entries outside them are ignored.
DominanceResult ReduceByDominance(const std::vector<int>& rows, const ColumnLists& columns, bool wholeCover,
                                  long workLimit = -1);

}  // namespace korvelan
