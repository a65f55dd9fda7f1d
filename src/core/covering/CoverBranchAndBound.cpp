#include "covering/CoverBranchAndBound.h"

#include <algorithm>
#include <vector>

#include "covering/BranchPath.h"
#include "covering/CoverLagrangian.h"
#include "covering/SetCover.h"
#include "solve/SolveModel.h"
#include "covering/Coverage.h"
#include "solve/Evaluation.h"
#include "solve/Granularity.h"

namespace korvelan {
namespace {

// Branch while the tree's bound and the incumbent are apart by more than the
// critical gap and by at least 0.9. Covered demand is a multiple of the demands'
// grain, so the bound first drops to the multiple at or below it: a bound less than
// one grain above the incumbent leaves no better solution to find.
bool GapWorthBranching(const ModelState& m, Extended bound, Extended incumbent) {
  const Extended reachable = RoundDownToGrain(bound, DemandGrain(m));
  const Extended gap = CoverGapPercent(reachable, incumbent);
  return gap > m.Covering.PctDiff && gap > 1e-13L && reachable - incumbent >= 0.9L && incumbent < m.TotalDemand;
}

bool MayBranch(const ModelState& m, int level, Extended bound, Extended incumbent) {
  const int depth = m.Covering.DepthVar;
  return m.BranchAndBoundOn && !m.AbortRequested && (depth == -1 || level <= depth) &&
         GapWorthBranching(m, bound, incumbent);
}

// A node whose required sites already fill all P places is solved by opening them;
// any other node runs the Lagrangian.
CoverNodeResult SolveNode(ModelState& m, RunHost& host, int level, int P, Extended incumbent) {
  if (m.ForcedCount >= P) {
    OpenRequiredSitesOnly(m, host);
    const Extended covered = CoveredDemand(m);
    m.RunUpperBound = m.RunLowerBound = covered;
    return {covered, covered, 0, true};
  }
  const CoverNodeResult result = CoverLagrangianNode(m, host, P, incumbent, level);
  m.IterationTotal += result.iterations;
  return result;
}

// The node's multipliers, kept so that the second child starts from them as the first
// child does, and not from wherever the first child's subtree left them.
struct SavedMultipliers {
  std::vector<Extended> multiplier, direction;
};

SavedMultipliers SaveMultipliers(const ModelState& m) {
  SavedMultipliers saved;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    saved.multiplier.push_back(m.Node(i).LagMultiplier);
    saved.direction.push_back(m.Node(i).LagDirection);
  }
  return saved;
}

void RestoreMultipliers(ModelState& m, const SavedMultipliers& saved) {
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    m.Node(i).LagMultiplier = saved.multiplier[i - 1];
    m.Node(i).LagDirection = saved.direction[i - 1];
  }
}

}  // namespace

int ChooseBranchingSite(const ModelState& m) {
  int best = 0;
  Extended bestDemand = -1;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const NodeRecord& site = m.Node(j);
    if (!site.Located || site.SiteStatus != StatusAllowed) continue;
    Extended reach = 0;
    for (uint16_t i : site.CoversList) reach += m.Node(i).Demand;
    if (reach > bestDemand) {
      bestDemand = reach;
      best = j;
    }
  }
  return best;
}

void OpenRequiredSitesOnly(ModelState& m, RunHost& host) {
  for (int n = 1; n <= m.Numbnodes; ++n) {
    NodeRecord& node = m.Node(n);
    const bool required = node.SiteStatus == StatusRequired;
    node.Located = required ? 1 : 0;
    node.LagOpen = required ? 1 : 0;
    node.NTIMES = 0;
  }
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) UpdateCoverage(m, host, '+', j);
  RebuildLocatedList(m);
}

void SaveBestLocated(ModelState& m) {
  for (int j = 1; j <= m.Numbnodes; ++j) m.BestLocated[j] = m.Node(j).Located;
}

void CoverBranchAndBound(ModelState& m, RunHost& host, int level, int P, Extended& bound, Extended& incumbent) {
  if (m.AtRootNode) {
    for (int j = 1; j <= m.Numbnodes; ++j) m.SavedStatus[j] = m.Node(j).SiteStatus;
    CountStatuses(m);
  }
  ++m.RunBranchNodes;
  ++level;
  const CoverNodeResult node = SolveNode(m, host, level, P, incumbent);
  if (node.lowerBound > incumbent) {
    incumbent = node.lowerBound;
    SaveBestLocated(m);
  }
  if (RoundDownToGrain(node.upperBound, DemandGrain(m)) <= incumbent) {
    bound = incumbent;
    return;
  }
  bound = std::min(bound, node.upperBound);
  if (!MayBranch(m, level, bound, incumbent)) return;
  const int site = ChooseBranchingSite(m);
  if (site == 0) {
    bound = node.upperBound;
    return;
  }
  NodeRecord& branching = m.Node(site);
  BranchMark mark(m.BranchPath, m.BranchFirstMarks, level, '-');
  const SavedMultipliers nodeMultipliers = SaveMultipliers(m);

  branching.SiteStatus = StatusExcluded;
  m.AtRootNode = 0;
  Extended excludedBound = bound;
  ++m.ExcludedCount;
  const int remaining = m.Numbnodes - m.ExcludedCount;
  if (remaining >= P && remaining > 0) {
    mark.Exclude();
    CoverBranchAndBound(m, host, level, P, excludedBound, incumbent);
  } else {
    excludedBound = -1;
  }
  --m.ExcludedCount;

  branching.SiteStatus = StatusRequired;
  m.AtRootNode = 0;
  RestoreMultipliers(m, nodeMultipliers);
  Extended includedBound = bound;
  ++m.ForcedCount;
  mark.Include();
  if (GapWorthBranching(m, bound, incumbent)) CoverBranchAndBound(m, host, level, P, includedBound, incumbent);
  --m.ForcedCount;
  branching.SiteStatus = StatusAllowed;

  bound = std::min(bound, std::max(excludedBound, includedBound));
}

bool RunCoverBranchAndBound(ModelState& m, RunHost& host) {
  m.AtRootNode = 1;
  Extended incumbent = -1;
  Extended bound = 1e30L;
  m.RunBranchNodes = 0;
  m.BranchLevel = 0;
  m.IterationTotal = 0;
  m.RootForcedIn = m.RootForcedOut = 0;
  m.AbortRequested = 0;
  m.ClearBranchPath();
  CoverBranchAndBound(m, host, m.BranchLevel, m.NumberToLocate, bound, incumbent);
  RestoreSavedStatus(m);
  m.RunIterations = m.IterationTotal;
  m.RunUpperBound = bound;
  m.RunLowerBound = incumbent;
  m.TradeoffExists = 0;
  if (incumbent < 0) return false;
  InstallBestLocated(m, host);
  return true;
}

}  // namespace korvelan
