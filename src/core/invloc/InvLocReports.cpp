#include "invloc/InvLocReports.h"

#include <cmath>

#include "solve/TextFormat.h"

namespace korvelan {

namespace {

const TolvanParameters& Inputs(const ModelState& m) { return m.InvLoc.Parameters; }

// The cost of the weight for distances beyond the coverage distance in the run's
// upper bound: the daily demand served from beyond it, times theta Y w R.
Extended UncoveredDemandCost(const ModelState& m) {
  const TolvanParameters& p = Inputs(m);
  Extended beyond = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (static_cast<int64_t>(m.Node(i).AssignedDistance) * FixedPointScale > m.CoverageDistance)
      beyond += TolvanDailyDemand(m, i);
  return beyond * p.TransportWeight * p.DaysPerYear * m.AddedConstant * p.DeliveryRate;
}

// The difference line a panel ends with, when it has one.
void AddDifferenceLine(const ModelState& m, Extended panelTotal, std::vector<CostSummaryLine>& panel) {
  if (m.SolutionClass == 0 || std::fabs(m.RunUpperBound - panelTotal) < 1e-4L) return;
  if (m.AddedConstant != 0)
    panel.push_back({"Cost Diff (Uncov Dem)", "Cost Diff (Uncov Dem)     ", UncoveredDemandCost(m)});
  else
    panel.push_back({"Cost Difference (Error)", "Cost Difference (Error)   ", m.RunUpperBound - panelTotal});
}

std::vector<CostSummaryLine> CategoryPanel(const ModelState& m, const TolvanCosts& c) {
  std::vector<CostSummaryLine> panel = {
      {"Fixed Cost", "Fixed Cost                ", c.fixed},
      {"Local Delivery Cost", "Local Delivery Cost       ", c.localDelivery},
      {"Safety Stock Cost", "Safety Stock Cost         ", c.safetyStock},
      {"Order Cost", "   Order Cost             ", c.order},
      {"Fixed Shipment Cost", "   Fixed Shipment Cost    ", c.fixedShipment},
      {"Variable Shipment Cost", "   Variable Shipment Cost ", c.variableShipment},
      {"Working Inventory Cost", "   Working Inventory Cost ", c.workingInventory},
      {"Total DC Working Inv Cost", "Total DC Working Inv Cost ", c.dcWorkingInventory},
      {"Total Cost", "TOTAL COST                ", c.total},
      {"Total Cost from Algorithm", "Total Cost from Algorithm ", m.RunUpperBound},
  };
  AddDifferenceLine(m, c.total, panel);
  return panel;
}

std::vector<CostSummaryLine> TermPanel(const ModelState& m, const TolvanCosts& c) {
  std::vector<CostSummaryLine> panel = {
      {"Fixed Cost", "Fixed Cost                ", c.fixed},
      {"Linear in Yij", "Linear in Yij             ", c.linearInAssignments},
      {"Prop to SQRT(mean)", "Proportional to Mean      ", c.proportionalToMean},
      {"Prop to SQRT(var)", "Proportional to Std Dev   ", c.proportionalToStdDev},
      {"Total Cost", "TOTAL COST                ", c.termTotal},
      {"Total Cost from Algorithm", "Total Cost from Algorithm ", m.RunUpperBound},
  };
  AddDifferenceLine(m, c.termTotal, panel);
  return panel;
}

std::string Number(Extended x, int precision, int decimals) { return FormatNumber(x, precision, decimals); }

std::string ColumnLine(const TolvanSiteCosts& s, const TolvanDerived& derived) {
  const Extended values[] = {s.total,         s.localDelivery,    s.fixed,
                             s.safetyStock,   s.order,            s.fixedShipment,
                             s.variableShipment, s.workingInventory, s.assignedDemand,
                             s.ordersPerYear, derived.ShipFixedCost[s.site], derived.ShipUnitCost[s.site]};
  std::string line = std::to_string(s.site) + "    ";
  for (size_t k = 0; k < std::size(values); ++k) line += (k == 0 ? "" : "  ") + Number(values[k], 15, 5);
  return line;
}

struct ParameterLine {
  const char* label;
  double TolvanParameters::*member;
  int decimals;
  bool mileage;  // shown only when plant cities are selected
};

const ParameterLine ParameterLines[] = {
    {"Demand per unit Population/day          = ", &TolvanParameters::DemandPerPopulation, 9, false},
    {"Lead Time (days)                        = ", &TolvanParameters::LeadTime, 4, false},
    {"Variance to Mean Ratio                  = ", &TolvanParameters::VarianceToMean, 4, false},
    {"Z-alpha                                 = ", &TolvanParameters::ZAlpha, 4, false},
    {"Holding cost per unit                   = ", &TolvanParameters::HoldingCost, 4, false},
    {"Order cost at DC                        = ", &TolvanParameters::OrderCost, 4, false},
    {"Dollars/(demand-mile) in local delivery = ", &TolvanParameters::DeliveryRate, 8, false},
    {"Transport cost weight                   = ", &TolvanParameters::TransportWeight, 8, false},
    {"Inventory cost weight                   = ", &TolvanParameters::InventoryWeight, 8, false},
    {"Constant in FIXED cost to DC            = ", &TolvanParameters::ShipConstant, 4, false},
    {"Mileage Coef. in FIXED cost to DC       = ", &TolvanParameters::ShipMileage, 4, true},
    {"Constant in UNIT demand cost to DC      = ", &TolvanParameters::UnitConstant, 4, false},
    {"Mileage Coef. in UNIT cost to DC        = ", &TolvanParameters::UnitMileage, 4, true},
    {"Days Per Year                           = ", &TolvanParameters::DaysPerYear, 4, false},
};

// A site's number and name, the name padded so that the numbers after it end under
// their heading.
std::string SiteColumns(const ModelState& m, int site, int nameWidth) {
  return IntRight(site, 4) + "   " + PadRight(ReportName(m, site), nameWidth) + "   ";
}

}  // namespace

std::string DemandMismatchWarning(const std::string& caption, Extended assigned, Extended total, Extended tolerance) {
  if (std::fabs(assigned - total) <= tolerance * std::fabs(total)) return {};
  return "In " + caption + "\nTemp_total = " + Number(assigned, 10, 2) + "\nTotal Assigned Demand = " +
         Number(total, 10, 2);
}

std::string CostSummaryLine::ValueText() const { return FormatCurrency(value, 15, 2); }

TolvanCostSummary BuildTolvanCostSummary(const ModelState& m) {
  TolvanCostSummary s;
  s.costs = TolvanTotalCost(m, "TolvCostReport");
  s.totalDemand = s.costs.dailyTotal;
  s.byCategory = CategoryPanel(m, s.costs);
  s.byTerm = TermPanel(m, s.costs);
  s.demandWarning = DemandMismatchWarning("TolvCostReport", s.costs.assignedDemand, s.totalDemand, 1e-9L);
  return s;
}

void PrintTolvanCostSummary(PrintSink& sink, const TolvanCostSummary& summary) {
  const PrintFont title{PrintFontFamily, 18, false};
  const PrintFont body{};
  sink.Line("Tolvan LOCATION INVENTORY COST SUMMARY", title);
  sink.Line("", body);
  sink.Line("", body);
  for (const CostSummaryLine& line : summary.byCategory) sink.Line(line.printLabel + line.ValueText(), body);
  sink.Line("", body);
  sink.Line("==============================================", body);
  sink.Line("", body);
  for (const CostSummaryLine& line : summary.byTerm) sink.Line(line.printLabel + line.ValueText(), body);
}

std::string SaveColumnsMessage(const ModelState& m, const TolvanCostSummary& summary) {
  Extended columns = 0;
  for (const TolvanSiteCosts& site : summary.costs.sites) columns += site.total;
  return "Total Column Cost = " + FormatCurrency(columns, 15, 2) + "\nTotal Algorithm Cost = " +
         FormatCurrency(m.RunUpperBound, 15, 2) + "\n\nTotal Assigned Demand = " +
         Number(summary.costs.assignedDemand, 15, 2) + "\nTotal Demand = " + Number(summary.totalDemand, 15, 2);
}

std::string ColumnFileText(const ModelState& m, const TolvanCosts& costs) {
  std::string text =
      "NODE   TotalCost  LocalDeliveryCost   FixedCost   SafetyStockCost   OrderCost   FixedShipCost   "
      "VariableShipCost  WorkInvCost   AssignedDemand    annual_orders   tolvGj_term    tolvAj_term\n";
  for (const TolvanSiteCosts& site : costs.sites) text += ColumnLine(site, m.InvLoc.Derived) + "\n";
  text += "\n";
  const TolvanParameters& p = Inputs(m);
  const std::pair<const char*, double> parameters[] = {
      {"tolvTransWeight = ", p.TransportWeight}, {"tolvDaysPerYear = ", p.DaysPerYear},
      {"tolvDollar      = ", p.DeliveryRate},    {"TolvInvWeight   = ", p.InventoryWeight},
      {"Tolvholding     = ", p.HoldingCost},     {"tolvOrder       = ", p.OrderCost},
      {"tolvAlpha       = ", p.ZAlpha},          {"tolvLeadTime    = ", p.LeadTime},
      {"tolvVar2Mean    = ", p.VarianceToMean},
  };
  for (const auto& [label, value] : parameters) text += label + Number(value, 15, 5) + "\n";
  return text;
}

ListReport TolvanParameterReport(const ModelState& m) {
  ListReport r = NamedReport("Parameters for Brask Inventory Location Model", "Tolvan Parameter Report");
  const bool plants = PlantCityCount(m) > 0;
  ReportSection parameters;
  for (const ParameterLine& line : ParameterLines)
    if (plants || !line.mileage)
      parameters.lines.push_back(line.label + Number(Inputs(m).*line.member, 15, line.decimals));
  r.sections.push_back(parameters);
  if (plants) r.sections.push_back({"Selected Cities Below:", SelectedPlantCityLines(m)});
  return r;
}

ListReport TolvanOrderFrequency(const ModelState& m) {
  ListReport r = NamedReport("Order Frequency From Plant(s)", "ORDER FREQUENCY SUMMARY");
  ReportSection frequency{"DC #   Distribution Center Name         Order Frequency   Assigned Demand", {}};
  ReportSection size{"DC #   Distribution Center Name           Order Size   Assigned Demand/Yr", {}};
  const Extended year = Inputs(m).DaysPerYear;
  for (const TolvanSiteCosts& site : TolvanTotalCost(m, "TolvOrderFrequency").sites) {
    const Extended demand = site.assignedDemand, orders = site.ordersPerYear;
    frequency.lines.push_back(SiteColumns(m, site.site, 33) + PadLeft(Number(orders, 12, 2), 12) + "   " +
                              PadLeft(Number(demand, 13, 0), 14));
    const std::string orderSize = orders == 0 ? "        N/A " : PadLeft(Number(demand * year / orders, 12, 0), 12);
    size.lines.push_back(SiteColumns(m, site.site, 30) + orderSize + "   " + PadLeft(Number(demand * year, 13, 0), 14));
  }
  r.sections = {frequency, size};
  return r;
}

std::vector<std::string> PlantCityLines(const ModelState& m) {
  std::vector<std::string> lines;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    lines.push_back(IntRight(i, 4) + "   " + (m.InvLoc.PlantCity[i] ? "    SELECTED " : "NOT SELECTED ") + "   " +
                    m.Node(i).NodeName);
  return lines;
}

std::vector<std::string> PlantCityCountLines(const ModelState& m) {
  const int selected = PlantCityCount(m);
  return {IntRight(m.NumDemandNodes, 4) + " Cities", IntRight(selected, 4) + " SELECTED Cities",
          IntRight(m.NumDemandNodes - selected, 4) + " NOT Selected Cities"};
}

std::string PlantCityNote(const ModelState& m) {
  const int selected = PlantCityCount(m);
  if (selected == 0) return "No Cities Selected Yet... Mileage Related Costs above will be ignored... Warning";
  return "Costs will be based on the nearest of " + std::to_string(selected) +
         " selected cities (shown below) to the DCs";
}

std::vector<std::string> SelectedPlantCityLines(const ModelState& m) {
  std::vector<std::string> lines;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (m.InvLoc.PlantCity[i]) lines.push_back(IntRight(i, 4) + "   " + m.Node(i).NodeName);
  return lines;
}

}  // namespace korvelan
