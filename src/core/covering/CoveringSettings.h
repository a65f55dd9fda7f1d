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
};

}  // namespace korvelan
