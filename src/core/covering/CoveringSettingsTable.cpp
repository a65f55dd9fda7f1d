// The covering family's settings table for the settings registry.
#include "covering/CoverLagrangianSettings.h"
#include "setup/SettingsRegistry.h"

namespace korvelan {

void RegisterCoveringSettings(SettingsRegistry& registry) {
  registry.Add(RecordSetting("covering", "ExcludeDominatedNodes", SettingKind::Flag, &ModelState::Covering,
                             &CoveringSettings::ExcludeDominatedNodes, 1));
  registry.Add(MemberSetting("covering", "DoSubstitution", SettingKind::Flag, &ModelState::DoSubstitution, 1));
  registry.Add(MemberSetting("covering", "ExchangeEveryIteration", SettingKind::Flag,
                             &ModelState::ExchangeEveryIteration, 1));
  RegisterCoverLagrangianSettings(registry);
}

}  // namespace korvelan
