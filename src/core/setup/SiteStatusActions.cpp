#include "setup/SiteStatusActions.h"

#include <algorithm>

#include "solve/TextFormat.h"

namespace korvelan {

namespace {

std::string StatusWord(const NodeRecord& node) {
  if (IsInitialOnly(node)) return "INITIAL ";
  switch (node.SiteStatus) {
    case StatusExcluded: return "EXCLUDED";
    case StatusRequired: return "REQUIRED";
    default: return "ALLOWED ";
  }
}

std::string NodeText(int n) { return "Node " + std::to_string(n); }

// Applies one action to one node: the new status, or a warning when the request is ignored.
struct SingleOutcome {
  bool changes = false;
  uint8_t status = StatusAllowed;
  std::string warning;
};

SingleOutcome Decide(const NodeRecord& node, SiteAction action, int n) {
  const uint8_t status = node.SiteStatus;
  switch (action) {
    case SiteAction::Force:
      if (status == StatusRequired) return {false, status, NodeText(n) + " already forced... Request Ignored"};
      return {true, StatusRequired, ""};
    case SiteAction::Unforce:
      if (status == StatusRequired) return {true, StatusAllowed, ""};
      return {false, status, NodeText(n) + " not forced... Request Ignored"};
    case SiteAction::Exclude:
      if (status == StatusExcluded) return {false, status, NodeText(n) + " already excluded... Request Ignored"};
      if (node.InInitialSolution == 1)
        return {false, status, NodeText(n) + " is in INITIAL solution.  It cannot be exclued"};
      return {true, StatusExcluded, ""};
    case SiteAction::Allow:
      if (status == StatusExcluded) return {true, StatusAllowed, ""};
      return {false, status, NodeText(n) + " not excluded... Request Ignored"};
  }
  return {};
}

}  // namespace

bool IsInitialOnly(const NodeRecord& node) {
  return node.InInitialSolution == 1 && node.SiteStatus != StatusRequired;
}

std::string ForceNodesLine(const ModelState& m, int n) {
  const NodeRecord& node = m.Node(n);
  return IntRight(n, 4) + "   " + StatusWord(node) + "   " + node.NodeName;
}

std::vector<std::string> ForceNodesLines(const ModelState& m) {
  std::vector<std::string> lines;
  for (int n = 1; n <= m.Numbnodes; ++n) lines.push_back(ForceNodesLine(m, n));
  return lines;
}

StatusCounts CountListStatuses(const ModelState& m) {
  StatusCounts counts;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    const NodeRecord& node = m.Node(n);
    if (IsInitialOnly(node)) ++counts.initialized;
    switch (node.SiteStatus) {
      case StatusExcluded: ++counts.excluded; break;
      case StatusRequired: ++counts.required; break;
      default: ++counts.allowed; break;
    }
  }
  return counts;
}

std::vector<std::string> StatusCountLabels(const StatusCounts& counts) {
  return {std::to_string(counts.allowed) + " Allowed Nodes", std::to_string(counts.excluded) + " Excluded Nodes",
          std::to_string(counts.required) + " Required Nodes",
          std::to_string(counts.initialized) + " Initialized Nodes"};
}

StatusChange ApplySiteAction(ModelState& m, SiteAction action, std::vector<int> nodes) {
  std::sort(nodes.begin(), nodes.end());
  StatusChange result;
  for (int n : nodes) {
    if (n < 1 || n > m.Numbnodes) continue;
    const SingleOutcome outcome = Decide(m.Node(n), action, n);
    if (!outcome.warning.empty()) result.warnings.push_back(outcome.warning);
    if (!outcome.changes) continue;
    m.Node(n).SiteStatus = outcome.status;
    result.changed = true;
  }
  if (result.changed) m.CoverStateChanged = 1;
  return result;
}

void DisallowAllNodes(ModelState& m) {
  for (int n = 1; n <= m.Numbnodes; ++n)
    if (m.Node(n).InInitialSolution != 1) m.Node(n).SiteStatus = StatusExcluded;
  m.CoverStateChanged = 1;
}

void PermitAllNodes(ModelState& m) {
  for (int n = 1; n <= m.Numbnodes; ++n) m.Node(n).SiteStatus = StatusAllowed;
  m.CoverStateChanged = 1;
}

}  // namespace korvelan
