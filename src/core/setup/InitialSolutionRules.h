#pragma once
#include <string>

#include "model/ModelState.h"

namespace korvelan {

// An excluded site is never opened, not even by an initial solution: every
// excluded site read into the initial solution is taken out of it again.
// Returns the warning naming those sites, or an empty text when there were none.
std::string DropExcludedInitialSites(ModelState& m);

}  // namespace korvelan
