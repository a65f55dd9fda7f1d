#pragma once
// Small models for the heuristics' tests, and the from-scratch evaluations the
// tests compare the heuristics with.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "data/Distances.h"
#include "model/ModelState.h"

namespace korvelan::testing {

inline void FinishModel(ModelState& m) {
  m.TotalDemand = 0;
  for (int i = 1; i <= m.Numbnodes; ++i) m.TotalDemand += m.Node(i).Demand;
  m.MaxDistance = LargestDistance(m.DistanceMatrix, m.Numbnodes);
  BuildNearestOrder(m);
}

// n nodes, the first `demandNodes` with demand; points on a grid, distances
// rounded Euclidean (optionally scaled up), or an arbitrary asymmetric matrix.
struct RandomModelOptions {
  int nodes = 10;
  int demandNodes = 10;
  bool asymmetric = false;
  bool fractionalDemand = false;
  int32_t distanceScale = 1;
  int maxFixedCost = 0;
};

inline void FillRandomModel(ModelState& m, unsigned seed, const RandomModelOptions& o) {
  std::mt19937 rng(seed);
  auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  m.Numbnodes = static_cast<uint16_t>(o.nodes);
  m.NumDemandNodes = static_cast<uint16_t>(o.demandNodes);
  std::vector<int> x(NodeSlots), y(NodeSlots);
  for (int i = 1; i <= o.nodes; ++i) {
    x[i] = uniform(0, 20);
    y[i] = uniform(0, 20);
    NodeRecord& node = m.Node(i);
    node.Demand = i <= o.demandNodes ? (o.fractionalDemand ? uniform(1, 90) / 10.0L : uniform(1, 9)) : 0;
    node.LoadedDemand = node.Demand;
    node.FixedCost = o.maxFixedCost > 0 ? uniform(0, o.maxFixedCost) : 0;
  }
  for (int i = 1; i <= o.nodes; ++i)
    for (int j = 1; j <= o.nodes; ++j) {
      int32_t d = 0;
      if (i != j) {
        d = o.asymmetric ? uniform(1, 30)
                         : static_cast<int32_t>(std::llrint(std::hypot(double(x[i] - x[j]), double(y[i] - y[j]))));
      }
      m.DistanceMatrix.at(i, j) = d * o.distanceScale;
    }
  FinishModel(m);
}

// --- from-scratch evaluation ---

inline std::vector<int> OpenSites(const ModelState& m) {
  std::vector<int> open;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) open.push_back(j);
  return open;
}

// Demand-weighted distance of every demand node to its nearest site of `open`.
inline Extended NearestWeightedDistance(const ModelState& m, const std::set<int>& open) {
  Extended total = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    int64_t best = std::numeric_limits<int64_t>::max();
    for (int j : open) best = std::min<int64_t>(best, m.DistanceMatrix.at(i, j));
    total += m.Node(i).Demand * static_cast<Extended>(best);
  }
  return total;
}

inline Extended FixedCostOf(const ModelState& m, const std::set<int>& open) {
  Extended total = 0;
  for (int j : open) total += m.Node(j).FixedCost;
  return total;
}

inline Extended TotalCostOf(const ModelState& m, const std::set<int>& open) {
  return m.CostPerMile * NearestWeightedDistance(m, open) + FixedCostOf(m, open);
}

inline std::set<int> OpenSet(const ModelState& m) {
  const std::vector<int> open = OpenSites(m);
  return {open.begin(), open.end()};
}

// Weighted distance of the stored assignment, after checking that every demand
// node is served by an open site at the matrix distance. Empty text when sound.
inline std::string AssignmentFault(const ModelState& m) {
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NodeRecord& node = m.Node(i);
    const int f = node.AssignedFacility;
    if (f < 1 || f > m.Numbnodes || !m.Node(f).Located)
      return "node " + std::to_string(i) + " served by closed site " + std::to_string(f);
    if (node.AssignedDistance != m.DistanceMatrix.at(i, f))
      return "node " + std::to_string(i) + " has a wrong distance";
  }
  return "";
}

// Empty text when every demand node is served by one of its nearest open sites.
inline std::string NotNearestFault(const ModelState& m) {
  const std::string fault = AssignmentFault(m);
  if (!fault.empty()) return fault;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j : OpenSites(m))
      if (m.DistanceMatrix.at(i, j) < m.Node(i).AssignedDistance)
        return "node " + std::to_string(i) + " is not at its nearest site";
  return "";
}

// Required sites open and excluded sites closed.
inline bool StatusesRespected(const ModelState& m) {
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (m.Node(j).SiteStatus == StatusRequired && !m.Node(j).Located) return false;
    if (m.Node(j).SiteStatus == StatusExcluded && m.Node(j).Located) return false;
  }
  return true;
}

inline Extended Tolerance(const ModelState& m) { return 1e-9L * (1 + m.TotalDemand) * (1 + m.MaxDistance); }

// Empty text when no exchange of an unrequired open site for a closed allowed
// site lowers objective(open sites).
template <typename Objective>
std::string ImprovingSwap(const ModelState& m, Objective objective) {
  const std::set<int> open = OpenSet(m);
  const Extended current = objective(open);
  for (int o : open) {
    if (m.Node(o).SiteStatus == StatusRequired) continue;
    for (int s = 1; s <= m.Numbnodes; ++s) {
      if (open.count(s) || m.Node(s).SiteStatus != StatusAllowed) continue;
      std::set<int> swapped = open;
      swapped.erase(o);
      swapped.insert(s);
      if (objective(swapped) < current - Tolerance(m))
        return "swap " + std::to_string(o) + " -> " + std::to_string(s) + " improves";
    }
  }
  return "";
}

}  // namespace korvelan::testing
