#include "covering/BranchPath.h"

namespace korvelan {

double ExploredPercent(const std::string& path, const std::string& firstMarks) {
  double share = 0;
  double weight = 0.5;
  for (std::size_t k = 0; k < path.size(); ++k) {
    if (path[k] == ' ') continue;
    const char first = k < firstMarks.size() ? firstMarks[k] : '-';
    if (path[k] != first) share += weight;
    weight /= 2;
  }
  return 100 * share;
}

}  // namespace korvelan
