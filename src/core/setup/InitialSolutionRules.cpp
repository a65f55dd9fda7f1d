#include "setup/InitialSolutionRules.h"

namespace korvelan {

std::string DropExcludedInitialSites(ModelState& m) {
  std::string skipped;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    NodeRecord& node = m.Node(n);
    if (node.InInitialSolution != 1 || node.SiteStatus != StatusExcluded) continue;
    node.InInitialSolution = 0;
    skipped += (skipped.empty() ? "" : ", ") + std::to_string(n);
  }
  if (skipped.empty()) return {};
  return "Excluded sites are never opened.\rThese sites of the initial solution are EXCLUDED and were left out: " +
         skipped;
}

}  // namespace korvelan
