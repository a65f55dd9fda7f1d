#pragma once
#include "model/ModelState.h"

namespace korvelan {

// First opening of the run-models form in a run of the program: the Lagrangian
// settings of the covering, median and fixed-charge families go back to their defaults.
void PrepareFirstOpening(ModelState& m);

// Fixed-charge exchange and neighbourhood search start from the add heuristic
// ("Do ADD Algorithm &First" checked) until the analyst says otherwise.
void StartFixedSearchWithAdd(ModelState& m);

}  // namespace korvelan
