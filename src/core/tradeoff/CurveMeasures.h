#pragma once
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// A point of a curve in the plane of the measures: x = percent of demand
// uncovered, y = average distance.
struct CurvePoint {
  double x = 0;
  double y = 0;
};

// Integrated convex preference of points with ascending x: the integral over w in
// [0, 1] of the best w x + (1 - w) y, taken over the lower convex hull.
double CurveICP(const std::vector<CurvePoint>& points);
// Integrated preference functional with the weighted Tchebycheff value
// max(w x, (1 - w) y), over every point (ascending x).
double CurveIPF(const std::vector<CurvePoint>& points);

// The four measures of TradeoffList (raw and normalised); 1.0 each when the curve
// has fewer than two points or equal end values. Never NaN or infinite.
void ComputeCurveMeasures(ModelState& m);

}  // namespace korvelan
