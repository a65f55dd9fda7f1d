#include "CliJson.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <cstdlib>

#include "invloc/InvLocModel.h"
#include "solve/Evaluation.h"
#include "solve/JsonText.h"

namespace korvelan::cli {

std::string Quoted(const std::string& text) { return JsonQuoted(text); }
std::string Real(Extended value) { return JsonReal(value); }

namespace {

// An object, one field a line, indented by its depth (a nested object ends without
// a newline, the outermost with one).
class ObjectWriter {
 public:
  explicit ObjectWriter(int depth = 0) : indent_(2 * depth, ' ') {}
  void Field(const std::string& key, const std::string& rawValue) {
    text_ += (text_.empty() ? "{\n" : ",\n") + indent_ + "  " + Quoted(key) + ": " + rawValue;
  }
  std::string Finish() { return text_ + "\n" + indent_ + "}" + (indent_.empty() ? "\n" : ""); }

 private:
  std::string indent_;
  std::string text_;
};

// The inventory/location model's objective and its cost summary, one field per row.
// The costs are in daily demand (the run leaves the loaded demands in place).
std::string InventoryObject(const ModelState& m) {
  const TolvanCosts c = TolvanTotalCost(m, "korvelan-cli");
  ObjectWriter w(1);
  w.Field("z", Real(m.RunUpperBound));
  w.Field("fixed_cost", Real(c.fixed));
  w.Field("local_delivery_cost", Real(c.localDelivery));
  w.Field("safety_stock_cost", Real(c.safetyStock));
  w.Field("order_cost", Real(c.order));
  w.Field("fixed_shipment_cost", Real(c.fixedShipment));
  w.Field("variable_shipment_cost", Real(c.variableShipment));
  w.Field("working_inventory_cost", Real(c.workingInventory));
  w.Field("total_dc_working_inv_cost", Real(c.dcWorkingInventory));
  w.Field("total_cost", Real(c.total));
  w.Field("linear_in_yij", Real(c.linearInAssignments));
  w.Field("prop_to_sqrt_mean", Real(c.proportionalToMean));
  w.Field("prop_to_sqrt_var", Real(c.proportionalToStdDev));
  return w.Finish();
}

struct SolutionMeasures {
  std::vector<int> located;
  int32_t maxAssigned = 0;
};

SolutionMeasures Measure(const ModelState& m) {
  SolutionMeasures s;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) s.located.push_back(j);
  for (int i = 1; i <= m.NumDemandNodes; ++i) s.maxAssigned = std::max(s.maxAssigned, m.Node(i).AssignedDistance);
  return s;
}

std::string List(const std::vector<int>& values) {
  std::string text = "[";
  for (size_t k = 0; k < values.size(); ++k) text += (k ? ", " : "") + std::to_string(values[k]);
  return text + "]";
}

}  // namespace

std::string RunSummaryJson(const ModelState& m, const RunFacts& facts) {
  const SolutionMeasures s = Measure(m);
  const Extended weighted = m.DemandWeightedDistance;
  const Extended fixed = LocatedFixedCost(m);
  ObjectWriter w;
  w.Field("problem", Quoted(std::string(1, m.ProblemCode)));
  w.Field("algorithm", Quoted(facts.algorithm));
  w.Field("status", Quoted(facts.status));
  w.Field("nodes", std::to_string(m.Numbnodes));
  w.Field("demand_nodes", std::to_string(m.NumDemandNodes));
  w.Field("total_demand", Real(m.TotalDemand));
  w.Field("coverage_distance", Real(static_cast<Extended>(m.CoverageDistance) / FixedPointScale));
  w.Field("cost_per_mile", Real(m.CostPerMile));
  w.Field("num_located", std::to_string(s.located.size()));
  w.Field("located", List(s.located));
  w.Field("covered_demand", Real(CoveredDemand(m)));
  w.Field("weighted_distance", Real(weighted));
  w.Field("average_distance", Real(m.TotalDemand != 0 ? weighted / m.TotalDemand : 0));
  w.Field("max_assigned_distance", std::to_string(s.maxAssigned));
  w.Field("fixed_cost", Real(fixed));
  w.Field("total_cost", Real(fixed + weighted * m.CostPerMile));
  w.Field("upper_bound", Real(m.RunUpperBound));
  w.Field("lower_bound", Real(m.RunLowerBound));
  w.Field("iterations", std::to_string(m.RunIterations));
  w.Field("branch_nodes", std::to_string(m.RunBranchNodes));
  w.Field("seconds", Real(facts.seconds));
  if (m.ProblemCode == 'V' && facts.status != "fatal") w.Field("inventory", InventoryObject(m));
  return w.Finish();
}

}  // namespace korvelan::cli
