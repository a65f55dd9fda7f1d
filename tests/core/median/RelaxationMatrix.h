#pragma once
// The cost matrix of a p-median or fixed-charge relaxation for the tests of the pieces
// that work on it, and the open sites of a solution as a list.
#include <array>
#include <cstdint>
#include <vector>

#include "fixed/FixedLagrangian.h"
#include "median/MedianLagrangian.h"
#include "solve/RunHost.h"

namespace korvelan::testing {

// c(i, j) of the fixed charge (fixed costs counted) or of the p-median.
inline void BuildRelaxationMatrix(ModelState& m, bool fixedCosts, FixedSearch& search) {
  HeadlessRunHost host;
  if (fixedCosts)
    BuildFixedCostMatrix(m, host, search);
  else
    BuildMedianCostMatrix(m, host, search);
}

inline std::vector<int> OpenSiteList(const std::array<uint8_t, NodeSlots>& open, int n) {
  std::vector<int> sites;
  for (int j = 1; j <= n; ++j)
    if (open[j]) sites.push_back(j);
  return sites;
}

}  // namespace korvelan::testing
