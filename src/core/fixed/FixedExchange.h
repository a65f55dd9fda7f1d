#pragma once
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Pairwise exchange (substitution) for the uncapacitated fixed-charge problem.

// The total-cost saving of closing r and opening q from the decrease of the total
// weighted distance that swap brings.
Extended FixedSwapCostSaving(const ModelState& m, Extended distanceSaving, int r, int q);

// Decrease of the total cost when open site r closes and closed site q opens,
// all other sites unchanged; 0 when r = q. Rebuilds the second-closest data when
// it is not current.
Extended fixed_swap_saving(ModelState& m, int r, int q);

// Close r and open q: r's demand nodes go to q when it is strictly closer than
// their second-closest site, else to that site; other nodes go to q when it is
// strictly closer. saving is shown in the progress lines.
void swap_facilities(ModelState& m, RunHost& host, int r, int q, Extended saving);

// Best-improvement search: each pass evaluates every (open, closed) pair of
// unrequired, unexcluded sites and applies the best one while its saving is
// positive. Shows the candidate gauges meanwhile. Returns whether a swap was made.
bool fixed_exchange(ModelState& m, RunHost& host);

}  // namespace korvelan
