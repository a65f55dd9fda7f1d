#include "fixed/FixMenu.h"

#include "median/LagSettingsPanel.h"
#include "median/LagrangianSettingsRules.h"

namespace korvelan::app {

std::vector<LagEditRow> FixedChargeEditRows() {
  // The root iteration label shows the default the restore button gives (400).
  return {
      {"PctDiff", "Critical &Percentage Difference", "0.0000000"},
      {"NoIter", "Number of &Iterations", "400"},
      {"RootNodeValue", "Number of Iterations at Roo&T Node", "400"},
      {"MinAlpha", "Minimum A&Lpha Value Allowed", "0.0000000"},
      {"Failures", "Number of &Failures Before Changing Alpha", "12"},
      {"RootFail", "&@ No Failures Before Changing Alpha at Root Node", "12"},
      {"DampingTerm", "Crowder &Damping Term", "0.3000000"},
      {"Constant", "&Constant", "0.000000"},
      {"Slope", "Sl&Ope", "0.000000"},
      {"Average", "Avera&Ge", "10.000000"},
      {"Demand", "De&Mand", "0.000000"},
      {"Fixed", "Fix&Ed", "10.000000"},
      {"CovDistWeight", "&Weight for Dist > Coverage Distance", "0.000000"},
      {"DepthVar", "&# Depth of Branch and Bound Tree (-1 is infinite)", "-1"},
  };
}

LagSettingsPanel* NewFixedPanel(ModelState& model, Dialogs& dialogs, bool readOnly) {
  const std::vector<LagEditRow> edits = FixedChargeEditRows();
  const std::vector<LagCheckRow> checks = {
      {"MultiplyBox", "M&Ultiply Weight by Cost/mile?"},
      {"BranchAndBound", "&Branch and Bound"},
      {"FailureCount", "&Restart Failure Count on Improved Solution"},
      {"ExchangeSearch", "Neighborhood &Search on Improved Solution"},
      {"ShowProgress", "Displa&Y Lagrangian Progress"},
      {"RootNodeBox", "&> Root Node Forcing"},
  };
  return new LagSettingsPanel(
      model, dialogs, "fixed", edits, checks,
      "U(i) = CONSTANT + SLOPE*[Dem(i)*Dist(i,[2])*$/mile] + AVG*Avg Demand + DEMAND*Dem(i) + FIXED*Avg Fixed Cost",
      readOnly);
}

TFixCovSetting::TFixCovSetting(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : LagSettingsForm(model, NewFixedPanel(model, dialogs, false),
                      {ActivateFixedLagSettings, ApplyFixedWeightRule, RestoreFixedLagDefaults, FixedQuitRule},
                      parent) {}

TShowFixLagSettings::TShowFixLagSettings(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : LagSettingsReport(model, dialogs, NewFixedPanel(model, dialogs, true), "Show Fixed Charge Lagrangian Settings",
                        "UNCAPACITATED FIXED CHARGE LAGRANGIAN Settings CANNOT be CHANGED from this Form", parent) {}

}  // namespace korvelan::app
