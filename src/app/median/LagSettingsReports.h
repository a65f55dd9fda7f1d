#pragma once
#include <QObject>

#include "fixed/FixMenu.h"
#include "median/MedMenu.h"

namespace korvelan::app {

class TBasicResultsForm;

// The median and fixed-charge Lagrangian settings reports, opened by "La&Grangian
// Param" of the basic results report for a median or fixed-charge Lagrangian run;
// "&Quit (Return to Basic)" shows the basic results report again.
class LagSettingsReports : public QObject {
  Q_OBJECT
 public:
  LagSettingsReports(ModelState& model, Dialogs& dialogs, TBasicResultsForm& basic);

  TShowMedLagSettings median;
  TShowFixLagSettings fixed;

  // Opens the report of a family ("median" or "fixed"); false for another family.
  bool Open(const QString& family);

 private:
  TBasicResultsForm& basic_;
};

}  // namespace korvelan::app
