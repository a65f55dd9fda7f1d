#pragma once
#include "model/ModelState.h"

namespace korvelan {

// The heuristic progress window's abort while the tradeoff engine traces a curve
// against the number of facilities: the heuristics stop before the next facility
// count. Outside a curve the flag does not stop them.
inline bool CurveStopRequested(const ModelState& m) { return m.HeuristicAbort && m.Tradeoff.CurveRunning; }

}  // namespace korvelan
