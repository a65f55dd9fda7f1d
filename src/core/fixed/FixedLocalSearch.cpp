#include "fixed/FixedLocalSearch.h"

#include <algorithm>
#include <vector>

#include "solve/IteratedKicks.h"
#include "solve/Shuffler.h"

namespace korvelan {
namespace {

// Sites near a facility that a move may take it to.
constexpr int NearSites = 8;
// The search stops after this many kicks in a row without a cheaper solution.
constexpr int KicksWithoutGain = 1000;

// Open sites and, per demand node, the cheapest and second cheapest open cost and the
// sites giving them (double precision: the moves only rank; the result's cost is summed
// exactly). Opening or closing a site updates only what it changes.
class Facilities {
 public:
  Facilities(const ModelState& m, const AssignmentRelaxation& r) : m_(m), r_(r) {}

  void Set(const std::array<uint8_t, NodeSlots>& open) {
    open_ = open;
    openSites_.clear();
    for (int j = 1; j <= r_.nodes; ++j)
      if (open_[j]) openSites_.push_back(j);
    for (int i = 1; i <= r_.demandNodes; ++i) FindCheapest(i);
    Retotal();
  }
  const std::array<uint8_t, NodeSlots>& Open() const { return open_; }
  double Total() const { return total_; }
  int Count() const { return static_cast<int>(openSites_.size()); }
  bool Free(int j) const { return m_.Node(j).SiteStatus == StatusAllowed; }
  int Sites() const { return r_.nodes; }
  int Demands() const { return r_.demandNodes; }
  int Near(int j, int k) const { return m_.NearestOrder.at(j, k); }
  int Serving(int i) const { return bestSite_[i]; }
  double Cost(int i, int j) const { return static_cast<double>(r_.Row(i)[j]); }
  double Fixed(int j) const { return static_cast<double>(m_.Node(j).FixedCost); }
  double Cheapest(int i) const { return best_[i]; }
  double SecondCheapest(int i) const { return second_[i]; }

  void OpenSite(int j) {
    open_[j] = 1;
    openSites_.push_back(j);
    for (int i = 1; i <= r_.demandNodes; ++i) Consider(i, j);
    Retotal();
  }

  void CloseSite(int j) {
    open_[j] = 0;
    openSites_.erase(std::find(openSites_.begin(), openSites_.end(), j));
    for (int i = 1; i <= r_.demandNodes; ++i)
      if (bestSite_[i] == j || secondSite_[i] == j) FindCheapest(i);
    Retotal();
  }

  // Cost change when j opens.
  double AddChange(int j) const {
    double change = Fixed(j);
    for (int i = 1; i <= r_.demandNodes; ++i) change += std::min(0.0, Cost(i, j) - best_[i]);
    return change;
  }

  static constexpr double LargeChange = 1e300;

 private:
  void FindCheapest(int i) {
    best_[i] = second_[i] = LargeChange;
    bestSite_[i] = secondSite_[i] = 0;
    for (int j : openSites_) Consider(i, j);
  }

  // Open site j as a candidate for demand node i's cheapest and second cheapest.
  void Consider(int i, int j) {
    const double c = Cost(i, j);
    if (c < best_[i]) {
      second_[i] = best_[i];
      secondSite_[i] = bestSite_[i];
      best_[i] = c;
      bestSite_[i] = j;
    } else if (c < second_[i]) {
      second_[i] = c;
      secondSite_[i] = j;
    }
  }

  void Retotal() {
    total_ = 0;
    for (int j : openSites_) total_ += Fixed(j);
    for (int i = 1; i <= r_.demandNodes; ++i) total_ += best_[i];
  }

  const ModelState& m_;
  const AssignmentRelaxation& r_;
  std::array<uint8_t, NodeSlots> open_{};
  std::vector<int> openSites_;
  std::array<double, NodeSlots> best_{};
  std::array<double, NodeSlots> second_{};
  std::array<int, NodeSlots> bestSite_{};
  std::array<int, NodeSlots> secondSite_{};
  double total_ = 0;
};

struct Move {
  int out = 0;
  int in = 0;
  double change = 0;
};

// The cost changes of every single step from the current facilities, computed once per
// step of the descent: a move's change is then the opening's change, corrected only on
// the demand nodes the closing facility serves.
class MoveValues {
 public:
  explicit MoveValues(const Facilities& f) : f_(f), served_(static_cast<size_t>(f.Sites()) + 1) {
    for (int j = 1; j <= f.Sites(); ++j)
      if (f.Free(j) && !f.Open()[j]) addChange_[j] = f.AddChange(j);
    for (int i = 1; i <= f.Demands(); ++i) {
      const int site = f.Serving(i);
      if (site == 0) continue;
      served_[static_cast<size_t>(site)].push_back(i);
      closeChange_[site] += f.SecondCheapest(i) - f.Cheapest(i);
    }
  }

  double Add(int j) const { return addChange_[j]; }
  // `out` closes and `in` (0: none) opens; never the last facility without a new one.
  double Move(int out, int in) const {
    if (f_.Count() <= 1) return in == 0 ? Facilities::LargeChange : LastFacilityMove(out, in);
    double change = closeChange_[out] - f_.Fixed(out);
    if (in == 0) return change;
    change += addChange_[in];
    for (int i : served_[static_cast<size_t>(out)]) {
      const double c = f_.Cost(i, in);
      change += std::min(0.0, c - f_.SecondCheapest(i)) - std::min(0.0, c - f_.Cheapest(i));
    }
    return change;
  }

 private:
  double LastFacilityMove(int out, int in) const {
    double change = f_.Fixed(in) - f_.Fixed(out);
    for (int i = 1; i <= f_.Demands(); ++i) change += f_.Cost(i, in) - f_.Cheapest(i);
    return change;
  }

  const Facilities& f_;
  std::vector<std::vector<int>> served_;
  std::array<double, NodeSlots> addChange_{};
  std::array<double, NodeSlots> closeChange_{};
};

// The best opening, closing or move to a near site.
Move BestMove(const Facilities& f) {
  const MoveValues values(f);
  Move best;
  const auto consider = [&best](int out, int in, double change) {
    if (change < best.change) best = {out, in, change};
  };
  for (int j = 1; j <= f.Sites(); ++j) {
    if (!f.Free(j)) continue;
    if (!f.Open()[j]) {
      consider(0, j, values.Add(j));
      continue;
    }
    consider(j, 0, values.Move(j, 0));
    for (int k = 2; k <= std::min(NearSites + 1, f.Sites()); ++k) {
      const int near = f.Near(j, k);
      if (near <= f.Sites() && f.Free(near) && !f.Open()[near]) consider(j, near, values.Move(j, near));
    }
  }
  return best;
}

void Descend(Facilities& f, double tolerance) {
  for (;;) {
    const Move move = BestMove(f);
    if (move.change >= -tolerance) return;
    if (move.in) f.OpenSite(move.in);
    if (move.out) f.CloseSite(move.out);
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
                                          const std::array<uint16_t, NodeSlots>& start, int kicks,
                                          Extended enough) {
  std::array<uint8_t, NodeSlots> open{};
  for (int j = 1; j <= r.nodes; ++j) {
    const uint8_t status = m.Node(j).SiteStatus;
    open[j] = status == StatusRequired || (start[j] && status != StatusExcluded);
  }
  Facilities f(m, r);
  f.Set(open);
  if (f.Count() == 0) return {};
  const double tolerance = 1e-9 * std::max(1.0, f.Total());
  Shuffler random(0x2545F4914F6CDD1DULL);
  const std::array<uint8_t, NodeSlots> best =
      IterateKicks(f, tolerance, kicks, KicksWithoutGain, static_cast<double>(enough),
                   [&f, tolerance] { Descend(f, tolerance); }, [&f, &random] { return Kick(f, random); });
  return {best, FixedChargeCost(m, r, best)};
}

}  // namespace korvelan
