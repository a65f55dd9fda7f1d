// One run of the p-median genetic algorithm: the random pool, the first
// generation, the bred generations with their improvement and progress lines, the
// stop rules and the installation of the best member.
#include <algorithm>
#include <cmath>
#include <string>

#include "covering/Coverage.h"
#include "median/MedianGA.h"
#include "median/MedianHeuristics.h"
#include "median/MedianNeighbourhood.h"
#include "median/MedianServices.h"
#include "solve/Evaluation.h"
#include "solve/QuickSortIndex.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

// Open exactly the given sites, each demand node served by the nearest of them
// (sites taken in list order, a strictly smaller distance wins), NTIMES rebuilt.
void OpenSites(ModelState& m, RunHost& host, const MedianChromosome& c, int P) {
  ClearSolution(m);
  ResetAssignments(m);
  for (int k = 1; k <= P; ++k) {
    const int s = c.Sites[k];
    m.Node(s).Located = 1;
    UpdateCoverage(m, host, '+', s);
    AttachNodesTo(m, s);
  }
  m.SecondFacilityValid = 0;
}

// The located sites in ascending order; false when there are not P of them.
bool ReadOpenSites(const ModelState& m, MedianChromosome& c, int P) {
  int n = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) {
      if (++n > P) return false;
      c.Sites[n] = static_cast<uint16_t>(j);
    }
  return n == P;
}

}  // namespace

MedianGA::MedianGA(ModelState& m, RunHost& host, int P, GeneticSites sites)
    : m_(m),
      host_(host),
      settings_(m.Genetic),
      P_(P),
      popSize_(std::clamp(m.Genetic.PopSize, 1, MaxNodes)),
      sites_(std::move(sites)),
      random_(m.Genetic.RandomNoSeed) {
  population_.resize(NodeSlots);
  newGeneration_.resize(NodeSlots);
}

void MedianGA::BuildInitialPool() {
  const int poolSize = std::clamp(std::max(settings_.InitPopSize, popSize_), 1, MaxNodes);
  long long calls = 0;
  for (int k = 1; k <= poolSize; ++k) {
    MedianChromosome& c = newGeneration_[k];
    int n = 0;
    for (uint16_t site : sites_.required) c.Sites[++n] = site;
    while (n < P_) {
      const int s = DrawSite();
      ++calls;
      if (std::find(c.Sites.begin() + 1, c.Sites.begin() + 1 + n, s) == c.Sites.begin() + 1 + n)
        c.Sites[++n] = static_cast<uint16_t>(s);
    }
    std::sort(c.Sites.begin() + 1, c.Sites.begin() + 1 + P_);
    c.Fitness = ChromosomeFitness(m_, c, P_);
  }
  newCount_ = poolSize;
  host_.AddProgressLine("Calls:  " + std::to_string(calls));
}

void MedianGA::PickFirstGeneration() {
  std::vector<Extended> keys(newCount_ + 1);
  for (int k = 1; k <= newCount_; ++k) keys[k] = newGeneration_[k].Fitness;
  std::vector<uint16_t> sorted(newCount_ + 1);
  QuickSortIndex(1, newCount_, keys.data(), sorted.data());
  count_ = std::min(popSize_, newCount_);
  order_.assign(count_ + 1, 0);
  for (int i = 1; i <= count_; ++i) {
    population_[i] = newGeneration_[sorted[i]];
    order_[i] = static_cast<uint16_t>(i);
  }
}

void MedianGA::SortByFitness() {
  std::vector<Extended> keys(count_ + 1);
  for (int k = 1; k <= count_; ++k) keys[k] = population_[k].Fitness;
  order_.assign(count_ + 1, 0);
  QuickSortIndex(1, count_, keys.data(), order_.data());
}

void MedianGA::ImproveMembers() {
  for (int k = 0; k < settings_.ImproveNumber; ++k) {
    const int v = static_cast<int>(random_.Random(static_cast<uint32_t>(count_))) + 1;
    host_.AddProgressLine("Improving solution " + std::to_string(v));
    ImproveMember(v);
  }
}

void MedianGA::ImproveMember(int v) {
  OpenSites(m_, host_, population_[v], P_);
  if (settings_.ImpType == 'N')
    NeighbourhoodSearch(m_, host_, P_);
  else
    Exchange(m_, host_, P_);
  MedianChromosome improved;
  if (!ReadOpenSites(m_, improved, P_)) return;
  improved.Fitness = ChromosomeFitness(m_, improved, P_);
  // A member improved into a copy of another keeps its own sites, so that the
  // generation stays distinct; the better solution is in it already.
  for (int k = 1; k <= count_; ++k)
    if (k != v && SameChromosome(population_[k], improved, P_)) return;
  population_[v] = improved;
}

void MedianGA::InstallBest() {
  OpenSites(m_, host_, Best(), P_);
  RebuildLocatedList(m_);
  // The run computes no tradeoff curve (the improvement searches may have written
  // CostByCount entries along the way).
  m_.TradeoffExists = 0;
}

std::vector<std::string> MedianGA::GenerationLines(int generation) const {
  const MedianChromosome& best = Best();
  std::string sites = "   Sites: ";
  for (int k = 1; k <= P_; ++k) sites += std::to_string(best.Sites[k]) + " ";
  return {"GA Iter: " + std::to_string(generation) + " Fitness: " + FormatNumber(best.Fitness, 15, 1), sites,
          "--------------------------"};
}

void MedianGA::ShowProgress(int generation) {
  std::vector<std::string> lines = notes_;
  for (std::string& line : GenerationLines(generation)) lines.push_back(std::move(line));
  host_.AddProgressLines(lines);
  host_.AddGeneticProgressLines(lines);
  const int percent = static_cast<int>(std::lround(100.0 * generation / settings_.Generations));
  host_.SetGeneticProgress(percent, FormatNumber(Best().Fitness, 10, 3));
  host_.Delay(0, 150);
}

bool MedianGA::ShouldStop(int generation, int noImprovement) const {
  return generation >= settings_.Generations || noImprovement >= settings_.GenNoImp ||
         (settings_.GAUseTarget && Best().Fitness <= settings_.TargetEdit);
}

void MedianGA::Run(const GenerationObserver& observe) {
  MedianGARunRecord& record = m_.GeneticRun;
  record.GAStartTime = host_.ClockSeconds();
  host_.ShowGeneticProgress();
  random_.Seed(settings_.RandomNoSeed);
  host_.AddProgressLine("RandSeed: " + std::to_string(random_.State()));
  BuildInitialPool();
  host_.AddProgressLine("RandSeed: " + std::to_string(random_.State()));
  PickFirstGeneration();
  host_.AddProgressLines(GenerationLines(1));
  int generation = record.GAGeneration = 1;
  if (observe) observe({generation, population_, order_, count_});
  if (settings_.Generations > 1) {
    Extended bestFitness = Best().Fitness;
    int noImprovement = 0;
    BuildRankWheel();
    do {
      BreedGeneration();
      record.GAGeneration = ++generation;
      SortByFitness();
      if (Best().Fitness < bestFitness) {
        bestFitness = Best().Fitness;
        noImprovement = 0;
      } else {
        ++noImprovement;
      }
      for (int k = 1; k < count_; ++k)
        if (population_[order_[k + 1]].Fitness < population_[order_[k]].Fitness) {
          host_.Warning("Serious Sorting Error");
          break;
        }
      ShowProgress(generation);
      if (observe) observe({generation, population_, order_, count_});
    } while (!ShouldStop(generation, noImprovement));
  }
  InstallBest();
  record.GAEndTime = host_.ClockSeconds();
}

bool RunMedianGA(ModelState& m, RunHost& host, int P, const GenerationObserver& observe) {
  GeneticSites sites = SitesOfRun(m);
  const int required = static_cast<int>(sites.required.size());
  const int open = required + static_cast<int>(sites.drawable.size());
  if (P < 1 || P < required || P > open) {
    host.Error("The genetic algorithm cannot locate " + std::to_string(P) + " facilities: " +
               std::to_string(required) + " sites are required and " + std::to_string(open) + " may be open.");
    return false;
  }
  MedianGA(m, host, P, std::move(sites)).Run(observe);
  return true;
}

}  // namespace korvelan
