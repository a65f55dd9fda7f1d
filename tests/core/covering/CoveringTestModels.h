#pragma once
// Small covering instances for the tests: random points in a square with whole
// Euclidean distances, whole demands, and the coverage lists built.
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "model/CoverageLists.h"
#include "model/ModelState.h"

namespace korvelan::testing {

inline void LoadMatrix(ModelState& m, const std::vector<std::vector<int>>& d, const std::vector<Extended>& demand) {
  const int n = static_cast<int>(d.size());
  m.Numbnodes = static_cast<uint16_t>(n);
  m.NumDemandNodes = static_cast<uint16_t>(demand.size());
  m.TotalDemand = 0;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) m.DistanceMatrix.at(i, j) = d[i - 1][j - 1];
    const Extended w = i <= static_cast<int>(demand.size()) ? demand[i - 1] : 0;
    m.Node(i).Demand = m.Node(i).LoadedDemand = w;
    m.TotalDemand += w;
  }
  m.DataLoaded = 1;
}

inline void SetCoverage(ModelState& m, int distance) {
  m.CoverageDistance = static_cast<int64_t>(distance) * FixedPointScale;
  m.CoverageDistanceSet = m.CostPerMileSet = 1;
  BuildCoverageLists(m);
}

// n nodes, the first `demandNodes` with demands 1..9, points on a 100 x 100 grid.
inline void RandomInstance(ModelState& m, unsigned seed, int n, int demandNodes, int coverage) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> coord(0, 100), weight(1, 9);
  std::vector<int> x(n), y(n);
  for (int k = 0; k < n; ++k) {
    x[k] = coord(rng);
    y[k] = coord(rng);
  }
  std::vector<std::vector<int>> d(n, std::vector<int>(n));
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) d[i][j] = static_cast<int>(std::llrint(std::hypot(x[i] - x[j], y[i] - y[j])));
  std::vector<Extended> demand(demandNodes);
  for (Extended& w : demand) w = weight(rng);
  LoadMatrix(m, d, demand);
  for (int k = 1; k <= n; ++k) {
    m.Node(k).XCoord = x[k - 1];
    m.Node(k).YCoord = y[k - 1];
  }
  SetCoverage(m, coverage);
}

// Demand covered by a set of open sites, straight from the distance matrix.
inline Extended CoveredByMatrix(const ModelState& m, const std::vector<int>& open) {
  Extended total = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j : open)
      if (static_cast<int64_t>(m.DistanceMatrix.at(i, j)) * FixedPointScale <= m.CoverageDistance) {
        total += m.Node(i).Demand;
        break;
      }
  return total;
}

inline std::vector<int> OpenSites(const ModelState& m) {
  std::vector<int> open;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) open.push_back(j);
  return open;
}

// Number of open sites within the coverage distance of demand node i.
inline int CoverCountByMatrix(const ModelState& m, const std::vector<int>& open, int i) {
  int count = 0;
  for (int j : open)
    if (static_cast<int64_t>(m.DistanceMatrix.at(i, j)) * FixedPointScale <= m.CoverageDistance) ++count;
  return count;
}

}  // namespace korvelan::testing
