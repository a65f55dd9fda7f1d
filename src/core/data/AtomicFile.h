#pragma once
#include <string>
#include <string_view>

namespace korvelan {

// Writes contents to path so that a good file is never half replaced: the bytes
// go to a temporary file in the same folder, which is renamed over the target
// once it is complete. On failure the old file is kept, the temporary removed,
// and the reason returned; an empty result means success.
std::string WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace korvelan
