#pragma once
#include <array>
#include <cstdint>

#include "model/ModelState.h"

namespace korvelan {

struct NearestSite {
  int site = 0;          // 0 when no site is located
  int32_t distance = 0;  // distance to that site
};

// The located site nearest to demand node i; the lowest-numbered of equal sites wins.
NearestSite NearestLocated(const ModelState& m, int i);
// Assign every demand node to its nearest located site; returns the demand-weighted distance.
Extended AssignToNearest(ModelState& m);
// Sum of Demand x AssignedDistance over the demand nodes, without reassigning.
Extended WeightedDistanceOfAssignment(const ModelState& m);
// Sum of Demand over the covered demand nodes (NTIMES > 0).
Extended CoveredDemand(const ModelState& m);

// Demand nodes covered k times (k = 0..100, more counts as 100) and their demand.
struct CoverageHistogramResult {
  std::array<uint16_t, 101> count{};
  std::array<double, 101> demand{};
};
CoverageHistogramResult CoverageHistogram(const ModelState& m);

Extended LocatedFixedCost(const ModelState& m);
Extended LagOpenFixedCost(const ModelState& m);
// For each demand node the distance to its nearest site with LagOpen = 1 (1e30 when none),
// times Demand, summed.
Extended LagOpenWeightedDistance(const ModelState& m);
Extended LagOpenTotalCost(const ModelState& m);
// NTIMES := 0 and Located := 0 for every node.
void ClearSolution(ModelState& m);
// Strict form: LocatedList cleared, then the sites with Located = 1 in ascending
// node number; NumLocated set to their number.
void RebuildLocatedList(ModelState& m);

}  // namespace korvelan
