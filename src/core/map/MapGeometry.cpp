#include "map/MapGeometry.h"

#include <algorithm>

namespace korvelan {

namespace {

struct CoordinateBox {
  double minX, maxX, minY, maxY;
  bool Within(double x0, double x1, double y0, double y1) const {
    return minX >= x0 && maxX <= x1 && minY >= y0 && maxY <= y1;
  }
};

CoordinateBox NodeBox(const ModelState& m) {
  CoordinateBox box{m.Node(1).XCoord, m.Node(1).XCoord, m.Node(1).YCoord, m.Node(1).YCoord};
  for (int i = 2; i <= m.Numbnodes; ++i) {
    box.minX = std::min(box.minX, m.Node(i).XCoord);
    box.maxX = std::max(box.maxX, m.Node(i).XCoord);
    box.minY = std::min(box.minY, m.Node(i).YCoord);
    box.maxY = std::max(box.maxY, m.Node(i).YCoord);
  }
  return box;
}

bool LiftsPen(const BorderPoint& p) { return p.x == BorderPenUp || p.y == BorderPenUp; }

}  // namespace

double MapXSign(const ModelState& m, bool invert) {
  double sign = 1.0;
  if (m.MetricCode == 'G' && m.Numbnodes >= 1) {
    const CoordinateBox box = NodeBox(m);
    if (box.Within(49, 174, -4, 78) || box.Within(-25, 17, 28, 62)) sign = -1.0;
  }
  return invert ? -sign : sign;
}

MapPoint PlottedPosition(const ModelState& m, int n, double sign) {
  return {sign * m.Node(n).XCoord, m.Node(n).YCoord};
}

std::vector<MapArrow> BorderArrows(const std::vector<BorderPoint>& border, double sign) {
  std::vector<MapArrow> arrows;
  for (std::size_t k = 1; k < border.size(); ++k) {
    const BorderPoint& p = border[k - 1];
    const BorderPoint& q = border[k];
    if (LiftsPen(p) || LiftsPen(q)) continue;
    arrows.push_back({sign * p.x, p.y, sign * q.x, q.y, MapGray, 0});
  }
  return arrows;
}

int NodeAtPlotted(const ModelState& m, double sign, double x, double y) {
  for (int i = 1; i <= m.Numbnodes; ++i) {
    const MapPoint p = PlottedPosition(m, i, sign);
    if (p.x == x && p.y == y) return i;
  }
  return 0;
}

bool ValidFacility(const ModelState& m, int f) { return f >= 1 && f <= m.Numbnodes; }

MapScene::MapScene() {
  const char* names[MapSeriesCount] = {"BorderSeries", "AssignmentSeries", "DemandSeries",
                                       "SiteSeries",   "PlantAssignments", "Plants"};
  for (int k = 0; k < MapSeriesCount; ++k) {
    series[k].name = names[k];
    series[k].arrows = k == BorderSeries || k == AssignmentSeries || k == PlantAssignments;
  }
}

bool MapScene::Empty() const {
  return std::all_of(series.begin(), series.end(), [](const MapSeries& s) { return s.marks.empty() && s.lines.empty(); });
}

}  // namespace korvelan
