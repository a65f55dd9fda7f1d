#include "covering/CoverDominance.h"

#include <algorithm>

namespace korvelan {
namespace {

// The matrix by row indices, with what is still kept.
class Reducer {
 public:
  Reducer(const CoverMatrix& matrix, DominanceResult& result) : result_(result) {
    int largest = 0;
    for (int node : matrix.rows) largest = std::max(largest, node);
    std::vector<int> rowIndex(static_cast<size_t>(largest) + 1, -1);
    for (size_t r = 0; r < matrix.rows.size(); ++r) rowIndex[static_cast<size_t>(matrix.rows[r])] = static_cast<int>(r);
    for (const std::vector<uint16_t>& column : matrix.columns) {
      std::vector<int>& rows = columnRows_.emplace_back();
      for (uint16_t node : column)
        if (node <= largest && rowIndex[node] >= 0) rows.push_back(rowIndex[node]);
    }
    result_.columnKept.assign(columnRows_.size(), 1);
    result_.rowKept.assign(matrix.rows.size(), 1);
  }

  bool RemoveDominatedColumns() {
    Index();
    bool removed = false;
    for (size_t c = 0; c < columnRows_.size(); ++c) {
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
    std::vector<uint8_t> dominated(rowColumns_.size(), 0);
    for (size_t r = 0; r < rowColumns_.size(); ++r)
      if (result_.rowKept[r] && !rowColumns_[r].empty()) MarkRowsDominatedBy(static_cast<int>(r), dominated);
    bool removed = false;
    for (size_t r = 0; r < dominated.size(); ++r) {
      if (!dominated[r]) continue;
      result_.rowKept[r] = 0;
      removed = true;
    }
    return removed;
  }

 private:
  // The kept columns of every kept row, and the kept rows' count of every column.
  void Index() {
    rowColumns_.resize(result_.rowKept.size());
    for (std::vector<int>& columns : rowColumns_) columns.clear();
    columnSize_.assign(columnRows_.size(), 0);
    for (size_t c = 0; c < columnRows_.size(); ++c) {
      if (!result_.columnKept[c]) continue;
      for (int r : columnRows_[c]) {
        if (!result_.rowKept[static_cast<size_t>(r)]) continue;
        rowColumns_[static_cast<size_t>(r)].push_back(static_cast<int>(c));
        ++columnSize_[c];
      }
    }
  }

  // Every kept row of column a is a row of column b (both lists ascending).
  bool ColumnWithin(int a, int b) const {
    const std::vector<int>& inner = columnRows_[static_cast<size_t>(a)];
    const std::vector<int>& outer = columnRows_[static_cast<size_t>(b)];
    auto at = outer.begin();
    for (int r : inner) {
      if (!result_.rowKept[static_cast<size_t>(r)]) continue;
      at = std::lower_bound(at, outer.end(), r);
      if (at == outer.end() || *at != r) return false;
    }
    return true;
  }

  // Another column covers every kept row of c: more rows, or the same and listed first.
  // Only the columns of c's row with the fewest columns can.
  bool ColumnDominated(int c) const {
    const std::vector<int>* fewest = nullptr;
    for (int r : columnRows_[static_cast<size_t>(c)]) {
      if (!result_.rowKept[static_cast<size_t>(r)]) continue;
      const std::vector<int>& columns = rowColumns_[static_cast<size_t>(r)];
      if (!fewest || columns.size() < fewest->size()) fewest = &columns;
    }
    const int size = columnSize_[static_cast<size_t>(c)];
    for (int other : *fewest) {
      const int otherSize = columnSize_[static_cast<size_t>(other)];
      if (other != c && (otherSize > size || (otherSize == size && other < c)) && ColumnWithin(c, other)) return true;
    }
    return false;
  }

  // Marks the rows whose kept columns include every kept column of r: more of them,
  // or the same and a higher number. Only rows of r's column with the fewest rows can.
  void MarkRowsDominatedBy(int r, std::vector<uint8_t>& dominated) const {
    const std::vector<int>& columns = rowColumns_[static_cast<size_t>(r)];
    int narrowest = columns.front();
    for (int c : columns)
      if (columnSize_[static_cast<size_t>(c)] < columnSize_[static_cast<size_t>(narrowest)]) narrowest = c;
    for (int other : columnRows_[static_cast<size_t>(narrowest)]) {
      if (other == r || !result_.rowKept[static_cast<size_t>(other)] || dominated[static_cast<size_t>(other)]) continue;
      const std::vector<int>& otherColumns = rowColumns_[static_cast<size_t>(other)];
      const bool after = otherColumns.size() > columns.size() || (otherColumns.size() == columns.size() && other > r);
      if (after && std::includes(otherColumns.begin(), otherColumns.end(), columns.begin(), columns.end()))
        dominated[static_cast<size_t>(other)] = 1;
    }
  }

  DominanceResult& result_;
  std::vector<std::vector<int>> columnRows_;  // all rows of each column, by row index
  std::vector<std::vector<int>> rowColumns_;  // kept columns of each kept row
  std::vector<int> columnSize_;               // kept rows of each column
};

}  // namespace

DominanceResult ReduceByDominance(const CoverMatrix& matrix, bool wholeCover) {
  DominanceResult result;
  Reducer reducer(matrix, result);
  reducer.RemoveDominatedColumns();
  while (wholeCover && reducer.RemoveDominatedRows() && reducer.RemoveDominatedColumns()) {
  }
  return result;
}

}  // namespace korvelan
