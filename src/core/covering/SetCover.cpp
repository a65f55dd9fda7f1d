#include "covering/SetCover.h"

#include <array>
#include <vector>

#include "covering/BranchPath.h"
#include "covering/Coverage.h"
#include "covering/CoverBranchAndBound.h"
#include "covering/CoverLagrangian.h"
#include "covering/CoverTarget.h"
#include "covering/FeasibleStart.h"
#include "covering/GreedyCover.h"
#include "covering/SiteCountBound.h"
#include "solve/Evaluation.h"
#include "solve/Granularity.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

// The node reached the target: keep its solution as the answer of the attempt.
bool TargetReached(ModelState& m) {
  SaveBestLocated(m);
  m.FullCoverage = 1;
  return true;
}

// One feasibility search: k facilities, the target, and the bound on the number of
// sites, whose multipliers pass from each tree node to its children.
struct FeasibilitySearch {
  int k;
  Extended target;
  bool wholeCover;  // the target is all the demand
  SiteCountBound sites;
};

// Iterations of the site-count bound at the first node of a search and below it.
constexpr int RootCountIterations = 1000;
// Iterations of the site-count bound that stops the search for a smaller first cover.
constexpr int FirstCoverCountIterations = 1000;
constexpr int NodeCountIterations = 300;

bool SearchNode(ModelState& m, RunHost& host, FeasibilitySearch& search, int level);

// Statuses the site-count bound settled at a node, free again when the node is left.
class SettledSites {
 public:
  explicit SettledSites(ModelState& m) : m_(m) {}
  SettledSites(const SettledSites&) = delete;
  SettledSites& operator=(const SettledSites&) = delete;
  ~SettledSites() {
    for (int j : changed_) m_.Node(j).SiteStatus = StatusAllowed;
    if (!changed_.empty()) CountStatuses(m_);
  }
  void Apply(const SiteFixing& fixing) {
    for (int j : fixing.closed) Set(j, StatusExcluded);
    for (int j : fixing.open) Set(j, StatusRequired);
    CountStatuses(m_);
  }

 private:
  void Set(int site, uint8_t status) {
    m_.Node(site).SiteStatus = status;
    changed_.push_back(site);
  }
  ModelState& m_;
  std::vector<int> changed_;
};

// With the whole demand as the target, the local search brings the priced greedy cover
// down to k (longer at the first node, and only there the cheapest facilities close when
// it fails); with a partial target the cheapest close at every node.
CountReduction Reduction(const FeasibilitySearch& search, bool firstNode) {
  constexpr int FirstNodePlateauMoves = 100;
  constexpr int NodePlateauMoves = 0;
  if (!search.wholeCover) return {0, true};
  return firstNode ? CountReduction{FirstNodePlateauMoves, true} : CountReduction{NodePlateauMoves, false};
}

// The maximum-covering relaxation with k sites solves the first node of every search.
// Below it, when the whole demand is the target, the site-count bound (with the sites
// it settles) decides instead: both are bounds of the same linear relaxation, and the
// site-count bound gets there in far fewer operations; the heuristics find the covers.
bool RelaxesMaximumCovering(const FeasibilitySearch& search, bool firstNode) {
  return firstNode || !search.wholeCover;
}

// Rounds of the site-count bound at a node: each settles sites, and the next bound,
// over the smaller problem, may settle more or prove the node short of the target.
constexpr int SettleRounds = 4;

bool ProvenTooFew(ModelState& m, FeasibilitySearch& search, int iterations, SettledSites& settled) {
  for (int round = 0; round < SettleRounds; ++round) {
    SiteFixing fixing;
    const int limit = round == 0 ? iterations : NodeCountIterations;
    const long before = search.sites.Iterations();
    const bool proven = search.sites.ProvesTooFew(m, search.target, search.k, limit, &fixing);
    m.IterationTotal += static_cast<int32_t>(search.sites.Iterations() - before);
    if (proven) return true;
    if (fixing.Empty()) return false;
    settled.Apply(fixing);
    if (m.ForcedCount > search.k) return true;
    if (m.ForcedCount == search.k) return false;
  }
  return false;
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

bool WithinDepthLimit(const ModelState& m, int level) {
  const int depth = m.Covering.DepthVar;
  return depth == -1 || level <= depth;
}

// Covered demand is a multiple of the demands' grain: the node may still reach the
// target only when the largest multiple within its bound does.
bool MayBranchTowardTarget(const ModelState& m, int level, Extended target) {
  const Extended reachable = RoundDownToGrain(m.RunUpperBound, DemandGrain(m));
  return reachable >= target - 0.00001L && WithinDepthLimit(m, level);
}

// The child with the branching site excluded (when enough sites remain).
bool SearchExcluded(ModelState& m, RunHost& host, FeasibilitySearch& search, int level, int site, BranchMark& mark) {
  m.Node(site).SiteStatus = StatusExcluded;
  m.AtRootNode = 0;
  ++m.ExcludedCount;
  bool found = false;
  if (m.Numbnodes - m.ExcludedCount >= search.k && m.ExcludedCount < m.Numbnodes) {
    mark.Exclude();
    found = SearchNode(m, host, search, level);
  }
  --m.ExcludedCount;
  m.Node(site).SiteStatus = StatusAllowed;
  return found;
}

// The child with the branching site required.
bool SearchIncluded(ModelState& m, RunHost& host, FeasibilitySearch& search, int level, int site, BranchMark& mark) {
  m.Node(site).SiteStatus = StatusRequired;
  m.AtRootNode = 0;
  ++m.ForcedCount;
  mark.Include();
  const bool found = SearchNode(m, host, search, level);
  --m.ForcedCount;
  m.Node(site).SiteStatus = StatusAllowed;
  return found;
}

// The two children of a node that fell short of the target but may still reach it.
// With the whole demand as the target the site comes from the site-count bound and
// the inclusion child goes first, a dive toward a cover; otherwise the exclusion child
// of the maximum-covering choice goes first.
bool BranchTowardTarget(ModelState& m, RunHost& host, FeasibilitySearch& search, int level) {
  int site = search.wholeCover ? search.sites.BranchingSite(m) : 0;
  const bool includeFirst = site != 0;
  if (site == 0) site = ChooseBranchingSite(m);
  if (site == 0) return false;
  BranchMark mark(m.BranchPath, m.BranchFirstMarks, level, includeFirst ? '+' : '-');
  bool found = false;
  if (includeFirst) {
    found = SearchIncluded(m, host, search, level, site, mark) || SearchExcluded(m, host, search, level, site, mark);
  } else {
    found = SearchExcluded(m, host, search, level, site, mark) || SearchIncluded(m, host, search, level, site, mark);
  }
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

// The greedy count made smaller before the attempts: the local search from the greedy
// solution and from a cover priced by the site-count bound, whose value (a lower bound)
// stops it early.
void ShrinkGreedyCount(ModelState& m, RunHost& host, Extended target) {
  SiteCountBound sites;
  const int needed = sites.SitesNeeded(m, target, FirstCoverCountIterations);
  m.IterationTotal += static_cast<int32_t>(sites.Iterations());
  if (needed < m.NumLocated) ImproveCover(m, host, sites, target, needed);
}

// One attempt with k facilities from the statuses as the analyst set them.
bool AttemptCount(ModelState& m, RunHost& host, int k, Extended target,
                  const std::array<uint8_t, NodeSlots>& statuses) {
  m.AtRootNode = 1;
  m.AbortRequested = 0;
  m.FullCoverage = 0;
  if (k <= 0) return false;
  m.ClearBranchPath();
  LoadStatuses(m, statuses);
  const bool found = SetCoverFeasible(m, host, k, target, 0);
  RestoreSavedStatus(m);
  return found;
}

}  // namespace

bool AllDemandCovered(const ModelState& m) {
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (m.Node(i).Demand > 0 && m.Node(i).NTIMES <= 0) return false;
  return true;
}

void InstallBestLocated(ModelState& m, RunHost& host) {
  ApplyBestSolution(m, host, false);
  RebuildLocatedList(m);
}

namespace {

// A node proven unable to reach the target with k sites by the site-count bound
// fails at once: the search below it could only fail too.
bool SearchNode(ModelState& m, RunHost& host, FeasibilitySearch& search, int level) {
  if (m.FullCoverage) return false;
  if (level == 0 && m.ProblemCode != 'S') SaveStatuses(m, m.SavedStatus);
  ++m.RunBranchNodes;
  ++level;
  CountStatuses(m);
  const bool first = level == 1;
  const int iterations = first ? RootCountIterations : NodeCountIterations;
  // The last solution first: at the long distances a p-center run starts from it
  // succeeds at once, where the bound would sum very long coverage lists for nothing.
  if (first && ReachTargetFromLastSolution(m, host, search.k, search.target)) return TargetReached(m);
  SettledSites settled(m);
  if (m.ForcedCount < search.k && ProvenTooFew(m, search, iterations, settled)) return false;
  if (m.ForcedCount < search.k &&
      ReachTargetByPricedGreedy(m, host, search.sites, search.k, search.target, Reduction(search, first)))
    return TargetReached(m);
  if (RelaxesMaximumCovering(search, first)) {
    if (SolveFeasibilityNode(m, host, search.k, search.target, level)) return TargetReached(m);
    if (!MayBranchTowardTarget(m, level, search.target)) return false;
  } else if (!WithinDepthLimit(m, level)) {
    return false;
  }
  if (m.AbortRequested || m.ForcedCount >= search.k) return false;
  return BranchTowardTarget(m, host, search, level);
}

}  // namespace

bool SetCoverFeasible(ModelState& m, RunHost& host, int k, Extended target, int level) {
  FeasibilitySearch search{k, target, target >= DemandNodeTotal(m), {}};
  return SearchNode(m, host, search, level);
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
  if (!partial) ShrinkGreedyCount(m, host, target);
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
