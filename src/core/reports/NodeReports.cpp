#include "reports/NodeReports.h"

#include <algorithm>
#include <cmath>

#include "solve/QuickSortIndex.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

bool Covers(const ModelState& m, int32_t distance) { return WithinCoverage(m.CoverageDistance, distance); }

// Lines "site (4)   distance" of a coverage list, or the word for an empty one.
ReportSection CoverSection(const ModelState& m, std::string heading, const std::vector<uint16_t>& list,
                           bool listedAreSites, int node, const char* empty) {
  ReportSection section{std::move(heading), {}};
  for (uint16_t other : list) {
    const int32_t d = listedAreSites ? m.DistanceMatrix.at(node, other) : m.DistanceMatrix.at(other, node);
    section.lines.push_back(IntRight(other, 4) + "   " + FormatNumber(d, 15, 2));
  }
  if (section.lines.empty()) section.lines.push_back(empty);
  return section;
}

// Covered test of the assignment report; the weighted partial p-center compares
// demand x distance.
std::string CoveredFlag(const ModelState& m, const NodeRecord& node) {
  Extended reach = static_cast<Extended>(node.AssignedDistance) * FixedPointScale;
  if (m.ReportProblemCode == '%' && m.DoWeightedFlag) reach *= node.Demand;
  const Extended coverage = static_cast<Extended>(m.CoverageDistance);
  if (coverage == reach) return " +      YES";
  return coverage > reach ? "        YES" : "         NO";
}

// "YES", or the strictly nearer located site when the assigned one is not the nearest.
std::string ClosestFlag(const ModelState& m, int i, int& notClosest) {
  const NodeRecord& node = m.Node(i);
  int nearest = 0;
  int32_t best = node.AssignedDistance;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located && m.DistanceMatrix.at(i, j) < best) {
      best = m.DistanceMatrix.at(i, j);
      nearest = j;
    }
  if (nearest == 0) return "YES";
  ++notClosest;
  return " NO (" + IntRight(nearest, 4) + " d= " + FormatNumber(best, 8, 0) + ")";
}

// Decimals of the fixed cost column: the smallest DecimalsFor(10) over all fixed costs, at most 10.
int FixedCostDecimals(const ModelState& m) {
  int decimals = 10;
  for (int j = 1; j <= m.Numbnodes; ++j) decimals = std::min(decimals, DecimalsFor(10, m.Node(j).FixedCost));
  return decimals;
}

std::vector<int> SortedSites(const ModelState& m, FixedCostOrder order) {
  const int n = m.Numbnodes;
  std::vector<Extended> keys(NodeSlots, 0);
  for (int j = 1; j <= n; ++j) {
    const NodeRecord& site = m.Node(j);
    if (order == FixedCostOrder::AscendingCost) keys[j] = site.FixedCost;
    if (order == FixedCostOrder::DescendingDemand) keys[j] = -site.Demand;
    if (order == FixedCostOrder::FacilitiesFirst) keys[j] = site.Located ? 0 : 1;
  }
  std::vector<int> index(NodeSlots, 0);
  if (order == FixedCostOrder::Input || n < 1) {
    for (int j = 1; j <= n; ++j) index[j] = j;
  } else {
    QuickSortIndex(1, n, keys.data(), index.data());
  }
  return std::vector<int>(index.begin() + 1, index.begin() + 1 + n);
}

std::vector<int> SortedDemandNodes(const ModelState& m, NodeFacilityOrder order) {
  const int n = m.NumDemandNodes;
  std::vector<int> index(NodeSlots, 0);
  if (order == NodeFacilityOrder::Population) {
    std::vector<Extended> keys(NodeSlots, 0);
    for (int i = 1; i <= n; ++i) keys[i] = m.Node(i).Demand;
    if (n >= 1) QuickSortIndex(1, n, keys.data(), index.data());
  } else if (order == NodeFacilityOrder::Input) {
    for (int i = 1; i <= n; ++i) index[i] = i;
  } else {
    // Names compare by their first 12 characters.
    std::vector<std::string> keys(NodeSlots);
    for (int i = 1; i <= n; ++i) {
      const int named = order == NodeFacilityOrder::DemandAreaName ? i : m.Node(i).AssignedFacility;
      keys[i] = m.Node(named).NodeName.substr(0, 12);
    }
    if (n >= 1) ShellSortIndex(1, n, keys.data(), index.data());
  }
  return std::vector<int>(index.begin() + 1, index.begin() + 1 + n);
}

}  // namespace

ListReport CoverLists(const ModelState& m, int node) {
  ListReport r = NamedReport("Cover Lists", "COVER LIST REPORT");
  const NodeRecord& record = m.Node(node);
  r.sections.push_back(CoverSection(m, "Demand Node " + std::to_string(node) + " Covered By", record.CoveredByList,
                                    true, node, "NOT COVERED BY ANY NODE"));
  r.sections.push_back(CoverSection(m, "Facility " + std::to_string(node) + " Covers Nodes", record.CoversList, false,
                                    node, "DOES NOT COVER ANY NODE"));
  r.messages = {"TOTAL COVERED DEMAND = " + ReportNumberDec(record.CoverableDemand, 15, 12)};
  r.coverageWarning = CoverageWarning(m);
  return r;
}

ListReport UtilizationReport(const ModelState& m, int site) {
  ListReport r = NamedReport("Utilization Report", "UTILIZATION REPORT");
  ReportSection section{"Demand Assigned to Facility Site " + std::to_string(site), {}};
  Extended assigned = 0, assignedCovered = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NodeRecord& node = m.Node(i);
    if (node.AssignedFacility != site) continue;
    const int32_t d = m.DistanceMatrix.at(i, site);
    const bool covered = Covers(m, d);
    assigned += node.Demand;
    if (covered) assignedCovered += node.Demand;
    section.lines.push_back(IntRight(i, 4) + std::string(6, ' ') + ReportNumber(d, 10, 2, 10) + std::string(4, ' ') +
                            ReportNumber(node.Demand, 10, 0, 10) + (covered ? "     YES" : "      NO"));
  }
  if (!m.Node(site).Located) {
    section.lines = {"NOT SELECTED"};
  } else if (section.lines.empty()) {
    section.lines = {"NOT ASSIGNED ANY DEMANDS"};
  }
  r.sections.push_back(section);
  if (m.Node(site).Located)
    r.messages = {"TOTAL ASSIGNED and COVERED DEMAND = " + ReportNumberDec(assignedCovered, 14, 11),
                  "TOTAL ASSIGNED DEMAND             = " + ReportNumberDec(assigned, 14, 11),
                  "TOTAL COVERED DEMAND              = " + ReportNumberDec(m.Node(site).CoverableDemand, 14, 11)};
  r.coverageWarning = CoverageWarning(m);
  return r;
}

ListReport AssignmentReport(const ModelState& m) {
  ListReport r = NamedReport("Assignment of Demands to Sites", "ASSIGNMENT OF DEMAND TO SITES");
  const bool integrated = m.ReportProblemCode == 'V';
  ReportSection section{std::string(" Area       Site      Distance    Covered?    Demand        Dem*dist") +
                            (integrated ? "    Closest?" : ""),
                        {}};
  Extended weighted = 0;
  int32_t maximum = 0;
  int notClosest = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NodeRecord& node = m.Node(i);
    const Extended product = node.Demand * node.AssignedDistance;
    weighted += product;
    maximum = std::max(maximum, node.AssignedDistance);
    std::string line = IntRight(i, 4) + "    " + IntRight(node.AssignedFacility, 6) + "    " +
                       ReportNumber(node.AssignedDistance, 7, 1, 10) + CoveredFlag(m, node) + " " +
                       ReportNumber(node.Demand, 12, 0, 12) + " " + ReportNumber(product, 15, 0, 15);
    if (integrated) line += "    " + ClosestFlag(m, i, notClosest);
    section.lines.push_back(line);
  }
  r.sections.push_back(section);
  r.messages = {"COVERAGE DISTANCE = " + FormatNumber(static_cast<Extended>(m.CoverageDistance) / FixedPointScale, 10, 2),
                "Total demand weighted distance = " + FormatNumber(weighted, 20, 2),
                "MAXIMUM DISTANCE = " + FormatNumber(maximum, 10, 2)};
  if (integrated) r.messages.push_back(std::to_string(notClosest) + " demands assigned to non-closest facility");
  return r;
}

ListReport FixedCostReport(const ModelState& m, FixedCostOrder order) {
  ListReport r = NamedReport("Fixed Cost Form", "FIXED COST REPORT");
  ReportSection section;
  if (!HasFixedCosts(m)) {
    section.lines = {"NO FIXED COSTS AVAILABLE IN THIS DATASET"};
    r.sections.push_back(section);
    return r;
  }
  const int decimals = FixedCostDecimals(m);
  Extended located = 0;
  for (int j : SortedSites(m, order)) {
    const NodeRecord& site = m.Node(j);
    if (site.Located) located += site.FixedCost;
    section.lines.push_back(IntRight(j, 5) + "   " + PadLeft(FormatCurrency(site.FixedCost, 15, decimals), 15) +
                            (site.Located ? "  YES" : "   NO"));
  }
  r.sections.push_back(section);
  r.messages = {"TOTAL FIXED COST = " + FormatCurrency(located, 16, 2)};
  return r;
}

bool NodeToFacilityAvailable(const ModelState& m) {
  return m.NamesPresent && (m.ExtraSitesFileName.empty() || m.ExtraNamesPresent);
}

ListReport NodeToFacilityReport(const ModelState& m, NodeFacilityOrder order) {
  ListReport r = NamedReport("Node to Facility Report", "ASSIGNMENT OF DEMANDS TO FACILITY SITES");
  ReportSection section{"Demand Area                  (   Population   ) --> Facility            ", {}};
  for (int i : SortedDemandNodes(m, order)) {
    const NodeRecord& node = m.Node(i);
    section.lines.push_back(IntRight(i, 4) + " " + PadRight(node.NodeName, 20) + "   (" + ReportNumber(node.Demand, 15, 0, 15) +
                            " ) --> " + IntRight(node.AssignedFacility, 4) + " " +
                            PadRight(m.Node(node.AssignedFacility).NodeName, 20));
  }
  r.sections.push_back(section);
  return r;
}

}  // namespace korvelan
