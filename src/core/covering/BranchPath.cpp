#include "covering/BranchPath.h"

namespace korvelan {

double ExploredPercent(const std::string& path) {
  double share = 0;
  double weight = 0.5;
  for (char c : path) {
    if (c == ' ') continue;
    if (c == '+') share += weight;
    weight /= 2;
  }
  return 100 * share;
}

}  // namespace korvelan
