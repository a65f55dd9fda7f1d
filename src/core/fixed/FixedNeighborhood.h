#pragma once
#include "median/MedianNeighbourhood.h"
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Neighbourhood search for the uncapacitated fixed-charge problem: each facility
// moves to the demand node of its own service area that serves the area at the
// lowest transport plus fixed cost, then every demand node goes to its nearest
// facility; repeated while that reassignment moves a node.

// Best move of facility f: none for a required facility; otherwise the closed
// allowed demand node t served by f of largest gain = CostPerMile x (area's
// weighted distance saved, terms not clipped) + FixedCost(f) - FixedCost(t),
// strictly positive; the lowest-numbered of equal gains. site = f when it stays.
FacilityMove best_neighborhood_move(const ModelState& m, int f);

// Move the facility at f to t; f's demand nodes are served by t.
void swap_nodes_fixed_neighborhood(ModelState& m, RunHost& host, int f, int t, int count, Extended gain);

// Every demand node to any listed open site strictly closer than its own;
// returns whether a node moved.
bool reassign_demand_nodes(ModelState& m, RunHost& host, int count);

// The search over the open sites. count is the caller's number of open sites and
// flag tells who calls (1 the dispatcher, 0 the Lagrangian); neither changes the
// search, which works on the sites actually open.
void fixed_neighborhood(ModelState& m, RunHost& host, int count, int flag);

}  // namespace korvelan
