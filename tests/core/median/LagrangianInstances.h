#pragma once
// Small p-median and fixed-charge instances for the Lagrangian tests, and the
// exhaustive optimum every exact run is checked against.
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "data/Distances.h"
#include "../covering/CoveringTestModels.h"
#include "model/CoverageLists.h"
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan::testing {

struct InstanceRecipe {
  unsigned seed = 1;
  int nodes = 8;
  int demandNodes = 8;     // the rest are candidate-only sites
  int distanceScale = 1;   // every distance multiplied by this (wide distances)
  int maxFixedCost = 0;    // fixed costs drawn from 0..maxFixedCost
  int coverage = -1;       // coverage distance in whole units; -1 not set
  int statusPattern = 0;   // 0 none; otherwise a few required and excluded sites
};

// Random points on a 60 x 60 grid, whole Euclidean distances, whole demands 1..9,
// cost per mile 1.
inline void LoadInstance(ModelState& m, const InstanceRecipe& recipe) {
  ResetModel(m);
  std::mt19937 rng(recipe.seed);
  std::uniform_int_distribution<int> coord(0, 60), weight(1, 9), fixed(0, recipe.maxFixedCost), pick(0, 5);
  const int n = recipe.nodes;
  std::vector<int> x(n + 1), y(n + 1);
  for (int k = 1; k <= n; ++k) {
    x[k] = coord(rng);
    y[k] = coord(rng);
  }
  m.Numbnodes = static_cast<uint16_t>(n);
  m.NumDemandNodes = static_cast<uint16_t>(recipe.demandNodes);
  m.TotalDemand = 0;
  m.MaxDistance = 0;
  for (int i = 1; i <= n; ++i) {
    NodeRecord& node = m.Node(i);
    node.XCoord = x[i];
    node.YCoord = y[i];
    node.Demand = node.LoadedDemand = i <= recipe.demandNodes ? weight(rng) : 0;
    node.FixedCost = fixed(rng);
    m.TotalDemand += node.Demand;
    for (int j = 1; j <= n; ++j) {
      const int d = static_cast<int>(std::llrint(std::hypot(x[i] - x[j], y[i] - y[j]))) * recipe.distanceScale;
      m.DistanceMatrix.at(i, j) = d;
      m.MaxDistance = std::max(m.MaxDistance, d);
    }
  }
  if (recipe.statusPattern != 0) {
    for (int j = 1; j <= n; ++j) {
      const int r = pick(rng);
      m.Node(j).SiteStatus = r == 0 ? StatusRequired : r == 1 ? StatusExcluded : StatusAllowed;
    }
  }
  BuildNearestOrder(m);
  m.CostPerMile = 1;
  m.CoverageDistance = static_cast<int64_t>(recipe.coverage) * FixedPointScale;
  m.CoverageDistanceSet = m.CostPerMileSet = 1;
  m.DataLoaded = 1;
  BuildCoverageLists(m);
  CountStatuses(m);
  m.SolutionClass = 2;
}

// Cost of serving demand node i from site j as the Lagrangian models charge it: the
// demand-weighted distance, plus `weight` per unit of demand beyond the coverage distance.
inline Extended ServiceCost(const ModelState& m, int i, int j, Extended weight) {
  const int64_t d = m.DistanceMatrix.at(i, j);
  const Extended extra = d * FixedPointScale > m.CoverageDistance ? weight : 0;
  return m.Node(i).Demand * (m.CostPerMile * d + extra);
}

inline Extended SolutionCost(const ModelState& m, const std::vector<int>& open, Extended weight, bool fixedCosts) {
  Extended total = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    Extended best = 1e30L;
    for (int j : open) best = std::min(best, ServiceCost(m, i, j, weight));
    total += best;
  }
  if (fixedCosts)
    for (int j : open) total += m.Node(j).FixedCost;
  return total;
}

// The exhaustive optimum over every set of open sites that respects the statuses and
// has exactly `count` sites (count < 0: any nonempty set). 1e30 when none exists.
inline Extended ExhaustiveOptimum(const ModelState& m, int count, Extended weight, bool fixedCosts) {
  const int n = m.Numbnodes;
  Extended best = 1e30L;
  for (uint32_t mask = 1; mask < (1u << n); ++mask) {
    std::vector<int> open;
    bool allowed = true;
    for (int j = 1; j <= n; ++j) {
      const bool in = (mask >> (j - 1)) & 1u;
      const uint8_t status = m.Node(j).SiteStatus;
      if ((in && status == StatusExcluded) || (!in && status == StatusRequired)) allowed = false;
      if (in) open.push_back(j);
    }
    if (!allowed || (count >= 0 && static_cast<int>(open.size()) != count)) continue;
    best = std::min(best, SolutionCost(m, open, weight, fixedCosts));
  }
  return best;
}

inline std::vector<uint8_t> Statuses(const ModelState& m) {
  std::vector<uint8_t> s;
  for (int j = 1; j <= m.Numbnodes; ++j) s.push_back(m.Node(j).SiteStatus);
  return s;
}

// A headless host that also records, at every progress refresh, the branch path and
// the best upper bound the window shows.
class RecordingHost : public HeadlessRunHost {
 public:
  struct Refresh {
    int level;
    std::string path;
    Extended bestUpper;
    int branchNodes;
  };
  std::vector<Refresh> refreshes;
  int gaugeShows = 0;
  const ModelState* model = nullptr;

  void RefreshLagProgress() override {
    HeadlessRunHost::RefreshLagProgress();
    if (model)
      refreshes.push_back({model->PublishedLevel, model->BranchPath, model->BestLagUpperBound, model->RunBranchNodes});
  }
  void ShowExchangeGauges(bool visible) override { gaugeShows += visible ? 1 : 0; }
};

// Marks ("-" or "+") in a branch path, blanks not counted.
inline int PathMarks(const std::string& path) {
  int marks = 0;
  for (char c : path) marks += c != ' ' ? 1 : 0;
  return marks;
}

}  // namespace korvelan::testing
