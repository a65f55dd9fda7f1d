#include "covering/CoverDominance.h"

#include <algorithm>

namespace korvelan {
namespace {

// A list of indices kept one after the other: list k is items[starts[k] .. starts[k + 1]).
struct IndexLists {
  std::vector<int> items;
  std::vector<int> starts{0};

  const int* begin(size_t k) const { return items.data() + starts[k]; }
  const int* end(size_t k) const { return items.data() + starts[k + 1]; }
  int Size(size_t k) const { return starts[k + 1] - starts[k]; }
};

// The matrix by row indices, with what is still kept.
class Reducer {
 public:
  Reducer(const std::vector<int>& rows, const ColumnLists& columns, long workLimit, DominanceResult& result)
      : result_(result), workLimit_(workLimit) {
    int largest = 0;
    for (int node : rows) largest = std::max(largest, node);
    std::vector<int> rowIndex(static_cast<size_t>(largest) + 1, -1);
    for (size_t r = 0; r < rows.size(); ++r) rowIndex[static_cast<size_t>(rows[r])] = static_cast<int>(r);
    for (size_t c = 0; c < columns.Count(); ++c) {
      for (uint32_t e = columns.Begin(c); e < columns.ends[c]; ++e) {
        const uint16_t node = columns.entries[e];
        if (node <= largest && rowIndex[node] >= 0) columnRows_.items.push_back(rowIndex[node]);
      }
      columnRows_.starts.push_back(static_cast<int>(columnRows_.items.size()));
    }
    result_.columnKept.assign(columns.Count(), 1);
    result_.rowKept.assign(rows.size(), 1);
  }

  bool RemoveDominatedColumns() {
    Index();
    bool removed = false;
    for (size_t c = 0; c < result_.columnKept.size() && !Exhausted(); ++c) {
      if (!result_.columnKept[c]) continue;
      if (columnSize_[c] == 0 || ColumnDominated(static_cast<int>(c))) {
        result_.columnKept[c] = 0;
        removed = true;
      }
    }
    return removed;
  }

  // Each row removes the rows whose columns include all of its own.
  bool RemoveDominatedRows() {
    Index();
    std::vector<uint8_t> dominated(result_.rowKept.size(), 0);
    for (size_t r = 0; r < result_.rowKept.size() && !Exhausted(); ++r)
      if (result_.rowKept[r] && rowColumns_.Size(r) > 0) MarkRowsDominatedBy(static_cast<int>(r), dominated);
    bool removed = false;
    for (size_t r = 0; r < dominated.size(); ++r) {
      if (!dominated[r]) continue;
      result_.rowKept[r] = 0;
      removed = true;
    }
    return removed;
  }

 private:
  bool RowKept(int r) const { return result_.rowKept[static_cast<size_t>(r)] != 0; }
  // Removing fewer is always sound: once the work passes its limit, the rest stays.
  bool Exhausted() const { return work_ > workLimit_; }

  // The kept columns of every kept row (ascending), and the kept rows' count of every column.
  void Index() {
    const size_t rows = result_.rowKept.size();
    const size_t columns = result_.columnKept.size();
    std::vector<int> count(rows + 1, 0);
    columnSize_.assign(columns, 0);
    for (size_t c = 0; c < columns; ++c) {
      if (!result_.columnKept[c]) continue;
      for (const int* r = columnRows_.begin(c); r != columnRows_.end(c); ++r)
        if (RowKept(*r)) {
          ++count[static_cast<size_t>(*r) + 1];
          ++columnSize_[c];
        }
    }
    for (size_t r = 0; r < rows; ++r) count[r + 1] += count[r];
    rowColumns_.starts = count;
    work_ += static_cast<long>(columnRows_.items.size());
    rowColumns_.items.assign(static_cast<size_t>(count[rows]), 0);
    for (size_t c = 0; c < columns; ++c) {
      if (!result_.columnKept[c]) continue;
      for (const int* r = columnRows_.begin(c); r != columnRows_.end(c); ++r)
        if (RowKept(*r)) rowColumns_.items[static_cast<size_t>(count[static_cast<size_t>(*r)]++)] = static_cast<int>(c);
    }
  }

  // Every kept row of column a is a row of column b (both lists ascending).
  bool ColumnWithin(int a, int b) {
    const int* at = columnRows_.begin(static_cast<size_t>(b));
    const int* end = columnRows_.end(static_cast<size_t>(b));
    for (const int* r = columnRows_.begin(static_cast<size_t>(a)); r != columnRows_.end(static_cast<size_t>(a)); ++r) {
      if (!RowKept(*r)) continue;
      ++work_;
      at = std::lower_bound(at, end, *r);
      if (at == end || *at != *r) return false;
    }
    return true;
  }

  // Another column covers every kept row of c: more rows, or the same and listed first.
  // Only the columns of c's row with the fewest columns can.
  bool ColumnDominated(int c) {
    int fewest = -1;
    for (const int* r = columnRows_.begin(static_cast<size_t>(c)); r != columnRows_.end(static_cast<size_t>(c)); ++r)
      if (RowKept(*r) && (fewest < 0 || rowColumns_.Size(static_cast<size_t>(*r)) < rowColumns_.Size(static_cast<size_t>(fewest))))
        fewest = *r;
    const int size = columnSize_[static_cast<size_t>(c)];
    for (const int* other = rowColumns_.begin(static_cast<size_t>(fewest)); other != rowColumns_.end(static_cast<size_t>(fewest)); ++other) {
      const int otherSize = columnSize_[static_cast<size_t>(*other)];
      if (*other != c && (otherSize > size || (otherSize == size && *other < c)) && ColumnWithin(c, *other)) return true;
    }
    return false;
  }

  // Marks the rows whose kept columns include every kept column of r: more of them,
  // or the same and a higher number. Only rows of r's column with the fewest rows can.
  void MarkRowsDominatedBy(int r, std::vector<uint8_t>& dominated) {
    const size_t row = static_cast<size_t>(r);
    int narrowest = *rowColumns_.begin(row);
    for (const int* c = rowColumns_.begin(row); c != rowColumns_.end(row); ++c)
      if (columnSize_[static_cast<size_t>(*c)] < columnSize_[static_cast<size_t>(narrowest)]) narrowest = *c;
    const int size = rowColumns_.Size(row);
    for (const int* other = columnRows_.begin(static_cast<size_t>(narrowest));
         other != columnRows_.end(static_cast<size_t>(narrowest)); ++other) {
      const size_t o = static_cast<size_t>(*other);
      if (*other == r || !RowKept(*other) || dominated[o]) continue;
      const int otherSize = rowColumns_.Size(o);
      const bool after = otherSize > size || (otherSize == size && *other > r);
      if (!after) continue;
      work_ += size;
      if (std::includes(rowColumns_.begin(o), rowColumns_.end(o), rowColumns_.begin(row), rowColumns_.end(row)))
        dominated[o] = 1;
    }
  }

  DominanceResult& result_;
  IndexLists columnRows_;  // all rows of each column, by row index
  IndexLists rowColumns_;  // kept columns of each kept row
  std::vector<int> columnSize_;  // kept rows of each column
  long workLimit_;
  long work_ = 0;  // list entries looked at so far
};

}  // namespace

DominanceResult ReduceByDominance(const std::vector<int>& rows, const ColumnLists& columns, bool wholeCover,
                                  long workLimit) {
  DominanceResult result;
  if (workLimit < 0) workLimit = DominanceWorkPerEntry * static_cast<long>(columns.entries.size()) + DominanceWorkLeast;
  Reducer reducer(rows, columns, workLimit, result);
  reducer.RemoveDominatedColumns();
  while (wholeCover && reducer.RemoveDominatedRows() && reducer.RemoveDominatedColumns()) {
  }
  return result;
}

}  // namespace korvelan
