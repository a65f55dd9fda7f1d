#pragma once
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Neighbourhood search of the p-median heuristics: each facility moves to the
// node of its own service area that serves that area best, then every demand node
// goes to its nearest facility; repeated while the reassignment moves a node.

struct FacilityMove {
  int site = 0;        // where the facility goes; the facility itself when it stays
  Extended saving = 0; // decrease of the total weighted distance
};

// Best move of facility b: none for a required facility; otherwise the closed
// allowed node of b's service area (a demand node served by b) that lowers the
// weighted distance of the area most, the lowest-numbered of equal savings.
FacilityMove BestMedianMove(const ModelState& m, int b);

// Move the facility at b to s; b's demand nodes are served by s.
void MoveMedian(ModelState& m, RunHost& host, int b, int s, int count, Extended saving);

// Every demand node to any open site strictly closer than its own. Returns
// whether a node moved.
bool ReassignAll(ModelState& m, RunHost& host, int count);

// The search over the first `count` open sites (never beyond the sites open).
void NeighbourhoodSearch(ModelState& m, RunHost& host, int count);

}  // namespace korvelan
