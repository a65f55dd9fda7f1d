#pragma once
#include <optional>
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan::app {

// What the tradeoff graphs draw, read from the model state: no widgets here, so
// every rule of a graph (titles, axes, points, guards) can be checked on its own.

struct GraphPoint {
  double x = 0;
  double y = 0;
  bool operator==(const GraphPoint&) const = default;
};

// One axis: a title and either a fixed range or an automatic one. An automatic
// axis may still keep its minimum (the value axes of the curves start at 0).
struct GraphAxis {
  std::string title;
  std::optional<double> min;  // empty: automatic minimum
  std::optional<double> max;  // empty: automatic maximum
  bool operator==(const GraphAxis&) const = default;
};

struct GraphData {
  std::vector<std::string> title;  // one entry per title line
  GraphAxis left;
  GraphAxis bottom;
  std::vector<GraphPoint> points;  // line graph: the curve; bar chart: bar positions and heights
  bool coveringMedian = false;     // a 'D' curve: its points lead to their solutions
};

// The curve of the line graph "Graph of Tradeoff Curves".
GraphData LineGraphData(const ModelState& m);
// The same curve as the bar chart "Tradeoff Curve in Bar Chart Form".
GraphData BarGraphData(const ModelState& m);

// The percent axis of a covering-median curve: from the last of 105, 100, 95, ...
// not above the smallest coverage to the first of -5, 0, 5, ... not below the largest.
GraphAxis PercentBracket(const std::vector<double>& percents);

// The corners of a line drawn in steps through the points: across, then up or
// down to the next point; inverted steps go up or down first, then across.
std::vector<GraphPoint> StepPoints(const std::vector<GraphPoint>& points, bool inverted);

// A data label in the format "#,##0.##": grouped thousands, at most two decimals.
std::string DataLabel(double value);

// The index (from 1) of the covering-median solution drawn at a clicked point,
// matched within 1e-5 on both axes; 0 when no solution lies there.
int CoveringMedianPointAt(const ModelState& m, GraphPoint clicked);

// x = average distance, y = percent of demand covered, for every point of the
// covering-median curve in list order.
std::vector<GraphPoint> CoveringMedianPoints(const ModelState& m);

}  // namespace korvelan::app
