#include "median/SwapLocalSearch.h"

#include <algorithm>
#include <vector>

#include "solve/IteratedKicks.h"
#include "solve/Shuffler.h"

namespace korvelan {
namespace {

// Sites near a facility that a move may take it to.
constexpr int NearSites = 8;
// The search stops after this many kicks in a row without a cheaper solution.
constexpr int KicksWithoutGain = 100;
constexpr double LargeCost = 1e300;

// Open sites and, per demand node, the cheapest and second cheapest open cost (double
// precision: the moves only rank; the result's cost is summed exactly).
class Facilities {
 public:
  Facilities(const ModelState& m, const AssignmentRelaxation& r, bool withFixedCosts)
      : m_(m), r_(r), byColumn_(static_cast<size_t>(r.nodes + 1) * (r.demandNodes + 1)) {
    for (int i = 1; i <= r.demandNodes; ++i)
      for (int j = 1; j <= r.nodes; ++j) byColumn_[Index(i, j)] = static_cast<double>(r.Row(i)[j]);
    for (int j = 1; j <= r.nodes; ++j)
      fixed_[j] = withFixedCosts ? static_cast<double>(m.Node(j).FixedCost) : 0;
  }

  void Set(const std::array<uint8_t, NodeSlots>& open) {
    open_ = open;
    Refresh();
  }
  const std::array<uint8_t, NodeSlots>& Open() const { return open_; }
  double Total() const { return total_; }
  int Sites() const { return r_.nodes; }
  bool CanOpen(int j) const { return m_.Node(j).SiteStatus == StatusAllowed; }
  bool CanClose(int j) const { return m_.Node(j).SiteStatus != StatusRequired; }
  // The k-th nearest site to j (k = 1 is j itself); 0 beyond the sites.
  int Near(int j, int k) const {
    const int site = m_.NearestOrder.at(j, k);
    return site <= r_.nodes ? site : 0;
  }

  // The cost change of opening `in` whichever facility closes; adds to loss[out] the
  // further change when `out` is the one closing.
  double ExchangeChanges(int in, std::vector<double>& loss) const {
    double change = fixed_[in];
    const double* cost = &byColumn_[Index(0, in)];
    for (int i = 1; i <= r_.demandNodes; ++i) {
      const double c = cost[i];
      if (c < best_[i])
        change += c - best_[i];
      else
        loss[static_cast<size_t>(bestSite_[i])] += std::min(c, second_[i]) - best_[i];
    }
    return change;
  }
  double Fixed(int j) const { return fixed_[j]; }

 private:
  size_t Index(int i, int j) const { return static_cast<size_t>(j) * (r_.demandNodes + 1) + i; }

  // Cheapest and second cheapest open cost of every demand node, walking its sites
  // nearest first (costs never fall with the distance).
  void Refresh() {
    total_ = 0;
    for (int j = 1; j <= r_.nodes; ++j)
      if (open_[j]) total_ += fixed_[j];
    for (int i = 1; i <= r_.demandNodes; ++i) {
      const int32_t* nearest = m_.NearestOrder.row(i);
      best_[i] = second_[i] = LargeCost;
      bestSite_[i] = 0;
      for (int k = 1; k <= r_.nodes; ++k) {
        const int j = nearest[k];
        if (!open_[j]) continue;
        const double c = byColumn_[Index(i, j)];
        if (bestSite_[i] == 0) {
          best_[i] = c;
          bestSite_[i] = j;
        } else {
          second_[i] = c;
          break;
        }
      }
      total_ += best_[i];
    }
  }

  const ModelState& m_;
  const AssignmentRelaxation& r_;
  std::vector<double> byColumn_;  // c(i, j) for the demand nodes of site j in sequence
  std::array<double, NodeSlots> fixed_{};
  std::array<uint8_t, NodeSlots> open_{};
  std::array<double, NodeSlots> best_{};
  std::array<double, NodeSlots> second_{};
  std::array<int, NodeSlots> bestSite_{};
  double total_ = 0;
};

struct Move {
  int out = 0;
  int in = 0;
  double change = 0;
};

// The best exchange of a facility that may close for a closed free site. For each
// site j that may open, one pass over the demand nodes gives the change of every
// exchange with j: nodes nearer to j than to their facility move to j whichever
// facility closes; the others lose their facility only when it is the one closing.
Move BestMove(const Facilities& f, std::vector<double>& loss) {
  Move best;
  std::vector<int> closable;
  for (int j = 1; j <= f.Sites(); ++j)
    if (f.Open()[j] && f.CanClose(j)) closable.push_back(j);
  for (int in = 1; in <= f.Sites(); ++in) {
    if (f.Open()[in] || !f.CanOpen(in)) continue;
    for (const int out : closable) loss[static_cast<size_t>(out)] = -f.Fixed(out);
    const double gain = f.ExchangeChanges(in, loss);
    for (const int out : closable) {
      const double change = gain + loss[static_cast<size_t>(out)];
      if (change < best.change) best = {out, in, change};
    }
  }
  return best;
}

void Descend(Facilities& f, double tolerance) {
  std::vector<double> loss(static_cast<size_t>(f.Sites()) + 1);
  for (;;) {
    const Move move = BestMove(f, loss);
    if (move.change >= -tolerance) return;
    std::array<uint8_t, NodeSlots> open = f.Open();
    open[move.out] = 0;
    open[move.in] = 1;
    f.Set(open);
  }
}

int RandomOf(const std::vector<int>& sites, Shuffler& random) {
  return sites[static_cast<size_t>(random.Below(static_cast<int>(sites.size())))];
}

// Closes a random facility that may close and the nearest other one that may, and
// opens two free sites near them. False when that is not possible.
bool Kick(Facilities& f, Shuffler& random) {
  std::vector<int> facilities;
  for (int j = 1; j <= f.Sites(); ++j)
    if (f.Open()[j] && f.CanClose(j)) facilities.push_back(j);
  if (facilities.size() < 2) return false;
  const int first = RandomOf(facilities, random);
  int second = 0;
  for (int k = 2; k <= f.Sites() && second == 0; ++k) {
    const int near = f.Near(first, k);
    if (near != 0 && f.Open()[near] && f.CanClose(near)) second = near;
  }
  std::array<uint8_t, NodeSlots> open = f.Open();
  open[first] = open[second] = 0;
  std::vector<int> candidates;
  for (const int facility : {first, second})
    for (int k = 1; k <= std::min(2 * NearSites + 1, f.Sites()); ++k) {
      const int near = f.Near(facility, k);
      if (near != 0 && near != first && near != second && f.CanOpen(near) && !open[near] &&
          std::find(candidates.begin(), candidates.end(), near) == candidates.end())
        candidates.push_back(near);
    }
  if (candidates.size() < 2) return false;
  const int in = RandomOf(candidates, random);
  candidates.erase(std::find(candidates.begin(), candidates.end(), in));
  open[in] = open[RandomOf(candidates, random)] = 1;
  f.Set(open);
  return true;
}

Extended ExactCost(const ModelState& m, const AssignmentRelaxation& r,
                   const std::array<uint8_t, NodeSlots>& open, bool withFixedCosts) {
  Extended total = 0;
  bool any = false;
  for (int j = 1; j <= r.nodes; ++j)
    if (open[j]) {
      if (withFixedCosts) total += m.Node(j).FixedCost;
      any = true;
    }
  if (!any) return LagInfinity;
  for (int i = 1; i <= r.demandNodes; ++i) {
    const int32_t* nearest = m.NearestOrder.row(i);
    for (int k = 1; k <= r.nodes; ++k)
      if (open[nearest[k]]) {
        total += r.NearestRow(i)[k];
        break;
      }
  }
  return total;
}

}  // namespace

LocalSearchResult ImproveWithSwaps(const ModelState& m, const AssignmentRelaxation& r,
                                   const std::array<uint16_t, NodeSlots>& start, bool withFixedCosts,
                                   int kicks, Extended lowerBound) {
  std::array<uint8_t, NodeSlots> open{};
  bool any = false;
  for (int j = 1; j <= r.nodes; ++j) {
    open[j] = start[j] ? 1 : 0;
    any = any || open[j];
  }
  if (!any) return {};
  Facilities f(m, r, withFixedCosts);
  f.Set(open);
  const double tolerance = 1e-9 * std::max(1.0, f.Total());
  Shuffler random(0x2545F4914F6CDD1DULL);
  const std::array<uint8_t, NodeSlots> best = IterateKicks(
      f, tolerance, kicks, KicksWithoutGain, static_cast<double>(lowerBound) + tolerance,
      [&f, tolerance] { Descend(f, tolerance); }, [&f, &random] { return Kick(f, random); });
  return {best, ExactCost(m, r, best, withFixedCosts)};
}

}  // namespace korvelan
