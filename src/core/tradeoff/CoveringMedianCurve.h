#pragma once
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Safety caps of the covering-median search. A search that reaches one stops,
// keeps the points found, and adds a line to Tradeoff.CapNotes and the error list.
struct CurveLimits {
  int weightSteps = 60;  // doublings of K, and halvings of K
  int depth = 50;        // nesting of the search between two points
};

// One end or intermediate point of the search: covered demand and total distance.
struct CurveEnd {
  Extended covered = 0;
  Extended distance = 0;
};

// The covering-median curve for P = NumberToLocate: the maximum covering optimum
// Cmax, the high-coverage end (K doubling from 10000 until coverage reaches Cmax),
// the distance end (K = 0, then K halving from 0.01 until the distance is back to
// the minimum), the supported points between them, sorted by covered demand.
// PctDiff := 0 (and stays so); AddedConstant keeps the last K used.
void CoveringMedianCurve(ModelState& m, RunHost& host, const CurveLimits& limits = {});

// One median Lagrangian run with AddedConstant := K and P = NumberToLocate, its
// solution left installed with every demand node on its nearest open site.
CurveEnd do_weighted_median(ModelState& m, RunHost& host, Extended K);

}  // namespace korvelan
