#pragma once
#include <cstdint>

namespace korvelan {

// Demands, costs, objectives and multipliers are held in 80-bit extended precision.
using Extended = long double;

// The node table, every per-node array and every matrix row hold at most this many nodes.
inline constexpr int MaxNodes = 300;
// Per-node arrays are indexed by node number 1..MaxNodes; index 0 means "no node".
inline constexpr int NodeSlots = MaxNodes + 1;

// The coverage distance is fixed point with four decimals.
inline constexpr int64_t FixedPointScale = 10000;
// The largest coverage distance and distance estimate, in whole units: its fixed
// point (and twice that, as the distance search doubles) stays within 64 bits.
inline constexpr int64_t LargestCoverageUnits = 100000000000000;  // 1e14

// Site statuses.
inline constexpr uint8_t StatusAllowed = 0;
inline constexpr uint8_t StatusRequired = 1;
inline constexpr uint8_t StatusExcluded = 255;

}  // namespace korvelan
