#include "tradeoff/TradeoffTables.h"

#include <algorithm>

#include "reports/ReportPrinting.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

const std::string NotAvailable = "N/A";

std::string Number(Extended x, int precision, int decimals, int width) {
  return PadLeft(FormatNumber(x, precision, decimals), width);
}

// numerator / denominator x 100 in number style, or "N/A" when the denominator is 0.
std::string Percent(Extended numerator, Extended denominator, int precision, int decimals, int width) {
  if (denominator == 0) return PadLeft(NotAvailable, width);
  return Number(numerator * 100 / denominator, precision, decimals, width);
}

std::vector<std::string> PresetWarnings(const ModelState& m) {
  if (m.PresetCount == 0) return {};
  return {"<<<   Some Nodes Forced In or Initialized   >>>", "<<< Tradeoff curve values may be misleading >>>"};
}

int FirstCount(const ModelState& m) { return std::max(1, m.Tradeoff.FirstCurveCount); }

TradeoffTableText Table(const ModelState& m, const char* caption, const char* heading, const char* title) {
  return {caption, heading, title, {}, PresetWarnings(m)};
}

Extended CurveValue(const ModelState& m, int k) { return m.CostByCount[k]; }

}  // namespace

TradeoffTableText CoverTradeoffTable(const ModelState& m) {
  TradeoffTableText t = Table(m, "Coverage Tradeoff", "No. Facilities     Coverage        Increment       Percent",
                              "COVERAGE TRADEOFF REPORT");
  const int d = DecimalsFor(10, CurveValue(m, m.NumLocated));
  for (int k = FirstCount(m); k <= m.NumLocated; ++k) {
    const std::string increment =
        k == FirstCount(m) ? "          ---" : Number(CurveValue(m, k) - CurveValue(m, k - 1), 13, d, 13);
    t.lines.push_back(IntRight(k, 7) + std::string(7, ' ') + Number(CurveValue(m, k), 13, d, 13) + "    " + increment +
                      "     " + Percent(CurveValue(m, k), m.TotalDemand, 10, 5, 10));
  }
  return t;
}

TradeoffTableText MedianTradeoffTable(const ModelState& m) {
  TradeoffTableText t =
      Table(m, "Median Tradeoff Curve", "No.Facilities   Average Distance   Improvement", "DISTANCE TRADEOFF REPORT");
  const int first = FirstCount(m);
  const int d = DecimalsFor(10, CurveValue(m, first));
  for (int k = first; k <= m.NumLocated; ++k) {
    const std::string head = IntRight(k, 7) + std::string(7, ' ') + Number(CurveValue(m, k), 13, d, 13);
    t.lines.push_back(k == first ? head + "   " + "          ---"
                                 : head + "    " + Number(CurveValue(m, k - 1) - CurveValue(m, k), 13, d, 13));
  }
  return t;
}

TradeoffTableText FixedTradeoffTable(const ModelState& m) {
  TradeoffTableText t = Table(m, "Fixed Tradeoff Curve", "No. Facilities     Total Cost     Improvement     % Over Best",
                              "FIXED COST TRADEOFF REPORT");
  const int first = FirstCount(m);
  if (first > m.NumLocated) return t;
  Extended best = CurveValue(m, first), largest = best;
  for (int k = first; k <= m.NumLocated; ++k) {
    best = std::min(best, CurveValue(m, k));
    largest = std::max(largest, CurveValue(m, k));
  }
  Extended spread = 0;  // the largest share above the cheapest count
  if (best != 0)
    for (int k = first; k <= m.NumLocated; ++k) spread = std::max(spread, (CurveValue(m, k) - best) / best);
  const int d2 = DecimalsFor(10, largest);
  const int d = std::min(4, DecimalsFor(10, spread * 100));
  for (int k = first; k <= m.NumLocated; ++k) {
    const std::string head = IntRight(k, 7) + std::string(10, ' ') + Number(CurveValue(m, k), 13, d2, 13) + "   ";
    const Extended above = CurveValue(m, k) - best;
    t.lines.push_back(k == first ? head + "      ---" + "   " + Percent(above, best, 13, d, 13)
                                 : head + Number(CurveValue(m, k - 1) - CurveValue(m, k), 13, d2, 13) + "   " +
                                       Percent(above, best, 10, 5, 10));
  }
  return t;
}

TradeoffTableText TradeoffTableFor(const ModelState& m) {
  switch (m.ProblemCode) {
    case 'M': return MedianTradeoffTable(m);
    case 'F': return FixedTradeoffTable(m);
    default: return CoverTradeoffTable(m);
  }
}

bool PrintTradeoffTable(PrintSink& sink, const TradeoffTableText& table) {
  PrintTitleBlock(sink, table.printTitle);
  const PrintFont plain;
  PrintFont bold;
  bold.bold = true;
  sink.Line(table.heading, bold);
  sink.Line("", plain);
  for (const std::string& line : table.lines) sink.Line(line, plain);
  if (!table.warnings.empty()) {
    sink.Line("", plain);
    sink.Line("", plain);
  }
  for (const std::string& warning : table.warnings) sink.Line(warning, plain);
  return sink.Finish();
}

CenterMedianTableText CenterMedianTradeoffTable(const ModelState& m) {
  const TradeoffSettings& s = m.Tradeoff;
  CenterMedianTableText t;
  t.caption = "Covering Median Tradeoff";
  t.heading = "-No.  ---Average  /   % Covered  /  -----Weight";
  t.noFacilities = "Number of Facilities = " + std::to_string(m.NumLocated);
  t.coverageDistance = "Coverage Distance = " + FormatNumber(static_cast<Extended>(m.CoverageDistance) / FixedPointScale, 10, 2);
  const std::string rule = "--------------------------------------";
  t.measures = {"ICP and IPF Values Below",
                rule,
                "ICP Value = " + FormatNumber(s.CurrentICP, 9, 6),
                "IPF Value = " + FormatNumber(s.CurrentIPF, 9, 6),
                " ",
                "ICP Value NORM. = " + FormatNumber(s.CurrentICPNormalized, 9, 6),
                "IPF Value NORM. = " + FormatNumber(s.CurrentIPFNormalized, 9, 6),
                rule};
  int n = 0;
  for (const TradeoffPoint& p : s.TradeoffList) {
    const std::string average =
        m.TotalDemand != 0 ? Number(p.FirstValue / m.TotalDemand, 10, 3, 10) : PadLeft(NotAvailable, 10);
    t.rows.push_back(IntRight(++n, 4) + "  " + average + "  /  " + Percent(p.SecondValue, m.TotalDemand, 10, 5, 10) +
                     "  /  " + Number(p.PointWeight, 10, 2, 10));
  }
  return t;
}

std::vector<std::string> CenterMedianLocations(const ModelState& m, int row) {
  const std::vector<TradeoffPoint>& list = m.Tradeoff.TradeoffList;
  std::vector<std::string> lines;
  if (row < 0 || row >= static_cast<int>(list.size())) return lines;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (list[row].Located(j)) lines.push_back(IntRight(j, 4) + "  " + m.Node(j).NodeName);
  return lines;
}

std::string CenterMedianLocationCaption() { return "Locations in box below for solution with characteristics:"; }

bool PrintCenterMedianTable(PrintSink& sink, const CenterMedianTableText& table, int selectedRow,
                            const std::vector<std::string>& locations) {
  PrintTitleBlock(sink, "CENTER MEDIAN TRADEOFF REPORT");
  const PrintFont plain;
  PrintFont bold;
  bold.bold = true;
  const auto blank = [&](int n) {
    for (int i = 0; i < n; ++i) sink.Line("", plain);
  };
  for (const std::string& line : {table.noFacilities, table.coverageDistance}) sink.Line(line, bold);
  sink.Line("", bold);
  sink.Line(table.heading, bold);
  blank(1);
  for (const std::string& row : table.rows) sink.Line(row, plain);
  blank(3);
  if (selectedRow >= 0) {
    sink.Line("LOCATIONS FOR SOLUTION " + std::to_string(selectedRow + 1) + " BELOW", bold);
    blank(1);
    for (const std::string& line : locations) sink.Line(line, plain);
    blank(3);
  }
  for (const std::string& line : table.measures) sink.Line(line, plain);
  return sink.Finish();
}

}  // namespace korvelan
