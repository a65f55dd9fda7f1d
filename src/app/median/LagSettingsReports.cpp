#include "median/LagSettingsReports.h"

#include "reports/BasicResultsForm.h"

namespace korvelan::app {

LagSettingsReports::LagSettingsReports(ModelState& model, Dialogs& dialogs, TBasicResultsForm& basic)
    : median(model, dialogs), fixed(model, dialogs), basic_(basic) {
  connect(&basic, &TBasicResultsForm::settingsReportRequested, this, &LagSettingsReports::Open);
  for (LagSettingsReport* report : {static_cast<LagSettingsReport*>(&median), static_cast<LagSettingsReport*>(&fixed)})
    connect(report, &LagSettingsReport::returnToBasic, &basic, &QWidget::show);
}

bool LagSettingsReports::Open(const QString& family) {
  LagSettingsReport* report = family == "median" ? static_cast<LagSettingsReport*>(&median)
                              : family == "fixed" ? static_cast<LagSettingsReport*>(&fixed)
                                                  : nullptr;
  if (!report) return false;
  basic_.hide();
  report->show();
  report->raise();
  return true;
}

}  // namespace korvelan::app
