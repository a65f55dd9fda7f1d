#include "covering/FeasibleStart.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "covering/CoverLocalSearch.h"
#include "covering/Coverage.h"
#include "covering/Substitution.h"
#include "solve/Evaluation.h"

namespace korvelan {
namespace {

// Facilities tried in turn for the one to close.
constexpr int ClosingTries = 40;

// Located := the marks of BestLocated that the statuses allow, and every required site.
int OpenLastSolution(ModelState& m, RunHost& host) {
  int open = 0;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    NodeRecord& node = m.Node(n);
    const bool wanted = node.SiteStatus == StatusRequired || (m.BestLocated[n] && node.SiteStatus == StatusAllowed);
    node.Located = wanted ? 1 : 0;
    node.NTIMES = 0;
    open += node.Located;
  }
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) UpdateCoverage(m, host, '+', j);
  return open;
}

// The open, non-required facilities, the one that alone covers the least demand first.
std::vector<int> ByLossWhenClosed(const ModelState& m) {
  std::vector<std::pair<Extended, int>> losses;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located && m.Node(j).SiteStatus != StatusRequired) losses.push_back({SoleCoverLoss(m, j), j});
  std::stable_sort(losses.begin(), losses.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<int> order;
  for (const auto& loss : losses) order.push_back(loss.second);
  return order;
}

int CheapestToClose(const ModelState& m) {
  const std::vector<int> order = ByLossWhenClosed(m);
  return order.empty() ? 0 : order.front();
}

void CloseSite(ModelState& m, RunHost& host, int site) {
  m.Node(site).Located = 0;
  UpdateCoverage(m, host, '-', site);
}

void Reopen(ModelState& m, RunHost& host, const std::array<uint8_t, NodeSlots>& located) {
  for (int n = 1; n <= m.Numbnodes; ++n) {
    m.Node(n).Located = located[n];
    m.Node(n).NTIMES = 0;
  }
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) UpdateCoverage(m, host, '+', j);
}

// The substitution step on the open facilities; true when they reach the target.
bool Improve(ModelState& m, RunHost& host, Extended target);

// From `open` facilities in Located down to k: the cheapest to close go first, and
// with one left over each is tried in turn, the substitution step after each.
bool ReduceToCount(ModelState& m, RunHost& host, int open, int k, Extended target) {
  if (open < k) return false;
  while (open > k + 1) {
    const int site = CheapestToClose(m);
    if (site == 0) return false;
    CloseSite(m, host, site);
    --open;
  }
  if (open == k) return Improve(m, host, target);
  std::array<uint8_t, NodeSlots> start{};
  for (int j = 1; j <= m.Numbnodes; ++j) start[j] = m.Node(j).Located;
  const std::vector<int> order = ByLossWhenClosed(m);
  for (size_t t = 0; t < order.size() && static_cast<int>(t) < ClosingTries; ++t) {
    if (t > 0) Reopen(m, host, start);
    CloseSite(m, host, order[t]);
    if (Improve(m, host, target)) return true;
  }
  return false;
}

// The substitution step on the open facilities; true when they reach the target.
bool Improve(ModelState& m, RunHost& host, Extended target) {
  RebuildLocatedList(m);
  if (CoveredDemand(m) < target) Substitute(m, host);
  return CoveredDemand(m) >= target;
}

}  // namespace

bool ReachTargetFromLastSolution(ModelState& m, RunHost& host, int k, Extended target) {
  const int open = OpenLastSolution(m, host);
  return open > 0 && ReduceToCount(m, host, open, k, target);
}

namespace {

// Smallest price of a site in the priced greedy: a site whose multipliers exceed 1 is
// nearly free but still not free.
constexpr Extended LeastPrice = 0.001L;

Extended Price(const ModelState& m, const SiteCountBound& prices, int site) {
  Extended value = 0;
  for (uint16_t i : m.Node(site).CoversList) value += prices.Multiplier(i);
  return std::max(1 - value, LeastPrice);
}

Extended UncoveredDemand(const ModelState& m, int site) {
  Extended demand = 0;
  for (uint16_t i : m.Node(site).CoversList)
    if (m.Node(i).NTIMES == 0) demand += m.Node(i).Demand;
  return demand;
}

bool FreeAndClosed(const NodeRecord& site) { return site.Located == 0 && site.SiteStatus == StatusAllowed; }

// The free, closed site adding the most uncovered demand per unit of price; 0 when
// no site adds any.
int BestPricedSite(const ModelState& m, const std::array<Extended, NodeSlots>& price) {
  int best = 0;
  Extended bestScore = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (!FreeAndClosed(m.Node(j))) continue;
    const Extended score = UncoveredDemand(m, j) / price[j];
    if (score > bestScore) {
      bestScore = score;
      best = j;
    }
  }
  return best;
}

void OpenSite(ModelState& m, RunHost& host, int site) {
  m.Node(site).Located = 1;
  UpdateCoverage(m, host, '+', site);
}

// Closes, most expensive first, every facility the target does not need.
void CloseUnneeded(ModelState& m, RunHost& host, const std::array<Extended, NodeSlots>& price, Extended target) {
  std::vector<int> open;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located && m.Node(j).SiteStatus != StatusRequired) open.push_back(j);
  std::stable_sort(open.begin(), open.end(), [&price](int a, int b) { return price[a] > price[b]; });
  Extended covered = CoveredDemand(m);
  for (int j : open) {
    const Extended loss = SoleCoverLoss(m, j);
    if (covered - loss < target) continue;
    CloseSite(m, host, j);
    covered -= loss;
  }
}


// Located := the priced greedy cover of the target, required sites included; false
// when the allowed sites cannot reach it.
bool BuildPricedCover(ModelState& m, RunHost& host, const SiteCountBound& prices, Extended target) {
  std::array<Extended, NodeSlots> price{};
  for (int j = 1; j <= m.Numbnodes; ++j) price[j] = Price(m, prices, j);
  std::array<uint8_t, NodeSlots> required{};
  for (int j = 1; j <= m.Numbnodes; ++j) required[j] = m.Node(j).SiteStatus == StatusRequired;
  Reopen(m, host, required);
  while (CoveredDemand(m) < target) {
    const int site = BestPricedSite(m, price);
    if (site == 0) return false;
    OpenSite(m, host, site);
  }
  CloseUnneeded(m, host, price, target);
  RebuildLocatedList(m);
  return true;
}

std::vector<int> LocatedSites(const ModelState& m) {
  std::vector<int> sites;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) sites.push_back(j);
  return sites;
}

// Located := exactly `sites`, with NTIMES, LocatedList and NumLocated rebuilt.
void InstallSites(ModelState& m, RunHost& host, const std::vector<int>& sites) {
  std::array<uint8_t, NodeSlots> located{};
  for (int j : sites) located[j] = 1;
  Reopen(m, host, located);
  RebuildLocatedList(m);
}

// Plateau moves of the local search for the first cover of set covering.
constexpr int FirstCoverPlateauMoves = 300;

}  // namespace

bool ReachTargetByPricedGreedy(ModelState& m, RunHost& host, const SiteCountBound& prices, int k, Extended target,
                               const CountReduction& reduction) {
  if (!BuildPricedCover(m, host, prices, target)) return false;
  if (m.NumLocated > k) {
    std::vector<int> fewer;
    if (reduction.plateauMoves > 0) fewer = ShrinkCover(m, LocatedSites(m), target, {reduction.plateauMoves, k});
    if (fewer.empty() || static_cast<int>(fewer.size()) > k)
      return reduction.closeCheapest && ReduceToCount(m, host, m.NumLocated, k, target);
    InstallSites(m, host, fewer);
    if (CoveredDemand(m) < target) return false;
  }
  for (int j = 1; j <= m.Numbnodes && m.NumLocated < k; ++j) {
    if (!FreeAndClosed(m.Node(j))) continue;
    OpenSite(m, host, j);
    RebuildLocatedList(m);
  }
  return m.NumLocated == k;
}

void ImproveCover(ModelState& m, RunHost& host, const SiteCountBound& prices, Extended target, int enough) {
  const std::vector<int> current = LocatedSites(m);
  std::vector<int> best = ShrinkCover(m, current, target, {FirstCoverPlateauMoves, enough});
  if (static_cast<int>(best.size()) > enough && BuildPricedCover(m, host, prices, target)) {
    const std::vector<int> priced = ShrinkCover(m, LocatedSites(m), target, {FirstCoverPlateauMoves, enough});
    if (!priced.empty() && (best.empty() || priced.size() < best.size())) best = priced;
  }
  InstallSites(m, host, current);
  if (best.empty() || best.size() >= current.size()) return;
  InstallSites(m, host, best);
  if (CoveredDemand(m) < target) InstallSites(m, host, current);
}

}  // namespace korvelan
