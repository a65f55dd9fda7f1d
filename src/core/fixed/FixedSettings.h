#pragma once
#include "model/Types.h"

namespace korvelan {

// Settings of the fixed-charge family: add/drop start and the fixed-charge Lagrangian settings.
// Every member carries its default; ResetModel restores a default-constructed record.
struct FixedSettings {
};

}  // namespace korvelan
