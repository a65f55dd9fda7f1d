#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "median/ProgramRandom.h"
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// The p-median genetic algorithm. A chromosome is the ascending list of the P
// sites of one solution; its fitness is the demand-weighted distance of every
// demand node to its nearest site of the list (smaller is better). The first
// generation is the best part of a random pool; every later one keeps the best
// member and is filled with the children of dating couples: a father drawn from a
// rank or fitness wheel gathers dates whose site lists overlap his, a mate is drawn
// among them in proportion to the overlap, and a one-cut crossover (the cut also
// depending on the overlap) gives two children that may mutate. Only children not
// yet in the new generation are kept. The draws follow one fixed order, so a seed
// reproduces a run exactly.
//
// Site statuses are honoured: sites are drawn from the allowed sites only (in
// ascending order, so without statuses the draws are those of every node), the
// required sites are in every chromosome and never mutate, excluded sites never
// appear. Every loop that might not end is bounded; a generation that cannot be
// filled with distinct children is left short and the progress lines say so.

struct MedianChromosome {
  std::array<uint16_t, NodeSlots> Sites{};  // 1..P used, ascending and distinct
  Extended Fitness = 0;
};

// The sites of a run: drawn from `drawable` (SiteStatus 0), always holding `required`.
struct GeneticSites {
  std::vector<uint16_t> drawable;  // ascending
  std::vector<uint16_t> required;  // ascending
};
GeneticSites SitesOfRun(const ModelState& m);

// Sum over the demand nodes of Demand x the distance to the nearest site of c.
Extended ChromosomeFitness(const ModelState& m, const MedianChromosome& c, int P);
// Same sites in every position 1..P and the same fitness.
bool SameChromosome(const MedianChromosome& a, const MedianChromosome& b, int P);
// The overlap of two ascending site lists: the length of the stretches of site
// numbers over which both lists have passed the same number of sites.
int DateCompatibility(const MedianChromosome& a, const MedianChromosome& b, int P);
// One-cut crossover of father A and mate B: the cut falls at the first position
// where the summed gaps between the two lists reach `threshold`; C1 takes A before
// the cut and B from it, C2 the other way round. Fitness is left to the caller.
std::pair<MedianChromosome, MedianChromosome> CrossoverChildren(const MedianChromosome& A, const MedianChromosome& B,
                                                                int P, int threshold);

// One generation as it stands after breeding (and improvement): members 1..count
// (entry 0 unused) and FitnessOrder (member numbers by ascending fitness, 1-based).
struct GenerationView {
  int generation = 0;
  const std::vector<MedianChromosome>& members;
  const std::vector<uint16_t>& order;
  int count = 0;
};
using GenerationObserver = std::function<void(const GenerationView&)>;

// The run state and its steps.
class MedianGA {
 public:
  MedianGA(ModelState& m, RunHost& host, int P, GeneticSites sites);

  // One complete run: pool, first generation, bred generations until a stop rule
  // holds, the best member installed as the solution. Writes GeneticRun.
  void Run(const GenerationObserver& observe = {});

  // --- the steps, in the order a run takes them ---
  void BuildInitialPool();
  void PickFirstGeneration();
  void BuildRankWheel();
  void BuildFitnessWheel();
  int SelectMember(char rule, double r) const;
  void MutateChromosome(MedianChromosome& c);
  void DateCrossover(int t, int mateMember, int h, MedianChromosome& c1, MedianChromosome& c2);
  bool AddIfNew(const MedianChromosome& child);
  void BreedGeneration();
  void ImproveMembers();
  void SortByFitness();
  void InstallBest();

  const std::vector<MedianChromosome>& Population() const { return population_; }
  const std::vector<uint16_t>& FitnessOrder() const { return order_; }
  int PopulationCount() const { return count_; }
  const MedianChromosome& Best() const { return population_[order_[1]]; }
  ProgramRandom& Generator() { return random_; }
  // Short notes of the last bred generation (bounded loops), for the progress lines.
  const std::vector<std::string>& Notes() const { return notes_; }

 private:
  struct DateEntry {
    int partner = 0;
    int compatibility = 0;
  };
  static constexpr int MaxDates = 10;
  struct DateSlot {
    int count = 0;
    std::array<DateEntry, MaxDates> entries{};
  };

  ModelState& m_;
  RunHost& host_;
  const MedianGASettings& settings_;
  int P_;
  int popSize_;  // PopSize, within what the member arrays hold
  GeneticSites sites_;
  ProgramRandom random_;
  std::vector<MedianChromosome> population_;  // MedianPopulation, 1..count_
  std::vector<MedianChromosome> newGeneration_;  // MedianNewGeneration, also the pool
  int count_ = 0;              // members of the current generation
  int newCount_ = 0;           // NewGenerationCount
  std::vector<uint16_t> order_;        // FitnessOrder
  std::vector<Extended> rankWheel_;    // over count_ members
  std::vector<Extended> fitnessWheel_;
  std::vector<DateSlot> dates_;
  std::vector<std::string> notes_;

  // Dates per member: the setting, within the entries a date list holds.
  int DateLimit() const { return std::min(settings_.Dates, MaxDates); }
  int DrawSite();
  void GatherDates(int t);
  int DrawDate(int t);
  void MateWithDate(int t);
  void ImproveMember(int v);
  void Note(const std::string& text);
  std::vector<std::string> GenerationLines(int generation) const;
  void ShowProgress(int generation);
  bool ShouldStop(int generation, int noImprovement) const;
};

// RunMedianGA(P) of the dispatcher: checks that P fits the site statuses (an error
// message and false otherwise), then runs the algorithm.
bool RunMedianGA(ModelState& m, RunHost& host, int P, const GenerationObserver& observe = {});

}  // namespace korvelan
