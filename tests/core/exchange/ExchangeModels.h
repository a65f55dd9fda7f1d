#pragma once
// Small solved models for the exchange tests and the from-scratch measures the
// tests compare the exchange's own figures with.
#include <algorithm>
#include <set>
#include <vector>

#include "../median/HeuristicModels.h"
#include "covering/Coverage.h"
#include "model/CoverageLists.h"
#include "solve/Evaluation.h"
#include "solve/RunHost.h"

namespace korvelan::testing {

// A random model of `nodes` nodes (demand at every node), coverage distance 6,
// cost per mile 2, fixed costs up to 40, with `open` sites open (the first ones of
// a shuffled order), every demand node at its nearest site, as a run leaves it.
inline void SolvedExchangeModel(ModelState& m, unsigned seed, char problem, int nodes = 12, int open = 3) {
  RandomModelOptions options;
  options.nodes = nodes;
  options.demandNodes = nodes;
  options.maxFixedCost = 40;
  FillRandomModel(m, seed, options);
  m.CoverageDistance = 6 * FixedPointScale;
  m.CoverageDistanceSet = 1;
  m.CostPerMile = 2;
  m.CostPerMileSet = 1;
  BuildCoverageLists(m);
  m.ProblemCode = m.ReportProblemCode = problem;
  ClearSolution(m);
  HeadlessRunHost host;
  for (int k = 0; k < open; ++k) {
    const int site = 1 + static_cast<int>((seed * 7 + static_cast<unsigned>(k) * 5) % static_cast<unsigned>(nodes));
    if (m.Node(site).Located) continue;
    m.Node(site).Located = 1;
    UpdateCoverage(m, host, '+', site);
  }
  AssignToNearest(m);
  RebuildLocatedList(m);
  m.NumberToLocate = m.NumLocated;
}

// The three measures of a set of open sites, straight from the distance matrix.
struct ScratchMeasures {
  Extended covered = 0;
  Extended weighted = 0;
  Extended cost = 0;
};

inline ScratchMeasures MeasuresOf(const ModelState& m, const std::set<int>& open) {
  ScratchMeasures s;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j : open)
      if (WithinCoverage(m.CoverageDistance, m.DistanceMatrix.at(i, j))) {
        s.covered += m.Node(i).Demand;
        break;
      }
  s.weighted = NearestWeightedDistance(m, open);
  s.cost = TotalCostOf(m, open);
  return s;
}

inline std::set<int> Swapped(std::set<int> open, int out, int in) {
  open.erase(out);
  open.insert(in);
  return open;
}

// The measure a model improves, from scratch: larger is better.
inline Extended Merit(const ModelState& m, char problem, const std::set<int>& open) {
  const ScratchMeasures s = MeasuresOf(m, open);
  if (problem == 'C') return s.covered;
  if (problem == 'M') return -s.weighted;
  return -s.cost;
}

// Every (open, closed) pair the exchange may make: open not required, closed not excluded.
inline std::vector<std::pair<int, int>> AllowedPairs(const ModelState& m) {
  std::vector<std::pair<int, int>> pairs;
  for (int o = 1; o <= m.Numbnodes; ++o) {
    if (!m.Node(o).Located || m.Node(o).SiteStatus == StatusRequired) continue;
    for (int s = 1; s <= m.Numbnodes; ++s)
      if (!m.Node(s).Located && m.Node(s).SiteStatus != StatusExcluded) pairs.push_back({o, s});
  }
  return pairs;
}

// The largest improvement of the model's measure over every allowed pair.
inline Extended BestPairImprovement(const ModelState& m, char problem) {
  const std::set<int> open = OpenSet(m);
  const Extended now = Merit(m, problem, open);
  Extended best = 0;
  for (auto [o, s] : AllowedPairs(m)) best = std::max(best, Merit(m, problem, Swapped(open, o, s)) - now);
  return best;
}

}  // namespace korvelan::testing
