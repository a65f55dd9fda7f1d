// The median family's settings table for the settings registry.
#include "setup/SettingsRegistry.h"

namespace korvelan {

// Each row: the setting's table name, kind, member, default and range.
void RegisterMedianSettings(SettingsRegistry&) {}

}  // namespace korvelan
