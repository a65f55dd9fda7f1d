#include "median/SwapScan.h"

#include <algorithm>

namespace korvelan {
namespace {

// Add Demand(j) x (limit - d(j, i)) to saving[i] for every site i of j's
// NearestOrder row closer than limit.
void AddCloserSites(const ModelState& m, int j, int64_t limit, std::vector<Extended>& saving) {
  const int32_t* order = m.NearestOrder.row(j);
  const int32_t* distance = m.DistanceMatrix.row(j);
  const Extended demand = m.Node(j).Demand;
  for (int k = 1; k <= m.Numbnodes; ++k) {
    const int site = order[k];
    const int32_t d = distance[site];
    if (d >= limit) break;
    saving[site] += demand * static_cast<Extended>(limit - d);
  }
}

}  // namespace

void AdditionSavings(const ModelState& m, std::vector<Extended>& saving) {
  saving.assign(NodeSlots, 0);
  for (int j = 1; j <= m.NumDemandNodes; ++j) AddCloserSites(m, j, m.Node(j).AssignedDistance, saving);
}

void ReplacementSavings(const ModelState& m, int o, std::vector<Extended>& saving) {
  saving.assign(NodeSlots, 0);
  for (int j = 1; j <= m.NumDemandNodes; ++j) {
    const NodeRecord& node = m.Node(j);
    if (node.AssignedFacility != o) {
      AddCloserSites(m, j, node.AssignedDistance, saving);
      continue;
    }
    // Served by o: every candidate gets a term (usually a loss).
    const int32_t* distance = m.DistanceMatrix.row(j);
    for (int i = 1; i <= m.Numbnodes; ++i)
      saving[i] += node.Demand * static_cast<Extended>(SwapTerm(node, o, distance[i]));
  }
}

}  // namespace korvelan
