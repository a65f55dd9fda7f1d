#include "reports/BasicResults.h"

#include <cmath>
#include <string_view>

#include "reports/ListReport.h"
#include "solve/Clock.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

const char* const kNA = "N/A";

bool IsCoveringCode(char code) { return std::string_view("CSP%&").find(code) != std::string_view::npos; }

// What the run fills in: full bounds, or only the counts and the time.
enum class Filled { Nothing, Counts, Bounds };

Filled FilledFor(const ModelState& m) {
  const char code = m.ReportProblemCode;
  const bool exact = m.SolutionClass == 2;
  switch (code) {
    case 'C': return exact ? Filled::Bounds : Filled::Nothing;
    case 'M': return m.SolutionClass != 1 && m.MedianAlgorithm == 'L' ? Filled::Bounds : Filled::Nothing;
    case 'F': return m.SolutionClass != 1 && m.FixedAlgorithm == 'L' ? Filled::Bounds : Filled::Nothing;
    case 'V': return exact ? Filled::Bounds : Filled::Nothing;
    case 'S': case 'P': case '%': case '&': case 'D': return exact ? Filled::Counts : Filled::Nothing;
    default: return Filled::Nothing;
  }
}

// The deepest level branch and bound may reach for the family; -1 without a limit.
int TreeDepthLimit(const ModelState& m) {
  const char code = m.ReportProblemCode;
  if (IsCoveringCode(code) || code == 'M' || code == 'D') return m.Covering.DepthVar;
  if (code == 'F') return m.Fixed.DepthVar;
  return -1;
}

bool DepthLimited(const ModelState& m) {
  return FilledFor(m) != Filled::Nothing && m.BranchAndBoundOn && TreeDepthLimit(m) != -1;
}

std::string PlainApproach(const ModelState& m) {
  const char code = m.ReportProblemCode;
  const int cls = m.SolutionClass;
  const bool addFirst = m.AddFirst == 'A';
  const bool each = m.MedianTiming == 'E';
  switch (code) {
    case 'C': return cls == 0 ? "COVERING - HEURISTIC" : cls == 1 ? "COVERING - MANUAL" : "COVERING - LAGRANGIAN";
    case 'S': return cls == 2 ? "SET COVERING" : "HEURISTIC SET COVERING";
    case 'P': return cls == 2 ? "P-CENTER" : "HEURISTIC P-CENTER";
    case '%': return cls == 2 ? "PARTIAL P-CENTER" : "HEUR. PARTIAL P-CENTER";
    case '&': return cls == 2 ? "PARTIAL SET COVERING" : "HEUR. PARTIAL SET COV.";
    case 'D': return "Covering-Median Tradeoff";
    case 'V': return cls == 2 ? "Brask LOC/INV - LAGRANGIAN" : "Brask LOC/INV - MANUAL";
    case 'M':
      if (cls == 1) return "MEDIAN - MANUAL";
      switch (m.MedianAlgorithm) {
        case 'E': return each ? "MEDIAN - EXCHANGE Each" : "MEDIAN - EXCHANGE Last";
        case 'L': return "MEDIAN - LAGRANGIAN";
        case 'N': return each ? "MEDIAN - NEIGHBORHOOD Each" : "MEDIAN - NEIGHBORHOOD Last";
        case 'T': return "MEDIAN - GENETIC";
        default: return "MEDIAN - MYOPIC";
      }
    case 'F':
      if (cls == 1) return "FIXED CHARGE - MANUAL";
      switch (m.FixedAlgorithm) {
        case 'D': return "FIXED CHARGE - DROP";
        case 'E': return addFirst ? "FIXED CHARGE - ADD/EXCH." : "FIXED CHARGE - DROP/EXCH.";
        case 'L': return "FIXED CHARGE - LAGRANGIAN";
        case 'N': return addFirst ? "FIXED CHARGE - ADD/NEIGH." : "FIXED CHARGE - DROP/NEIGH.";
        default: return "FIXED CHARGE - ADD";
      }
    default: return kNA;
  }
}

std::string BoundText(const ModelState& m, Extended value) {
  if (IsCoveringCode(m.ReportProblemCode)) return FormatNumber(value, 20, DecimalsFor(12, value));
  return FormatNumber(value, 17, DecimalsFor(13, value));
}

Extended PercentDifference(Extended upper, Extended lower) {
  Extended percent = lower > 0 ? 100 * (upper - lower) / lower : (upper > 0 ? 1e8L : 0);
  if (percent < 0 && -percent < 1e-10L) percent = -percent;
  return percent;
}

std::string NumberOfFacilities(const ModelState& m) {
  const std::string located = std::to_string(m.NumLocated);
  if (m.ReportProblemCode != 'F' && m.ReportProblemCode != 'V') return located;
  if (m.FixedNumberToLocate < 0) return "  ? / " + located;
  return std::to_string(m.FixedNumberToLocate) + " / " + located;
}

std::string OrNA(const std::string& text) { return text.empty() ? kNA : text; }

std::vector<ResultRow> FileRows(const ModelState& m) {
  const Extended coverage = static_cast<Extended>(m.CoverageDistance) / FixedPointScale;
  ResultRow coverageRow{"Coverage Distance", FormatNumber(coverage, 10, DecimalsFor(6, coverage)), "", false};
  if (m.ReportProblemCode == '%' && m.DoWeightedFlag) coverageRow.extra = "Dem Wtd";
  return {
      {"Name of Main File", OrNA(m.DemandFileName), "", false},
      {"Name of Secondary File", OrNA(m.ExtraSitesFileName), "", false},
      // The file read, or the file the computed distances were saved to.
      {"Distance File Name", OrNA(m.DistanceFileName), "", false},
      {"Number of Nodes", std::to_string(m.NumDemandNodes) + " / " + std::to_string(m.Numbnodes), "", false},
      {"Demand Fraction", FormatFixed(m.DemandWeight, 7, 4), "", false},
      {"Number of Facilities", NumberOfFacilities(m), "", false},
      coverageRow,
  };
}

bool RootForcingShown(const ModelState& m) {
  const char code = m.ReportProblemCode;
  if (code == 'F') return m.SolutionClass == 2 && m.FixedAlgorithm == 'L' && m.Fixed.RootNodeBox;
  return m.SolutionClass == 2 && (IsCoveringCode(code) || code == 'M' || code == 'D') && m.Covering.RootNodeBox;
}

std::vector<ResultRow> ForcingRows(const ModelState& m) {
  auto count = [](const char* label, int n) { return ResultRow{label, std::to_string(n), "", n != 0}; };
  std::vector<ResultRow> rows = {count("# Forced In", m.ForcedCount), count("# Forced Out", m.ExcludedCount),
                                 count("# Initialized", m.InitialCount)};
  const bool fromFile = m.InitialCount > 0 && !m.InitialSolutionFileName.empty();
  rows.push_back({"Initial File Name", fromFile ? m.InitialSolutionFileName : kNA, "", false});
  if (RootForcingShown(m))
    rows.push_back({"Root Node Forcing", "IN " + std::to_string(m.RootForcedIn),
                    "OUT " + std::to_string(m.RootForcedOut), false});
  return rows;
}

std::vector<ResultRow> BoundRows(const ModelState& m) {
  const Filled filled = FilledFor(m);
  const bool bounds = filled == Filled::Bounds, counts = filled != Filled::Nothing;
  const bool manualIntegrated = m.ReportProblemCode == 'V' && m.SolutionClass != 2;
  ResultRow upper{"Upper Bound", bounds ? BoundText(m, m.RunUpperBound) : kNA, "", false};
  ResultRow lower{"Lower Bound", bounds ? BoundText(m, m.RunLowerBound) : kNA, "", false};
  if (bounds && m.ReportProblemCode == 'M') {
    upper.extra = BoundText(m, m.MedianUpperTotal);
    lower.extra = BoundText(m, m.MedianLowerTotal);
  }
  if (manualIntegrated) upper.value = "N/A -- See TOTAL COST in Hidden Report";
  const Extended percent = PercentDifference(m.RunUpperBound, m.RunLowerBound);
  const double seconds = WrapElapsed(m.RunEnd - m.RunStart);
  std::vector<ResultRow> rows = {
      {"Solution Approach", ApproachLabel(m), ApproachExtra(m), DepthLimited(m)},
      upper,
      lower,
      {"Percent Differnce", bounds ? FormatNumber(percent, 17, DecimalsFor(13, percent)) : kNA, "", false},
      {"Iterations", counts ? std::to_string(m.RunIterations) : kNA, "", false},
  };
  if (m.BranchAndBoundOn) rows.push_back({"B+B Nodes", counts ? std::to_string(m.RunBranchNodes) : kNA, "", false});
  rows.push_back({"Solution Time", counts ? FormatNumber(seconds, 13, 2) : kNA, "", false});
  return rows;
}

std::vector<ResultRow> OtherRows(const ModelState& m) {
  const char code = m.ReportProblemCode;
  std::vector<ResultRow> rows;
  if (!(code == 'V' && HasFixedCosts(m)))
    rows.push_back({"Cost/Mile", FormatNumber(m.CostPerMile, 17, DecimalsFor(13, m.CostPerMile)), "", false});
  if (code == 'M' || code == 'F' || code == 'D' || code == 'V') {
    ResultRow added{"Added Constant", kNA, "", false};
    if (m.AddedConstant != 0 && m.SolutionClass != 1) {
      added.value = FormatNumber(m.AddedConstant, 16, DecimalsFor(10, m.AddedConstant));
      added.extra = m.AddedConstantMultiplied ? "Multiplied by $/mile" : "Not Multiplied by $/mile";
    }
    rows.push_back(added);
  }
  if (code == '%' || code == '&') {
    if (m.CoverTypeCode == 'N')
      rows.push_back({"# Nodes to Cover", std::to_string(m.NodesToCover), "", false});
    else
      rows.push_back({"Fraction to cover", FormatNumber(m.CoverFraction, 10, 6), "", false});
    rows.push_back({"\"Full\" Cov Possible?", m.FullCoverage ? "YES" : "NO", "", false});
  }
  if (code == 'C' && m.SolutionClass == 0)
    rows.push_back({"Dominated Nodes?", m.Covering.ExcludeDominatedNodes ? "Yes" : " NO", "", false});
  return rows;
}

std::string SettingsFamily(const ModelState& m) {
  const char code = m.ReportProblemCode;
  const bool exact = m.SolutionClass == 2;
  if ((IsCoveringCode(code) || code == 'D') && exact) return code == 'D' ? "median" : "covering";
  if (code == 'M' && m.MedianAlgorithm == 'L') return "median";
  if (code == 'F' && m.FixedAlgorithm == 'L') return "fixed";
  if (code == 'V' && exact) return "invloc";
  return {};
}

void AddPrintRow(std::vector<std::string>& lines, const ResultRow& row) {
  std::string line = row.label + "   " + row.value;
  if (!row.extra.empty()) line += "   " + row.extra;
  lines.push_back(line);
}

}  // namespace

std::string ApproachLabel(const ModelState& m) {
  const std::string label = PlainApproach(m);
  return DepthLimited(m) ? "HEUR. " + label : label;
}

std::string ApproachExtra(const ModelState& m) {
  if (DepthLimited(m)) return "Max. Allowable Tree Depth = " + std::to_string(TreeDepthLimit(m));
  if (m.ReportProblemCode == 'C' && m.SolutionClass == 0) {
    if (!m.DoSubstitution) return "NO SUBSTITUTION";
    return m.ExchangeEveryIteration ? "EACH ITERATION" : "FINAL TIME ONLY";
  }
  return {};
}

BasicResults BuildBasicResults(const ModelState& m) {
  BasicResults r;
  r.files = FileRows(m);
  r.forcing = ForcingRows(m);
  r.bounds = BoundRows(m);
  r.other = OtherRows(m);
  r.lowerBoundReset = m.LowerBoundResetInForcing != 0;
  r.settingsFamily = SettingsFamily(m);
  return r;
}

std::vector<std::string> BasicResultsPrintLines(const BasicResults& results) {
  std::vector<std::string> lines;
  for (const ResultRow& row : results.files) AddPrintRow(lines, row);
  lines.emplace_back();
  for (const ResultRow& row : results.forcing) AddPrintRow(lines, row);
  lines.emplace_back();
  for (const ResultRow& row : results.bounds) {
    AddPrintRow(lines, row);
    if (row.label == "Lower Bound")
      lines.push_back(results.lowerBoundReset ? "          Lower bound reset in forcing" : "");
  }
  lines.emplace_back();
  for (const ResultRow& row : results.other) AddPrintRow(lines, row);
  return lines;
}

}  // namespace korvelan
