// Breeding of the p-median genetic algorithm: the selection wheels, dating,
// crossover, mutation and the filling of a new generation with distinct children.
#include <algorithm>
#include <string>

#include "median/MedianGA.h"

namespace korvelan {
namespace {

// A father whose gathering of dates draws this many members per member of the
// generation without finding a new partner gives up (only reachable when nearly
// every partner is taken).
constexpr int DrawsPerMember = 1000;
// A generation stops growing after this many fathers per member in a row brought
// no new distinct child.
constexpr int FathersPerMember = 20;

bool Holds(const MedianChromosome& c, int P, int site) {
  return std::find(c.Sites.begin() + 1, c.Sites.begin() + 1 + P, site) != c.Sites.begin() + 1 + P;
}

}  // namespace

int MedianGA::DrawSite() { return sites_.drawable[random_.Random(static_cast<uint32_t>(sites_.drawable.size()))]; }

void MedianGA::BuildRankWheel() {
  const int N = count_;
  const Extended total = Extended(N) * (N + 1) / 2;
  rankWheel_.assign(N + 1, 0);
  Extended sum = 0;
  for (int i = 1; i <= N; ++i) {
    sum += (N + 1 - i) / total;
    rankWheel_[i] = sum;
  }
}

void MedianGA::BuildFitnessWheel() {
  const int N = count_;
  const Extended best = population_[order_[1]].Fitness, worst = population_[order_[N]].Fitness;
  const Extended top = worst + (worst - best);
  Extended total = 0;
  for (int k = 1; k <= N; ++k) total += top - population_[k].Fitness;
  fitnessWheel_.assign(N + 1, 0);
  if (total <= 0) {
    // Every member is equally fit: the weights would all be 0, so draw evenly.
    Note("All members have the same fitness: fathers and dates drawn evenly");
    for (int k = 1; k <= N; ++k) fitnessWheel_[k] = Extended(k) / N;
    return;
  }
  Extended sum = 0;
  for (int k = 1; k <= N; ++k) {
    sum += top - population_[k].Fitness;
    fitnessWheel_[k] = sum / total;
  }
}

int MedianGA::SelectMember(char rule, double r) const {
  const std::vector<Extended>& wheel = rule == 'F' ? fitnessWheel_ : rankWheel_;
  int lo = 1, hi = count_;
  while (lo != hi) {
    const int mid = (lo + hi) / 2;
    if (r > wheel[mid])
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

void MedianGA::MutateChromosome(MedianChromosome& c) {
  if (random_.RandExt() >= static_cast<double>(settings_.MutationProb)) return;
  // Required sites never mutate: the position is drawn among the others.
  const int free = P_ - static_cast<int>(sites_.required.size());
  if (free <= 0 || free >= static_cast<int>(sites_.drawable.size())) {
    Note("No site left to mutate to: children kept unmutated");
    return;
  }
  const int q = static_cast<int>(random_.Random(static_cast<uint32_t>(free))) + 1;
  int position = 0;
  for (int seen = 0; seen < q;)
    if (!std::binary_search(sites_.required.begin(), sites_.required.end(), c.Sites[++position])) ++seen;
  int s = 0;
  do {
    s = DrawSite();
  } while (Holds(c, P_, s));
  c.Sites[position] = static_cast<uint16_t>(s);
  std::sort(c.Sites.begin() + 1, c.Sites.begin() + 1 + P_);
}

void MedianGA::DateCrossover(int t, int mateMember, int h, MedianChromosome& c1, MedianChromosome& c2) {
  const int threshold = static_cast<int>(random_.Random(static_cast<uint32_t>(h))) + 1;
  std::tie(c1, c2) = CrossoverChildren(population_[t], population_[mateMember], P_, threshold);
  MutateChromosome(c1);
  MutateChromosome(c2);
  c1.Fitness = ChromosomeFitness(m_, c1, P_);
  c2.Fitness = ChromosomeFitness(m_, c2, P_);
}

bool MedianGA::AddIfNew(const MedianChromosome& child) {
  for (int k = 1; k <= newCount_; ++k)
    if (SameChromosome(newGeneration_[k], child, P_)) return false;
  newGeneration_[++newCount_] = child;
  return true;
}

void MedianGA::GatherDates(int t) {
  DateSlot& own = dates_[t];
  const auto dated = [&own](int member) {
    return std::any_of(own.entries.begin(), own.entries.begin() + own.count,
                       [member](const DateEntry& e) { return e.partner == member; });
  };
  for (int tries = 0; own.count < DateLimit() && tries < 10;) {
    if (count_ - 1 - own.count <= 0) {
      Note("No partner left to date");
      return;
    }
    int u = 0;
    for (int draws = 0;; ++draws) {
      if (draws == DrawsPerMember * count_) {
        Note("No new partner drawn for a father: his dating ended");
        return;
      }
      u = SelectMember(settings_.DateSelection, random_.RandExt());
      if (u != t && !dated(u)) break;
    }
    const int h = DateCompatibility(population_[t], population_[u], P_);
    if (h > settings_.Compatibility) {
      own.entries[own.count++] = {u, h};
      DateSlot& other = dates_[u];
      if (other.count < DateLimit()) other.entries[other.count++] = {t, h};
    } else {
      ++tries;
    }
  }
}

int MedianGA::DrawDate(int t) {
  const DateSlot& own = dates_[t];
  int total = 0;
  for (int k = 0; k < own.count; ++k) total += own.entries[k].compatibility;
  const int r = static_cast<int>(random_.Random(static_cast<uint32_t>(total))) + 1;
  int running = 0;
  for (int k = 0; k < own.count; ++k) {
    running += own.entries[k].compatibility;
    if (running >= r) return k;
  }
  return own.count - 1;
}

void MedianGA::MateWithDate(int t) {
  const DateEntry date = dates_[t].entries[DrawDate(t)];
  MedianChromosome c1, c2;
  DateCrossover(t, date.partner, date.compatibility, c1, c2);
  if (newCount_ < popSize_) AddIfNew(c1);
  if (newCount_ < popSize_) AddIfNew(c2);
}

void MedianGA::BreedGeneration() {
  notes_.clear();
  BuildFitnessWheel();
  dates_.assign(count_ + 1, DateSlot{});
  newGeneration_[1] = population_[order_[1]];
  newCount_ = 1;
  for (int fruitless = 0; newCount_ < popSize_;) {
    if (count_ < 2 || fruitless == FathersPerMember * popSize_) {
      Note("Breeding stopped at " + std::to_string(newCount_) + " of " + std::to_string(popSize_) +
           " members: no new distinct child found");
      break;
    }
    const int before = newCount_;
    const int t = SelectMember(settings_.FatherSelection, random_.RandExt());
    GatherDates(t);
    if (dates_[t].count > 0) MateWithDate(t);
    fruitless = newCount_ > before ? 0 : fruitless + 1;
  }
  std::copy(newGeneration_.begin() + 1, newGeneration_.begin() + 1 + newCount_, population_.begin() + 1);
  if (newCount_ != count_) {
    // The wheels follow the members that exist.
    count_ = newCount_;
    BuildRankWheel();
  }
  ImproveMembers();
}

void MedianGA::Note(const std::string& text) {
  if (std::find(notes_.begin(), notes_.end(), text) == notes_.end()) notes_.push_back(text);
}

}  // namespace korvelan
