#pragma once
#include "reports/ListReport.h"

namespace korvelan {

// The forced-nodes report ("Forced Nodes"): the required, the excluded and the
// initial-solution sites, each line the node number (4), one blank and the name.
// A node of the initial solution that is not required is listed as initial only.
// Section headings are the count labels: n + " Nodes Forced Into Solution",
// " Nodes Excluded From Solution", " Nodes Initialized".
ListReport ForcedNodesReport(const ModelState& m);

// Its printout: "FORCED NODES SUMMARY" at size 18, two empty lines, then for each
// list its label in bold, an empty line and its lines, with an empty line after
// each list that is not empty.
std::vector<PrintLine> ForcedNodesPrintLines(const ListReport& report);

}  // namespace korvelan
