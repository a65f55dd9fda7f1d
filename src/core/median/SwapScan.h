#pragma once
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// Incremental evaluation of additions and one-for-one replacements.
//
// Both scans walk each demand node's NearestOrder row only as far as the sites
// that are closer than its current (or second) site, so a full scan over every
// candidate costs little more than one pass over the demand nodes. Every site's
// value is summed over the demand nodes in ascending order, exactly as the
// direct formula sums it, so the results are bit-for-bit the direct values.

// saving[i] = sum over demand nodes j of Demand(j) x max(0, AssignedDistance(j) - d(j, i)),
// for every site i = 1..Numbnodes (open sites included). saving is resized to NodeSlots.
void AdditionSavings(const ModelState& m, std::vector<Extended>& saving);

// saving[i] = SwapSaving(o, i) for every closed site i: the decrease of the total
// weighted distance when open site o closes and i opens. Needs the second-closest
// data (SecondFacilityValid). Values at open sites are meaningless.
void ReplacementSavings(const ModelState& m, int o, std::vector<Extended>& saving);

// The term of demand node j in SwapSaving(o, s) given d = d(j, s):
// AssignedDistance - min(d, SecondDistance) when j is served by o, else
// max(0, AssignedDistance - d).
inline int64_t SwapTerm(const NodeRecord& node, int o, int32_t d) {
  if (node.AssignedFacility == o) return int64_t{node.AssignedDistance} - std::min(d, node.SecondDistance);
  return d < node.AssignedDistance ? int64_t{node.AssignedDistance} - d : 0;
}

}  // namespace korvelan
