#pragma once
#include <vector>

#include "median/LagSettingsForms.h"
#include "median/LagSettingsPanel.h"

namespace korvelan::app {

// The fixed-charge Lagrangian settings form ("Lagrangian Parameter Setting Menu"),
// opened from the run-models form for problem code 'F'. A nonzero weight for
// distances beyond the coverage distance keeps the neighbourhood search on improved
// solutions and the terminal substitution off.
class TFixCovSetting : public LagSettingsForm {
  Q_OBJECT
 public:
  TFixCovSetting(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);
};

// The read-only fixed-charge Lagrangian settings report ("Show Fixed Charge
// Lagrangian Settings"), opened from the basic results report.
class TShowFixLagSettings : public LagSettingsReport {
  Q_OBJECT
 public:
  TShowFixLagSettings(ModelState& model, Dialogs& dialogs, QWidget* parent = nullptr);
};

// The edit rows of the fixed-charge form (the inventory/location form shares them).
std::vector<LagEditRow> FixedChargeEditRows();
LagSettingsPanel* NewFixedPanel(ModelState& model, Dialogs& dialogs, bool readOnly);

}  // namespace korvelan::app
