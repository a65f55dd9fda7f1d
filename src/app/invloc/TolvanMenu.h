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

// The restore button of the settings form: every setting of the form back to its
// default (the other rules are in core, invloc/InvLocSettingsRules.h).
void RestoreTolvanLagDefaults(ModelState& m);

}  // namespace korvelan::app
