#pragma once
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// The p-median heuristic runs for P facilities, by MedianAlgorithm and MedianTiming:
//   'M'            Myopic(P)
//   'E', timing L  Myopic(P), then Exchange(P)
//   'E', timing E  k := max(1, PresetCount); Myopic(k); Exchange(k); then for
//                  f = k+1..P: BestAddition, AddMedian(f, s) and Exchange(f) when a
//                  site s is found, else CostByCount[f] := CostByCount[f - 1]
//   'N'            as 'E' with NeighbourhoodSearch in place of Exchange
// Expects a cleared solution and PresetCount counted. Ends with LocatedList and
// NumLocated listing the open sites (fewer than P when no site saved anything).
// The abort of a tradeoff curve (CurveStop.h) stops it before the next facility count (and skips the final
// improvement). Returns false for an algorithm code that is not a heuristic of this family.
bool RunMedianHeuristic(ModelState& m, RunHost& host, int P);

}  // namespace korvelan
