#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Cost evaluation and the elementary open/close steps of the uncapacitated
// fixed-charge heuristics. Total cost = CostPerMile x (sum of Demand x
// AssignedDistance over the demand nodes) + (sum of FixedCost over open sites).

Extended fixed_total_cost(const ModelState& m);

// Progress lines are written unless the solution comes from a Lagrangian or
// exact procedure (SolutionClass 2).
bool FixedLinesShown(const ModelState& m);

// ImprovementTolerance for total costs.
Extended CostTolerance(const ModelState& m);

// Open site s as the k-th facility: demand nodes strictly closer to s move to it;
// CostByCount[k] := total cost; three progress lines.
void locate_facility(ModelState& m, RunHost& host, int k, int s);

// Close open site s (count is decremented first): its demand nodes move to their
// second-closest sites, which must be current; CostByCount[count] := total cost.
void remove_facility(ModelState& m, RunHost& host, int s, int& count);

// Warns when the demand assigned to open sites differs from TotalDemand by more
// than a relative 1e-9 (the run goes on).
void check_assignment(ModelState& m, RunHost& host, const std::string& caption);

// The facility block: a rule, the caption, the open sites and the total cost.
std::vector<std::string> FacilityBlock(const ModelState& m, const std::string& caption);
// Adds the facility block to the progress list, only for a heuristic solution (SolutionClass 0).
void show_facilities(ModelState& m, RunHost& host, const std::string& caption);

}  // namespace korvelan
