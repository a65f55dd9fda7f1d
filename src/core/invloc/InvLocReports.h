#pragma once
// The reports of the integrated inventory/location model: the cost summary (by
// category and by objective-function term) with its column file, the parameter
// report and the order-frequency report.
//
// They are opened after a run, when every Demand is back in loaded units; they value
// the solution with daily demands (LoadedDemand x demand per population, as
// TolvanTotalCost does), as the run did, and leave the model's demands as they are.
#include <string>
#include <vector>

#include "invloc/InvLocModel.h"
#include "model/ModelState.h"
#include "reports/ListReport.h"
#include "solve/PrintSink.h"

namespace korvelan {

// "In " caption "\nTemp_total = " assigned "\nTotal Assigned Demand = " total (number
// style 10/2) when the assigned demand differs from the total by more than
// `tolerance` relatively; empty otherwise.
std::string DemandMismatchWarning(const std::string& caption, Extended assigned, Extended total, Extended tolerance);

// One line of a panel of the cost summary: the form's label, the printed label
// (padded to 26) and the value (currency style 15/2).
struct CostSummaryLine {
  std::string label;
  std::string printLabel;
  Extended value = 0;
  std::string ValueText() const;
};

struct TolvanCostSummary {
  TolvanCosts costs;
  Extended totalDemand = 0;              // daily
  std::vector<CostSummaryLine> byCategory;  // left panel "Costs by category"
  std::vector<CostSummaryLine> byTerm;      // right panel "Costs by Objective Function Term"
  std::string demandWarning;             // "In TolvCostReport ..." or empty
};

// The cost summary of the current solution. Each panel ends with "Total Cost from
// Algorithm" (RunUpperBound) and, for a solution of this model whose panel total is
// 1e-4 or more away from it, a difference line: "Cost Diff (Uncov Dem)" (the cost of
// the weight for distances beyond the coverage distance) when that weight is set,
// otherwise "Cost Difference (Error)" (RunUpperBound minus the panel's total).
TolvanCostSummary BuildTolvanCostSummary(const ModelState& m);

// "&Print Report": the title at size 18, two empty lines, the left panel, a rule,
// the right panel.
void PrintTolvanCostSummary(PrintSink& sink, const TolvanCostSummary& summary);

// The information shown before the column file is saved.
std::string SaveColumnsMessage(const ModelState& m, const TolvanCostSummary& summary);
// The column file (".col"): header, one line per located site, the parameters.
std::string ColumnFileText(const ModelState& m, const TolvanCosts& costs);

// The parameter report ("Parameters for Brask Inventory Location Model").
ListReport TolvanParameterReport(const ModelState& m);
// The order-frequency report ("Order Frequency From Plant(s)"), from daily demands.
ListReport TolvanOrderFrequency(const ModelState& m);

// The "&Identify Cities" page of the parameter form: one line per demand node
// (number (4), "    SELECTED " or "NOT SELECTED ", name), the three count lines, the
// note above the selected cities and their lines (number (4), name).
std::vector<std::string> PlantCityLines(const ModelState& m);
std::vector<std::string> PlantCityCountLines(const ModelState& m);
std::string PlantCityNote(const ModelState& m);
std::vector<std::string> SelectedPlantCityLines(const ModelState& m);

}  // namespace korvelan
