#pragma once
// Integrated inventory/location model: its inputs, derived cost data and the
// evaluation of a located set with its assignment.
//
// Distribution centres (DCs) open at candidate sites; every demand node i is served by
// exactly one DC a(i). A DC orders from its nearest plant city and holds cycle stock
// and safety stock for the daily demand D(j) assigned to it. The total cost is
//
//   Z = sum_{j open} FixedCost(j) + sum_i d(i, a(i)) + sum_{j open} (K(j) + Theta) sqrt(D(j))
//
//   mu(i)    = LoadedDemand(i) x demand per population (daily demand, held in Demand
//              while the model runs),
//   d(i, j)  = mu(i) theta Y (R (dist(i, j) + w) + ShipUnitCost(j)),
//              w the weight for distances beyond the coverage distance (AddedConstant)
//              when dist(i, j) lies beyond it, else 0,
//   K(j)     = sqrt(Y 2 beta h (F + theta ShipFixedCost(j)))   (economic order quantity:
//              ordering + fixed shipments + working inventory at the best order size),
//   Theta    = sqrt(L VM) beta h z                              (safety stock).
//
// The concave term makes the cheapest assignment depend on the other nodes at the DC:
// a node need not be served by its nearest DC.
//
// Units: while the model runs (between closing its parameter form and the end of the
// run) every demand node's Demand is its daily demand and TotalDemand their sum;
// RestoreDemands (model/ModelState.h) puts the loaded demands back.
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// One of the fourteen parameters: the parameter form's edit box, its caption, the
// member, its default and the accepted range.
struct TolvanParameterDef {
  const char* editName;
  const char* caption;
  double TolvanParameters::*member;
  double defaultValue;
  double lo;
  double hi;
};
// The fourteen rows in the parameter form's order ("&Basic Inputs" holds the first ten,
// "&Shipping Costs to DC" the last four).
const std::vector<TolvanParameterDef>& TolvanParameterTable();

// "&Restore Default Values" of the parameter form: every parameter to its default and
// every plant city cleared.
void RestoreTolvanParameterDefaults(ModelState& m);
// Marks the plant cities named in a list of demand-node numbers separated by commas
// ("3,17,40") and clears the others. Returns an error (and changes nothing) for a
// text that is not such a list or names a node that is not a demand node.
std::string SelectPlantCities(ModelState& m, const std::string& list);
// Number of demand nodes marked as plant cities.
int PlantCityCount(const ModelState& m);

// mu(i) = LoadedDemand(i) x demand per population, whatever units Demand is in.
Extended TolvanDailyDemand(const ModelState& m, int i);
// Demand(i) := LoadedDemand(i) x demand per population for every demand node and
// TotalDemand := their sum. Repeating it changes nothing.
void UseDailyDemands(ModelState& m);
// What closing the parameter form with "&Quit (No More Changes)" computes: daily
// demands (UseDailyDemands), p(j), ShipFixedCost, ShipUnitCost, K(j) and SafetyFactor.
void ComputeTolvanDerivedData(ModelState& m);

// Theta = sqrt(L x VM) x SafetyFactor.
Extended TolvanTheta(const ModelState& m);
// Orders per year of site j serving daily demand D:
//   n = sqrt(|beta h D Y / ((ShipFixedCost(j) theta + F) 2)|),
// and 0 when the cost of an order (ShipFixedCost(j) theta + F) is 0.
Extended TolvanOrdersPerYear(const ModelState& m, int site, Extended dailyDemand);

// d(i, j) as defined above.
Extended TolvanTransportEntry(const ModelState& m, int i, int j);

// The cost of one located site and its assigned daily demand.
struct TolvanSiteCosts {
  int site = 0;
  Extended assignedDemand = 0;     // D(j)
  Extended ordersPerYear = 0;      // n(j)
  Extended fixed = 0;              // FixedCost(j)
  Extended localDelivery = 0;      // sum of mu(i) theta Y dist(i, j) R over its nodes
  Extended safetyStock = 0;        // sqrt(|L VM D|) beta h z
  Extended order = 0;              // F n
  Extended fixedShipment = 0;      // ShipFixedCost(j) theta n
  Extended variableShipment = 0;   // ShipUnitCost(j) theta D Y
  Extended workingInventory = 0;   // (beta h / 2) D Y / n, 0 when n is 0
  Extended total = 0;              // the sum of the seven costs
};

// The cost of a solution split by category (left panel of the cost summary) and by
// objective-function term (right panel).
struct TolvanCosts {
  // --- by category ---
  Extended fixed = 0;                 // "Fixed Cost"
  Extended localDelivery = 0;         // "Local Delivery Cost"
  Extended safetyStock = 0;           // "Safety Stock Cost"
  Extended order = 0;                 // "Order Cost"
  Extended fixedShipment = 0;         // "Fixed Shipment Cost"
  Extended variableShipment = 0;      // "Variable Shipment Cost"
  Extended workingInventory = 0;      // "Working Inventory Cost"
  Extended dcWorkingInventory = 0;    // "Total DC Working Inv Cost": the four before
  Extended total = 0;                 // "Total Cost": fixed + local + safety + DC working inventory
  // --- by objective-function term ---
  Extended linearInAssignments = 0;   // "Linear in Yij": local delivery + variable shipment
  Extended proportionalToMean = 0;    // "Prop to SQRT(mean)": sum of K(j) sqrt(D(j))
  Extended proportionalToStdDev = 0;  // "Prop to SQRT(var)": the safety stock
  Extended termTotal = 0;             // fixed + the three terms
  // --- totals ---
  Extended assignedDemand = 0;        // sum of D(j) over the located sites
  Extended dailyTotal = 0;            // sum of mu(i) over every demand node
  std::vector<TolvanSiteCosts> sites; // one per located site, ascending
  // "In TSService " caption "\nTemp_total = " assigned "\nTotal Assigned Demand = "
  // total (number 10/2) when the assigned demand differs from the total daily demand
  // by more than 1e-4 relatively; empty otherwise.
  std::string demandWarning;
};

// The costs of the current solution: the Located sites and every demand node's
// AssignedFacility, in daily demand mu(i) whatever units Demand is in (so the reports
// may call it after the run, when the loaded demands are back). A node whose
// AssignedFacility is not located counts in no site. The caption names the caller in
// the demand warning.
TolvanCosts TolvanTotalCost(const ModelState& m, const std::string& caption);

// Z of the current solution (Located sites, AssignedFacility of the demand nodes, in
// daily demand whatever units Demand is in), with the weight for distances beyond the coverage distance.
Extended TolvanObjective(const ModelState& m);

// The model's weighted distance: sum over demand nodes of dist(i, AssignedFacility(i))
// x mu(i) / demand per population, i.e. x LoadedDemand(i) (in loaded-demand units;
// no division, so a demand per population of 0 is harmless).
Extended TolvanWeightedDistance(const ModelState& m);

}  // namespace korvelan
