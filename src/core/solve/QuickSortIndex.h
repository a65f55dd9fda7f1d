#pragma once
#include <string>
#include <utility>

namespace korvelan {

// Index sort: fills index[lo..hi] with lo..hi and reorders it so that
// keys[index[lo]] <= ... <= keys[index[hi]]; the keys are not moved. Equal keys
// keep whatever order the partitioning leaves, which the nearest-node order
// relies on, so the partitioning follows one fixed scheme: the pivot is the key
// value midway between the keys at the two ends (averaged for real keys, integer
// division for whole keys), then the classic two-pointer exchange.
template <typename Key, typename Index>
void QuickSortRange(int lo, int hi, const Key* keys, Index* index) {
  int i = lo;
  int j = hi;
  Key pivot;
  if constexpr (std::is_floating_point_v<Key>) {
    pivot = (keys[index[lo]] + keys[index[hi]]) / 2;
  } else {
    pivot = static_cast<Key>((static_cast<long long>(keys[index[lo]]) + keys[index[hi]]) / 2);
  }
  do {
    while (keys[index[i]] < pivot) ++i;
    while (pivot < keys[index[j]]) --j;
    if (i <= j) {
      std::swap(index[i], index[j]);
      ++i;
      --j;
    }
  } while (i <= j);
  if (lo < j) QuickSortRange(lo, j, keys, index);
  if (i < hi) QuickSortRange(i, hi, keys, index);
}

template <typename Key, typename Index>
void QuickSortIndex(int lo, int hi, const Key* keys, Index* index) {
  for (int k = lo; k <= hi; ++k) index[k] = static_cast<Index>(k);
  if (lo < hi) QuickSortRange(lo, hi, keys, index);
}

// Shell sort of short strings (at most 12 characters), halving the gap each pass.
template <typename Index>
void ShellSortIndex(int lo, int hi, const std::string* keys, Index* index) {
  for (int k = lo; k <= hi; ++k) index[k] = static_cast<Index>(k);
  for (int gap = (hi - lo + 1) / 2; gap > 0; gap /= 2) {
    for (int p = lo + gap; p <= hi; ++p) {
      for (int q = p - gap; q >= lo && keys[index[q]] > keys[index[q + gap]]; q -= gap)
        std::swap(index[q], index[q + gap]);
    }
  }
}

}  // namespace korvelan
