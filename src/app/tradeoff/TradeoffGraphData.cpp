#include "tradeoff/TradeoffGraphData.h"

#include <algorithm>
#include <cmath>

#include "solve/TextFormat.h"

namespace korvelan::app {

namespace {

// part x 100 / whole; a whole of 0 (no demand, or nothing covered) draws 0, never
// an infinite or undefined height.
double Percent(Extended part, Extended whole) {
  return whole == 0 ? 0.0 : static_cast<double>(part * 100 / whole);
}

double Ratio(Extended part, Extended whole) { return whole == 0 ? 0.0 : static_cast<double>(part / whole); }

std::string CoverageDistanceLine(const ModelState& m) {
  return "Coverage Distance = " + FormatNumber(static_cast<Extended>(m.CoverageDistance) / FixedPointScale, 6, 0);
}

char CurveCode(const ModelState& m) { return m.ReportProblemCode == 'D' ? 'D' : m.ProblemCode; }

// The facility counts of a 'C', 'M' or 'F' curve that hold a value: from 1 (or
// where a stopped drop curve ended) to NumLocated.
int FirstCount(const ModelState& m) { return std::max(1, m.Tradeoff.FirstCurveCount); }

// CostByCount against the facility count, as a percent of `whole`.
std::vector<GraphPoint> CountPercents(const ModelState& m, Extended whole) {
  std::vector<GraphPoint> points;
  for (int k = FirstCount(m); k <= m.NumLocated; ++k) points.push_back({static_cast<double>(k), Percent(m.CostByCount[k], whole)});
  return points;
}

std::vector<GraphPoint> CountValues(const ModelState& m) {
  std::vector<GraphPoint> points;
  for (int k = FirstCount(m); k <= m.NumLocated; ++k)
    points.push_back({static_cast<double>(k), static_cast<double>(m.CostByCount[k])});
  return points;
}

GraphAxis FacilityAxis(const ModelState& m) { return {"Number of Facilities", 0.0, static_cast<double>(m.NumLocated)}; }

GraphData CoveringLine(const ModelState& m) {
  GraphData g;
  g.title = {"Tradeoff Curve", CoverageDistanceLine(m)};
  const bool allDemandReached = m.CostByCount[m.NumLocated] == m.TotalDemand;
  g.left = {allDemandReached ? "Percent Coverage" : "Covered Demand", 0.0, std::nullopt};
  g.bottom = FacilityAxis(m);
  g.points.push_back({0, 0});
  const std::vector<GraphPoint> curve =
      allDemandReached ? CountPercents(m, m.CostByCount[m.NumLocated]) : CountValues(m);
  g.points.insert(g.points.end(), curve.begin(), curve.end());
  return g;
}

GraphData CoveringMedianLine(const ModelState& m) {
  GraphData g;
  g.title = {"Covering Median Tradeoff Curve"};
  g.points = CoveringMedianPoints(m);
  std::vector<double> percents;
  for (const GraphPoint& p : g.points) percents.push_back(p.y);
  g.left = PercentBracket(percents);
  g.left.title = "Percent Coverage";
  g.bottom = {"Average Distance", std::nullopt, std::nullopt};
  g.coveringMedian = true;
  return g;
}

}  // namespace

std::vector<GraphPoint> CoveringMedianPoints(const ModelState& m) {
  std::vector<GraphPoint> points;
  for (const TradeoffPoint& p : m.Tradeoff.TradeoffList)
    points.push_back({Ratio(p.FirstValue, m.TotalDemand), Percent(p.SecondValue, m.TotalDemand)});
  return points;
}

GraphAxis PercentBracket(const std::vector<double>& percents) {
  double largest = -100;
  double smallest = 200;
  for (double c : percents) {
    largest = std::max(largest, c);
    smallest = std::min(smallest, c);
  }
  double hi = -5;
  while (hi < largest) hi += 5;
  double lo = 105;
  while (lo > smallest) lo -= 5;
  return {"", lo, hi};
}

GraphData LineGraphData(const ModelState& m) {
  switch (CurveCode(m)) {
    case 'C': return CoveringLine(m);
    case 'M': {
      GraphData g{{"Median Tradeoff Curve"}, {"Average Distance", 0.0, std::nullopt}, FacilityAxis(m), CountValues(m)};
      return g;
    }
    case 'F': {
      GraphData g{{"Fixed Charge Tradeoff Curve"}, {"Total Cost", 0.0, std::nullopt}, FacilityAxis(m), CountValues(m)};
      return g;
    }
    case 'D': return CoveringMedianLine(m);
    default: return {{"Tradeoff Curve"}, {"", 0.0, std::nullopt}, {"Number of Facilities", {}, {}}, {}};
  }
}

GraphData BarGraphData(const ModelState& m) {
  GraphData g{{"Tradeoff Curve"}, {"", 0.0, std::nullopt}, {"Number of Facilities", {}, {}}, {}};
  switch (CurveCode(m)) {
    case 'C':
      g.title.push_back(CoverageDistanceLine(m));
      g.left.title = "Percent Coverage";
      g.points.push_back({0, 0});
      for (const GraphPoint& p : CountPercents(m, m.CostByCount[m.NumLocated])) g.points.push_back(p);
      break;
    case 'M':
    case 'F':
      g.left.title = CurveCode(m) == 'M' ? "Average Distance" : "Total Cost";
      g.points = CountValues(m);
      break;
    case 'D':
      g.title = {"Covering Median Tradeoff Curve"};
      g.left = {"Percent Coverage", 0.0, 100.0};
      g.bottom = {"Average Distance", {}, {}};
      g.points = CoveringMedianPoints(m);
      g.coveringMedian = true;
      break;
    default: break;
  }
  return g;
}

std::vector<GraphPoint> StepPoints(const std::vector<GraphPoint>& points, bool inverted) {
  std::vector<GraphPoint> steps;
  for (size_t i = 0; i < points.size(); ++i) {
    if (i > 0) steps.push_back(inverted ? GraphPoint{points[i - 1].x, points[i].y} : GraphPoint{points[i].x, points[i - 1].y});
    steps.push_back(points[i]);
  }
  return steps;
}

std::string DataLabel(double value) {
  if (!std::isfinite(value)) return "0";
  std::string text = FormatNumber(value, 18, 2);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

int CoveringMedianPointAt(const ModelState& m, GraphPoint clicked) {
  const std::vector<GraphPoint> points = CoveringMedianPoints(m);
  for (size_t k = 0; k < points.size(); ++k)
    if (std::fabs(points[k].x - clicked.x) < 1e-5 && std::fabs(points[k].y - clicked.y) < 1e-5)
      return static_cast<int>(k) + 1;
  return 0;
}

}  // namespace korvelan::app
