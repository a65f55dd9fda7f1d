#include "model/Totals.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace korvelan {

std::string LimitText(Extended limit) {
  if (!(limit > 0)) return "0";
  const int exponent = static_cast<int>(std::floor(std::log10(limit)));
  const Extended unit = std::pow(10.0L, static_cast<Extended>(exponent - 5));
  const Extended shown = std::floor(limit / unit) * unit;
  char text[48];
  std::snprintf(text, sizeof text, "%.6Lg", shown);
  return text;
}

std::string DataTotalsProblem(Extended totalDemand, Extended fixedCostMagnitude, int32_t largestDistance) {
  const Extended distance = std::max<Extended>(largestDistance, 1);
  if (totalDemand * distance > LargestTotal)
    return "The demands are too large for the distances: the total demand times the largest distance must "
           "stay below " + LimitText(LargestTotal);
  if (fixedCostMagnitude > LargestTotal)
    return "The fixed costs are too large: their total must stay below " + LimitText(LargestTotal);
  return {};
}

Extended LargestCostPerMile(const ModelState& m) {
  Extended demand = 0;
  Extended fixed = 0;
  for (int i = 1; i <= m.Numbnodes; ++i) {
    if (i <= m.NumDemandNodes) demand += m.Node(i).LoadedDemand;
    fixed += std::fabs(m.Node(i).FixedCost);
  }
  const Extended weighted = demand * static_cast<Extended>(m.MaxDistance);
  if (!(weighted > 0)) return LargestTotal;
  return std::max<Extended>(LargestTotal - fixed, 0) / weighted;
}

}  // namespace korvelan
