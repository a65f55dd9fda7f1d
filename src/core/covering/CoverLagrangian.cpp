#include "covering/CoverLagrangian.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "covering/Coverage.h"
#include "covering/Substitution.h"
#include "solve/Evaluation.h"
#include "solve/Granularity.h"

namespace korvelan {
namespace {

constexpr Extended NoValue = 1e30L;
// Published progress is refreshed every this many iterations of the run.
constexpr int RefreshEvery = 250;
constexpr Extended ChildFirstAlpha = 1.0L;

// Everything one node keeps while it iterates.
struct NodeWork {
  ModelState& m;
  RunHost& host;
  int P;
  Extended incumbent;
  bool atRoot;
  int iterationsBefore;

  std::array<Extended, NodeSlots> siteValue{};  // v(j) for the current multipliers
  std::array<Extended, NodeSlots> choiceKey{};  // w(j) of the relaxed site choice
  std::array<int, NodeSlots> order{};           // the allowed sites, best P first after the choice
  Extended totalDemand = 0;  // T
  Extended grain = 0;        // covered demand is a multiple of it (0: demands not whole)
  Extended upper = 0;        // UB
  Extended lower = -1;       // LB: below every feasible value, so the first solution is kept
  Extended lagrangianLower = 0;  // LLB
  Extended bestRelaxed = NoValue;
  Extended relaxed = 0;      // L of the last relaxed solution
  Extended alpha = 2.0L;
  Extended step = 0;
  Extended gap = NoValue;
  int k = 1;
  int failures = 0;
  // Per demand node, the sites covering it that the relaxed choice may take (allowed
  // and not dominated): only their values are kept up to date while iterating.
  std::vector<uint16_t> choosable{};
  std::array<uint32_t, NodeSlots> choosableEnd{};
};

const CoveringSettings& Settings(const NodeWork& w) { return w.m.Covering; }

// u(i) = Constant x avg x (1 - Slope) + Slope x Demand(i), at most Demand(i) when bounded.
void SetInitialMultipliers(ModelState& m) {
  const CoveringSettings& s = m.Covering;
  Extended sum = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) sum += m.Node(i).Demand;
  const Extended avg = m.NumDemandNodes > 0 ? sum / m.NumDemandNodes : 0;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    NodeRecord& node = m.Node(n);
    node.LagDirection = 0;
    node.LagMultiplier = 0;
    if (n > m.NumDemandNodes) continue;
    Extended u = s.Constant * avg * (1 - s.Slope) + s.Slope * node.Demand;
    if (s.BoundLagrCheckBox) u = std::min(u, node.Demand);
    node.LagMultiplier = std::max<Extended>(u, 0);
  }
}

// v(j) for every site, summed through the demand nodes' CoveredByLists. The relaxed
// choice applies the status and dominance filters, so every site holds its true value.
void ComputeSiteValues(NodeWork& w) {
  ModelState& m = w.m;
  std::fill(w.siteValue.begin(), w.siteValue.end(), 0);
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const Extended u = m.Node(i).LagMultiplier;
    if (u == 0) continue;
    for (uint16_t j : m.Node(i).CoveredByList) w.siteValue[j] += u;
  }
}

void ListChoosableSites(NodeWork& w) {
  const ModelState& m = w.m;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    for (uint16_t j : m.Node(i).CoveredByList)
      if (m.Node(j).SiteStatus == StatusAllowed && !m.Node(j).Dominated) w.choosable.push_back(j);
    w.choosableEnd[static_cast<size_t>(i)] = static_cast<uint32_t>(w.choosable.size());
  }
}

void PrepareDominance(ModelState& m) {
  if (m.Covering.DominatedBox) {
    if (m.CoverStateChanged) ComputeDominance(m);
    for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).Dominated = m.Node(j).DominanceMark;
  } else {
    for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).Dominated = 0;
  }
}

// z(i): a demand node is relaxed-covered when its benefit Demand - u is not negative.
void SetRelaxedCoverVariables(ModelState& m) {
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    NodeRecord& node = m.Node(i);
    node.LagBenefit = node.Demand - node.LagMultiplier;
    node.LagCount = node.LagBenefit >= 0 ? 1 : 0;
  }
}

// Required sites open, then the allowed sites of largest value until P are open.
// Only the P largest values matter, so they are selected rather than every site
// sorted; equal values go to the lowest site number.
void ChooseRelaxedSites(NodeWork& w) {
  ModelState& m = w.m;
  int open = 0;
  int candidates = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    NodeRecord& site = m.Node(j);
    site.LagOpen = site.SiteStatus == StatusRequired ? 1 : 0;
    open += site.LagOpen;
    if (site.SiteStatus != StatusAllowed) continue;
    w.choiceKey[j] = Settings(w).DominatedBox && site.Dominated ? 0 : w.siteValue[j];
    w.order[candidates++] = j;
  }
  const int wanted = std::clamp(w.P - open, 0, candidates);
  if (wanted == 0) return;
  const auto larger = [&w](int a, int b) {
    return w.choiceKey[a] > w.choiceKey[b] || (w.choiceKey[a] == w.choiceKey[b] && a < b);
  };
  int* first = w.order.data();
  if (wanted < candidates) std::nth_element(first, first + wanted - 1, first + candidates, larger);
  for (int k = 0; k < wanted; ++k) m.Node(first[k]).LagOpen = 1;
}

// NTIMES of the relaxed sites, and L = sum max(0, benefit) + sum NTIMES x u.
Extended RelaxedValue(NodeWork& w) {
  ModelState& m = w.m;
  for (int i = 1; i <= m.Numbnodes; ++i) m.Node(i).NTIMES = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).LagOpen == 1) UpdateCoverage(m, w.host, '+', j);
  Extended value = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NodeRecord& node = m.Node(i);
    value += std::max<Extended>(0, node.LagBenefit) + node.NTIMES * node.LagMultiplier;
  }
  return value;
}

void SaveCoverCounts(ModelState& m) {
  for (int i = 1; i <= m.Numbnodes; ++i) m.Node(i).LagSaved = m.Node(i).NTIMES;
}

// Moves the facility at `outgoing` to `incoming` without any progress line.
void MoveFacilitySilently(ModelState& m, RunHost& host, int outgoing, int incoming) {
  --m.Node(outgoing).Located;
  ++m.Node(incoming).Located;
  UpdateCoverage(m, host, '-', outgoing);
  UpdateCoverage(m, host, '+', incoming);
  for (int k = 1; k <= m.NumLocated; ++k)
    if (m.LocatedList[k] == outgoing) m.LocatedList[k] = static_cast<uint16_t>(incoming);
}

// First-improvement swaps on the solution in Located. The located list is rebuilt
// from the Located marks first: the swap search walks it, and the marks have just
// been taken from the relaxed solution.
bool ImproveBySwaps(ModelState& m, RunHost& host) {
  RebuildLocatedList(m);
  bool changed = false;
  for (;;) {
    const SwapChoice swap = FindBestSwap(m, true);
    if (swap.gain <= MinimumSwapGain) return changed;
    MoveFacilitySilently(m, host, swap.outgoing, swap.incoming);
    changed = true;
  }
}

// Keeps the relaxed sites as the node's best feasible solution when they cover more.
// Returns the covered demand to use in the consistency test.
Extended RecordFeasibleSolution(NodeWork& w) {
  ModelState& m = w.m;
  Extended covered = CoveredDemand(m);
  if (covered <= w.lower) return covered;
  w.lower = covered;
  SaveCoverCounts(m);
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).Located = static_cast<uint8_t>(m.Node(j).LagOpen);
  if (m.ExchangeSearch && ImproveBySwaps(m, w.host)) {
    covered = CoveredDemand(m);
    w.lower = covered;
    SaveCoverCounts(m);
  }
  return covered;
}

// The relaxed covering agrees with the coverage of the relaxed sites everywhere.
bool RelaxedSolutionConsistent(const ModelState& m) {
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NodeRecord& node = m.Node(i);
    if ((node.LagCount == 1) != (node.NTIMES > 0)) return false;
  }
  return true;
}

void Publish(NodeWork& w) {
  ModelState& m = w.m;
  m.LagIteration = w.k;
  m.LagGap = w.gap;
  m.LagAlpha = w.alpha;
  m.LagFailures = static_cast<uint16_t>(std::min(w.failures, 65535));
  m.LagStep = w.step;
  m.BestLagUpperBound = w.bestRelaxed;
  m.LagLowerBound = w.lagrangianLower;
  m.RunUpperBound = w.upper;
  m.RunLowerBound = w.lower;
}

void RefreshWhenDue(NodeWork& w) {
  if (!w.m.ShowLagProgress || (w.iterationsBefore + w.k) % RefreshEvery != 1) return;
  Publish(w);
  w.host.RefreshLagProgress();
}

// The damped subgradient step. Returns false when the relaxed solution satisfies
// every relaxed constraint (the node is done).
bool UpdateMultipliers(NodeWork& w) {
  ModelState& m = w.m;
  const CoveringSettings& s = Settings(w);
  const int failureLimit = w.atRoot ? s.RootFailures : s.MaxFail;
  if (w.failures >= failureLimit) {
    w.failures = 0;
    w.alpha /= 2;
    if (w.alpha < s.MinAlpha && s.RestartAlphaCheckBox) w.alpha = 2.0L;
  }
  Extended norm = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    NodeRecord& node = m.Node(i);
    Extended d = s.DampingTerm * node.LagDirection + (node.NTIMES - node.LagCount);
    if (w.k % 20 == 0 && std::fabs(d) < 1e-6L) d = 0;
    node.LagDirection = d;
    norm += d * d;
  }
  if (norm <= 0) return false;
  const Extended target = s.LBinStepsize == 'L' ? w.lagrangianLower : w.lower;
  w.step = (w.relaxed - target) * w.alpha / norm;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    NodeRecord& node = m.Node(i);
    Extended u = std::max<Extended>(0, node.LagMultiplier - w.step * node.LagDirection);
    if (s.BoundLagrCheckBox) u = std::min(u, node.Demand);
    const Extended change = u - node.LagMultiplier;
    if (change == 0) continue;
    node.LagMultiplier = u;
    for (uint32_t e = w.choosableEnd[static_cast<size_t>(i) - 1]; e < w.choosableEnd[static_cast<size_t>(i)]; ++e)
      w.siteValue[w.choosable[e]] += change;
  }
  return true;
}

bool StopIterating(const NodeWork& w) {
  const CoveringSettings& s = Settings(w);
  const int limit = w.atRoot ? s.RootNodeValue : s.NoIter;
  return w.gap <= s.PctDiff || w.k >= limit || w.alpha < s.MinAlpha ||
         RoundDownToGrain(w.upper, w.grain) < w.incumbent ||
         w.m.AbortRequested;
}

void Iterate(NodeWork& w) {
  ModelState& m = w.m;
  for (;;) {
    SetRelaxedCoverVariables(m);
    ChooseRelaxedSites(w);
    w.relaxed = RelaxedValue(w);
    if (w.relaxed < w.upper) w.upper = w.relaxed;
    if (w.relaxed < w.bestRelaxed) {
      w.bestRelaxed = w.relaxed;
      if (Settings(w).FailureCount) w.failures = 0;
    } else {
      ++w.failures;
    }
    const Extended covered = RecordFeasibleSolution(w);
    if (RelaxedSolutionConsistent(m) && covered > w.lagrangianLower) w.lagrangianLower = covered;
    w.gap = CoverGapPercent(RoundDownToGrain(w.upper, w.grain), w.lower);
    RefreshWhenDue(w);
    if (StopIterating(w) || !UpdateMultipliers(w)) return;
    ++w.k;
  }
}

bool SubstitutionAtEndApplies(const NodeWork& w) {
  const ModelState& m = w.m;
  const char code = m.ProblemCode;
  const bool searchModel = code == 'S' || code == 'P' || code == '%' || code == '&' || code == 'D';
  const bool maximising = code == 'C' || code == 'D';
  return m.DoSubstitution && (w.gap > Settings(w).PctDiff || searchModel) && w.upper >= w.incumbent &&
         (w.incumbent > w.lower || maximising);
}

// Reduced-value tests with the last relaxed solution: a closed site whose opening
// cannot reach LB is excluded; an open site whose closing cannot reach LB is required.
void FixSitesAtRoot(NodeWork& w) {
  ModelState& m = w.m;
  ComputeSiteValues(w);  // every allowed site, the dominated ones included
  Extended smallestOpen = NoValue;
  Extended largestClosed = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const NodeRecord& site = m.Node(j);
    if (site.SiteStatus != StatusAllowed) continue;
    if (site.LagOpen == 1) smallestOpen = std::min(smallestOpen, w.siteValue[j]);
    else if (!site.Dominated) largestClosed = std::max(largestClosed, w.siteValue[j]);
  }
  const Extended threshold = 0.999999999L * w.lower;
  int excluded = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    NodeRecord& site = m.Node(j);
    if (site.SiteStatus == StatusAllowed) {
      if (site.LagOpen != 1 && threshold > w.relaxed - smallestOpen + w.siteValue[j]) {
        site.SiteStatus = StatusExcluded;
        ++m.RootForcedOut;
      } else if (site.LagOpen == 1 && threshold > w.relaxed - w.siteValue[j] + largestClosed) {
        site.SiteStatus = StatusRequired;
        ++m.RootForcedIn;
      }
    }
    excluded += site.SiteStatus == StatusExcluded;
  }
  if (m.Numbnodes - excluded <= w.P) w.upper = w.lower;
}

void FinishNode(NodeWork& w) {
  ModelState& m = w.m;
  for (int i = 1; i <= m.Numbnodes; ++i) m.Node(i).NTIMES = m.Node(i).LagSaved;
  m.TradeoffExists = 0;
  RebuildLocatedList(m);
  if (SubstitutionAtEndApplies(w)) {
    Substitute(m, w.host);
    w.lower = CoveredDemand(m);
  }
  if (w.atRoot && w.lower < w.upper && Settings(w).RootNodeBox) FixSitesAtRoot(w);
  CountStatuses(m);
  w.gap = CoverGapPercent(RoundDownToGrain(w.upper, w.grain), w.lower);
  Publish(w);
}

}  // namespace

Extended CoverGapPercent(Extended upper, Extended lower) {
  if (upper <= lower) return 0;
  if (lower <= 0) return NoValue;
  return (upper - lower) * 100 / lower;
}

Extended MinimumPctDiff(Extended totalDemand) { return totalDemand > 0 ? 50 / totalDemand : 0; }

CoverNodeResult CoverLagrangianNode(ModelState& m, RunHost& host, int P, Extended incumbent, int level) {
  NodeWork w{m, host, P, incumbent, m.AtRootNode != 0, m.IterationTotal};
  if (!w.atRoot && m.ProblemCode == 'C') w.alpha = ChildFirstAlpha;
  for (int i = 1; i <= m.NumDemandNodes; ++i) w.totalDemand += m.Node(i).Demand;
  w.grain = DemandGrain(m);
  if (m.AbortRequested) {
    // Nothing is learnt: the trivial bound stands and no solution is recorded.
    m.RunUpperBound = w.totalDemand;
    m.RunLowerBound = -1;
    return {w.totalDemand, -1, 0, false};
  }
  if (m.ShowLagProgress) {
    m.IterationsBeforeNode = m.IterationTotal;
    m.PublishedLevel = level;
    m.TargetValue = incumbent;
  }
  PrepareDominance(m);
  ListChoosableSites(w);
  if (w.atRoot) SetInitialMultipliers(m);
  ComputeSiteValues(w);
  w.upper = w.totalDemand;
  Iterate(w);
  FinishNode(w);
  return {w.upper, w.lower, w.k, true};
}

}  // namespace korvelan
