#pragma once
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// The tradeoff engine: traces the curve of ProblemCode with the algorithm codes
// the form chose.
//   'C' covered demand with 1, 2, ... facilities by greedy adding (GreedyCover)
//   'M' average distance by the median heuristic of MedianAlgorithm/MedianTiming
//   'F' total cost by fixed_add or fixed_drop
// These fill CostByCount[1..NumLocated]. The heuristic abort (HeuristicAbort)
// stops them between facility counts: the counts finished so far are kept,
// CurveStopped is set and the flag is lowered.
//   'D' the covering-median curve (CoveringMedianCurve.h) into TradeoffList.
// P_max = Numbnodes minus every excluded site (demand node or candidate only).
void GETTRADEOFF(ModelState& m, RunHost& host);

// Releases every point of TradeoffList.
void FreeTradeoffList(ModelState& m);

// Numbnodes minus every site whose status is excluded: the most sites that can open.
int LargestCurveCount(const ModelState& m);

}  // namespace korvelan
