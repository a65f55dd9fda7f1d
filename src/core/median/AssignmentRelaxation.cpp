#include "median/AssignmentRelaxation.h"

#include <algorithm>

#include "covering/BranchPath.h"
#include "covering/Coverage.h"
#include "solve/Evaluation.h"
#include "solve/QuickSortIndex.h"
#include "solve/SolveModel.h"
#include "solve/Granularity.h"

namespace korvelan {

void AllocateCostMatrix(const ModelState& m, AssignmentRelaxation& r) {
  r.demandNodes = m.NumDemandNodes;
  r.nodes = m.Numbnodes;
  r.cost.assign(static_cast<size_t>(r.demandNodes) * NodeSlots, 0);
  r.built = true;
}

void SetObjectiveGrain(const ModelState& m, AssignmentRelaxation& r, bool withFixedCosts) {
  GrainFinder finder;
  for (int i = 1; i <= r.demandNodes; ++i) {
    const Extended* row = r.Row(i);
    for (int j = 1; j <= r.nodes; ++j) finder.Add(row[j]);
  }
  if (withFixedCosts)
    for (int j = 1; j <= r.nodes; ++j) finder.Add(m.Node(j).FixedCost);
  r.grain = finder.Grain();
}

void OrderCostsByNearest(const ModelState& m, AssignmentRelaxation& r) {
  const size_t stride = static_cast<size_t>(r.nodes) + 1;
  r.nearestCost.assign(static_cast<size_t>(r.demandNodes) * stride, 0);
  for (int i = 1; i <= r.demandNodes; ++i) {
    const int32_t* nearest = m.NearestOrder.row(i);
    const Extended* row = r.Row(i);
    Extended* ordered = &r.nearestCost[static_cast<size_t>(i - 1) * stride];
    for (int k = 1; k <= r.nodes; ++k) ordered[k] = row[nearest[k]];
  }
}

void PrepareWalkRows(const ModelState& m, AssignmentRelaxation& r) {
  r.walkCompacted = m.ExcludedCount > 0;
  if (!r.walkCompacted) return;
  const size_t stride = static_cast<size_t>(r.nodes) + 1;
  r.walkSite.resize(static_cast<size_t>(r.demandNodes) * stride);
  r.walkCost.resize(static_cast<size_t>(r.demandNodes) * stride);
  for (int i = 1; i <= r.demandNodes; ++i) {
    const int32_t* nearest = m.NearestOrder.row(i);
    const Extended* costs = r.NearestRow(i);
    int32_t* sites = &r.walkSite[static_cast<size_t>(i - 1) * stride];
    Extended* walkCosts = &r.walkCost[static_cast<size_t>(i - 1) * stride];
    int length = 0;
    for (int k = 1; k <= r.nodes; ++k) {
      if (m.Node(nearest[k]).SiteStatus == StatusExcluded) continue;
      ++length;
      sites[length] = nearest[k];
      walkCosts[length] = costs[k];
    }
    r.walkLength = length;
  }
}

WalkRow WalkRowOf(const ModelState& m, const AssignmentRelaxation& r, int i) {
  if (!r.walkCompacted) return {m.NearestOrder.row(i), r.NearestRow(i), r.nodes};
  const size_t offset = static_cast<size_t>(i - 1) * (static_cast<size_t>(r.nodes) + 1);
  return {&r.walkSite[offset], &r.walkCost[offset], r.walkLength};
}

void ReleaseCostMatrix(ModelState& m, AssignmentRelaxation& r) {
  r.cost.clear();
  r.cost.shrink_to_fit();
  r.nearestCost.clear();
  r.nearestCost.shrink_to_fit();
  r.walkSite.clear();
  r.walkSite.shrink_to_fit();
  r.walkCost.clear();
  r.walkCost.shrink_to_fit();
  r.walkCompacted = false;
  r.built = false;
  m.CostMatrixBuilt = 0;
}

void WarnOnNegativeCosts(const AssignmentRelaxation& r, RunHost& host) {
  for (int i = 1; i <= r.demandNodes; ++i) {
    const Extended* row = r.Row(i);
    for (int j = 1; j <= r.nodes; ++j) {
      if (row[j] < 0) {
        host.Warning("In Product Array with negative distance...ERROR!!");
        return;
      }
    }
  }
}

void ComputeSiteValues(const ModelState& m, AssignmentRelaxation& r) {
  std::fill_n(r.siteValue.begin(), NodeSlots, Extended{0});
  for (int i = 1; i <= r.demandNodes; ++i) {
    const WalkRow row = WalkRowOf(m, r, i);
    const Extended u = r.multiplier[i];
    int k = 1;
    for (; k <= row.length; ++k) {
      const Extended reduced = row.cost[k] - u;
      if (reduced >= 0) break;
      r.siteValue[row.site[k]] += reduced;
    }
    r.profitable[i] = k - 1;
  }
}

void AddFixedCosts(const ModelState& m, AssignmentRelaxation& r) {
  for (int j = 1; j <= r.nodes; ++j) r.siteValue[j] += m.Node(j).FixedCost;
}

void SortSitesByValue(AssignmentRelaxation& r) {
  if (r.nodes >= 1) QuickSortIndex(1, r.nodes, r.siteValue.data(), r.order.data());
}

int OpenRequiredSites(const ModelState& m, AssignmentRelaxation& r) {
  int opened = 0;
  for (int j = 1; j <= r.nodes; ++j) {
    r.open[j] = m.Node(j).SiteStatus == StatusRequired ? 1 : 0;
    opened += r.open[j];
  }
  return opened;
}

int OpenRequiredSitesAndSort(const ModelState& m, AssignmentRelaxation& r) {
  const int opened = OpenRequiredSites(m, r);
  SortSitesByValue(r);
  return opened;
}

void OpenCheapestFreeSites(const ModelState& m, AssignmentRelaxation& r, int count) {
  int* first = &r.order[1];
  int* last = first;
  for (int j = 1; j <= r.nodes; ++j)
    if (IsFreeSite(m, j) && !r.open[j]) *last++ = j;
  if (count <= 0 || first == last) return;
  int* chosen = first + std::min<std::ptrdiff_t>(count, last - first);
  const auto cheaper = [&r](int a, int b) {
    return r.siteValue[a] < r.siteValue[b] || (r.siteValue[a] == r.siteValue[b] && a < b);
  };
  if (chosen < last) std::nth_element(first, chosen - 1, last, cheaper);
  for (int* site = first; site != chosen; ++site) r.open[*site] = 1;
}

Extended CountCheapOpenSitesAndCheapestCost(const ModelState& m, AssignmentRelaxation& r) {
  Extended total = 0;
  for (int i = 1; i <= r.demandNodes; ++i) {
    const WalkRow row = WalkRowOf(m, r, i);
    Extended cheapest = LagInfinity;
    int32_t count = 0;
    int k = 1;
    for (; k <= r.profitable[i]; ++k) {
      if (!r.open[row.site[k]]) continue;
      if (count == 0) cheapest = row.cost[k];
      ++count;
    }
    for (; count == 0 && k <= row.length; ++k) {
      if (!r.open[row.site[k]]) continue;
      cheapest = row.cost[k];
      break;
    }
    r.cheapOpen[i] = count;
    total += cheapest;
  }
  return total;
}

Extended RelaxedValue(const AssignmentRelaxation& r) {
  Extended value = 0;
  for (int i = 1; i <= r.demandNodes; ++i) value += r.multiplier[i];
  for (int j = 1; j <= r.nodes; ++j)
    if (r.open[j]) value += r.siteValue[j];
  return value;
}

Extended CheapestOpenCostSum(const ModelState& m, const AssignmentRelaxation& r) {
  Extended total = 0;
  for (int i = 1; i <= r.demandNodes; ++i) {
    const int32_t* nearest = m.NearestOrder.row(i);
    Extended cheapest = LagInfinity;
    for (int k = 1; k <= r.nodes; ++k) {
      if (r.open[nearest[k]]) {
        cheapest = r.NearestRow(i)[k];
        break;
      }
    }
    total += cheapest;
  }
  return total;
}

Extended OpenFixedCost(const ModelState& m, const AssignmentRelaxation& r) {
  Extended total = 0;
  for (int j = 1; j <= r.nodes; ++j)
    if (r.open[j]) total += m.Node(j).FixedCost;
  return total;
}

int OpenCount(const AssignmentRelaxation& r) {
  int count = 0;
  for (int j = 1; j <= r.nodes; ++j) count += r.open[j];
  return count;
}

void RecordRelaxedValue(SubgradientState& s, Extended value, bool restartFailuresOnImprovement) {
  if (value > s.bestValue) {
    s.bestValue = value;
    if (restartFailuresOnImprovement) s.failures = 0;
  } else {
    ++s.failures;
  }
}

void HalveAlphaOnFailures(SubgradientState& s, int failureLimit) {
  if (s.failures >= failureLimit) {
    s.failures = 0;
    s.alpha /= 2;
  }
}

bool StepMultipliers(AssignmentRelaxation& r, SubgradientState& s, Extended damping, Extended upper,
                     Extended value) {
  const bool tidy = s.iteration % 20 == 0;
  Extended squares = 0;
  for (int i = 1; i <= r.demandNodes; ++i) {
    Extended d = damping * r.direction[i] + (r.cheapOpen[i] - 1);
    if (tidy && d < 1e-6L && d > -1e-6L) d = 0;
    r.direction[i] = d;
    squares += d * d;
  }
  if (squares <= 0) return false;
  s.step = (upper - value) * s.alpha / squares;
  for (int i = 1; i <= r.demandNodes; ++i)
    r.multiplier[i] = std::max<Extended>(0, r.multiplier[i] - s.step * r.direction[i]);
  return true;
}

Extended PercentGap(Extended upper, Extended lower) {
  if (lower > 0) return (upper - lower) * 100 / lower;
  if (upper > 0) return 1e8L;
  return 0;
}

void PublishRelaxedState(ModelState& m, const AssignmentRelaxation& r) {
  for (int i = 1; i <= r.demandNodes; ++i) {
    NodeRecord& node = m.Node(i);
    node.LagMultiplier = r.multiplier[i];
    node.LagDirection = r.direction[i];
    node.LagCount = r.cheapOpen[i];
  }
  for (int j = 1; j <= r.nodes; ++j) m.Node(j).LagOpen = r.open[j];
}

void SetInitialMultipliers(const ModelState& m, AssignmentRelaxation& r, const MultiplierTerms& terms) {
  const Extended average = m.NumDemandNodes > 0 ? terms.average * m.TotalDemand / m.NumDemandNodes : 0;
  for (int i = 1; i <= m.Numbnodes; ++i) {
    const Extended demand = m.Node(i).Demand;
    const Extended d2 = terms.slope != 0 ? SecondNearestDistance(m, i) : 0;
    r.multiplier[i] = terms.slope * demand * d2 + terms.constant + average + terms.demand * demand + terms.extra;
    r.direction[i] = 0;
  }
}

SwapValues FreeSwapValues(const ModelState& m, const AssignmentRelaxation& r, Extended startOpen,
                          Extended startClosed) {
  SwapValues v{startOpen, startClosed};
  bool anyOpen = false;
  bool anyClosed = false;
  for (int j = 1; j <= r.nodes; ++j) {
    if (m.Node(j).SiteStatus != StatusAllowed) continue;
    const Extended value = r.siteValue[j];
    if (r.open[j]) {
      v.largestOpen = anyOpen ? std::max(v.largestOpen, value) : value;
      anyOpen = true;
    } else {
      v.smallestClosed = anyClosed ? std::min(v.smallestClosed, value) : value;
      anyClosed = true;
    }
  }
  return v;
}

void FixSitesByReducedValues(ModelState& m, const AssignmentRelaxation& r, Extended value, const SwapValues& swap,
                             Extended threshold, bool mayExclude) {
  for (int j = 1; j <= r.nodes; ++j) {
    if (m.Node(j).SiteStatus != StatusAllowed) continue;
    if (!r.open[j] && value - swap.largestOpen + r.siteValue[j] > threshold && mayExclude) {
      m.Node(j).SiteStatus = StatusExcluded;
      ++m.RootForcedOut;
    } else if (r.open[j] && value - r.siteValue[j] + swap.smallestClosed > threshold && value > 0) {
      m.Node(j).SiteStatus = StatusRequired;
      ++m.RootForcedIn;
    }
  }
  CountStatuses(m);
}

namespace {

// Returns the smallest flipped bound of a site it fixed (LagInfinity when none). With
// the number free (`count` < 0) a site flips on its own: L - v(j) or L + v(j).
Extended FixSitesByFlippedBounds(ModelState& m, const AssignmentRelaxation& r, int count,
                                 const std::function<bool(Extended)>& prunes) {
  const Extended value = RelaxedValue(r);
  const SwapValues swap = count < 0 ? SwapValues{0, 0} : FreeSwapValues(m, r, LagInfinity, LagInfinity);
  const bool canSwapOut = swap.largestOpen < LagInfinity;
  const bool canSwapIn = swap.smallestClosed < LagInfinity;
  Extended lowest = LagInfinity;
  for (int j = 1; j <= r.nodes; ++j) {
    uint8_t& status = m.Node(j).SiteStatus;
    if (status != StatusAllowed) continue;
    const Extended flipped =
        r.open[j] ? value - r.siteValue[j] + swap.smallestClosed : value - swap.largestOpen + r.siteValue[j];
    if (!(r.open[j] ? canSwapIn : canSwapOut) || !prunes(flipped)) continue;
    status = r.open[j] ? StatusRequired : StatusExcluded;
    lowest = std::min(lowest, flipped);
  }
  return lowest;
}

// With the number free, the relaxed choice opens exactly the free sites of negative
// value, unless none has one and a site was opened anyway: then L holds that site's
// nonnegative value and a flipped bound built on L could overstate.
bool OpensOnlyProfitableSites(const ModelState& m, const AssignmentRelaxation& r) {
  for (int j = 1; j <= r.nodes; ++j)
    if (r.open[j] && IsFreeSite(m, j) && r.siteValue[j] >= 0) return false;
  return true;
}

// With the number free: no site left free makes the required sites the subtree's only
// solution (none: nothing to find).
SubtreeFixing FixSitesWithTheNumberFree(ModelState& m, const AssignmentRelaxation& r,
                                       const std::function<bool(Extended)>& prunes) {
  SubtreeFixing fixing;
  if (!OpensOnlyProfitableSites(m, r)) return fixing;
  fixing.removedBound = FixSitesByFlippedBounds(m, r, -1, prunes);
  CountStatuses(m);
  if (!HasFreeSite(m)) fixing.left = m.ForcedCount > 0 ? SubtreeAfterFixing::Leaf : SubtreeAfterFixing::Empty;
  return fixing;
}

}  // namespace

SubtreeFixing FixSitesForSubtree(ModelState& m, const AssignmentRelaxation& r, int count,
                                 const std::function<bool(Extended)>& prunes) {
  SubtreeFixing fixing;
  if (count < 0) return FixSitesWithTheNumberFree(m, r, prunes);
  fixing.removedBound = FixSitesByFlippedBounds(m, r, count, prunes);
  CountStatuses(m);
  const int left = m.Numbnodes - m.ExcludedCount;
  if (m.ForcedCount > count || left < count) {
    fixing.left = SubtreeAfterFixing::Empty;
    return fixing;
  }
  if (left == count) {
    for (int j = 1; j <= m.Numbnodes; ++j)
      if (IsFreeSite(m, j)) m.Node(j).SiteStatus = StatusRequired;
    CountStatuses(m);
  }
  if (m.ForcedCount == count) fixing.left = SubtreeAfterFixing::Leaf;
  return fixing;
}

Extended BranchOnSite(ModelState& m, uint16_t level, int site, int minimumSites, Extended bound,
                      const std::function<Extended(uint16_t, Extended)>& visit,
                      const std::function<bool(Extended)>& includeAllowed,
                      const std::function<bool(Extended)>& gapLeft) {
  BranchMark mark(m.BranchPath, m.BranchFirstMarks, level, '+');
  const StatusSnapshot saved(m);

  m.Node(site).SiteStatus = StatusRequired;
  ++m.ForcedCount;
  Extended includedBound = bound;
  mark.Include();
  if (includeAllowed(bound)) {
    m.AtRootNode = 0;
    includedBound = visit(level, bound);
  }
  saved.Restore(m);

  m.Node(site).SiteStatus = StatusExcluded;
  ++m.ExcludedCount;
  Extended excludedBound = LagInfinity;
  const int left = m.Numbnodes - m.ExcludedCount;
  if (left >= minimumSites && left > 0) {
    excludedBound = bound;
    if (gapLeft(bound)) {
      mark.Exclude();
      m.AtRootNode = 0;
      excludedBound = visit(level, bound);
    }
  }
  saved.Restore(m);
  return std::max(bound, std::min(excludedBound, includedBound));
}

int32_t SecondNearestDistance(const ModelState& m, int i) {
  if (m.Numbnodes < 2) return 0;
  return m.DistanceMatrix.at(i, m.NearestOrder.at(i, 2));
}

void LocateRequiredSites(ModelState& m) {
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).Located = m.Node(j).SiteStatus == StatusRequired ? 1 : 0;
}

void RebuildCoverageCounts(ModelState& m, RunHost& host) {
  for (int n = 1; n <= m.Numbnodes; ++n) m.Node(n).NTIMES = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) UpdateCoverage(m, host, '+', j);
}

int AssignToLocatedSites(ModelState& m, RunHost& host) {
  int located = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) located += m.Node(j).Located ? 1 : 0;
  if (located > 0) AssignToNearest(m);
  RebuildCoverageCounts(m, host);
  return located;
}

namespace {

bool SomeDemandNodeOpenAndFree(const ModelState& m) {
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (m.Node(i).Located && m.Node(i).SiteStatus == StatusAllowed) return true;
  return false;
}

void TotalAssignedDemand(ModelState& m) {
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).AssignedDemand = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const int site = m.Node(i).AssignedFacility;
    if (site >= 1 && site <= m.Numbnodes) m.Node(site).AssignedDemand += m.Node(i).Demand;
  }
}

}  // namespace

int ChooseBranchingSite(ModelState& m) {
  if (SomeDemandNodeOpenAndFree(m)) {
    TotalAssignedDemand(m);
    int best = 0;
    for (int j = 1; j <= m.Numbnodes; ++j) {
      const NodeRecord& site = m.Node(j);
      if (!site.Located || site.SiteStatus != StatusAllowed) continue;
      if (best == 0 || site.AssignedDemand > m.Node(best).AssignedDemand) best = j;
    }
    return best;
  }
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).SiteStatus == StatusAllowed) return j;
  return 0;
}

StatusSnapshot::StatusSnapshot(const ModelState& m) : forced(m.ForcedCount), excluded(m.ExcludedCount) {
  for (int j = 1; j <= m.Numbnodes; ++j) status[j] = m.Node(j).SiteStatus;
}

void StatusSnapshot::Restore(ModelState& m) const {
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).SiteStatus = status[j];
  m.ForcedCount = forced;
  m.ExcludedCount = excluded;
}

NodeMultipliers::NodeMultipliers(const AssignmentRelaxation& r)
    : multiplier_(r.multiplier.begin(), r.multiplier.begin() + r.demandNodes + 1),
      direction_(r.direction.begin(), r.direction.begin() + r.demandNodes + 1) {}

void NodeMultipliers::Restore(AssignmentRelaxation& r) const {
  std::copy(multiplier_.begin(), multiplier_.end(), r.multiplier.begin());
  std::copy(direction_.begin(), direction_.end(), r.direction.begin());
}

void SaveRootStatuses(ModelState& m) {
  CountStatuses(m);
  for (int j = 1; j <= m.Numbnodes; ++j) m.SavedStatus[j] = m.Node(j).SiteStatus;
}

void RestoreRootStatuses(ModelState& m) { RestoreSavedStatus(m); }

void PrepareLagrangianRun(ModelState& m) {
  m.RunBranchNodes = 0;
  m.IterationTotal = 0;
  m.RootForcedIn = 0;
  m.RootForcedOut = 0;
  m.LowerBoundResetInForcing = 0;
  PrepareTreeSearch(m);
}

void PrepareTreeSearch(ModelState& m) {
  m.AtRootNode = 1;
  m.BranchLevel = 0;
  m.AbortRequested = 0;
  m.CoverageDistanceChanged = 0;
  m.SavedCoverageDistance = m.CoverageDistance;
  m.CostMatrixBuilt = 0;
  m.ClearBranchPath();
  m.SolutionClass = 2;
}

void PublishIteration(ModelState& m, RunHost& host, const SubgradientState& s, Extended gap) {
  m.LagIteration = s.iteration;
  m.LagAlpha = s.alpha;
  m.LagFailures = static_cast<uint16_t>(s.failures);
  m.LagStep = s.step;
  m.LagGap = gap;
  if (m.ShowLagProgress && (m.IterationsBeforeNode + s.iteration) % 50 == 1) host.RefreshLagProgress();
}

void PublishLagrangianNodeStart(ModelState& m, int level, Extended incumbent, Extended inheritedBound) {
  if (!m.ShowLagProgress) return;
  m.IterationsBeforeNode = m.IterationTotal;
  m.PublishedLevel = level;
  m.TargetValue = incumbent < LagInfinity ? incumbent : -1;
  m.BestValue = incumbent;
  m.RunLowerBound = inheritedBound;
}

}  // namespace korvelan
