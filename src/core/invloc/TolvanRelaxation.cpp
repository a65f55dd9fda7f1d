// The relaxation of the inventory/location model: benefits, the feasible solution of
// each relaxed one and the single-node assignment search.
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "invloc/InvLocModel.h"
#include "invloc/TolvanSolver.h"
#include "solve/QuickSortIndex.h"

namespace korvelan {
namespace {

// Sort keys for nodes of zero demand, finite so that the quicksort's pivot averages.
constexpr Extended FirstKey = -std::numeric_limits<Extended>::max() / 4;

Extended Root(Extended x) { return std::sqrt(std::fabs(x)); }

Extended SortKey(Extended c, Extended mu, Extended factor) {
  if (factor == 0) return c;  // linear site: order by the reduced cost itself
  if (mu > 0) return c / (factor * factor * mu);
  return c < 0 ? FirstKey : 0;
}

// Relaxed problem of site j: the best prefix of its profitable nodes.
void SiteBenefit(ModelState& m, TolvanSearch& search, int j) {
  Extended best = 0;
  const int bestLength = TolvanPrefixWalk(m, search, j, best, nullptr);
  std::vector<int>& chosen = search.sorted[j];
  // Only the nodes of the previous prefix carry a mark in column j.
  for (int i : chosen) m.Node(i).AssignVector[j] = 0;
  chosen.assign(search.walkOrder.begin(), search.walkOrder.begin() + bestLength);
  search.prefix[j] = bestLength;
  search.relax.siteValue[j] = best + m.Node(j).FixedCost;
  m.Node(j).LagBenefit = search.relax.siteValue[j];
  for (int i : chosen) m.Node(i).AssignVector[j] = 1;
}

bool IsOpenIn(const TolvanSolution& s, int j) { return std::binary_search(s.open.begin(), s.open.end(), j); }

// Site j's gain from losing node i (removal) or its cost of taking it (addition).
Extended ConcaveChange(const TolvanSearch& search, int j, Extended load, Extended mu) {
  return (Root(load + mu) - Root(load)) * search.concave[j];
}

// The best single move of node i; 0 when none gains.
int BestMove(const ModelState& m, const TolvanSearch& search, const TolvanSolution& s, int i, int target,
             Extended threshold) {
  const AssignmentRelaxation& r = search.relax;
  const int a = s.assign[i];
  const Extended mu = m.Node(i).Demand;
  const bool numberFree = target < 0;
  Extended bestGain = threshold;
  int best = 0;
  const Extended leave = -ConcaveChange(search, a, s.load[a], -mu) + r.Row(i)[a];
  const Extended emptied = numberFree && s.members[a] == 1 && IsFreeSite(m, a) ? m.Node(a).FixedCost : 0;
  for (int e : s.open) {
    if (e == a) continue;
    Extended gain = leave + emptied - ConcaveChange(search, e, s.load[e], mu) - r.Row(i)[e];
    if (numberFree && s.members[e] == 0 && IsFreeSite(m, e)) gain -= m.Node(e).FixedCost;
    if (gain > bestGain) {
      bestGain = gain;
      best = e;
    }
  }
  return best;
}

void Move(const ModelState& m, TolvanSolution& s, int i, int to) {
  const Extended mu = m.Node(i).Demand;
  const int from = s.assign[i];
  s.load[from] -= mu;
  --s.members[from];
  s.load[to] += mu;
  ++s.members[to];
  s.assign[i] = static_cast<uint16_t>(to);
}

}  // namespace

int TolvanPrefixWalk(const ModelState& m, const TolvanSearch& search, int j, Extended& best,
                     const std::function<void(const TolvanPrefixStep&)>& step) {
  const AssignmentRelaxation& r = search.relax;
  const Extended factor = search.concave[j];
  const Extended* column = search.SiteColumn(j);
  std::vector<int>& candidates = search.candidates;
  std::vector<Extended>& keys = search.keys;
  candidates.assign(1, 0);
  keys.assign(1, 0);
  for (int i = 1; i <= r.demandNodes; ++i) {
    const Extended c = column[i] - r.multiplier[i];
    if (c > 0) continue;
    candidates.push_back(i);
    keys.push_back(SortKey(c, m.Node(i).Demand, factor));
  }
  const int count = static_cast<int>(candidates.size()) - 1;
  std::vector<int>& index = search.walkIndex;
  index.assign(count + 1, 0);
  if (count > 0) QuickSortIndex(1, count, keys.data(), index.data());
  search.walkOrder.clear();
  TolvanPrefixStep at;
  best = 0;
  int bestLength = 0;
  for (int k = 1; k <= count; ++k) {
    at.node = candidates[index[k]];
    search.walkOrder.push_back(at.node);
    at.demand = m.Node(at.node).Demand;
    at.reduced = column[at.node] - r.multiplier[at.node];
    at.totalDemand += at.demand;
    at.totalReduced += at.reduced;
    at.value = Root(at.totalDemand) * factor + at.totalReduced;
    at.best = at.value <= best;
    if (at.best) {
      best = at.value;
      bestLength = k;
    }
    if (step) step(at);
  }
  return bestLength;
}

void TolvanIndexBySite(TolvanSearch& search) {
  const AssignmentRelaxation& r = search.relax;
  search.bySite.assign(static_cast<size_t>(r.nodes + 1) * (r.demandNodes + 1), 0);
  for (int i = 1; i <= r.demandNodes; ++i)
    for (int j = 1; j <= r.nodes; ++j) search.bySite[static_cast<size_t>(j) * (r.demandNodes + 1) + i] = r.Row(i)[j];
}

void BuildTolvanTransport(ModelState& m, RunHost& host, TolvanSearch& search) {
  BuildCostMatrix(m, host, search, true, [&m](int i, int j) { return TolvanTransportEntry(m, i, j); });
  search.relax.grain = 0;
  TolvanIndexBySite(search);
  search.theta = TolvanTheta(m);
  for (int j = 1; j <= m.Numbnodes; ++j) search.concave[j] = m.InvLoc.Derived.CycleStockFactor[j] + search.theta;
  search.sorted.assign(NodeSlots, {});
}

void TolvanBenefits(ModelState& m, TolvanSearch& search) {
  for (int j = 1; j <= search.relax.nodes; ++j) SiteBenefit(m, search, j);
}

void TolvanCountAssignments(ModelState& m, TolvanSearch& search) {
  AssignmentRelaxation& r = search.relax;
  for (int i = 1; i <= r.demandNodes; ++i) r.cheapOpen[i] = 0;
  for (int j = 1; j <= r.nodes; ++j)
    if (r.open[j])
      for (int i : search.sorted[j]) ++r.cheapOpen[i];
  for (int i = 1; i <= r.demandNodes; ++i) m.Node(i).LagCount = r.cheapOpen[i];
}

Extended TolvanEvaluate(const ModelState& m, const TolvanSearch& search, TolvanSolution& s) {
  for (int j : s.open) {
    s.load[j] = 0;
    s.members[j] = 0;
  }
  Extended value = 0;
  for (int i = 1; i <= search.relax.demandNodes; ++i) {
    const int j = s.assign[i];
    s.load[j] += m.Node(i).Demand;
    ++s.members[j];
    value += search.relax.Row(i)[j];
  }
  for (int j : s.open) value += m.Node(j).FixedCost + Root(s.load[j]) * search.concave[j];
  s.value = value;
  return value;
}

void TolvanAssignGreedily(const ModelState& m, const TolvanSearch& search, TolvanSolution& s, bool useMarks) {
  for (int j = 1; j <= m.Numbnodes; ++j) {
    s.load[j] = 0;
    s.members[j] = 0;
  }
  // sqrt(D(j)) of every open site, kept as D(j) grows.
  std::array<Extended, NodeSlots> root{};
  for (int i = 1; i <= search.relax.demandNodes; ++i) {
    const Extended mu = m.Node(i).Demand;
    const Extended* costs = search.relax.Row(i);
    int chosen = 0;
    for (int pass = useMarks ? 0 : 1; pass < 2 && chosen == 0; ++pass) {
      Extended best = LagInfinity;
      for (int j : s.open) {
        if (pass == 0 && !m.Node(i).AssignVector[j]) continue;
        const Extended increment = (Root(s.load[j] + mu) - root[j]) * search.concave[j] + costs[j];
        if (increment < best) {
          best = increment;
          chosen = j;
        }
      }
    }
    if (chosen == 0) chosen = s.open.front();
    s.assign[i] = static_cast<uint16_t>(chosen);
    s.load[chosen] += mu;
    root[chosen] = Root(s.load[chosen]);
    ++s.members[chosen];
  }
}

void TolvanCloseUnusedSites(const ModelState& m, TolvanSolution& s, int target) {
  if (target >= 0) return;
  std::vector<int> kept;
  for (int j : s.open)
    if (s.members[j] > 0 || !IsFreeSite(m, j)) kept.push_back(j);
  if (kept.empty()) kept.push_back(s.open.front());
  s.open = std::move(kept);
}

void TolvanAssignmentSearch(const ModelState& m, const TolvanSearch& search, TolvanSolution& s, int target) {
  TolvanEvaluate(m, search, s);
  // Gains below this are rounding noise; every applied move lowers Z by more.
  const Extended threshold = 1e-12L * std::max<Extended>(1, std::fabs(s.value));
  for (bool moved = true; moved;) {
    moved = false;
    for (int i = 1; i <= search.relax.demandNodes; ++i) {
      const int to = BestMove(m, search, s, i, target, threshold);
      if (to == 0) continue;
      Move(m, s, i, to);
      moved = true;
    }
  }
  TolvanCloseUnusedSites(m, s, target);
  TolvanEvaluate(m, search, s);
}

void InstallTolvanSolution(ModelState& m, TolvanSearch& search, const TolvanSolution& s) {
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).Located = IsOpenIn(s, j) ? 1 : 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    NodeRecord& node = m.Node(i);
    node.AssignedFacility = s.assign[i];
    node.AssignedDistance = m.DistanceMatrix.at(i, s.assign[i]);
  }
  m.SecondFacilityValid = 0;
  search.NodeUpperBound = s.value;
  search.nodeHasSolution = true;
  search.nodeSolution = s;
}

void TolvanUpperBound(ModelState& m, RunHost& host, TolvanSearch& search, int target, int& count) {
  const AssignmentRelaxation& r = search.relax;
  TolvanSolution s;
  for (int j = 1; j <= r.nodes; ++j)
    if (r.open[j]) s.open.push_back(j);
  if (s.open.empty()) {
    host.Warning("No Facilities Identified ... Fatal Condition");
    return;
  }
  if (r.demandNodes == 0) return;
  TolvanAssignGreedily(m, search, s, true);
  TolvanCloseUnusedSites(m, s, target);
  const Extended v = TolvanEvaluate(m, search, s);
  const Extended upper = search.NodeUpperBound;
  if (!(v < upper && upper - v > 1e-12L * std::fabs(v))) return;
  if (m.Fixed.ExchangeSearch) TolvanAssignmentSearch(m, search, s, target);
  InstallTolvanSolution(m, search, s);
  count = static_cast<int>(s.open.size());
}

}  // namespace korvelan
