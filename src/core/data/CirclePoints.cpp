#include "data/CirclePoints.h"

#include <cmath>
#include <optional>

#include "solve/TextFormat.h"

namespace korvelan {

namespace {

struct Centre {
  double x = 0;
  double y = 0;
};

// " D " followed by the radius, grouped, 8 significant digits, 2 decimals.
std::string RadiusText(const Centre& c, const LoadedNode& a) {
  const double r = std::sqrt((c.x - a.XCoord) * (c.x - a.XCoord) + (c.y - a.YCoord) * (c.y - a.YCoord));
  return " D " + FormatNumber(r, 8, 2);
}

LoadedNode CirclePoint(const Centre& c, const std::string& name) {
  LoadedNode point;
  point.XCoord = c.x;
  point.YCoord = c.y;
  point.NodeName = name;
  return point;
}

// Centre of the circle through a, b and k, from the perpendicular bisectors of
// ab and ak; none when the three points are collinear.
std::optional<Centre> Circumcentre(const LoadedNode& a, const LoadedNode& b, const LoadedNode& k) {
  const double g = 2 * (b.XCoord - a.XCoord), t = 2 * (b.YCoord - a.YCoord);
  const double v = 2 * (k.XCoord - a.XCoord), m = 2 * (k.YCoord - a.YCoord);
  const double det = g * m - t * v;
  if (det == 0) return std::nullopt;
  const double aa = a.XCoord * a.XCoord + a.YCoord * a.YCoord;
  const double e = b.XCoord * b.XCoord + b.YCoord * b.YCoord - aa;
  const double u = k.XCoord * k.XCoord + k.YCoord * k.YCoord - aa;
  return Centre{(m * e - t * u) / det, (g * u - v * e) / det};
}

}  // namespace

bool CirclePointsOffered(int demandNodes) {
  const long long n = demandNodes;
  return n + n * (n - 1) / 2 + n * (n - 1) * (n - 2) / 6 <= MaxNodes;
}

bool CirclePointsOffered(char metric, int demandNodes) {
  return metric == 'E' && CirclePointsOffered(demandNodes);
}

std::string CirclePointsProblem(char metric, int demandNodes) {
  if (CirclePointsOffered(metric, demandNodes)) return {};
  if (metric != 'E') return "Circle points are offered for Euclidean data only";
  int most = 1;
  while (CirclePointsOffered(most + 1)) ++most;
  return "Circle points are offered only when every point fits in the node table: " +
         std::to_string(demandNodes) + " demand nodes are too many (at most " + std::to_string(most) + ")";
}

std::vector<LoadedNode> CirclePoints(const std::vector<LoadedNode>& demandNodes, int limit) {
  std::vector<LoadedNode> points;
  const int n = static_cast<int>(demandNodes.size());
  auto full = [&] { return static_cast<int>(points.size()) >= limit; };
  for (int i = 1; i <= n && !full(); ++i) {
    for (int j = i + 1; j <= n && !full(); ++j) {
      const LoadedNode &a = demandNodes[i - 1], &b = demandNodes[j - 1];
      const Centre mid{(a.XCoord + b.XCoord) / 2, (a.YCoord + b.YCoord) / 2};
      points.push_back(CirclePoint(mid, "P " + IntRight(i, 3) + IntRight(j, 3) + RadiusText(mid, a)));
    }
  }
  for (int i = 1; i <= n && !full(); ++i) {
    for (int j = i + 1; j <= n && !full(); ++j) {
      for (int k = j + 1; k <= n && !full(); ++k) {
        const LoadedNode& a = demandNodes[i - 1];
        const std::optional<Centre> c = Circumcentre(a, demandNodes[j - 1], demandNodes[k - 1]);
        if (!c) continue;
        points.push_back(
            CirclePoint(*c, "T " + IntRight(i, 3) + IntRight(j, 3) + IntRight(k, 3) + RadiusText(*c, a)));
      }
    }
  }
  return points;
}

}  // namespace korvelan
