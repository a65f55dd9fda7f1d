#pragma once
#include "model/Types.h"

namespace korvelan {

// Settings of the median family: heuristic timing, the median-only Lagrangian inputs and the genetic algorithm.
// Every member carries its default; ResetModel restores a default-constructed record.
struct MedianSettings {
};

}  // namespace korvelan
