#include "fixed/FixedLocalSearch.h"

#include <algorithm>
#include <optional>
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

  // A demand node's cheapest and second cheapest open cost before an opening or a
  // closing changed them.
  struct Change {
    int node;
    double best;
    double second;
    int bestSite;
  };
  // The changes of the last OpenSite or CloseSite.
  const std::vector<Change>& Changes() const { return changes_; }

  void OpenSite(int j) {
    changes_.clear();
    open_[j] = 1;
    openSites_.push_back(j);
    for (int i = 1; i <= r_.demandNodes; ++i) {
      if (Cost(i, j) >= second_[i]) continue;
      changes_.push_back({i, best_[i], second_[i], bestSite_[i]});
      Consider(i, j);
    }
    Retotal();
  }

  void CloseSite(int j) {
    changes_.clear();
    open_[j] = 0;
    openSites_.erase(std::find(openSites_.begin(), openSites_.end(), j));
    for (int i = 1; i <= r_.demandNodes; ++i) {
      if (bestSite_[i] != j && secondSite_[i] != j) continue;
      changes_.push_back({i, best_[i], second_[i], bestSite_[i]});
      FindCheapest(i);
    }
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
  std::vector<Change> changes_;
  double total_ = 0;
};

struct Move {
  int out = 0;
  int in = 0;
  double change = 0;
};

// The cost changes of every single step from the current facilities: a move's change is
// the opening's change, corrected only on the demand nodes the closing facility serves.
// Built once per descent and brought up to date after each step from the demand nodes
// the step changed (with at most two facilities some node has no second cheapest cost,
// and the values are built again).
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

  // After `opened` opened or `closed` closed (0: none), whose changed demand nodes
  // f.Changes() holds.
  void Update(int opened, int closed) {
    for (const Facilities::Change& c : f_.Changes()) UpdateNode(c);
    if (opened) addChange_[opened] = 0;
    if (closed) {
      addChange_[closed] = f_.AddChange(closed);
      closeChange_[closed] = 0;
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
  void UpdateNode(const Facilities::Change& c) {
    const int i = c.node;
    for (int j = 1; j <= f_.Sites(); ++j) {
      if (f_.Open()[j] || !f_.Free(j)) continue;
      const double cost = f_.Cost(i, j);
      addChange_[j] += std::min(0.0, cost - f_.Cheapest(i)) - std::min(0.0, cost - c.best);
    }
    closeChange_[c.bestSite] -= c.second - c.best;
    closeChange_[f_.Serving(i)] += f_.SecondCheapest(i) - f_.Cheapest(i);
    if (c.bestSite == f_.Serving(i)) return;
    std::vector<int>& was = served_[static_cast<size_t>(c.bestSite)];
    const auto at = std::find(was.begin(), was.end(), i);
    if (at != was.end()) was.erase(at);
    served_[static_cast<size_t>(f_.Serving(i))].push_back(i);
  }

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

// The facilities with their move values kept up to date, as the kick loop drives them:
// a kick and the descent after it open and close sites one at a time, and only going
// back to an earlier solution builds everything again.
class Search {
 public:
  // rebuildEvery: changes after which the move values are built afresh, so that
  // rounding in their updates cannot build up.
  Search(const ModelState& m, const AssignmentRelaxation& r, int rebuildEvery) : f_(m, r), rebuildEvery_(rebuildEvery) {}
  Search(const Search&) = delete;
  Search& operator=(const Search&) = delete;

  // Going back to an earlier solution that differs in a few sites opens and closes
  // them one at a time; otherwise everything is built again.
  void Set(const std::array<uint8_t, NodeSlots>& open) {
    std::vector<int> opening, closing;
    for (int j = 1; j <= f_.Sites(); ++j) {
      if (open[j] && !f_.Open()[j]) opening.push_back(j);
      if (!open[j] && f_.Open()[j]) closing.push_back(j);
    }
    if (!values_ || opening.size() + closing.size() > FewDifferences) {
      f_.Set(open);
      values_.emplace(f_);
      return;
    }
    for (int j : opening) OpenSite(j);
    for (int j : closing) CloseSite(j);
  }
  const std::array<uint8_t, NodeSlots>& Open() const { return f_.Open(); }
  double Total() const { return f_.Total(); }
  const Facilities& Sites() const { return f_; }
  const MoveValues& Values() const { return *values_; }

  void OpenSite(int j) {
    Change([this, j] {
      f_.OpenSite(j);
      values_->Update(j, 0);
    });
  }
  void CloseSite(int j) {
    Change([this, j] {
      f_.CloseSite(j);
      values_->Update(0, j);
    });
  }

 private:
  // With at most two facilities before or after, some demand node lacks a second
  // cheapest cost and the values are built again.
  template <typename Step>
  void Change(Step step) {
    const bool few = f_.Count() <= 2;
    step();
    if (few || f_.Count() <= 2 || ++changes_ % rebuildEvery_ == 0) values_.emplace(f_);
  }

  static constexpr size_t FewDifferences = 16;

  Facilities f_;
  std::optional<MoveValues> values_;
  int rebuildEvery_;
  int changes_ = 0;
};

// The best opening, closing or move to a near site.
Move BestMove(const Facilities& f, const MoveValues& values) {
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

void Descend(Search& s, double tolerance) {
  for (;;) {
    const Move move = BestMove(s.Sites(), s.Values());
    if (move.change >= -tolerance) return;
    if (move.in) s.OpenSite(move.in);
    if (move.out) s.CloseSite(move.out);
  }
}

// Closes two free facilities (a random one and the open one nearest to it) and opens a
// random free site near them. False when there are not two free facilities.
bool Kick(Search& s, Shuffler& random) {
  const Facilities& f = s.Sites();
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
  std::vector<int> candidates;
  for (int k = 2; k <= std::min(2 * NearSites + 1, f.Sites()); ++k) {
    const int near = f.Near(first, k);
    if (near <= f.Sites() && f.Free(near) && !f.Open()[near] && near != second) candidates.push_back(near);
  }
  s.CloseSite(first);
  s.CloseSite(second);
  if (!candidates.empty()) s.OpenSite(candidates[static_cast<size_t>(random.Below(static_cast<int>(candidates.size())))]);
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

LocalSearchResult ImproveFixedCharge(const ModelState& m, const AssignmentRelaxation& r,
                                     const std::array<uint16_t, NodeSlots>& start, int kicks, Extended enough,
                                     int rebuildEvery) {
  std::array<uint8_t, NodeSlots> open{};
  for (int j = 1; j <= r.nodes; ++j) {
    const uint8_t status = m.Node(j).SiteStatus;
    open[j] = status == StatusRequired || (start[j] && status != StatusExcluded);
  }
  Search search(m, r, std::max(1, rebuildEvery));
  search.Set(open);
  if (search.Sites().Count() == 0) return {};
  const double tolerance = 1e-9 * std::max(1.0, search.Total());
  Shuffler random(0x2545F4914F6CDD1DULL);
  const std::array<uint8_t, NodeSlots> best = IterateKicks(
      search, tolerance, kicks, KicksWithoutGain, static_cast<double>(enough),
      [&search, tolerance] { Descend(search, tolerance); }, [&search, &random] { return Kick(search, random); });
  return {best, FixedChargeCost(m, r, best)};
}

}  // namespace korvelan
