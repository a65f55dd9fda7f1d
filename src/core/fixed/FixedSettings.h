#pragma once
#include <cstdint>

#include "median/TerminalChoice.h"
#include "model/Types.h"

namespace korvelan {

// Settings of the fixed-charge family: add/drop start and the fixed-charge Lagrangian settings.
// Every member carries its default; ResetModel restores a default-constructed record.
struct FixedSettings {
  // --- Lagrangian relaxation and branch and bound ---
  // The weight for distances beyond the coverage distance is ModelState::AddedConstant
  // and its "M&Ultiply Weight by Cost/mile?" ModelState::AddedConstantMultiplied,
  // branch and bound ModelState::BranchAndBoundOn and the progress display
  // ModelState::ShowLagProgress; every other setting of the family lives here.
  Extended PctDiff = 0;           // stop when the gap in percent is at most this
  int32_t NoIter = 400;           // iteration limit below the root
  int32_t RootNodeValue = 400;    // iteration limit at the root
  Extended MinAlpha = 1e-8L;      // stop when the step factor falls below this
  int32_t Failures = 12;          // failures before halving alpha, below the root
  int32_t RootFail = 12;          // the same at the root
  Extended DampingTerm = 0.3L;    // Crowder damping: weight of the previous direction
  Extended Constant = 0;          // initial multipliers (see FixedLagrangian.h)
  Extended Slope = 0;
  Extended Average = 10;
  Extended Demand = 0;
  Extended Fixed = 10;
  int32_t DepthVar = -1;          // deepest level that may branch; -1 no limit
  uint8_t FailureCount = 1;       // an improved bound restarts the failure count
  uint8_t ExchangeSearch = 1;     // neighbourhood search on each improved upper bound
  TerminalChoice TerminalSubstitution = TerminalChoice::Exchange;
  // The choice the radio group shows again when terminal substitution is switched back on.
  TerminalChoice LastTerminalChoice = TerminalChoice::Exchange;
  uint8_t RootNodeBox = 1;        // root-node fixing of sites
};

}  // namespace korvelan
