#pragma once
// Small inventory/location instances for the tests, and the exhaustive optimum
// over every assignment of the demand nodes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "data/Distances.h"
#include "invloc/InvLocModel.h"
#include "model/CoverageLists.h"
#include "model/ModelState.h"

namespace korvelan::testing {

// Nodes with the given whole coordinates (Euclidean distances rounded), loaded demands
// and fixed costs; every node a demand node unless demandNodes says fewer.
inline void LoadPoints(ModelState& m, const std::vector<std::pair<int, int>>& points,
                       const std::vector<Extended>& loadedDemand, const std::vector<Extended>& fixedCost,
                       int demandNodes = -1) {
  ResetModel(m);
  const int n = static_cast<int>(points.size());
  m.Numbnodes = static_cast<uint16_t>(n);
  m.NumDemandNodes = static_cast<uint16_t>(demandNodes < 0 ? n : demandNodes);
  m.MaxDistance = 0;
  for (int i = 1; i <= n; ++i) {
    NodeRecord& node = m.Node(i);
    node.XCoord = points[i - 1].first;
    node.YCoord = points[i - 1].second;
    node.Demand = node.LoadedDemand = i <= m.NumDemandNodes ? loadedDemand[i - 1] : 0;
    node.FixedCost = fixedCost[i - 1];
    for (int j = 1; j <= n; ++j) {
      const double dx = points[i - 1].first - points[j - 1].first;
      const double dy = points[i - 1].second - points[j - 1].second;
      const int d = static_cast<int>(std::llrint(std::hypot(dx, dy)));
      m.DistanceMatrix.at(i, j) = d;
      m.MaxDistance = std::max(m.MaxDistance, d);
    }
  }
  RestoreDemands(m);
  BuildNearestOrder(m);
  m.CostPerMile = 1;
  m.CoverageDistance = 100000 * FixedPointScale;
  m.CoverageDistanceSet = m.CostPerMileSet = 1;
  m.DataLoaded = 1;
  BuildCoverageLists(m);
  CountStatuses(m);
}

struct InvLocRecipe {
  unsigned seed = 1;
  int nodes = 6;
  int demandNodes = 6;
  int maxFixedCost = 2000;
  int plants = 0;             // the first `plants` demand nodes are plant cities
  int zeroDemandNodes = 0;    // the last demand nodes with loaded demand 0
};

// Random points on a 100 x 100 grid, loaded demands 1..50 (daily x 0.1), fixed costs
// 0..maxFixedCost, and parameters that make inventory and transport compete.
inline void LoadRandomInstance(ModelState& m, const InvLocRecipe& r) {
  std::mt19937 rng(r.seed);
  std::uniform_int_distribution<int> coord(0, 100), demand(1, 50), fixed(0, r.maxFixedCost);
  std::vector<std::pair<int, int>> points;
  std::vector<Extended> demands, fixedCosts;
  for (int k = 0; k < r.nodes; ++k) {
    points.emplace_back(coord(rng), coord(rng));
    const bool zero = k >= r.demandNodes - r.zeroDemandNodes && k < r.demandNodes;
    demands.push_back(zero ? 0 : demand(rng));
    fixedCosts.push_back(fixed(rng));
  }
  LoadPoints(m, points, demands, fixedCosts, r.demandNodes);
  TolvanParameters& p = m.InvLoc.Parameters;
  p.DemandPerPopulation = 0.1;
  p.DeliveryRate = 0.05;
  p.ShipMileage = 0.2;
  p.UnitMileage = 0.01;
  for (int c = 1; c <= r.plants; ++c) m.InvLoc.PlantCity[c] = 1;
  ComputeTolvanDerivedData(m);
  m.SolutionClass = 2;
}

// Z of a set of open sites (mask over sites 1..n) and an assignment, from the model's
// daily demands and derived data (with the weight for distances beyond the coverage
// distance, as the transport costs charge it).
inline Extended ObjectiveOf(const ModelState& m, uint32_t openMask, const std::vector<int>& assignment) {
  const Extended theta = TolvanTheta(m);
  std::vector<Extended> load(m.Numbnodes + 1, 0);
  Extended z = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const int j = assignment[i];
    load[j] += m.Node(i).Demand;
    z += TolvanTransportEntry(m, i, j);
  }
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (!((openMask >> (j - 1)) & 1u)) continue;
    z += m.Node(j).FixedCost + (m.InvLoc.Derived.CycleStockFactor[j] + theta) * std::sqrt(load[j]);
  }
  return z;
}

// The exact optimum over every assignment of the demand nodes to sites; the open set
// is the sites used and the required sites, completed (for a fixed count) by the
// cheapest other sites that are not excluded. With count < 0 any number.
inline Extended ExhaustiveInvLocOptimum(const ModelState& m, int count) {
  const int n = m.Numbnodes;
  const int demandNodes = m.NumDemandNodes;
  uint32_t required = 0, excluded = 0;
  for (int j = 1; j <= n; ++j) {
    if (m.Node(j).SiteStatus == StatusRequired) required |= 1u << (j - 1);
    if (m.Node(j).SiteStatus == StatusExcluded) excluded |= 1u << (j - 1);
  }
  std::vector<int> assignment(demandNodes + 1, 1);
  Extended best = 1e30L;
  for (;;) {
    uint32_t open = required;
    for (int i = 1; i <= demandNodes; ++i) open |= 1u << (assignment[i] - 1);
    const int openCount = __builtin_popcount(open);
    if (!(open & excluded) && (count < 0 || openCount <= count)) {
      std::vector<int> spare;
      for (int j = 1; j <= n; ++j)
        if (!((open >> (j - 1)) & 1u) && !((excluded >> (j - 1)) & 1u)) spare.push_back(j);
      std::sort(spare.begin(), spare.end(),
                [&m](int a, int b) { return m.Node(a).FixedCost < m.Node(b).FixedCost; });
      const int missing = count < 0 ? 0 : count - openCount;
      if (missing <= static_cast<int>(spare.size())) {
        for (int k = 0; k < missing; ++k) open |= 1u << (spare[k] - 1);
        best = std::min(best, ObjectiveOf(m, open, assignment));
      }
    }
    int i = 1;
    while (i <= demandNodes && assignment[i] == n) assignment[i++] = 1;
    if (i > demandNodes) break;
    ++assignment[i];
  }
  return best;
}

}  // namespace korvelan::testing
