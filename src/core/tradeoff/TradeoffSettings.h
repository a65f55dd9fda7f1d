#pragma once
#include "model/Types.h"

namespace korvelan {

// Settings and working list of the tradeoff curves.
// Every member carries its default; ResetModel restores a default-constructed record.
struct TradeoffSettings {
};

}  // namespace korvelan
