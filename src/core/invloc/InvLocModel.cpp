#include "invloc/InvLocModel.h"

#include <cmath>

#include "setup/NumberText.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

using P = TolvanParameters;

// Plant-city distance before any plant city is seen.
constexpr Extended NoPlant = 1e35L;

Extended PlantDistance(const ModelState& m, int site) {
  Extended nearest = NoPlant;
  for (int c = 1; c <= m.NumDemandNodes; ++c)
    if (m.InvLoc.PlantCity[c]) nearest = std::min(nearest, Distance(m, c, site));
  return nearest;
}

// The cost of one order at site j: ShipFixedCost(j) x theta + F.
Extended OrderSetupCost(const ModelState& m, int site) {
  const TolvanParameters& p = m.InvLoc.Parameters;
  return m.InvLoc.Derived.ShipFixedCost[site] * p.TransportWeight + p.OrderCost;
}

TolvanSiteCosts SiteCosts(const ModelState& m, int j, Extended demand, Extended localDelivery) {
  const TolvanParameters& p = m.InvLoc.Parameters;
  const TolvanDerived& derived = m.InvLoc.Derived;
  const Extended betaH = Extended(p.InventoryWeight) * p.HoldingCost;
  TolvanSiteCosts s;
  s.site = j;
  s.assignedDemand = demand;
  s.ordersPerYear = TolvanOrdersPerYear(m, j, demand);
  s.fixed = m.Node(j).FixedCost;
  s.localDelivery = localDelivery;
  s.safetyStock = std::sqrt(std::fabs(Extended(p.LeadTime) * p.VarianceToMean * demand)) * betaH * p.ZAlpha;
  s.order = p.OrderCost * s.ordersPerYear;
  s.fixedShipment = derived.ShipFixedCost[j] * p.TransportWeight * s.ordersPerYear;
  s.variableShipment = derived.ShipUnitCost[j] * p.TransportWeight * demand * p.DaysPerYear;
  s.workingInventory = s.ordersPerYear > 0 ? betaH / 2 * demand * p.DaysPerYear / s.ordersPerYear : 0;
  s.total = s.fixed + s.localDelivery + s.safetyStock + s.order + s.fixedShipment + s.variableShipment +
            s.workingInventory;
  return s;
}

void AddSite(TolvanCosts& c, const TolvanSiteCosts& s, Extended cycleStockFactor) {
  c.fixed += s.fixed;
  c.localDelivery += s.localDelivery;
  c.safetyStock += s.safetyStock;
  c.order += s.order;
  c.fixedShipment += s.fixedShipment;
  c.variableShipment += s.variableShipment;
  c.workingInventory += s.workingInventory;
  c.proportionalToMean += cycleStockFactor * std::sqrt(std::fabs(s.assignedDemand));
  c.assignedDemand += s.assignedDemand;
  c.sites.push_back(s);
}

void AddTotals(TolvanCosts& c) {
  c.dcWorkingInventory = c.order + c.fixedShipment + c.variableShipment + c.workingInventory;
  c.total = c.fixed + c.localDelivery + c.safetyStock + c.dcWorkingInventory;
  c.linearInAssignments = c.localDelivery + c.variableShipment;
  c.proportionalToStdDev = c.safetyStock;
  c.termTotal = c.fixed + c.linearInAssignments + c.proportionalToMean + c.proportionalToStdDev;
}

std::string DemandWarning(const std::string& caption, Extended assigned, Extended total) {
  const Extended scale = std::max(std::fabs(total), std::fabs(assigned));
  if (std::fabs(assigned - total) <= 1e-4L * scale) return {};
  return caption + "\nTemp_total = " + FormatNumber(assigned, 10, 2) +
         "\nTotal Assigned Demand = " + FormatNumber(total, 10, 2);
}

}  // namespace

const std::vector<TolvanParameterDef>& TolvanParameterTable() {
  static const std::vector<TolvanParameterDef> table = {
      {"tolvDemPerPopEdit", "Demands per &Unit Pop/Day", &P::DemandPerPopulation, 0.000003, 1e-8, 100},
      {"LeadTimeEdit", "&Lead Time (days)", &P::LeadTime, 5, 0, 120},
      {"Var2MeanEdit", "&Variance to Mean Ratio", &P::VarianceToMean, 1, 0.0001, 1000000},
      {"ZAlphaEdit", "&Z-alpha", &P::ZAlpha, 1.96, 0, 4},
      {"HoldingCostEdit", "&Holding Cost Per Unit Per Year", &P::HoldingCost, 100, 0, 10000},
      {"FixedCostEdit", "Fixed &Order Cost at DC", &P::OrderCost, 250, 0, 10000},
      {"TransCostEdit", "&Transport Cost Weight", &P::TransportWeight, 1, 0, 10000},
      {"InvCostEdit", "Inventory Cost &Weight", &P::InventoryWeight, 1, 0, 10000},
      {"tolvDollarEdit", "&Dollars/(demand-mile) in local delivery", &P::DeliveryRate, 0.01, 0, 100},
      {"DaysPerYearEdit", "Days Per &Year", &P::DaysPerYear, 365, 0, 500},
      {"FixedShipEdit", "&Constant in Shipping Cost to DC", &P::ShipConstant, 10, 0, 10000},
      {"FixedDistanceEdit", "&Mileage Related Cost", &P::ShipMileage, 0, 0, 100},
      {"UnitFixedEdit", "Constant in &Unit Demand Cost", &P::UnitConstant, 5, 0, 100},
      {"UnitDistanceEdit", "Mileage Related Unit &Demand Cost", &P::UnitMileage, 0, 0, 100},
  };
  return table;
}

void RestoreTolvanParameterDefaults(ModelState& m) {
  m.InvLoc.Parameters = TolvanParameters{};
  m.InvLoc.PlantCity.fill(0);
}

std::string SelectPlantCities(ModelState& m, const std::string& list) {
  std::array<uint8_t, NodeSlots> marks{};
  size_t start = 0;
  for (;;) {
    const size_t comma = list.find(',', start);
    const std::string item = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const std::optional<long long> node = ParseWholeNumber(item);
    if (!node) return "\"" + item + "\" is not a node number";
    if (*node < 1 || *node > m.NumDemandNodes)
      return "node " + item + " is not a demand node (1 to " + std::to_string(m.NumDemandNodes) + ")";
    marks[*node] = 1;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  m.InvLoc.PlantCity = marks;
  return {};
}

int PlantCityCount(const ModelState& m) {
  int count = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) count += m.InvLoc.PlantCity[i] != 0;
  return count;
}

Extended TolvanDailyDemand(const ModelState& m, int i) {
  return m.Node(i).LoadedDemand * m.InvLoc.Parameters.DemandPerPopulation;
}

void UseDailyDemands(ModelState& m) {
  Extended total = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    NodeRecord& node = m.Node(i);
    node.Demand = TolvanDailyDemand(m, i);
    total += node.Demand;
  }
  m.TotalDemand = total;
}

void ComputeTolvanDerivedData(ModelState& m) {
  UseDailyDemands(m);
  const TolvanParameters& p = m.InvLoc.Parameters;
  TolvanDerived& d = m.InvLoc.Derived;
  const bool plants = PlantCityCount(m) > 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    d.PlantDistance[j] = PlantDistance(m, j);
    d.ShipFixedCost[j] = plants ? p.ShipConstant + p.ShipMileage * d.PlantDistance[j] : p.ShipConstant;
    d.ShipUnitCost[j] = plants ? p.UnitConstant + p.UnitMileage * d.PlantDistance[j] : p.UnitConstant;
    d.CycleStockFactor[j] = std::sqrt(Extended(p.DaysPerYear) * 2 * p.InventoryWeight * p.HoldingCost *
                                      (p.OrderCost + p.TransportWeight * d.ShipFixedCost[j]));
  }
  d.SafetyFactor = Extended(p.InventoryWeight) * p.HoldingCost * p.ZAlpha;
}

Extended TolvanTheta(const ModelState& m) {
  const TolvanParameters& p = m.InvLoc.Parameters;
  return std::sqrt(Extended(p.LeadTime) * p.VarianceToMean) * m.InvLoc.Derived.SafetyFactor;
}

Extended TolvanOrdersPerYear(const ModelState& m, int site, Extended dailyDemand) {
  const TolvanParameters& p = m.InvLoc.Parameters;
  const Extended setup = OrderSetupCost(m, site);
  if (setup == 0) return 0;
  const Extended yearly = Extended(p.InventoryWeight) * p.HoldingCost * dailyDemand * p.DaysPerYear;
  return std::sqrt(std::fabs(yearly / (setup * 2)));
}

Extended TolvanTransportEntry(const ModelState& m, int i, int j) {
  const TolvanParameters& p = m.InvLoc.Parameters;
  const int32_t dist = m.DistanceMatrix.at(i, j);
  const Extended w = WithinCoverage(m.CoverageDistance, dist) ? 0 : m.AddedConstant;
  return TolvanDailyDemand(m, i) * p.TransportWeight * p.DaysPerYear *
         (p.DeliveryRate * (Extended(dist) + w) + m.InvLoc.Derived.ShipUnitCost[j]);
}

TolvanCosts TolvanTotalCost(const ModelState& m, const std::string& caption) {
  const TolvanParameters& p = m.InvLoc.Parameters;
  std::array<Extended, NodeSlots> demand{};
  std::array<Extended, NodeSlots> local{};
  TolvanCosts costs;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const Extended mu = TolvanDailyDemand(m, i);
    costs.dailyTotal += mu;
    const int j = m.Node(i).AssignedFacility;
    if (j < 1 || j > m.Numbnodes || !m.Node(j).Located) continue;
    demand[j] += mu;
    local[j] += mu * p.TransportWeight * p.DaysPerYear * Distance(m, i, j) * p.DeliveryRate;
  }
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) AddSite(costs, SiteCosts(m, j, demand[j], local[j]), m.InvLoc.Derived.CycleStockFactor[j]);
  AddTotals(costs);
  costs.demandWarning = DemandWarning("In TSService " + caption, costs.assignedDemand, costs.dailyTotal);
  return costs;
}

Extended TolvanObjective(const ModelState& m) {
  const Extended theta = TolvanTheta(m);
  std::array<Extended, NodeSlots> demand{};
  Extended z = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const int j = m.Node(i).AssignedFacility;
    if (j < 1 || j > m.Numbnodes) continue;
    demand[j] += TolvanDailyDemand(m, i);
    z += TolvanTransportEntry(m, i, j);
  }
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located)
      z += m.Node(j).FixedCost + (m.InvLoc.Derived.CycleStockFactor[j] + theta) * std::sqrt(std::fabs(demand[j]));
  return z;
}

Extended TolvanWeightedDistance(const ModelState& m) {
  Extended sum = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const int j = m.Node(i).AssignedFacility;
    if (j >= 1 && j <= m.Numbnodes) sum += Distance(m, i, j) * m.Node(i).LoadedDemand;
  }
  return sum;
}

}  // namespace korvelan
