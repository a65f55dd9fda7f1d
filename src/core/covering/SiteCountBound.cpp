#include "covering/SiteCountBound.h"

#include <algorithm>
#include <cmath>

#include "covering/CoverDominance.h"

namespace korvelan {
namespace {

// Allowance for the rounding of sums of demands and of the bound itself.
constexpr Extended Allowance = 1e-6L;
// The ascent halves its step factor after this many iterations without a better bound.
constexpr int PatienceBeforeHalving = 30;
constexpr Extended SmallestStepFactor = 1e-4L;
// A site joins the relaxed choice when its multiplier sum exceeds 1 by more than this:
// sums that equal 1 up to rounding (common with equal demands on lattices) then do not
// depend on the order of the additions. Leaving such a site out raises the value by at
// most this much per site, far within the allowance.
constexpr double ChoiceTolerance = 1e-12;
// Stands for "no number of sites is enough".
constexpr int Unreachable = 1 << 20;

int WholeSitesAtLeast(Extended bound) { return static_cast<int>(std::ceil(bound - Allowance)); }

// The sum of the multipliers of the listed nodes, in four partial sums that do not
// wait on one another.
template <typename Node>
inline double MultiplierSum(const double* multiplier, const Node* first, const Node* last) {
  double partial[4] = {0, 0, 0, 0};
  for (; last - first >= 4; first += 4) {
    partial[0] += multiplier[first[0]];
    partial[1] += multiplier[first[1]];
    partial[2] += multiplier[first[2]];
    partial[3] += multiplier[first[3]];
  }
  for (int lane = 0; first != last; ++first, ++lane) partial[lane] += multiplier[*first];
  return (partial[0] + partial[1]) + (partial[2] + partial[3]);
}

}  // namespace

// The demand nodes and sites that matter at the current statuses.
struct SiteCountBound::Problem {
  int required = 0;
  int allowed = 0;               // free sites, those covering nothing included
  Extended remainingTarget = 0;  // target less the demand the required sites cover
  bool wholeCover = false;       // every remaining node must be covered
  std::vector<int> nodes;        // demand nodes left to cover that some free site reaches
  std::vector<int> freeSites;
  std::vector<int> dominated;    // free sites set aside: another free site covers all they cover
  ColumnLists reach;                     // per free site: the nodes of `nodes` it covers
  std::array<uint8_t, NodeSlots> open{};     // node in `nodes`
  std::array<double, NodeSlots> gradient{};
  std::vector<int> byRatio;      // `nodes` ordered for the partial target
};

bool SiteCountBound::PrepareProblem(const ModelState& m, Extended target, Problem& p) {
  std::array<uint8_t, NodeSlots> covered{};
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const NodeRecord& site = m.Node(j);
    if (site.SiteStatus == StatusRequired) {
      ++p.required;
      for (uint16_t i : site.CoversList) covered[i] = 1;
    } else if (site.SiteStatus == StatusAllowed) {
      ++p.allowed;
      if (!site.CoversList.empty()) p.freeSites.push_back(j);
    }
  }
  Extended coveredDemand = 0;
  Extended reachable = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const Extended demand = m.Node(i).Demand;
    if (covered[i]) {
      coveredDemand += demand;
      continue;
    }
    if (demand <= 0) continue;
    const auto& by = m.Node(i).CoveredByList;
    const bool reach = std::any_of(by.begin(), by.end(), [&m](uint16_t j) { return m.Node(j).SiteStatus == StatusAllowed; });
    if (!reach) continue;
    p.nodes.push_back(i);
    p.open[i] = 1;
    reachable += demand;
  }
  p.remainingTarget = target - coveredDemand;
  // Out of reach only beyond the rounding of the sums; a whole cover when nothing is
  // left over (the fractional choice below gives the same value either way).
  if (p.remainingTarget > reachable + 1e-9L * std::max<Extended>(1, reachable)) return false;
  p.wholeCover = p.remainingTarget >= reachable;
  for (int j : p.freeSites) {
    for (uint16_t i : m.Node(j).CoversList)
      if (p.open[i]) p.reach.entries.push_back(i);
    p.reach.Close();
  }
  RemoveDominated(p);
  p.byRatio = p.nodes;
  return true;
}

// The bound of the problem without its dominated sites (and, for a whole cover, nodes)
// is a bound of the whole problem, whose optimum it shares; and it costs less.
void SiteCountBound::RemoveDominated(Problem& p) {
  const DominanceResult kept = ReduceByDominance(p.nodes, p.reach, p.wholeCover);
  std::vector<int> nodes;
  for (size_t r = 0; r < p.nodes.size(); ++r) {
    const int i = p.nodes[r];
    if (kept.rowKept[r]) {
      nodes.push_back(i);
    } else {
      p.open[i] = 0;
      multiplier_[i] = 0;
    }
  }
  p.nodes = std::move(nodes);
  std::vector<int> sites;
  ColumnLists reach;
  for (size_t s = 0; s < p.freeSites.size(); ++s) {
    if (!kept.columnKept[s]) {
      p.dominated.push_back(p.freeSites[s]);
      continue;
    }
    sites.push_back(p.freeSites[s]);
    for (uint32_t e = p.reach.Begin(s); e < p.reach.ends[s]; ++e)
      if (p.open[p.reach.entries[e]]) reach.entries.push_back(p.reach.entries[e]);
    reach.Close();
  }
  p.freeSites = std::move(sites);
  p.reach = std::move(reach);
}

// u(i) := the smallest 1 / (number of remaining nodes a site covers) over the free
// sites covering i: every site's U(j) is then at most 1.
void SiteCountBound::StartMultipliers(const Problem& p) {
  multiplier_.fill(0);
  for (size_t s = 0; s < p.reach.Count(); ++s) {
    const uint32_t begin = p.reach.Begin(s);
    const uint32_t end = p.reach.ends[s];
    if (begin == end) continue;
    const double share = 1.0 / static_cast<double>(end - begin);
    for (uint32_t e = begin; e < end; ++e) {
      const uint16_t i = p.reach.entries[e];
      if (multiplier_[i] == 0 || share < multiplier_[i]) multiplier_[i] = share;
    }
  }
  started_ = true;
}

// L(u) for the current multipliers; leaves the subgradient z(i) - sum x(j) in p.gradient.
Extended SiteCountBound::Value(const ModelState& m, Problem& p) {
  for (int i : p.nodes) p.gradient[i] = p.wholeCover ? 1 : 0;
  double belowOne = 0;  // the sum of 1 - U(j) over the sites with U(j) > 1
  const uint16_t* entries = p.reach.entries.data();
  uint32_t begin = 0;
  for (const uint32_t end : p.reach.ends) {
    const double sum = MultiplierSum(multiplier_.data(), entries + begin, entries + end);
    if (sum > 1 + ChoiceTolerance) {
      belowOne += 1 - sum;
      for (uint32_t e = begin; e < end; ++e) p.gradient[entries[e]] -= 1;
    }
    begin = end;
  }
  Extended value = p.required + static_cast<Extended>(belowOne);
  if (p.wholeCover) return value + MultiplierSum(multiplier_.data(), p.nodes.data(), p.nodes.data() + p.nodes.size());
  // The cheapest fractional choice of nodes reaching the remaining target.
  std::sort(p.byRatio.begin(), p.byRatio.end(), [&](int a, int b) {
    return multiplier_[a] * m.Node(b).Demand < multiplier_[b] * m.Node(a).Demand;
  });
  Extended left = p.remainingTarget;
  for (int i : p.byRatio) {
    if (left <= 0) break;
    const Extended demand = m.Node(i).Demand;
    const Extended share = std::min<Extended>(1, left / demand);
    value += share * multiplier_[i];
    p.gradient[i] += share;
    left -= share * demand;
  }
  return value;
}

// Subgradient ascent toward a bound above `goal` (with goal < 0, above the best bound
// so far); returns the best bound reached and leaves the multipliers of that bound.
Extended SiteCountBound::Ascend(const ModelState& m, Problem& p, int goal, int iterations) {
  std::array<double, NodeSlots> best = multiplier_;
  Extended bestValue = -1;
  Extended stepFactor = 1;
  int sinceImproved = 0;
  for (int k = 0; k < iterations && stepFactor >= SmallestStepFactor; ++k) {
    ++iterations_;
    const Extended value = Value(m, p);
    if (value > bestValue) {
      bestValue = value;
      best = multiplier_;
      sinceImproved = 0;
      if (goal >= 0 && WholeSitesAtLeast(value) > goal) break;
    } else if (++sinceImproved >= PatienceBeforeHalving) {
      stepFactor /= 2;
      sinceImproved = 0;
    }
    double norm = 0;
    for (int i : p.nodes) norm += p.gradient[i] * p.gradient[i];
    if (norm <= 0) break;  // the relaxed choice satisfies every coverage constraint
    const int aim = goal >= 0 ? goal : WholeSitesAtLeast(bestValue);
    const double step = static_cast<double>(stepFactor * (aim + 1 - value)) / norm;
    for (int i : p.nodes) multiplier_[i] = std::max(0.0, multiplier_[i] + step * p.gradient[i]);
  }
  multiplier_ = best;
  return bestValue;
}

bool SiteCountBound::ProvesTooFew(const ModelState& m, Extended target, int sites, int iterations,
                                  SiteFixing* fixing) {
  Problem p;
  if (!PrepareProblem(m, target, p)) return true;
  if (p.required > sites) return true;
  if (p.nodes.empty() || p.remainingTarget <= 0) return false;
  if (!started_) StartMultipliers(p);
  const Extended bound = Ascend(m, p, sites, iterations);
  if (WholeSitesAtLeast(bound) > sites) return true;
  if (fixing) {
    Settle(p, bound, sites, *fixing);
    CloseDominated(p, sites, *fixing);
  }
  return false;
}

// Some solution of at most `sites` sites uses no dominated site (each gives way to the
// site dominating it), and one of exactly `sites` sites when that many stay open to
// choose from: the dominated sites close then.
void SiteCountBound::CloseDominated(const Problem& p, int sites, SiteFixing& fixing) const {
  const size_t closed = fixing.closed.size() + p.dominated.size();
  if (static_cast<size_t>(p.required + p.allowed) < closed + static_cast<size_t>(sites)) return;
  fixing.closed.insert(fixing.closed.end(), p.dominated.begin(), p.dominated.end());
}

void SiteCountBound::Settle(const Problem& p, Extended bound, int sites,
                            SiteFixing& fixing) const {
  for (size_t s = 0; s < p.freeSites.size(); ++s) {
    double covered = 0;
    for (uint32_t e = p.reach.Begin(s); e < p.reach.ends[s]; ++e) covered += multiplier_[p.reach.entries[e]];
    const double reduced = 1 - covered;
    if (WholeSitesAtLeast(bound + std::fabs(reduced)) <= sites) continue;
    (reduced > 0 ? fixing.closed : fixing.open).push_back(p.freeSites[s]);
  }
}

int SiteCountBound::SitesNeeded(const ModelState& m, Extended target, int iterations) {
  Problem p;
  if (!PrepareProblem(m, target, p)) return Unreachable;
  if (p.nodes.empty() || p.remainingTarget <= 0) return p.required;
  if (!started_) StartMultipliers(p);
  return std::max(p.required, WholeSitesAtLeast(Ascend(m, p, -1, iterations)));
}

int SiteCountBound::BranchingSite(const ModelState& m) const {
  std::array<uint8_t, NodeSlots> covered{};
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).SiteStatus == StatusRequired)
      for (uint16_t i : m.Node(j).CoversList) covered[i] = 1;
  int node = 0;
  size_t fewest = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    if (covered[i] || m.Node(i).Demand <= 0) continue;
    const auto& by = m.Node(i).CoveredByList;
    const size_t free = static_cast<size_t>(
        std::count_if(by.begin(), by.end(), [&m](uint16_t j) { return m.Node(j).SiteStatus == StatusAllowed; }));
    if (free > 0 && (node == 0 || free < fewest)) {
      node = i;
      fewest = free;
    }
  }
  if (node == 0) return 0;
  int best = 0;
  double bestSum = -1;
  for (uint16_t j : m.Node(node).CoveredByList) {
    if (m.Node(j).SiteStatus != StatusAllowed) continue;
    double sum = 0;
    for (uint16_t i : m.Node(j).CoversList)
      if (!covered[i]) sum += multiplier_[i];
    if (sum > bestSum) {
      bestSum = sum;
      best = j;
    }
  }
  return best;
}

}  // namespace korvelan
