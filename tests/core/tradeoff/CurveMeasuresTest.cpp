// ICP and IPF of covering-median curves: a curve worked out by hand, the same
// integrals taken numerically, and the guards for curves without a spread.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tradeoff/CurveMeasures.h"

using namespace korvelan;

namespace {

// x = percent uncovered, y = average distance; in ascending x.
const std::vector<CurvePoint> HandCurve = {{0, 10}, {20, 4}, {50, 0}};

// The integral over w in [0, 1] of the smallest value(w, point), by the midpoint rule.
template <typename Value>
double Integral(const std::vector<CurvePoint>& points, Value value) {
  const int steps = 200000;
  double total = 0;
  for (int s = 0; s < steps; ++s) {
    const double w = (s + 0.5) / steps;
    double best = 1e300;
    for (const CurvePoint& p : points) best = std::min(best, value(w, p));
    total += best / steps;
  }
  return total;
}

// The measures from their definitions: the best weighted sum, and the best
// weighted Tchebycheff value.
double NumericICP(const std::vector<CurvePoint>& points) {
  return Integral(points, [](double w, const CurvePoint& p) { return w * p.x + (1 - w) * p.y; });
}

double NumericIPF(const std::vector<CurvePoint>& points) {
  return Integral(points, [](double w, const CurvePoint& p) { return std::max(w * p.x, (1 - w) * p.y); });
}

// Covered demand c and total distance d of a point with T = 100 for (x, y).
TradeoffPoint PointFor(const CurvePoint& q) {
  TradeoffPoint p;
  p.SecondValue = 100 - q.x;
  p.FirstValue = q.y * 100;
  return p;
}

ModelState CurveModel(const std::vector<CurvePoint>& points) {
  ModelState m;
  m.TotalDemand = 100;
  // The list holds ascending covered demand, that is descending x.
  for (auto q = points.rbegin(); q != points.rend(); ++q) m.Tradeoff.TradeoffList.push_back(PointFor(*q));
  return m;
}

TEST(CurveMeasures, HandComputedThreePointCurve) {
  // Hull weights 2/17 and 3/13; ICP = 198900 / 48841. IPF: a = 1, 1/6, 0 and
  // b = 1/3, 2/27 give 95/27.
  EXPECT_NEAR(CurveICP(HandCurve), 198900.0 / 48841.0, 1e-12);
  EXPECT_NEAR(CurveIPF(HandCurve), 95.0 / 27.0, 1e-12);
  ModelState m = CurveModel(HandCurve);
  ComputeCurveMeasures(m);
  EXPECT_NEAR(m.Tradeoff.CurrentICP, 198900.0 / 48841.0, 1e-12);
  EXPECT_NEAR(m.Tradeoff.CurrentIPF, 95.0 / 27.0, 1e-12);
  // Normalised: (0, 1), (0.4, 0.4), (1, 0): ICP 0.24, IPF 13/70.
  EXPECT_NEAR(m.Tradeoff.CurrentICPNormalized, 0.24, 1e-12);
  EXPECT_NEAR(m.Tradeoff.CurrentIPFNormalized, 13.0 / 70.0, 1e-12);
}

TEST(CurveMeasures, FormulasMatchTheIntegralsTheyStandFor) {
  const std::vector<std::vector<CurvePoint>> curves = {
      HandCurve,
      {{0, 9}, {5, 8.5}, {10, 3}, {40, 2}, {70, 0.5}},  // a point above the hull
      {{2, 30}, {3, 12}, {8, 6}, {30, 5.5}},
      {{0, 1}, {0.4, 0.4}, {1, 0}},
  };
  for (const auto& curve : curves) {
    EXPECT_NEAR(CurveICP(curve), NumericICP(curve), 1e-6);
    EXPECT_NEAR(CurveIPF(curve), NumericIPF(curve), 1e-6);
  }
}

TEST(CurveMeasures, CurvesWithoutSpreadGiveOne) {
  const std::vector<std::vector<CurvePoint>> curves = {
      {},
      {{10, 5}},
      {{10, 5}, {10, 5}},             // two equal points
      {{0, 5}, {20, 3}, {30, 5}},     // equal end distances
      {{10, 9}, {20, 3}, {10, 1}},    // equal end coverage
  };
  for (const auto& curve : curves) {
    ModelState m = CurveModel(curve);
    ComputeCurveMeasures(m);
    EXPECT_EQ(m.Tradeoff.CurrentICP, 1.0);
    EXPECT_EQ(m.Tradeoff.CurrentICPNormalized, 1.0);
    EXPECT_EQ(m.Tradeoff.CurrentIPF, 1.0);
    EXPECT_EQ(m.Tradeoff.CurrentIPFNormalized, 1.0);
  }
}

TEST(CurveMeasures, EqualCoverageInsideTheCurveAndNoDemandStayFinite) {
  ModelState m = CurveModel({{0, 10}, {20, 6}, {20, 4}, {50, 0}});  // two points with the same x
  ComputeCurveMeasures(m);
  for (double v : {m.Tradeoff.CurrentICP, m.Tradeoff.CurrentICPNormalized, m.Tradeoff.CurrentIPF,
                   m.Tradeoff.CurrentIPFNormalized})
    EXPECT_TRUE(std::isfinite(v));
  EXPECT_NEAR(m.Tradeoff.CurrentICP, NumericICP({{0, 10}, {20, 4}, {50, 0}}), 1e-6);
  ModelState empty = CurveModel(HandCurve);
  empty.TotalDemand = 0;
  ComputeCurveMeasures(empty);
  EXPECT_EQ(empty.Tradeoff.CurrentICP, 1.0);
  EXPECT_EQ(empty.Tradeoff.CurrentIPF, 1.0);
}

}  // namespace
