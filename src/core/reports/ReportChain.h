#pragma once
#include "model/ModelState.h"

namespace korvelan {

// The pages of the results chain, in "Next &Report" order.
enum class ReportPage {
  BasicResults,
  GeneticParameters,   // median genetic algorithm runs
  InvLocCostSummary,   // integrated inventory/location runs: cost summary,
  InvLocParameters,    //   its parameter report,
  InvLocOrderFrequency,//   and the order frequency
  LocationSummary,
  ExtendedSummary,
  ForcedNodes,
  TradeoffTable,       // only when a curve exists for the solved model
  UncoveredDemands,
  AssignedDemands,
  DemandAreaCoverage,
  CoverageSummary,
  DominatedNodes,
  CoverLists,
  Utilization,
  Assignment,
  FixedCost,
  NodeToFacility,      // only when the data carry the names it needs
};

// "Next &Report" and "&Last Report" from a page.
ReportPage NextReport(const ModelState& m, ReportPage page);
ReportPage PreviousReport(const ModelState& m, ReportPage page);

// A tradeoff table exists for the current solution: code 'C', 'D', 'F' or 'M',
// a computed curve, and at least one facility located.
bool TradeoffTableAvailable(const ModelState& m);

// The warning of "&Tradeoff Curve" when no table can be shown; empty when it can.
std::string TradeoffUnavailableMessage(const ModelState& m);

}  // namespace korvelan
