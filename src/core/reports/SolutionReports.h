#pragma once
#include "reports/ListReport.h"

namespace korvelan {

// The list reports of the results chain that describe the whole solution. Each is
// built from the current model every time its form is shown.

ListReport LocationSummary(const ModelState& m);          // "Location Summary"
ListReport ExtendedLocationSummary(const ModelState& m);  // "Extended Location Summary"
ListReport UncoveredDemands(const ModelState& m);         // "Uncovered Demands"
ListReport AssignedDemands(const ModelState& m);          // "Assigned Demands"
ListReport DemandAreaCoverage(const ModelState& m);       // "Demand Area Coverage Report"
ListReport CoverageSummary(const ModelState& m);          // "Coverage Summary Report"
ListReport DominatedNodesSummary(const ModelState& m);    // "Dominated Nodes Summary"

// Demand served by each located site and its demand-weighted distance, from the
// current assignment (indexed by site number).
struct SiteLoads {
  std::vector<Extended> demand = std::vector<Extended>(NodeSlots, 0);
  std::vector<Extended> weightedDistance = std::vector<Extended>(NodeSlots, 0);
};
SiteLoads AssignedLoads(const ModelState& m);

}  // namespace korvelan
