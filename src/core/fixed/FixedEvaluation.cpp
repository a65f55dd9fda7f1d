#include "fixed/FixedEvaluation.h"

#include <algorithm>
#include <cmath>

#include "covering/Coverage.h"
#include "median/MedianServices.h"
#include "solve/Evaluation.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

const char* const Rule = "-------------------------------------------";

std::vector<std::string> ValueLines(const ModelState& m) {
  return {"  Average Distance = " + ProgressNumber(AverageDistance(m), 15),
          "  Total Cost = " + ProgressCurrency(fixed_total_cost(m), 15)};
}

void ReportStep(ModelState& m, RunHost& host, const std::string& headline) {
  if (!FixedLinesShown(m)) return;
  std::vector<std::string> lines{headline};
  for (const std::string& line : ValueLines(m)) lines.push_back(line);
  host.AddProgressLines(lines);
}

}  // namespace

Extended fixed_total_cost(const ModelState& m) {
  return m.CostPerMile * WeightedDistanceOfAssignment(m) + LocatedFixedCost(m);
}

bool FixedLinesShown(const ModelState& m) { return m.SolutionClass != 2; }

Extended CostTolerance(const ModelState& m) {
  Extended largestFixedCost = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) largestFixedCost = std::max(largestFixedCost, std::fabs(m.Node(j).FixedCost));
  return std::fabs(m.CostPerMile) * DistanceTolerance(m) + ImprovementTolerance(largestFixedCost);
}

void locate_facility(ModelState& m, RunHost& host, int k, int s) {
  AttachNodesTo(m, s);
  m.Node(s).Located = 1;
  UpdateCoverage(m, host, '+', s);
  m.SecondFacilityValid = 0;
  RecordCostByCount(m, k, k, fixed_total_cost(m));
  ReportStep(m, host, "Facility " + std::to_string(k) + " located at node " + std::to_string(s));
}

void remove_facility(ModelState& m, RunHost& host, int s, int& count) {
  --count;
  MoveNodesToSecond(m, s);
  UpdateCoverage(m, host, '-', s);
  m.Node(s).Located = 0;
  RecordCostByCount(m, count, count, fixed_total_cost(m));
  ReportStep(m, host, "Facility " + std::to_string(count + 1) + " removed from node " + std::to_string(s));
  m.SecondFacilityValid = 0;
}

void check_assignment(ModelState& m, RunHost& host, const std::string& caption) {
  Extended assigned = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const int site = m.Node(i).AssignedFacility;
    if (site >= 1 && site <= m.Numbnodes && m.Node(site).Located) assigned += m.Node(i).Demand;
  }
  if (m.TotalDemand <= 0 || std::fabs(m.TotalDemand - assigned) / m.TotalDemand <= 1e-9L) return;
  host.Warning("In " + caption + " with\nTOTAL DEMAND = " + FormatNumber(m.TotalDemand, 15, 1) +
               "\nASSIGNED DEMAND TO FACILITIES = " + FormatNumber(assigned, 15, 1));
}

std::vector<std::string> FacilityBlock(const ModelState& m, const std::string& caption) {
  std::string sites = "   ";
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) sites += std::to_string(j) + " ";
  return {Rule, caption, "Facilities at Nodes", sites, "   Total Cost = " + FormatNumber(fixed_total_cost(m), 15, 1),
          Rule};
}

void show_facilities(ModelState& m, RunHost& host, const std::string& caption) {
  if (m.SolutionClass == 0) host.AddProgressLines(FacilityBlock(m, caption));
}

}  // namespace korvelan
