#include "reports/SolutionReports.h"

#include <algorithm>

#include "solve/Evaluation.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

Extended Share(Extended part, Extended whole) { return whole != 0 ? 100 * part / whole : 0; }

std::string Coordinates(const NodeRecord& node, int precision, int width) {
  return ReportNumber(node.XCoord, precision, 2, width) + "   " + ReportNumber(node.YCoord, precision, 2, width);
}

std::string WithName(const ModelState& m, std::string line, int n) {
  const std::string name = ReportName(m, n);
  return name.empty() ? line : line + "   " + name;
}

struct DistanceSplit {
  Extended coveredDemand = 0, coveredWeighted = 0;
  Extended uncoveredDemand = 0, uncoveredWeighted = 0;
};

DistanceSplit SplitByCoverage(const ModelState& m) {
  DistanceSplit s;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NodeRecord& node = m.Node(i);
    const Extended weighted = node.Demand * node.AssignedDistance;
    if (node.NTIMES > 0) {
      s.coveredDemand += node.Demand;
      s.coveredWeighted += weighted;
    } else {
      s.uncoveredDemand += node.Demand;
      s.uncoveredWeighted += weighted;
    }
  }
  return s;
}

std::string AverageOrWord(Extended weighted, Extended demand, const char* word) {
  return demand > 0 ? ReportNumberDec(weighted / demand, 12, 10) : word;
}

void AddCostLines(const ModelState& m, Extended weighted, std::vector<std::string>& messages) {
  const Extended fixed = LocatedFixedCost(m);
  const Extended mileage = weighted * m.CostPerMile;
  const Extended total = fixed + mileage;
  const int decimals = std::min({DecimalsFor(10, fixed), DecimalsFor(10, mileage), DecimalsFor(10, total)});
  messages.push_back("Fixed Cost   " + FormatCurrency(fixed, 14, decimals));
  messages.push_back("Mileage Cost   " + FormatCurrency(mileage, 14, decimals));
  messages.push_back("Total Cost   " + FormatCurrency(total, 14, decimals));
}

}  // namespace

SiteLoads AssignedLoads(const ModelState& m) {
  SiteLoads loads;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NodeRecord& node = m.Node(i);
    if (node.AssignedFacility < 1 || node.AssignedFacility > m.Numbnodes) continue;
    loads.demand[node.AssignedFacility] += node.Demand;
    loads.weightedDistance[node.AssignedFacility] += node.Demand * node.AssignedDistance;
  }
  return loads;
}

ListReport LocationSummary(const ModelState& m) {
  ListReport r = NamedReport("Location Summary", "BASIC LOCATION SUMMARY");
  ReportSection section{"   # ==> Candidate Number", {}};
  int count = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) section.lines.push_back(IntRight(++count, 4) + " ==> " + IntRight(j, 4));
  r.sections.push_back(section);
  return r;
}

ListReport ExtendedLocationSummary(const ModelState& m) {
  ListReport r = NamedReport("Extended Location Summary", "EXTENDED LOCATION SUMMARY");
  ReportSection section;
  int count = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const NodeRecord& site = m.Node(j);
    if (!site.Located) continue;
    const std::string line = IntRight(++count, 4) + " ==> " + IntRight(j, 4) + "   " + Coordinates(site, 9, 9) + "   " +
                             ReportNumber(site.CoverableDemand, 15, 0, 15);
    section.lines.push_back(WithName(m, line, j));
  }
  r.sections.push_back(section);
  const Extended covered = CoveredDemand(m);
  const Extended weighted = WeightedDistanceOfAssignment(m);
  const DistanceSplit split = SplitByCoverage(m);
  const Extended average = m.TotalDemand != 0 ? weighted / m.TotalDemand : 0;
  r.messages = {
      "Total Covered Demands   " + FormatNumber(covered, 12, 0),
      "Percent Covered Demands   " + ReportNumberDec(Share(covered, m.TotalDemand), 12, 10),
      "Average Weighted Distance   " + ReportNumberDec(average, 12, 10),
      "Average Covered Distance   " + AverageOrWord(split.coveredWeighted, split.coveredDemand, "None Covered"),
      "Average Uncovered Distance   " + AverageOrWord(split.uncoveredWeighted, split.uncoveredDemand, "All Covered"),
  };
  if (HasFixedCosts(m) && m.ReportProblemCode != 'V') AddCostLines(m, weighted, r.messages);
  r.coverageWarning = CoverageWarning(m);
  return r;
}

ListReport UncoveredDemands(const ModelState& m) {
  ListReport r = NamedReport("Uncovered Demands", "UNCOVERED DEMAND REPORT");
  ReportSection section;
  Extended uncovered = 0;
  int count = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NodeRecord& node = m.Node(i);
    if (node.NTIMES != 0) continue;
    uncovered += node.Demand;
    const std::string line = IntRight(++count, 3) + "   " + IntRight(i, 4) + "   " + Coordinates(node, 6, 6) + "   " +
                             ReportNumber(node.Demand, 12, 0, 12);
    section.lines.push_back(WithName(m, line, i));
  }
  if (count == 0) {
    section.lines = {"<<< ALL NODES ARE COVERED >>>"};
  } else {
    const Extended percent = Share(uncovered, m.TotalDemand);
    r.messages = {"TOTAL NUMBER OF UNCOVERED DEMANDS = " + FormatNumber(uncovered, 12, 0),
                  "PERCENT OF DEMANDS UNCOVERED = " + ReportNumberDec(percent, 12, 7)};
  }
  r.sections.push_back(section);
  r.coverageWarning = CoverageWarning(m);
  return r;
}

ListReport AssignedDemands(const ModelState& m) {
  ListReport r = NamedReport("Assigned Demands", "ASSIGNED DEMAND REPORT");
  const SiteLoads loads = AssignedLoads(m);
  ReportSection section;
  Extended totalAssigned = 0, totalWeighted = 0;
  int count = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (!m.Node(j).Located) continue;
    const Extended demand = loads.demand[j], weighted = loads.weightedDistance[j];
    totalAssigned += demand;
    totalWeighted += weighted;
    // A site that serves nothing is divided by 0.01 so that its average reads 0.
    const Extended average = weighted / (demand != 0 ? demand : 0.01L);
    section.lines.push_back(IntRight(++count, 3) + "   " + IntRight(j, 4) + "   " + Coordinates(m.Node(j), 6, 6) +
                            "   " + ReportNumber(demand, 14, 0, 14) + "    " + ReportNumber(weighted, 14, 0, 14) + "    " +
                            ReportNumber(average, 14, 2, 14));
  }
  r.sections.push_back(section);
  const Extended average = m.TotalDemand != 0 ? totalWeighted / m.TotalDemand : 0;
  r.messages = {"AVERAGE WEIGHTED DISTANCE = " + ReportNumberDec(average, 10, 7),
                "TOTAL ASSIGNED DEMAND = " + ReportNumberDec(totalAssigned, 14, 11),
                "TOTAL DEMAND = " + ReportNumberDec(m.TotalDemand, 14, 11)};
  return r;
}

ListReport DemandAreaCoverage(const ModelState& m) {
  ListReport r = NamedReport("Demand Area Coverage Report", "DEMAND AREA COVERAGE REPORT");
  ReportSection covered{"COVERED NODES", {}}, uncovered{"UNCOVERED NODES", {}};
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const std::string line = IntRight(i, 3) + "     " + ReportName(m, i);
    (m.Node(i).NTIMES > 0 ? covered : uncovered).lines.push_back(line);
  }
  r.sections = {covered, uncovered};
  r.coverageWarning = CoverageWarning(m);
  return r;
}

ListReport CoverageSummary(const ModelState& m) {
  ListReport r = NamedReport("Coverage Summary Report", "COVERAGE SUMMARY REPORT");
  const CoverageHistogramResult histogram = CoverageHistogram(m);
  const int decimals = DecimalsFor(12, m.TotalDemand);
  auto row = [&](const std::string& lead, int nodes, Extended demand) {
    return lead + IntRight(nodes, 4) + std::string(7, ' ') + ReportNumber(demand, 16, decimals, 16) + std::string(6, ' ') +
           ReportNumber(Share(demand, m.TotalDemand), 10, 4, 10);
  };
  ReportSection section;
  int counted = 0;
  for (int k = 0; k <= 100 && counted < m.NumDemandNodes; ++k) {
    counted += histogram.count[k];
    // Covers beyond 99 are counted together and marked "+".
    const std::string lead = IntRight(k, 4) + (k > 99 ? "+        " : "         ");
    section.lines.push_back(row(lead, histogram.count[k], histogram.demand[k]));
  }
  section.lines.push_back(" -----");
  section.lines.push_back(row(" TOTAL       ", m.NumDemandNodes, m.TotalDemand));
  r.sections.push_back(section);
  const Extended coveredPercent = Share(CoveredDemand(m), m.TotalDemand);
  r.messages = {ReportNumberDec(coveredPercent, 13, 7) + " PERCENT OF DEMANDS COVERED"};
  r.coverageWarning = CoverageWarning(m);
  return r;
}

ListReport DominatedNodesSummary(const ModelState& m) {
  ListReport r = NamedReport("Dominated Nodes Summary", "DOMINATED NODES REPORT");
  ReportSection section;
  int count = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Dominated) section.lines.push_back(IntRight(++count, 3) + " ==> " + IntRight(j, 3));
  if (count == 0) section.lines = {"No Dominated Nodes Identified"};
  r.sections.push_back(section);
  return r;
}

}  // namespace korvelan
