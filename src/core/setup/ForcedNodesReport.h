#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"
#include "setup/SiteStatusActions.h"

namespace korvelan {

class PrintSink;

// The forced-nodes report: three lists of "number (4) + blank + name".
struct ForcedNodesReport {
  std::vector<std::string> required;
  std::vector<std::string> excluded;
  std::vector<std::string> initial;
  std::string requiredLabel;  // "<n> Nodes Forced Into Solution"
  std::string excludedLabel;  // "<n> Nodes Excluded From Solution"
  std::string initialLabel;   // "<n> Nodes Initialized"
};
ForcedNodesReport BuildForcedNodesReport(const ModelState& m);

// The printout: "FORCED NODES SUMMARY" at size 18, two empty lines, then at
// size 10 for each list its label in bold, an empty line and its lines, with an
// empty line after each non-empty list.
void PrintForcedNodesReport(PrintSink& sink, const ForcedNodesReport& report);

}  // namespace korvelan
