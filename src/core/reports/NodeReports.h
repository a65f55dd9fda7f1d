#pragma once
#include "reports/ListReport.h"

namespace korvelan {

// The list reports of the results chain that look at one node or list every node.

// "Cover Lists" for the node chosen in "Select &Node Number".
ListReport CoverLists(const ModelState& m, int node);
// "Utilization Report" for the site chosen in "Select &Facility".
ListReport UtilizationReport(const ModelState& m, int site);
// "Assignment of Demands to Sites".
ListReport AssignmentReport(const ModelState& m);

// Orders of the fixed cost form.
enum class FixedCostOrder { Input, AscendingCost, DescendingDemand, FacilitiesFirst };
ListReport FixedCostReport(const ModelState& m, FixedCostOrder order);

// Orders of the node-to-facility report.
enum class NodeFacilityOrder { Input, DemandAreaName, Population, FacilityName };
// Whether the report is offered: names for the demand nodes, and for the
// candidate sites too when a candidate-site file was loaded.
bool NodeToFacilityAvailable(const ModelState& m);
ListReport NodeToFacilityReport(const ModelState& m, NodeFacilityOrder order);

}  // namespace korvelan
