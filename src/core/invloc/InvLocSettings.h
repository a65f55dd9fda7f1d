#pragma once
#include "model/Types.h"

namespace korvelan {

// Settings of the integrated inventory/location model.
// Every member carries its default; ResetModel restores a default-constructed record.
struct InvLocSettings {
};

}  // namespace korvelan
