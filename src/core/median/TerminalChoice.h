#pragma once
#include <cstdint>

namespace korvelan {

// Improvement run at the end of a Lagrangian node ("Substitution Options at End of
// Lagrangian"): none, pairwise exchange, or neighbourhood search.
enum class TerminalChoice : uint8_t { None, Exchange, Neighborhood };

}  // namespace korvelan
