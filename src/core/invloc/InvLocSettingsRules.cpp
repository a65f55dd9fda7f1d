#include "invloc/InvLocSettingsRules.h"

#include <algorithm>

namespace korvelan {

void ActivateTolvanLagSettings(ModelState& m) {
  if (m.BranchAndBoundOn) m.InvLoc.TolvanRootNodeValue = std::max(m.InvLoc.TolvanRootNodeValue, 10);
  if (m.Fixed.TerminalSubstitution == TerminalChoice::None) m.Fixed.TerminalSubstitution = m.Fixed.LastTerminalChoice;
  m.Fixed.Average = 10;
  m.Fixed.Fixed = 10;
}

void TolvanQuitRule(ModelState& m) {
  if (m.AddedConstant == 0) return;
  m.Fixed.TerminalSubstitution = TerminalChoice::None;
  m.Fixed.ExchangeSearch = 0;
}

}  // namespace korvelan
