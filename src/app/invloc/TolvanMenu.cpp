#include "invloc/TolvanMenu.h"

#include <QCheckBox>

#include "fixed/FixMenu.h"
#include "invloc/InvLocSettingsRules.h"
#include "median/LagSettingsPanel.h"
#include "median/LagrangianSettingsRules.h"
#include "setup/SettingsRegistry.h"

namespace korvelan::app {

namespace {

void HideUpperBoundingBox(LagSettingsPanel* panel) { panel->Check("DoBoundingBox")->hide(); }

}  // namespace

LagSettingsPanel* NewTolvanPanel(ModelState& model, Dialogs& dialogs, bool readOnly) {
  // The fixed-charge rows, with this model's own root defaults.
  std::vector<LagEditRow> edits = FixedChargeEditRows();
  for (LagEditRow& row : edits) {
    if (std::string(row.name) == "RootNodeValue") row.defaultText = "1200";
    if (std::string(row.name) == "RootFail") row.defaultText = "36";
  }
  const std::vector<LagCheckRow> checks = {
      {"BranchAndBound", "&Branch and Bound"},
      {"FailureCount", "&Restart Failure Count on Improved Solution"},
      {"ExchangeSearch", "Assignment &Search on Improved Solution"},
      {"ShowProgress", "Displa&Y Lagrangian Progress"},
      {"RootNodeForcing", "&> Root Node Forcing"},
      {"ShowExchangeProgress", "&< Show Exchange Progress"},
      {"DoBoundingBox", "Do Lagrangian &Upper Bounding?"},
  };
  return new LagSettingsPanel(
      model, dialogs, "invloc", edits, checks,
      "U(i) = CONSTANT + SLOPE*[Dem(i)*Dist(i,[2])*$/mile] + AVG*Avg Demand + DEMAND*Dem(i) + FIXED*Avg Fixed Cost",
      readOnly);
}

void RestoreTolvanLagDefaults(ModelState& m) { Settings().RestoreDefaults(m, "invloc"); }

TTolvanCovSetting::TTolvanCovSetting(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : LagSettingsForm(model, NewTolvanPanel(model, dialogs, false),
                      {ActivateTolvanLagSettings, ApplyFixedWeightRule, RestoreTolvanLagDefaults, TolvanQuitRule},
                      parent) {
  setWindowTitle("Tolvan Loc/Inv Model Lagrangian Parameter Setting Menu");
}

void TTolvanCovSetting::AfterFill() { HideUpperBoundingBox(Panel); }

TShowTolvanLagSettings::TShowTolvanLagSettings(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : LagSettingsReport(model, dialogs, NewTolvanPanel(model, dialogs, true), "ShowTolvanLagSettings",
                        "Tolvan LAGRANGIAN Settings CANNOT be CHANGED from this Form", parent) {}

void TShowTolvanLagSettings::AfterFill() { HideUpperBoundingBox(Panel); }

}  // namespace korvelan::app
