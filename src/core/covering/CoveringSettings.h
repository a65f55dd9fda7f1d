#pragma once
#include <cstdint>

#include "model/Types.h"

namespace korvelan {

// Settings of the covering family: greedy substitution options and the covering Lagrangian settings (shared in part with the median Lagrangian).
// Every member carries its default; ResetModel restores a default-constructed record.
struct CoveringSettings {
  // --- greedy covering ---
  // Dominated sites are set aside by the covering heuristics ("Exclude &Dominated Nodes").
  uint8_t ExcludeDominatedNodes = 1;

  // --- covering Lagrangian relaxation and branch and bound ---
  // Named after the controls of the Lagrangian settings form. Three options of
  // that form live in the ModelState because other families share them:
  // BranchAndBoundOn ("&Branch and Bound"), ShowLagProgress ("Displa&Y Lagrangian
  // Progress") and ExchangeSearch ("Exchange Search on Improved Solutio&N").

  // Stop a node, and stop branching, when the gap in percent is at most this
  // (0..10, and at least 50 / TotalDemand).
  Extended PctDiff = 0;
  // Iteration limit at nodes below the root (10, or 1 without branch and bound, .. 64000).
  int32_t NoIter = 400;
  // Iteration limit at the root (same range).
  int32_t RootNodeValue = 1200;
  // Stop a node when the step factor alpha falls below this (1e-8..0.5).
  Extended MinAlpha = 1e-8L;
  // Halve alpha after this many non-improving iterations below the root / at the root
  // (1..NoIter + 1).
  int32_t MaxFail = 36;
  int32_t RootFailures = 36;
  // Crowder damping: weight of the previous direction (0..1).
  Extended DampingTerm = 0.3L;
  // Initial multipliers u(i) = Constant*avg*(1 - Slope) + Slope*Demand(i) (0..2 and 0..1).
  Extended Constant = 1.0L;
  Extended Slope = 0.5L;
  // Deepest tree level that may branch; -1 no limit, 0 no branching (-1..Numbnodes).
  int32_t DepthVar = -1;
  // "&Substitute at End": the value that a Lagrangian covering run copies into DoSubstitution.
  uint8_t Substitute = 1;
  // Keep dominated sites out of the relaxed solutions.
  uint8_t DominatedBox = 1;
  // Reset the failure counter when the relaxed value improves.
  uint8_t FailureCount = 1;
  // Target of the step size: 'B' the best feasible value (LB), 'L' the Lagrangian lower bound (LLB).
  char LBinStepsize = 'L';
  // Run the root-node variable fixing.
  uint8_t RootNodeBox = 1;
  // Keep every multiplier at or below its node's demand.
  uint8_t BoundLagrCheckBox = 1;
  // When alpha falls below MinAlpha after halving, set it back to 2.
  uint8_t RestartAlphaCheckBox = 0;
};

}  // namespace korvelan
