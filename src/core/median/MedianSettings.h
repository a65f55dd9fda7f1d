#pragma once
#include <cstdint>

#include "median/TerminalChoice.h"
#include "model/Types.h"

namespace korvelan {

// Settings of the median family: heuristic timing, the median-only Lagrangian inputs and the genetic algorithm.
// Every member carries its default; ResetModel restores a default-constructed record.
struct MedianSettings {
  // --- Lagrangian relaxation and branch and bound: the median-only inputs ---
  // The median Lagrangian shares PctDiff, NoIter, RootNodeValue, MinAlpha,
  // DampingTerm, DepthVar, FailureCount and RootNodeBox with the covering
  // Lagrangian (CoveringSettings); the weight for distances beyond the coverage
  // distance is ModelState::AddedConstant and the terminal on/off switch
  // ModelState::DoSubstitution.
  int32_t Failures = 36;          // failures before halving alpha, below the root
  int32_t RootFail = 36;          // the same at the root
  Extended AbsDiff = 0;           // stop a node when UB - LB is at most this
  Extended Constant = 0;          // initial multipliers (see MedianLagrangian.h)
  Extended Slope = 0;
  Extended Average = 10;
  Extended Demand = 0;
  TerminalChoice TerminalSubstitution = TerminalChoice::Exchange;
  uint8_t ExchangeSearch = 1;     // neighbourhood search on every new best feasible solution
  uint8_t UseBestUBBox = 1;       // also stop a node on the gap to the search's incumbent
};

}  // namespace korvelan
