#pragma once
// The covering Lagrangian's settings table: registry rows (names of the settings
// form's controls, defaults, ranges), the restore of the defaults, and the
// minimum of the critical gap.
#include <string>
#include <vector>

#include "setup/SettingsRegistry.h"

namespace korvelan {

// One control of the settings form: the setting it edits, its caption ("&" marks the
// mnemonic) and, for the edit boxes, the text of its "Default value" label.
struct CoverLagrangianControl {
  const char* name;
  const char* caption;
  const char* defaultLabel;  // empty for check boxes and the radio group
};

// Every control of the form, in the table's order.
const std::vector<CoverLagrangianControl>& CoverLagrangianControls();

// The two items of the step-size radio group, for 'B' and 'L'.
inline constexpr const char* BestLbItem = "Bes&T LB in Stepsize";
inline constexpr const char* LagrangianLbItem = "L&Agrangian LB in Stepsize";

// The formula of the initial multipliers that the form shows.
inline constexpr const char* MultiplierFormula =
    "U(i)=CONSTANT*[Avg. Demand] + SLOPE*[Demand(i) - CONSTANT*Avg. Demand]";

// The settings as printed by the settings report: one line per control, caption
// (without its mnemonic mark) and value.
std::vector<std::string> CoverLagrangianSettingsLines(const ModelState& m);

// A caption without its mnemonic mark ("Sl&Ope" -> "SlOpe"; "&&" stays one "&").
std::string PlainCaption(const std::string& caption);

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
