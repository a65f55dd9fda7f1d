#pragma once
#include <string>

namespace korvelan::cli {

// The manual page printed by --help.
std::string HelpText();

}  // namespace korvelan::cli
