#include "solve/Evaluation.h"

#include <algorithm>

namespace korvelan {

NearestSite NearestLocated(const ModelState& m, int i) {
  // Start above every possible 32-bit distance so that any located site is taken.
  int64_t best = int64_t{1} << 32;
  NearestSite nearest;
  const int32_t* row = m.DistanceMatrix.row(i);
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (m.Node(j).Located && row[j] < best) {
      best = row[j];
      nearest = {j, row[j]};
    }
  }
  return nearest;
}

Extended AssignToNearest(ModelState& m) {
  double total = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NearestSite nearest = NearestLocated(m, i);
    NodeRecord& node = m.Node(i);
    node.AssignedFacility = static_cast<uint16_t>(nearest.site);
    node.AssignedDistance = nearest.distance;
    total += static_cast<double>(nearest.distance) * static_cast<double>(node.Demand);
  }
  return total;
}

Extended WeightedDistanceOfAssignment(const ModelState& m) {
  Extended total = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) total += m.Node(i).Demand * m.Node(i).AssignedDistance;
  return total;
}

Extended CoveredDemand(const ModelState& m) {
  Extended total = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (m.Node(i).NTIMES > 0) total += m.Node(i).Demand;
  return total;
}

CoverageHistogramResult CoverageHistogram(const ModelState& m) {
  CoverageHistogramResult h;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const int k = std::clamp(m.Node(i).NTIMES, 0, 100);
    ++h.count[k];
    h.demand[k] += static_cast<double>(m.Node(i).Demand);
  }
  return h;
}

Extended LocatedFixedCost(const ModelState& m) {
  Extended total = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) total += m.Node(j).FixedCost;
  return total;
}

Extended LagOpenFixedCost(const ModelState& m) {
  Extended total = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).LagOpen > 0) total += m.Node(j).FixedCost;
  return total;
}

Extended LagOpenWeightedDistance(const ModelState& m) {
  Extended total = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    Extended best = 1e30L;
    const int32_t* row = m.DistanceMatrix.row(i);
    for (int j = 1; j <= m.Numbnodes; ++j)
      if (m.Node(j).LagOpen == 1 && row[j] < best) best = row[j];
    total += best * m.Node(i).Demand;
  }
  return total;
}

Extended LagOpenTotalCost(const ModelState& m) {
  return LagOpenWeightedDistance(m) * m.CostPerMile + LagOpenFixedCost(m);
}

void ClearSolution(ModelState& m) {
  for (int n = 1; n <= m.Numbnodes; ++n) {
    m.Node(n).NTIMES = 0;
    m.Node(n).Located = 0;
  }
}

void RebuildLocatedList(ModelState& m) {
  int count = 0;
  m.LocatedList.fill(0);
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located == 1) m.LocatedList[++count] = static_cast<uint16_t>(j);
  m.NumLocated = static_cast<uint16_t>(count);
}

}  // namespace korvelan
