#pragma once
// Small random covering instances and exhaustive answers to check the exact
// covering procedures against.
#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

#include "model/CoverageLists.h"
#include "model/ModelState.h"

namespace korvelan::covertest {

struct InstanceShape {
  int nodes = 10;        // all nodes
  int demandNodes = 10;  // the first ones carry demand
  int maxDemand = 20;    // integer demands 1..maxDemand
  int coverage = 30;     // coverage distance in whole units
};

// Points on a 100 x 100 grid, Euclidean distances rounded to whole units.
inline void FillRandomInstance(ModelState& m, unsigned seed, const InstanceShape& shape) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> coord(0, 100);
  std::uniform_int_distribution<int> demand(1, shape.maxDemand);
  m.Numbnodes = static_cast<uint16_t>(shape.nodes);
  m.NumDemandNodes = static_cast<uint16_t>(shape.demandNodes);
  std::vector<double> x(shape.nodes + 1), y(shape.nodes + 1);
  for (int n = 1; n <= shape.nodes; ++n) {
    x[n] = coord(rng);
    y[n] = coord(rng);
    NodeRecord& node = m.Node(n);
    node.Demand = n <= shape.demandNodes ? demand(rng) : 0;
    node.LoadedDemand = node.Demand;
  }
  Extended total = 0;
  for (int i = 1; i <= shape.nodes; ++i) {
    total += m.Node(i).Demand;
    for (int j = 1; j <= shape.nodes; ++j)
      m.DistanceMatrix.at(i, j) = static_cast<int32_t>(std::lround(std::hypot(x[i] - x[j], y[i] - y[j])));
  }
  m.TotalDemand = total;
  m.CoverageDistance = int64_t{shape.coverage} * FixedPointScale;
  BuildCoverageLists(m);
}

// Every subset of sites of size k that keeps required sites in and excluded ones out.
template <typename Visit>
void ForEachSiteSet(const ModelState& m, int k, Visit visit) {
  const int n = m.Numbnodes;
  for (unsigned mask = 0; mask < (1u << n); ++mask) {
    if (std::popcount(mask) != k) continue;
    bool allowed = true;
    for (int j = 1; j <= n && allowed; ++j) {
      const bool open = mask & (1u << (j - 1));
      const uint8_t status = m.Node(j).SiteStatus;
      allowed = !(open && status == StatusExcluded) && !(!open && status == StatusRequired);
    }
    if (allowed) visit(mask);
  }
}

// Demand within `radius` of an open site of the set, from the distance matrix.
inline Extended CoveredWithin(const ModelState& m, unsigned mask, int64_t radius) {
  Extended covered = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j = 1; j <= m.Numbnodes; ++j)
      if ((mask & (1u << (j - 1))) && m.DistanceMatrix.at(i, j) <= radius) {
        covered += m.Node(i).Demand;
        break;
      }
  return covered;
}

inline Extended BestCoverage(const ModelState& m, int k, int64_t radius) {
  Extended best = -1;
  ForEachSiteSet(m, k, [&](unsigned mask) { best = std::max(best, CoveredWithin(m, mask, radius)); });
  return best;
}

// Fewest sites reaching the target at the radius; -1 when no number does.
inline int FewestSites(const ModelState& m, Extended target, int64_t radius) {
  for (int k = 1; k <= m.Numbnodes; ++k)
    if (BestCoverage(m, k, radius) >= target) return k;
  return -1;
}

// Smallest whole radius at which k sites reach the target.
inline int64_t SmallestRadius(const ModelState& m, int k, Extended target) {
  std::vector<int64_t> radii{0};
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j = 1; j <= m.Numbnodes; ++j) radii.push_back(m.DistanceMatrix.at(i, j));
  std::sort(radii.begin(), radii.end());
  radii.erase(std::unique(radii.begin(), radii.end()), radii.end());
  // Reaching the target only gets easier as the radius grows: bisect the distances.
  if (BestCoverage(m, k, radii.back()) < target) return -1;
  size_t lo = 0, hi = radii.size() - 1;
  while (lo < hi) {
    const size_t mid = (lo + hi) / 2;
    if (BestCoverage(m, k, radii[mid]) >= target) hi = mid;
    else lo = mid + 1;
  }
  return radii[hi];
}

// Demand within the coverage distance of a located site, from the distance matrix
// (for instances of any size).
inline Extended CoveredByLocated(const ModelState& m) {
  Extended covered = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j = 1; j <= m.Numbnodes; ++j)
      if (m.Node(j).Located && WithinCoverage(m.CoverageDistance, m.DistanceMatrix.at(i, j))) {
        covered += m.Node(i).Demand;
        break;
      }
  return covered;
}

// Every SiteStatus, to compare before and after a run.
inline std::array<uint8_t, NodeSlots> Statuses(const ModelState& m) {
  std::array<uint8_t, NodeSlots> s{};
  for (int j = 1; j <= m.Numbnodes; ++j) s[j] = m.Node(j).SiteStatus;
  return s;
}

// The located sites as a mask (instances of at most 32 nodes), and whether NTIMES agrees with them.
inline unsigned LocatedMask(const ModelState& m) {
  unsigned mask = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) mask |= 1u << (j - 1);
  return mask;
}

inline bool CoverCountsMatchLocated(const ModelState& m) {
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    int count = 0;
    for (int j = 1; j <= m.Numbnodes; ++j)
      if (m.Node(j).Located && WithinCoverage(m.CoverageDistance, m.DistanceMatrix.at(i, j))) ++count;
    if (count != m.Node(i).NTIMES) return false;
  }
  return true;
}

}  // namespace korvelan::covertest
