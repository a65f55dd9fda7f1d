#pragma once
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Coverage bookkeeping shared by every covering-type model.
//
// NTIMES of a demand node counts the placed facilities whose CoversList holds it.

// Add one to ('+') or subtract one from ('-') NTIMES of every node the site covers.
// A decrement checks every entry and warns through the host (the update goes on).
void UpdateCoverage(ModelState& m, RunHost& host, char sign, int site);

// UncoveredGain of every site: the demand of its still uncovered nodes; 0 for a
// dominated or excluded site.
void ComputeUncoveredGain(ModelState& m);

// Marks the sites whose residual coverage (what the required sites leave open) is
// no better than another site's; fills Dominated and DominanceMark and clears
// CoverStateChanged.
void ComputeDominance(ModelState& m);

// Fixed-charge models: NTIMES := 1 when the assigned distance lies within the
// coverage distance, else 0.
void CoverByAssignment(ModelState& m);

// Substitution form of the located-list rebuild: lists every site with Located != 0
// in ascending order and leaves NumLocated unchanged. (The strict form that also
// counts is RebuildLocatedList in solve/Evaluation.h.)
void RebuildLocatedListKeepCount(ModelState& m);

// True when the site is free to be chosen by a covering heuristic.
inline bool IsCandidateSite(const NodeRecord& site) {
  return site.Dominated == 0 && site.SiteStatus != StatusExcluded;
}

}  // namespace korvelan
