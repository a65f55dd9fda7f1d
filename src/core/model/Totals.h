#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// Totals of demand, distance and cost are printed by the reports and the batch
// summary as doubles; data and parameters whose totals could pass this bound are
// refused before any run.
inline constexpr Extended LargestTotal = 1.7976931348623157e308L;

// A limit in a message: six significant digits, rounded toward zero so that the
// text shown is itself within the limit ("3.59538e+302").
std::string LimitText(Extended limit);

// Why demands, fixed costs and the largest distance of a data set would give
// totals beyond LargestTotal; empty when every total stays within it.
std::string DataTotalsProblem(Extended totalDemand, Extended fixedCostMagnitude, int32_t largestDistance);

// The largest cost per mile whose total cost (fixed costs plus cost per mile x
// demand x distance) stays within LargestTotal for the loaded data; LargestTotal
// when demand or distances are all 0.
Extended LargestCostPerMile(const ModelState& m);

}  // namespace korvelan
