#pragma once
// Rules of the inventory/location model's Lagrangian settings form that the form and
// the tests share.
#include "model/ModelState.h"

namespace korvelan {

// The form's activation: under branch and bound the root iteration limit is raised to
// at least 10, the terminal substitution is switched on again with its last choice,
// and the Average and Fixed multiplier terms are set to 10.
void ActivateTolvanLagSettings(ModelState& m);
// The form's quit: with a nonzero weight for distances beyond the coverage distance
// the terminal substitution and the assignment search are switched off.
void TolvanQuitRule(ModelState& m);

}  // namespace korvelan
