#include "exchange/ExchangeMoves.h"

#include <cmath>

#include "covering/Coverage.h"
#include "covering/Substitution.h"
#include "fixed/FixedEvaluation.h"
#include "fixed/FixedExchange.h"
#include "median/MedianHeuristics.h"
#include "median/MedianServices.h"
#include "solve/Evaluation.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

std::string N(int n) { return std::to_string(n); }
std::string Coverage(Extended x) { return FormatNumber(x, 12, 0); }
std::string Cost(Extended x, int precision) { return FormatCurrency(std::fabs(x), precision, 2); }

// "Decreasing total cost by ..." when the cost falls, else "Increasing ...".
std::string CostChangeLine(Extended decrease, int precision) {
  return (decrease > 0 ? "Decreasing total cost by " : "Increasing total cost by ") + Cost(decrease, precision);
}

}  // namespace

std::string ExcludedAddQuestion(int n) {
  return "Node " + N(n) + " is EXCLUDED.\rAdding a facility there will ALLOW it.";
}
std::string ForcedDeleteQuestion(int n) {
  return "Node " + N(n) + " is FORCED INTO the solution.\rDeleting a facility there will UNFORCE it.";
}
std::string AlreadyOpenWarning(int n) { return "There is already a facility at " + N(n) + "\rNo Action Taken"; }
std::string NoFacilityText(int n) { return "No facility is located at node " + N(n) + "\rNo action will be taken"; }
std::string ExcludedExchangeWarning(int n) { return "Node " + N(n) + " is EXCLUDED.  Adding it will ALLOW it."; }
std::string ForcedExchangeWarning(int n) { return "Node " + N(n) + " is FORCED IN.  Adding it will UNFORCE it."; }
std::string ExchangeLimitWarning(int numLocated) {
  return "Invalid number of facilities to exchange.  Must have 0 <= X <= " + N(numLocated);
}

ExchangeMeasures CurrentMeasures(const ModelState& m) {
  return {CoveredDemand(m), AverageDistance(m), m.CostPerMileSet ? fixed_total_cost(m) : 0};
}

bool KeepsCostByCount(char problemCode) { return problemCode == 'C' || problemCode == 'M' || problemCode == 'F'; }

void RecordModelMeasure(ModelState& m, char problemCode) {
  Extended value = 0;
  switch (problemCode) {
    case 'C': value = CoveredDemand(m); break;
    case 'M': value = AverageDistance(m); break;
    case 'F': value = fixed_total_cost(m); break;
    default: return;
  }
  m.CostByCount[m.NumLocated] = value;
}

void ListOpenSites(ModelState& m) { RebuildLocatedList(m); }

std::vector<std::string> AddSite(ModelState& m, RunHost& host, int n) {
  const ExchangeMeasures before = CurrentMeasures(m);
  m.NumLocated = static_cast<uint16_t>(m.NumLocated + 1);
  const Extended keptEntry = m.CostByCount[m.NumLocated];
  AddMedian(m, host, m.NumLocated, n);
  m.LocatedList[m.NumLocated] = static_cast<uint16_t>(n);
  m.SecondFacilityValid = 0;
  m.ExchangeMade = 1;
  // The entry belongs to the last model's measure, whatever the adding wrote there.
  m.CostByCount[m.NumLocated] = keptEntry;
  RecordModelMeasure(m, m.ReportProblemCode);
  const ExchangeMeasures after = CurrentMeasures(m);
  std::vector<std::string> lines{
      "Adding node " + N(n) + " increases coverage to " + Coverage(after.covered),
      "Increasing coverage by " + Coverage(after.covered - before.covered) + " units",
      "And decreases average distance to " + FormatNumber(after.average, 12, 3) + " units",
      "Decreasing distance by " + FormatNumber(before.average - after.average, 12, 3) + " units"};
  if (m.CostPerMileSet) lines.push_back(CostChangeLine(before.cost - after.cost, 12));
  return lines;
}

std::vector<std::string> DeleteSite(ModelState& m, RunHost& host, int n) {
  const ExchangeMeasures before = CurrentMeasures(m);
  RemoveMedian(m, n);
  UpdateCoverage(m, host, '-', n);
  ListOpenSites(m);
  m.SecondFacilityValid = 0;
  m.ExchangeMade = 1;
  const ExchangeMeasures after = CurrentMeasures(m);
  std::vector<std::string> lines{
      "Deleting node " + N(n) + " decreases coverage to " + Coverage(after.covered) + " units",
      "Decreasing coverage by " + Coverage(before.covered - after.covered) + " units",
      "And increases average distance to " + FormatNumber(after.average, 12, 2) + " units",
      "Increasing average distance by " + FormatNumber(after.average - before.average, 12, 2) + " units"};
  if (m.CostPerMileSet) {
    const Extended increase = after.cost - before.cost;
    lines.push_back((increase > 0 ? "Increasing total cost by " : "Decreasing total cost by ") + Cost(increase, 15));
  }
  return lines;
}

ExchangeProposal EvaluateExchange(ModelState& m, int open, int closed) {
  EnsureSecondClosest(m);
  ExchangeProposal p{open, closed, 0, SwapSaving(m, open, closed), SwapGain(m, false, open, closed, 0)};
  if (m.CostPerMileSet) p.costSaving = fixed_swap_saving(m, open, closed);
  return p;
}

std::vector<std::string> ProposalLines(const ModelState& m, const ExchangeProposal& p) {
  const Extended averageChange = std::fabs(PerDemand(m, p.distanceSaving));
  std::vector<std::string> lines{
      "REMOVING   node " + N(p.open), "AND ADDING node " + N(p.closed),
      "Changes coverage by " + Coverage(p.coverageChange) + " units",
      (p.distanceSaving >= 0 ? "And reduces average distance by " : "And increases average distance by ") +
          FormatNumber(averageChange, 12, 2) + " units"};
  if (m.CostPerMileSet)
    lines.push_back((p.costSaving >= 0 ? "And reduces total cost by " : "And increases total cost by ") +
                    Cost(p.costSaving, 15));
  return lines;
}

void MakeExchange(ModelState& m, RunHost& host, const ExchangeProposal& p) {
  MakeExchange(m, host, p, {true, m.CostPerMileSet != 0});
}

void MakeExchange(ModelState& m, RunHost& host, const ExchangeProposal& p, ExchangeLines lines) {
  SwapReport report;
  report.showDistance = lines.distance;
  report.distanceChange = PerDemand(m, p.distanceSaving);
  report.showCost = lines.cost;
  report.costChange = p.costSaving;
  report.coverageChange = p.coverageChange;
  SwapFacilities(m, host, p.open, p.closed, report);
  AssignAllToNearest(m, host);
  m.SecondFacilityValid = 0;
  m.ExchangeMade = 1;
}

}  // namespace korvelan
