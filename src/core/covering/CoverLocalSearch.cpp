#include "covering/CoverLocalSearch.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "solve/Shuffler.h"

namespace korvelan {
namespace {

// Recently closed sites stay closed for this many moves.
constexpr int TabuTenure = 7;
// Steps of the weighted search for a whole cover per plateau move of the settings.
constexpr int WeightedStepsPerMove = 20;

// Open sites, the number of open sites covering each demand node and the covered demand.
class CoverState {
 public:
  // The sums of demands are kept as they change, so the target gets a small allowance
  // for their rounding (callers check the cover they take with the exact sum).
  // The demands are copied next to each other in double precision: the node records
  // are large, and the moves only need to rank.
  CoverState(const ModelState& m, Extended target) : m_(m) {
    for (int i = 1; i <= m.NumDemandNodes; ++i) {
      demand_[i] = static_cast<double>(m.Node(i).Demand);
      total_ += demand_[i];
    }
    allowance_ = 1e-9 * std::max(1.0, total_);
    target_ = static_cast<double>(target) - allowance_;
  }

  void Open(int site) {
    open_[site] = 1;
    for (uint16_t i : Covers(site))
      if (count_[i]++ == 0) covered_ += Demand(i);
  }
  void Close(int site) {
    open_[site] = 0;
    for (uint16_t i : Covers(site))
      if (--count_[i] == 0) covered_ -= Demand(i);
  }

  bool IsOpen(int site) const { return open_[site] != 0; }
  bool Closable(int site) const { return open_[site] && m_.Node(site).SiteStatus != StatusRequired; }
  bool Openable(int site) const { return !open_[site] && m_.Node(site).SiteStatus == StatusAllowed; }
  bool Reaches() const { return covered_ >= target_; }
  int Count(int node) const { return count_[node]; }
  double Covered() const { return covered_; }
  double Allowance() const { return allowance_; }
  // True when nothing outside the nodes about to be lost is uncovered.
  bool AllCovered() const { return total_ - covered_ <= allowance_; }
  // True when the target is all the demand.
  bool WholeTarget() const { return target_ + 2 * allowance_ >= total_; }
  double Target() const { return target_; }
  double Demand(int node) const { return demand_[node]; }
  const std::vector<uint16_t>& Covers(int site) const { return m_.Node(site).CoversList; }
  const std::vector<uint16_t>& CoveredBy(int node) const { return m_.Node(node).CoveredByList; }
  int Sites() const { return m_.Numbnodes; }
  int DemandNodes() const { return m_.NumDemandNodes; }

  std::vector<int> Closables() const {
    std::vector<int> sites;
    for (int j = 1; j <= m_.Numbnodes; ++j)
      if (Closable(j)) sites.push_back(j);
    return sites;
  }
  std::vector<int> OpenSites() const {
    std::vector<int> sites;
    for (int j = 1; j <= m_.Numbnodes; ++j)
      if (open_[j]) sites.push_back(j);
    return sites;
  }

 private:
  const ModelState& m_;
  std::array<double, NodeSlots> demand_{};
  double total_ = 0;
  double allowance_ = 0;
  double target_ = 0;
  std::array<int, NodeSlots> count_{};
  std::array<uint8_t, NodeSlots> open_{};
  double covered_ = 0;
};

// Demand only `site` covers.
double SoleLoss(const CoverState& s, int site) {
  double loss = 0;
  for (uint16_t i : s.Covers(site))
    if (s.Count(i) == 1) loss += s.Demand(i);
  return loss;
}

// Closes redundant sites, the one covering the fewest nodes first; true when any closed.
bool CloseRedundant(CoverState& s) {
  bool closed = false;
  for (;;) {
    int best = 0;
    for (int j : s.Closables())
      if (s.Covered() - SoleLoss(s, j) >= s.Target() && (best == 0 || s.Covers(j).size() < s.Covers(best).size()))
        best = j;
    if (best == 0) return closed;
    s.Close(best);
    closed = true;
  }
}

// The nodes with demand that a move leaves uncovered (marked), and the sites that
// may cover them again; kept from move to move to save allocations.
struct MoveScratch {
  std::vector<int> lost;
  double lostDemand = 0;
  std::array<uint8_t, NodeSlots> mark{};
  std::vector<int> candidates;
  std::array<uint8_t, NodeSlots> seen{};

  void Clear() {
    for (int i : lost) mark[i] = 0;
    lost.clear();
    lostDemand = 0;
  }
};

// Marks the nodes left uncovered when `a` and `b` (b may be 0) close.
void Lose(const CoverState& s, int a, int b, MoveScratch& move) {
  move.Clear();
  auto visit = [&](int site, int other) {
    for (uint16_t i : s.Covers(site)) {
      if (move.mark[i] || s.Demand(i) <= 0) continue;
      const bool otherCovers = other != 0 && std::binary_search(s.Covers(other).begin(), s.Covers(other).end(), i);
      if (s.Count(i) - 1 - (otherCovers ? 1 : 0) != 0) continue;
      move.mark[i] = 1;
      move.lost.push_back(i);
      move.lostDemand += s.Demand(i);
    }
  };
  visit(a, b);
  if (b != 0) visit(b, a);
}

// Demand `site` would cover among the lost and the uncovered nodes.
double Gain(const CoverState& s, int site, const MoveScratch& move) {
  double gain = 0;
  for (uint16_t i : s.Covers(site))
    if (move.mark[i] || s.Count(i) == 0) gain += s.Demand(i);
  return gain;
}

// move.candidates := the openable sites reaching a lost node. When nothing else is
// uncovered and every lost node must be covered again, the sites reaching the first.
void FindCandidates(const CoverState& s, double need, MoveScratch& move) {
  move.candidates.clear();
  const bool whole = s.AllCovered() && need >= move.lostDemand - s.Allowance();
  const size_t from = whole ? std::min<size_t>(1, move.lost.size()) : move.lost.size();
  for (size_t n = 0; n < from; ++n)
    for (uint16_t c : s.CoveredBy(move.lost[n]))
      if (!move.seen[c] && s.Openable(c)) {
        move.seen[c] = 1;
        move.candidates.push_back(c);
      }
  for (int c : move.candidates) move.seen[c] = 0;
}

// Demand still needed for the target once the lost nodes are uncovered.
double Need(const CoverState& s, const MoveScratch& move) {
  return s.Target() - (s.Covered() - move.lostDemand);
}

// Closes a pair and opens one site covering what they leave uncovered; true when done.
bool DropTwoAddOne(CoverState& s, MoveScratch& move) {
  const std::vector<int> open = s.Closables();
  for (size_t x = 0; x < open.size(); ++x) {
    for (size_t y = x + 1; y < open.size(); ++y) {
      Lose(s, open[x], open[y], move);
      const double need = Need(s, move);
      int chosen = 0;
      if (need > 0) {
        FindCandidates(s, need, move);
        for (int c : move.candidates)
          if (Gain(s, c, move) >= need) {
            chosen = c;
            break;
          }
        if (chosen == 0) continue;
      }
      move.Clear();
      s.Close(open[x]);
      s.Close(open[y]);
      if (chosen) s.Open(chosen);
      return true;
    }
  }
  move.Clear();
  return false;
}

// One swap that keeps the target: a random open site closes and a random site among
// those restoring the target opens (not one closed within the tabu tenure).
bool PlateauSwap(CoverState& s, MoveScratch& move, Shuffler& random, std::array<int, NodeSlots>& tabuUntil,
                 int step) {
  std::vector<int> open = s.Closables();
  std::vector<int> fitting;
  for (size_t left = open.size(); left > 0; --left) {
    const size_t pick = static_cast<size_t>(random.Below(static_cast<int>(left)));
    const int out = open[pick];
    open[pick] = open[left - 1];
    Lose(s, out, 0, move);
    const double need = Need(s, move);
    FindCandidates(s, need, move);
    fitting.clear();
    for (int c : move.candidates)
      if (tabuUntil[c] <= step && Gain(s, c, move) >= need) fitting.push_back(c);
    move.Clear();
    if (fitting.empty()) continue;
    s.Close(out);
    s.Open(fitting[static_cast<size_t>(random.Below(static_cast<int>(fitting.size())))]);
    tabuUntil[out] = step + TabuTenure;
    return true;
  }
  return false;
}

// Search with node weights for a whole cover with fewer sites: while the sites cover
// everything, the one whose closing uncovers the least weight closes; otherwise one
// site closes (the least weight lost, not the one just opened) and, for a random
// uncovered node, the site covering the most uncovered weight opens (not the one just
// closed); every node left uncovered then weighs one more. Ties go to the site changed
// longest ago. The weights steer the search away from nodes that are hard to cover.
class WeightedCoverSearch {
 public:
  explicit WeightedCoverSearch(CoverState& s) : s_(s) {
    for (int i = 1; i < NodeSlots; ++i) weight_[i] = 1;
  }

  // Runs `steps` steps; returns the smallest whole cover met (at least `best`), stopping
  // once one has at most `enough` sites.
  std::vector<int> Run(std::vector<int> best, int steps, int enough, Shuffler& random) {
    int lastOpened = 0;
    for (int step = 1; step <= steps; ++step) {
      while (s_.Reaches()) {
        if (OpenCount() < best.size()) best = s_.OpenSites();
        if (static_cast<int>(best.size()) <= enough) return best;
        const int site = LeastLoss(0);
        if (site == 0) return best;
        Change(site, step);
      }
      const int closed = LeastLoss(lastOpened);
      if (closed) Change(closed, step);
      const int opened = MostGain(RandomUncovered(random), closed);
      if (opened) Change(opened, step);
      lastOpened = opened;
      for (int i : uncovered_) ++weight_[i];
    }
    return best;
  }

 private:
  size_t OpenCount() const { return s_.OpenSites().size(); }

  void Change(int site, int step) {
    if (s_.IsOpen(site)) s_.Close(site);
    else s_.Open(site);
    changed_[site] = step;
  }

  bool Row(int node) const { return s_.Demand(node) > 0; }

  bool Earlier(int a, int b) const { return changed_[a] < changed_[b]; }

  // The closable site (not `keep`) whose closing uncovers the least weight.
  int LeastLoss(int keep) const {
    int best = 0;
    long bestLoss = 0;
    for (int j : s_.Closables()) {
      if (j == keep) continue;
      long loss = 0;
      for (uint16_t i : s_.Covers(j))
        if (s_.Count(i) == 1 && Row(i)) loss += weight_[i];
      if (best == 0 || loss < bestLoss || (loss == bestLoss && Earlier(j, best))) {
        best = j;
        bestLoss = loss;
      }
    }
    return best;
  }

  int RandomUncovered(Shuffler& random) {
    uncovered_.clear();
    for (int i = 1; i <= s_.DemandNodes(); ++i)
      if (s_.Count(i) == 0 && Row(i)) uncovered_.push_back(i);
    if (uncovered_.empty()) return 0;
    return uncovered_[static_cast<size_t>(random.Below(static_cast<int>(uncovered_.size())))];
  }

  // The openable site covering `node` (not `skip`) that covers the most uncovered weight.
  int MostGain(int node, int skip) const {
    if (node == 0) return 0;
    int best = 0;
    long bestGain = 0;
    for (uint16_t c : s_.CoveredBy(node)) {
      if (c == skip || !s_.Openable(c)) continue;
      long gain = 0;
      for (uint16_t i : s_.Covers(c))
        if (s_.Count(i) == 0 && Row(i)) gain += weight_[i];
      if (best == 0 || gain > bestGain || (gain == bestGain && Earlier(c, best))) {
        best = c;
        bestGain = gain;
      }
    }
    return best != 0 ? best : (s_.Openable(skip) ? skip : 0);
  }

  CoverState& s_;
  std::array<long, NodeSlots> weight_{};
  std::array<int, NodeSlots> changed_{};
  std::vector<int> uncovered_;
};

// Drop two / add one and redundant closings while they apply.
void Descend(CoverState& s, MoveScratch& move) {
  while (DropTwoAddOne(s, move)) CloseRedundant(s);
}

// The open sites := `sites` (the required ones stay open).
void Load(CoverState& s, const std::vector<int>& sites) {
  for (int j : s.Closables()) s.Close(j);
  for (int j : sites)
    if (!s.IsOpen(j)) s.Open(j);
}

int OpenCount(const CoverState& s) {
  int count = 0;
  for (int j = 1; j <= s.Sites(); ++j) count += s.IsOpen(j);
  return count;
}

}  // namespace

std::vector<int> ShrinkCover(const ModelState& m, const std::vector<int>& start, Extended target,
                             const ShrinkSettings& settings) {
  CoverState s(m, target);
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).SiteStatus == StatusRequired) s.Open(j);
  for (int j : start)
    if (!s.IsOpen(j) && m.Node(j).SiteStatus != StatusExcluded) s.Open(j);
  if (!s.Reaches()) return {};
  CloseRedundant(s);
  Shuffler random;
  MoveScratch move;
  if (s.WholeTarget()) {
    Descend(s, move);
    std::vector<int> best = s.OpenSites();
    if (static_cast<int>(best.size()) <= settings.enough || settings.plateauMoves <= 0) return best;
    best = WeightedCoverSearch(s).Run(best, settings.plateauMoves * WeightedStepsPerMove, settings.enough, random);
    Load(s, best);
    Descend(s, move);
    return s.OpenSites();
  }
  std::vector<int> best = s.OpenSites();
  std::array<int, NodeSlots> tabuUntil{};
  for (int step = 0, sinceBest = 0;; ++step) {
    if (static_cast<int>(best.size()) <= settings.enough) break;
    if (!DropTwoAddOne(s, move)) {
      if (sinceBest >= settings.plateauMoves || !PlateauSwap(s, move, random, tabuUntil, step)) break;
      ++sinceBest;
    }
    CloseRedundant(s);
    if (OpenCount(s) < static_cast<int>(best.size())) {
      best = s.OpenSites();
      sinceBest = 0;
    }
  }
  return best;
}

}  // namespace korvelan
