#include "covering/SetCover.h"

#include <array>
#include <vector>

#include "covering/BranchPath.h"
#include "covering/Coverage.h"
#include "covering/CoverBranchAndBound.h"
#include "covering/CoverLagrangian.h"
#include "covering/CoverTarget.h"
#include "covering/GreedyCover.h"
#include "solve/Evaluation.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

// The node reached the target: keep its solution as the answer of the attempt.
bool TargetReached(ModelState& m) {
  SaveBestLocated(m);
  m.FullCoverage = 1;
  return true;
}

bool SolveFeasibilityNode(ModelState& m, RunHost& host, int k, Extended target, int level) {
  if (m.ForcedCount >= k) {
    OpenRequiredSitesOnly(m, host);
    m.RunUpperBound = m.RunLowerBound = CoveredDemand(m);
    return m.RunLowerBound >= target;
  }
  const CoverNodeResult node = CoverLagrangianNode(m, host, k, target, level);
  CountStatuses(m);
  m.IterationTotal += node.iterations;
  return node.solved && m.RunLowerBound >= target;
}

bool MayBranchTowardTarget(const ModelState& m, int level, Extended target) {
  const int depth = m.Covering.DepthVar;
  return m.RunUpperBound >= target - 0.00001L && (depth == -1 || level <= depth);
}

// The two children of a node that fell short of the target but may still reach it.
bool BranchTowardTarget(ModelState& m, RunHost& host, int k, Extended target, int level) {
  const int site = ChooseBranchingSite(m);
  if (site == 0) return false;
  NodeRecord& branching = m.Node(site);
  BranchMark mark(m.BranchPath, level);

  branching.SiteStatus = StatusExcluded;
  m.AtRootNode = 0;
  ++m.ExcludedCount;
  bool found = false;
  if (m.Numbnodes - m.ExcludedCount >= k && m.ExcludedCount < m.Numbnodes) {
    mark.Exclude();
    found = SetCoverFeasible(m, host, k, target, level);
  }
  --m.ExcludedCount;
  if (!found) {
    branching.SiteStatus = StatusRequired;
    m.AtRootNode = 0;
    ++m.ForcedCount;
    mark.Include();
    found = SetCoverFeasible(m, host, k, target, level);
    --m.ForcedCount;
  }
  branching.SiteStatus = StatusAllowed;
  if (found) TargetReached(m);
  return found;
}

void SaveStatuses(const ModelState& m, std::array<uint8_t, NodeSlots>& into) {
  for (int j = 1; j <= m.Numbnodes; ++j) into[j] = m.Node(j).SiteStatus;
}

void LoadStatuses(ModelState& m, const std::array<uint8_t, NodeSlots>& from) {
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).SiteStatus = from[j];
}

int ExcludedDemandNodes(const ModelState& m) {
  int count = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) count += m.Node(i).SiteStatus == StatusExcluded;
  return count;
}

// Greedy adding without substitution gives the first count and the covered demand
// that the allowed sites can reach. Its lines go to the heuristic progress window,
// shown empty for them and hidden again before the exact search.
void GreedyStart(ModelState& m, RunHost& host, const std::array<uint8_t, NodeSlots>& statuses) {
  m.SolutionClass = 0;
  m.DoSubstitution = 0;
  LoadStatuses(m, statuses);
  ClearSolution(m);
  host.ShowHeuristicProgress(true);
  GreedyCover(m, host, m.Numbnodes - ExcludedDemandNodes(m));
  host.ShowHeuristicProgress(false);
}

// One attempt with k facilities from the statuses as the analyst set them.
bool AttemptCount(ModelState& m, RunHost& host, int k, Extended target,
                  const std::array<uint8_t, NodeSlots>& statuses) {
  m.AtRootNode = 1;
  m.AbortRequested = 0;
  m.FullCoverage = 0;
  if (k <= 0) return false;
  m.BranchPath.clear();
  LoadStatuses(m, statuses);
  const bool found = SetCoverFeasible(m, host, k, target, 0);
  RestoreSavedStatus(m);
  return found;
}

}  // namespace

bool AllDemandCovered(const ModelState& m) {
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (m.Node(i).NTIMES <= 0) return false;
  return true;
}

void InstallBestLocated(ModelState& m, RunHost& host) {
  ApplyBestSolution(m, host, false);
  RebuildLocatedList(m);
}

bool SetCoverFeasible(ModelState& m, RunHost& host, int k, Extended target, int level) {
  if (m.FullCoverage) return false;
  if (level == 0 && m.ProblemCode != 'S') SaveStatuses(m, m.SavedStatus);
  ++m.RunBranchNodes;
  ++level;
  CountStatuses(m);
  if (SolveFeasibilityNode(m, host, k, target, level)) return TargetReached(m);
  if (m.AbortRequested || m.ForcedCount >= k) return false;
  if (!MayBranchTowardTarget(m, level, target)) return false;
  return BranchTowardTarget(m, host, k, target, level);
}

SetCoverOutcome SetCover(ModelState& m, RunHost& host, bool partial) {
  std::array<uint8_t, NodeSlots> statuses{};
  SaveStatuses(m, statuses);
  if (m.BranchLevel == 0) m.SavedStatus = statuses;
  const Extended target = FixCoverTarget(m, partial);
  DemandRestorer demands(m);
  GreedyStart(m, host, statuses);

  m.DoSubstitution = 1;
  m.SolutionClass = 2;
  m.ReportProblemCode = partial ? '&' : 'S';
  m.BranchAndBoundOn = 1;
  m.IterationTotal = 0;
  m.RunBranchNodes = 0;
  m.TradeoffExists = 0;
  if (m.CostByCount[m.NumLocated] < target) {
    host.Information(partial ? "<<< IMPOSSIBLE TO COVER SUFFICIENT DEMAND WITH ALLOWABLE CANDIDATE SITES >>>"
                             : "<<< IMPOSSIBLE TO COVER ALL DEMAND WITH ALLOWABLE CANDIDATE SITES >>>");
    m.FullCoverage = 0;
    m.RunIterations = m.IterationTotal;
    return {};
  }

  CountStatuses(m);
  const int required = m.ForcedCount;
  int k = m.NumLocated;
  bool aborted = false;
  bool succeeded = true;
  while (succeeded && k > 1) {
    SaveBestLocated(m);
    --k;
    succeeded = k >= required && AttemptCount(m, host, k, target, statuses);
    if (!succeeded && m.AbortRequested) aborted = true;
  }
  if (succeeded) SaveBestLocated(m);
  InstallBestLocated(m, host);

  const bool success = AllDemandCovered(m);
  m.FullCoverage = success ? 1 : 0;
  m.RunIterations = m.IterationTotal;
  m.TradeoffExists = 0;
  if (aborted) m.SolutionClass = 0;
  return {success, CoveredDemand(m) >= target};
}

}  // namespace korvelan
