#include "tradeoff/CurveMeasures.h"

#include <algorithm>
#include <cmath>

namespace korvelan {
namespace {

// a / b, or `otherwise` when b is 0 (a weight left undefined by the points).
double Ratio(double a, double b, double otherwise) { return b != 0 ? a / b : otherwise; }

// The lower convex hull walked from the last point towards the first: each step
// takes the earlier point of smallest slope -(y_l - y_k) / (x_l - x_k), the
// highest l among equal slopes. Points with the same x as the current one give no
// slope and are passed over.
std::vector<CurvePoint> LowerHull(const std::vector<CurvePoint>& p) {
  std::vector<CurvePoint> hull{p.back()};
  int k = static_cast<int>(p.size()) - 1;
  while (k > 0) {
    double best = 1e20;
    int chosen = -1;
    for (int l = k - 1; l >= 0; --l) {
      if (p[l].x == p[k].x) continue;
      const double s = -(p[l].y - p[k].y) / (p[l].x - p[k].x);
      if (s < best) best = s, chosen = l;
    }
    if (chosen < 0) break;
    hull.push_back(p[chosen]);
    k = chosen;
  }
  return hull;
}

// Integral of w x + (1 - w) y over [lo, hi].
double LinearPiece(const CurvePoint& q, double lo, double hi) {
  return q.y * (hi - lo) + (q.x - q.y) * (hi * hi - lo * lo) / 2;
}

bool Usable(double v) { return std::isfinite(v); }

}  // namespace

double CurveICP(const std::vector<CurvePoint>& points) {
  if (points.empty()) return 0;
  const std::vector<CurvePoint> hull = LowerHull(points);
  double total = 0;
  double lo = 0;
  for (size_t m = 0; m < hull.size(); ++m) {
    double hi = 1;
    if (m + 1 < hull.size()) {
      const double dy = hull[m].y - hull[m + 1].y;
      hi = std::clamp(Ratio(dy, (hull[m + 1].x - hull[m].x) + dy, lo), lo, 1.0);
    }
    total += LinearPiece(hull[m], lo, hi);
    lo = hi;
  }
  return total;
}

double CurveIPF(const std::vector<CurvePoint>& points) {
  const size_t H = points.size();
  double total = 0;
  double previousB = 1;  // b_(k-1)
  for (size_t k = 0; k < H; ++k) {
    const CurvePoint& q = points[k];
    const double a = Ratio(q.y, q.y + q.x, 0);
    const double b = k + 1 < H ? Ratio(q.y, q.y + points[k + 1].x, 0) : 0;
    total += q.y * ((a - a * a / 2) - (b - b * b / 2)) + q.x * (previousB * previousB - a * a) / 2;
    previousB = b;
  }
  return total;
}

void ComputeCurveMeasures(ModelState& m) {
  TradeoffSettings& t = m.Tradeoff;
  t.CurrentICP = t.CurrentICPNormalized = t.CurrentIPF = t.CurrentIPFNormalized = 1.0;
  const double T = static_cast<double>(m.TotalDemand);
  if (T == 0) return;
  std::vector<CurvePoint> raw;
  for (const TradeoffPoint& p : t.TradeoffList)
    raw.push_back({static_cast<double>((m.TotalDemand - p.SecondValue) * 100 / m.TotalDemand),
                   static_cast<double>(p.FirstValue / m.TotalDemand)});
  const size_t H = raw.size();
  if (H > 1 && raw[0].x >= raw[1].x) std::reverse(raw.begin(), raw.end());
  if (H <= 1 || raw[0].y == raw[H - 1].y || raw[0].x == raw[H - 1].x) return;
  std::vector<CurvePoint> normalized;
  for (const CurvePoint& q : raw)
    normalized.push_back({(raw[0].x - q.x) / (raw[0].x - raw[H - 1].x), (q.y - raw[H - 1].y) / (raw[0].y - raw[H - 1].y)});
  const double values[] = {CurveICP(raw), CurveICP(normalized), CurveIPF(raw), CurveIPF(normalized)};
  if (!std::all_of(std::begin(values), std::end(values), Usable)) return;
  t.CurrentICP = values[0];
  t.CurrentICPNormalized = values[1];
  t.CurrentIPF = values[2];
  t.CurrentIPFNormalized = values[3];
}

}  // namespace korvelan
