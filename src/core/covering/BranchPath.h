#pragma once
// The branching decisions of the current tree path, as shown by the Lagrangian
// progress window: one mark per level, "-" where the branching site is excluded and
// "+" where it is required, with a blank before the 11th, 21st, ... mark.
//
// Every branch-and-bound driver (covering, median, fixed charge, inventory) marks its
// level the same way:
//   BranchMark mark(m.BranchPath, level);
//   mark.Exclude();   // before the exclusion child (only when it is visited)
//   ...
//   mark.Include();   // before the inclusion child
//   ...               // the destructor removes exactly what this level added
#include <string>

namespace korvelan {

class BranchMark {
 public:
  // level: the tree level of the node that branches (1 at the root).
  BranchMark(std::string& path, int level) : path_(path), level_(level) {}
  BranchMark(const BranchMark&) = delete;
  BranchMark& operator=(const BranchMark&) = delete;
  ~BranchMark() { path_.erase(path_.size() - added_); }

  // Each turns this level's mark of the other child into its own; when the other
  // child was not visited nothing was appended, and the mark is appended instead of
  // overwriting the parent's.
  void Exclude() { Mark('-'); }
  void Include() { Mark('+'); }

 private:
  void Mark(char sign) {
    if (added_ > 0) path_.back() = sign;
    else Append(sign);
  }
  void Append(char sign) {
    if (level_ % 10 == 1 && level_ > 1) {
      path_ += ' ';
      ++added_;
    }
    path_ += sign;
    ++added_;
  }

  std::string& path_;
  int level_;
  std::size_t added_ = 0;
};

// The share of the tree already explored, in percent: 100 x the sum of 2^-k over
// the marks k = 1, 2, ... that hold "+" (blanks are not marks).
double ExploredPercent(const std::string& path);

}  // namespace korvelan
