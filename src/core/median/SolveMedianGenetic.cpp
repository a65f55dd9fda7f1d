// The p-median genetic algorithm branch.
#include "median/MedianGA.h"
#include "solve/SolveModel.h"

namespace korvelan {

bool SolveMedianGenetic(ModelState& m, RunHost& host) { return RunMedianGA(m, host, m.NumberToLocate); }

}  // namespace korvelan
