#pragma once
// The covering Lagrangian's settings table: registry rows (names of the settings
// form's controls, defaults, ranges), the restore of the defaults, and the
// minimum of the critical gap.
#include <string>
#include <vector>

#include "setup/SettingsRegistry.h"

namespace korvelan {

// Adds the rows of the covering Lagrangian table to the registry (family "covering").
void RegisterCoverLagrangianSettings(SettingsRegistry& registry);

// The names of the table's rows, in the order the settings form shows them.
const std::vector<std::string>& CoverLagrangianSettingNames();

// "Restore Default &Values": every row of the table back to its default.
void RestoreCoverLagrangianDefaults(ModelState& m);

// PctDiff may not be below 50 / TotalDemand: raises it to that value and returns
// the warning "Minimum value for Percent Difference is " + value; empty when PctDiff
// was already high enough.
std::string RaisePctDiffToMinimum(ModelState& m);

}  // namespace korvelan
