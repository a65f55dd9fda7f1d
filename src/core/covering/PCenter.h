#pragma once
// P-center ('P') and partial p-center ('%'): the smallest whole coverage distance at
// which NumberToLocate facilities cover the target, found by doubling an upper
// estimate, halving a lower estimate and bisecting between them, each distance
// answered by the set-covering feasibility search.
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Leaves CoverageDistance at the distance found with the coverage lists built for it,
// and the solution installed. Returns success: every demand node is covered (also in
// FullCoverage). FatalError is raised when no distance can reach the target.
bool PCenter(ModelState& m, RunHost& host, bool partial);

}  // namespace korvelan
