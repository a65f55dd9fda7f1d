#pragma once
#include "median/LagSettingsForms.h"

namespace korvelan::app {

// The inventory/location model's Lagrangian settings form ("Tolvan Loc/Inv Model
// Lagrangian Parameter Setting Menu"), opened from the run-models form for 'V'.
// The controls it shares with the fixed-charge form edit the same settings, so a
// change on either shows on both; the upper-bounding box is never shown.
class TTolvanCovSetting : public LagSettingsForm {
  Q_OBJECT
 public:
  TTolvanCovSetting(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);

 protected:
  void AfterFill() override;
};

// The read-only settings report ("ShowTolvanLagSettings"), opened by
// "La&Grangian Param" of the basic results report after a run of the model.
class TShowTolvanLagSettings : public LagSettingsReport {
  Q_OBJECT
 public:
  TShowTolvanLagSettings(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);

 protected:
  void AfterFill() override;
};

LagSettingsPanel* NewTolvanPanel(ModelState& model, Dialogs& dialogs, bool readOnly);

// The rules of the settings form: on activation the root iteration limit is at least
// 10 under branch and bound, the terminal substitution is on again with its last
// choice and both the Average and Fixed multiplier terms are 10; the restore button
// puts every setting of the form back to its default.
void ActivateTolvanLagSettings(ModelState& m);
void RestoreTolvanLagDefaults(ModelState& m);

}  // namespace korvelan::app
