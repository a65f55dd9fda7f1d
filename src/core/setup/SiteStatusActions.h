#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// The four actions of the force-nodes list on a selection of sites.
enum class SiteAction { Force, Unforce, Exclude, Allow };

// A node of the initial solution that is not required: listed as "INITIAL".
bool IsInitialOnly(const NodeRecord& node);

// Line of the force-nodes list for node n: number (4), three blanks, status
// word, three blanks, name. The word is "INITIAL " for a node of the initial
// solution that is not required.
std::string ForceNodesLine(const ModelState& m, int n);
std::vector<std::string> ForceNodesLines(const ModelState& m);

// The four counts shown under the force-nodes list.
struct StatusCounts {
  int allowed = 0;
  int excluded = 0;
  int required = 0;
  int initialized = 0;  // lines marked "INITIAL "
};
StatusCounts CountListStatuses(const ModelState& m);
// Count labels: "<n> Allowed Nodes", "<n> Excluded Nodes", "<n> Required Nodes", "<n> Initialized Nodes".
std::vector<std::string> StatusCountLabels(const StatusCounts& counts);

// Outcome of a status change on the model.
struct StatusChange {
  bool changed = false;               // at least one status changed
  std::vector<std::string> warnings;  // one per node whose request was ignored
};

// Treat every selected node (ascending) with the action. Raises CoverStateChanged
// when a status changed.
StatusChange ApplySiteAction(ModelState& m, SiteAction action, std::vector<int> nodes);
// Every node not in the initial solution becomes excluded.
void DisallowAllNodes(ModelState& m);
// Every node becomes allowed.
void PermitAllNodes(ModelState& m);

}  // namespace korvelan
