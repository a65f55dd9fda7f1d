#pragma once
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Greedy adding and greedy dropping for the uncapacitated fixed-charge problem.
// target is FixedNumberToLocate: p > 0 facilities, or -1 to optimise the number.

// The closed allowed site (SiteStatus 0) of largest gain = CostPerMile x (weighted
// distance saved) - FixedCost; the lowest-numbered of equal gains. Without must
// only a strictly positive gain is taken; with must the best is taken whatever its
// gain. 0 when no site is taken.
int best_add_site(const ModelState& m, bool must);

// Required and initial sites first, then the best site each step: with target -1
// while a site lowers the cost (the first site always), with target p until p
// sites are open, even at a loss. Stops with the sites reached when no site is
// left to open or the preset sites already reach the target. Returns the number
// of open sites; LocatedList and NumLocated list them. The abort of a tradeoff
// curve stops it before the next site (CurveStop.h).
int fixed_add(ModelState& m, RunHost& host, int target);

struct DropChoice {
  int site = 0;     // 0 when no site is taken
  Extended gain = 0; // decrease of the total cost when it closes
};
// The open unrequired site whose closing lowers the cost most (with must: the
// best whatever the change); the lowest-numbered of equal gains. Rebuilds the
// second-closest data when it is not current.
DropChoice best_drop_site(ModelState& m, bool must);

// Opens every site that is not excluded, then closes the best site each step:
// with target -1 while closing lowers the cost, with target p until p sites
// remain; never below one site, and stops with the sites reached when only
// required sites are left; the abort of a tradeoff curve stops it before the next drop. Returns
// the number of open sites.
int fixed_drop(ModelState& m, RunHost& host, int target);

}  // namespace korvelan
