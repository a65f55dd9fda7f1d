#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// Build every CoversList and CoveredByList for the current coverage distance.
// Returns an empty text on success, or the consistency message on a bad node number.
std::string BuildCoverageLists(ModelState& m);

// The partial p-center's weighted variant: demand node i is covered by site j when
// CoverageDistance >= DistanceMatrix[i][j] * weights[i] (fixed point, extended precision).
// weights is indexed by node number.
std::string BuildWeightedCoverageLists(ModelState& m, const std::vector<Extended>& weights);

// coverageDistance >= distance x weight x 10000 in extended precision: no
// overflow for any demand, exact for whole demands and distances.
bool WithinWeightedCoverage(int64_t coverageDistance, int32_t distance, Extended weight);

}  // namespace korvelan
