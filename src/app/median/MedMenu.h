#pragma once
#include "median/LagSettingsForms.h"

namespace korvelan::app {

// The median Lagrangian settings form ("Lagrangian Parameter Setting Menu"). It
// edits the settings the median shares with the covering Lagrangian and the
// median-only inputs; a nonzero weight for distances beyond the coverage distance
// keeps the neighbourhood search and the terminal substitution off.
class TMedCovSetting : public LagSettingsForm {
  Q_OBJECT
 public:
  TMedCovSetting(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);

 protected:
  void AfterFill() override;
};

// The read-only median Lagrangian settings report ("Show Median Lagrangian
// Settings"), opened from the basic results report.
class TShowMedLagSettings : public LagSettingsReport {
  Q_OBJECT
 public:
  TShowMedLagSettings(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);

 protected:
  void AfterFill() override;
};

// The edit rows, check boxes and formula of both median forms.
LagSettingsPanel* NewMedianPanel(ModelState& model, Dialogs& dialogs, bool readOnly);

}  // namespace korvelan::app
