#pragma once
#include "model/Types.h"

namespace korvelan {

// Settings of the covering family: greedy substitution options and the covering Lagrangian settings (shared in part with the median Lagrangian).
// Every member carries its default; ResetModel restores a default-constructed record.
struct CoveringSettings {
};

}  // namespace korvelan
