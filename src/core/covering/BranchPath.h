#pragma once
// The branching decisions of the current tree path, as shown by the Lagrangian
// progress window: one mark per level, "-" where the branching site is excluded and
// "+" where it is required, with a blank before the 11th, 21st, ... mark. Beside it,
// `firstMarks` holds for every level the mark of the child visited first, so that the
// explored share counts the second children whichever child a search visits first.
//
// Every branch-and-bound driver (covering, median, fixed charge, inventory) marks its
// level the same way:
//   BranchMark mark(m.BranchPath, m.BranchFirstMarks, level, '-');  // exclusion first
//   mark.Exclude();   // before the exclusion child (only when it is visited)
//   ...
//   mark.Include();   // before the inclusion child
//   ...               // the destructor removes exactly what this level added
#include <algorithm>
#include <string>

namespace korvelan {

class BranchMark {
 public:
  // level: the tree level of the node that branches (1 at the root); firstMark: the
  // mark of the child this level visits first.
  BranchMark(std::string& path, std::string& firstMarks, int level, char firstMark)
      : path_(path), firstMarks_(firstMarks), level_(level), firstMark_(firstMark) {}
  BranchMark(const BranchMark&) = delete;
  BranchMark& operator=(const BranchMark&) = delete;
  ~BranchMark() {
    path_.erase(path_.size() - added_);
    firstMarks_.erase(firstMarks_.size() - std::min(added_, firstMarks_.size()));
  }

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
      firstMarks_ += ' ';
      ++added_;
    }
    path_ += sign;
    firstMarks_ += firstMark_;
    ++added_;
  }

  std::string& path_;
  std::string& firstMarks_;
  int level_;
  char firstMark_;
  std::size_t added_ = 0;
};

// The share of the tree already explored, in percent: 100 x the sum of 2^-k over
// the marks k = 1, 2, ... of second children, those that differ from their level's
// first mark (blanks are not marks; a level without a first mark visits "-" first).
double ExploredPercent(const std::string& path, const std::string& firstMarks = "");

}  // namespace korvelan
