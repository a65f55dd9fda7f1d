#include "setup/RunChoices.h"

#include "setup/SettingsRegistry.h"

namespace korvelan {

void PrepareFirstOpening(ModelState& m) {
  const SettingsRegistry& registry = Settings();
  for (const char* family : {"covering", "median", "fixed"}) registry.RestoreDefaults(m, family);
}

void StartFixedSearchWithAdd(ModelState& m) {
  if (m.ProblemCode == 'F' && (m.FixedAlgorithm == 'E' || m.FixedAlgorithm == 'N')) m.AddFirst = 'A';
}

}  // namespace korvelan
