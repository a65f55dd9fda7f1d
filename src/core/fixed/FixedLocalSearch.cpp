#include "fixed/FixedLocalSearch.h"

#include <algorithm>
#include <vector>

#include "solve/Shuffler.h"

namespace korvelan {
namespace {

// Sites near a facility that a move may take it to.
constexpr int NearSites = 8;
// The search stops after this many kicks in a row without a cheaper solution.
constexpr int KicksWithoutGain = 500;

// Open sites and, per demand node, the cheapest and second cheapest open cost (double
// precision: the moves only rank; the result's cost is summed exactly).
class Facilities {
 public:
  Facilities(const ModelState& m, const AssignmentRelaxation& r) : m_(m), r_(r) {}

  void Set(const std::array<uint8_t, NodeSlots>& open) {
    open_ = open;
    Refresh();
  }
  const std::array<uint8_t, NodeSlots>& Open() const { return open_; }
  double Total() const { return total_; }
  int Count() const { return count_; }
  bool Free(int j) const { return m_.Node(j).SiteStatus == StatusAllowed; }
  int Sites() const { return r_.nodes; }
  int Near(int j, int k) const { return m_.NearestOrder.at(j, k); }

  void Toggle(int j) {
    open_[j] = !open_[j];
    Refresh();
  }

  // Cost change when j opens.
  double AddChange(int j) const {
    double change = Fixed(j);
    for (int i = 1; i <= r_.demandNodes; ++i) change += std::min(0.0, Cost(i, j) - best_[i]);
    return change;
  }
  // Cost change when `out` closes and `in` (0: none) opens.
  double MoveChange(int out, int in) const {
    if (count_ <= 1 && in == 0) return LargeChange;
    double change = (in ? Fixed(in) : 0) - Fixed(out);
    for (int i = 1; i <= r_.demandNodes; ++i) {
      const double without = bestSite_[i] == out ? second_[i] : best_[i];
      change += (in ? std::min(without, Cost(i, in)) : without) - best_[i];
    }
    return change;
  }

  static constexpr double LargeChange = 1e300;

 private:
  double Cost(int i, int j) const { return static_cast<double>(r_.Row(i)[j]); }
  double Fixed(int j) const { return static_cast<double>(m_.Node(j).FixedCost); }

  void Refresh() {
    total_ = 0;
    count_ = 0;
    for (int j = 1; j <= r_.nodes; ++j)
      if (open_[j]) {
        total_ += Fixed(j);
        ++count_;
      }
    for (int i = 1; i <= r_.demandNodes; ++i) {
      best_[i] = second_[i] = LargeChange;
      bestSite_[i] = 0;
      for (int j = 1; j <= r_.nodes; ++j) {
        if (!open_[j]) continue;
        const double c = Cost(i, j);
        if (c < best_[i]) {
          second_[i] = best_[i];
          best_[i] = c;
          bestSite_[i] = j;
        } else if (c < second_[i]) {
          second_[i] = c;
        }
      }
      total_ += best_[i];
    }
  }

  const ModelState& m_;
  const AssignmentRelaxation& r_;
  std::array<uint8_t, NodeSlots> open_{};
  std::array<double, NodeSlots> best_{};
  std::array<double, NodeSlots> second_{};
  std::array<int, NodeSlots> bestSite_{};
  double total_ = 0;
  int count_ = 0;
};

struct Move {
  int out = 0;
  int in = 0;
  double change = 0;
};

// The best opening, closing or move to a near site.
Move BestMove(const Facilities& f) {
  Move best;
  const auto consider = [&best](int out, int in, double change) {
    if (change < best.change) best = {out, in, change};
  };
  for (int j = 1; j <= f.Sites(); ++j) {
    if (!f.Free(j)) continue;
    if (!f.Open()[j]) {
      consider(0, j, f.AddChange(j));
      continue;
    }
    consider(j, 0, f.MoveChange(j, 0));
    for (int k = 2; k <= std::min(NearSites + 1, f.Sites()); ++k) {
      const int near = f.Near(j, k);
      if (near <= f.Sites() && f.Free(near) && !f.Open()[near]) consider(j, near, f.MoveChange(j, near));
    }
  }
  return best;
}

void Descend(Facilities& f, double tolerance) {
  for (;;) {
    const Move move = BestMove(f);
    if (move.change >= -tolerance) return;
    std::array<uint8_t, NodeSlots> open = f.Open();
    if (move.out) open[move.out] = 0;
    if (move.in) open[move.in] = 1;
    f.Set(open);
  }
}

// Closes two free facilities (a random one and the open one nearest to it) and opens a
// random free site near them. False when there are not two free facilities.
bool Kick(Facilities& f, Shuffler& random) {
  std::vector<int> facilities;
  for (int j = 1; j <= f.Sites(); ++j)
    if (f.Open()[j] && f.Free(j)) facilities.push_back(j);
  if (facilities.size() < 2) return false;
  const int first = facilities[static_cast<size_t>(random.Below(static_cast<int>(facilities.size())))];
  int second = 0;
  for (int k = 2; k <= f.Sites() && second == 0; ++k) {
    const int near = f.Near(first, k);
    if (near <= f.Sites() && f.Open()[near] && f.Free(near)) second = near;
  }
  std::array<uint8_t, NodeSlots> open = f.Open();
  open[first] = open[second] = 0;
  std::vector<int> candidates;
  for (int k = 2; k <= std::min(2 * NearSites + 1, f.Sites()); ++k) {
    const int near = f.Near(first, k);
    if (near <= f.Sites() && f.Free(near) && !open[near] && near != second) candidates.push_back(near);
  }
  if (!candidates.empty()) open[candidates[static_cast<size_t>(random.Below(static_cast<int>(candidates.size())))]] = 1;
  f.Set(open);
  return true;
}

}  // namespace

Extended FixedChargeCost(const ModelState& m, const AssignmentRelaxation& r, const std::array<uint8_t, NodeSlots>& open) {
  Extended total = 0;
  bool any = false;
  for (int j = 1; j <= r.nodes; ++j)
    if (open[j]) {
      total += m.Node(j).FixedCost;
      any = true;
    }
  if (!any) return LagInfinity;
  for (int i = 1; i <= r.demandNodes; ++i) {
    Extended cheapest = LagInfinity;
    for (int j = 1; j <= r.nodes; ++j)
      if (open[j]) cheapest = std::min(cheapest, r.Row(i)[j]);
    total += cheapest;
  }
  return total;
}

FixedLocalSearchResult ImproveFixedCharge(const ModelState& m, const AssignmentRelaxation& r,
                                          const std::array<uint16_t, NodeSlots>& start, int kicks) {
  std::array<uint8_t, NodeSlots> open{};
  for (int j = 1; j <= r.nodes; ++j) {
    const uint8_t status = m.Node(j).SiteStatus;
    open[j] = status == StatusRequired || (start[j] && status != StatusExcluded);
  }
  Facilities f(m, r);
  f.Set(open);
  if (f.Count() == 0) return {};
  const double tolerance = 1e-9 * std::max(1.0, f.Total());
  Descend(f, tolerance);
  std::array<uint8_t, NodeSlots> best = f.Open();
  double bestTotal = f.Total();
  Shuffler random(0x2545F4914F6CDD1DULL);
  for (int kick = 0, sinceBest = 0; kick < kicks && sinceBest < KicksWithoutGain; ++kick, ++sinceBest) {
    const std::array<uint8_t, NodeSlots> before = f.Open();
    const double beforeTotal = f.Total();
    if (!Kick(f, random)) break;
    Descend(f, tolerance);
    if (f.Total() > beforeTotal + tolerance) {
      f.Set(before);
      continue;
    }
    if (f.Total() < bestTotal - tolerance) {
      best = f.Open();
      bestTotal = f.Total();
      sinceBest = 0;
    }
  }
  return {best, FixedChargeCost(m, r, best)};
}

}  // namespace korvelan
