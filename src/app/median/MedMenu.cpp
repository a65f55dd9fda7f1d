#include "median/MedMenu.h"

#include <QCheckBox>

#include "median/LagSettingsPanel.h"
#include "median/LagrangianSettingsRules.h"

namespace korvelan::app {

LagSettingsPanel* NewMedianPanel(ModelState& model, Dialogs& dialogs, bool readOnly) {
  const std::vector<LagEditRow> edits = {
      {"PctDiff", "Critical &Percentage Difference", "0.0000000"},
      {"AbsDiff", "Critical &Absolute Difference", "0.0000000"},
      {"NoIter", "Number of &Iterations", "400"},
      {"RootNodeValue", "Number of Iterations at Roo&T Node", "1200"},
      {"MinAlpha", "Minimum A&Lpha Value Allowed", "0.0000000"},
      {"Failures", "Number of &Failures Before Changing Alpha", "36"},
      {"RootFail", "&@ No Failures Before Changing Alpha at Root Node", "36"},
      {"DampingTerm", "Crowder &Damping Term", "0.3000000"},
      {"Constant", "&Constant", "0.000000"},
      {"Slope", "Sl&Ope", "0.000000"},
      {"Average", "Avera&Ge", "10.000000"},
      {"Demand", "De&Mand", "0.000000"},
      {"CovDistWeight", "&Weight for Dist > Coverage Distance", "0.000000"},
      {"DepthVar", "&# Depth of Branch and Bound Tree ", "-1"},
  };
  const std::vector<LagCheckRow> checks = {
      {"BranchAndBound", "&Branch and Bound"},
      {"FailureCount", "&Restart Failure Count on Improved Solution"},
      {"ShowProgress", "Displa&Y Lagrangian Progress"},
      {"RootNodeBox", "&> Do root node forcing"},
      {"ExchangeSearch", "Neighborhood &Search On Improved Solution"},
      {"UseBestUBBox", "&^ Use Best UB in Percent for Ending"},
  };
  return new LagSettingsPanel(model, dialogs, "median", edits, checks,
                              "U(i)=CONSTANT + SLOPE*[Dem(i)*Dist(i,[2])] + AVG*Avg Demand + DEMAND*Dem(i)", readOnly);
}

namespace {

// The best-bound stop applies to the p-median only.
void ShowBestBoundBox(LagSettingsPanel* panel, const ModelState& model, bool editable) {
  QCheckBox* box = panel->Check("UseBestUBBox");
  box->setVisible(model.ProblemCode == 'M');
  box->setEnabled(editable && model.ProblemCode == 'M');
}

LagSettingsForm::Rules MedianRules() {
  return {ActivateMedianLagSettings, ApplyMedianWeightRule, RestoreMedianLagDefaults, MedianQuitRule};
}

}  // namespace

TMedCovSetting::TMedCovSetting(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : LagSettingsForm(model, NewMedianPanel(model, dialogs, false), MedianRules(), parent) {}

void TMedCovSetting::AfterFill() { ShowBestBoundBox(Panel, model_, true); }

TShowMedLagSettings::TShowMedLagSettings(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : LagSettingsReport(model, dialogs, NewMedianPanel(model, dialogs, true), "Show Median Lagrangian Settings",
                        "MEDIAN LAGRANGIAN Settings CANNOT be CHANGED from this Form", parent) {}

void TShowMedLagSettings::AfterFill() { ShowBestBoundBox(Panel, model_, false); }

}  // namespace korvelan::app
