#include "covering/FeasibleStart.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

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

bool ReachTargetWithCover(ModelState& m, RunHost& host, const std::vector<int>& cover, int k, Extended target) {
  std::array<uint8_t, NodeSlots> open{};
  int count = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    open[j] = m.Node(j).SiteStatus == StatusRequired;
    count += open[j];
  }
  for (int j : cover) {
    if (open[j] || m.Node(j).SiteStatus != StatusAllowed) continue;
    open[j] = 1;
    ++count;
  }
  for (int j = 1; j <= m.Numbnodes && count < k; ++j) {
    if (open[j] || m.Node(j).SiteStatus != StatusAllowed) continue;
    open[j] = 1;
    ++count;
  }
  if (count != k) return false;
  Reopen(m, host, open);
  RebuildLocatedList(m);
  return CoveredDemand(m) >= target;
}

}  // namespace korvelan
