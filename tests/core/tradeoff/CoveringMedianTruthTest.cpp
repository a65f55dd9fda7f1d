// The covering-median curve against every set of P sites on small models: its
// points are exactly the supported non-dominated (distance, coverage) outcomes,
// its ends are the exact p-median and the exact maximum covering.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "TradeoffModels.h"
#include "solve/RunHost.h"
#include "tradeoff/CoveringMedianCurve.h"
#include "tradeoff/TradeoffEngine.h"
#include "tradeoff/TradeoffForm.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

struct TruthCase {
  unsigned seed;
  int nodes;
  int demandNodes;
  int coverage;
  int P;
  int requiredSite;  // 0 for none
  int excludedSite;  // 0 for none
};

// Demands with one decimal give many non-dominated outcomes.
const TruthCase Cases[] = {
    {24, 10, 10, 3, 2, 0, 0}, {37, 10, 10, 3, 2, 0, 0}, {37, 10, 10, 3, 3, 0, 0}, {32, 10, 10, 4, 2, 0, 0},
    {28, 10, 10, 3, 3, 0, 0}, {32, 10, 10, 3, 3, 0, 0}, {3, 10, 10, 4, 2, 0, 0},  {13, 10, 10, 3, 3, 0, 0},
    {2, 10, 10, 5, 3, 0, 0},  {37, 10, 10, 3, 3, 5, 0}, {24, 10, 10, 3, 2, 0, 7}, {5, 10, 8, 6, 3, 0, 0},
};
// Demands have one decimal: values in tenths compare exactly, whatever the order of summation.
Extended Tenths(Extended x) { return static_cast<Extended>(std::llround(static_cast<double>(x * 10))); }

struct Outcomes {
  std::vector<SiteSetOutcome> all;
  explicit Outcomes(std::vector<SiteSetOutcome> outcomes) : all(std::move(outcomes)) {
    for (SiteSetOutcome& q : all) q = {Tenths(q.distance), Tenths(q.covered), q.sites};
  }
};

bool Dominates(const SiteSetOutcome& a, const SiteSetOutcome& b) {
  return a.distance <= b.distance && a.covered >= b.covered && (a.distance < b.distance || a.covered > b.covered);
}

bool NonDominated(const Outcomes& o, Extended distance, Extended covered) {
  const SiteSetOutcome p{distance, covered, {}};
  return std::none_of(o.all.begin(), o.all.end(), [&](const SiteSetOutcome& q) { return Dominates(q, p); });
}

// Some K > 0 makes distance + K x uncovered as small as for any outcome.
bool Supported(const Outcomes& o, Extended distance, Extended covered) {
  Extended lo = 0, hi = 1e300L;
  for (const SiteSetOutcome& q : o.all) {
    // distance + K (T - covered) <= q.distance + K (T - q.covered)
    const Extended du = q.covered - covered;  // coefficient of K on the left minus the right
    const Extended dd = q.distance - distance;
    if (du > 0) hi = std::min(hi, dd / du);
    else if (du < 0) lo = std::max(lo, dd / du);
    else if (dd < 0) return false;
  }
  return lo <= hi;
}

// The corners of the lower-left hull of the non-dominated outcomes: the unique
// best outcome for some K > 0.
std::vector<std::pair<Extended, Extended>> HullCorners(const Outcomes& o) {
  std::set<std::pair<Extended, Extended>> values;
  for (const SiteSetOutcome& q : o.all)
    if (NonDominated(o, q.distance, q.covered)) values.insert({q.distance, q.covered});
  std::vector<std::pair<Extended, Extended>> corners;
  for (const auto& v : values) {
    bool corner = true;
    // v is a corner unless it lies on or above a segment between two other points
    for (const auto& a : values)
      for (const auto& b : values) {
        if (a == v || b == v || a == b || !(a.second < v.second && v.second < b.second)) continue;
        const Extended t = (v.second - a.second) / (b.second - a.second);
        if (a.first + t * (b.first - a.first) <= v.first) corner = false;
      }
    if (corner) corners.push_back(v);
  }
  return corners;
}

ModelState TracedCurve(const TruthCase& c) {
  ModelState m;
  RandomModelOptions options;
  options.nodes = c.nodes;
  options.demandNodes = c.demandNodes;
  options.fractionalDemand = true;
  PrepareCurveModel(m, c.seed, options, c.coverage);
  if (c.requiredSite) m.Node(c.requiredSite).SiteStatus = StatusRequired;
  if (c.excludedSite) m.Node(c.excludedSite).SiteStatus = StatusExcluded;
  CountStatuses(m);
  ChooseTradeoffProblem(m, 'D');
  EXPECT_EQ(CheckTradeoffCount(m, std::to_string(c.P)).kind, TradeoffCountCheck::Kind::Accepted);
  HeadlessRunHost host;
  ExecuteTradeoff(m, host);
  return m;
}

TEST(CoveringMedianTruth, PointsAreTheSupportedNonDominatedOutcomes) {
  for (const TruthCase& c : Cases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed << ", P " << c.P);
    const ModelState m = TracedCurve(c);
    ASSERT_EQ(m.FatalError, 0);
    const Outcomes o(EverySiteSet(m, c.P));
    const std::vector<TradeoffPoint>& curve = m.Tradeoff.TradeoffList;
    ASSERT_GE(curve.size(), 2u);
    for (size_t k = 0; k < curve.size(); ++k) {
      const TradeoffPoint& p = curve[k];
      std::set<int> sites;
      for (int j = 1; j <= m.Numbnodes; ++j)
        if (p.Located(j)) sites.insert(j);
      EXPECT_EQ(static_cast<int>(sites.size()), c.P) << "point " << k + 1;
      const Extended distance = Tenths(p.FirstValue), covered = Tenths(p.SecondValue);
      EXPECT_EQ(distance, Tenths(NearestWeightedDistance(m, sites))) << "point " << k + 1;
      EXPECT_EQ(covered, Tenths(CoveredDemandOf(m, sites))) << "point " << k + 1;
      EXPECT_TRUE(NonDominated(o, distance, covered)) << "point " << k + 1;
      EXPECT_TRUE(Supported(o, distance, covered)) << "point " << k + 1;
      if (k > 0) {
        EXPECT_LE(curve[k - 1].SecondValue, p.SecondValue) << "ascending coverage at " << k + 1;
      }
    }
    for (const auto& [distance, covered] : HullCorners(o)) {
      const bool found = std::any_of(curve.begin(), curve.end(), [&](const TradeoffPoint& p) {
        return Tenths(p.FirstValue) == distance && Tenths(p.SecondValue) == covered;
      });
      EXPECT_TRUE(found) << "missing supported point: distance " << static_cast<double>(distance) << ", covered "
                         << static_cast<double>(covered);
    }
  }
}

TEST(CoveringMedianTruth, EndsAreTheExactMedianAndTheExactMaximumCovering) {
  for (const TruthCase& c : Cases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed << ", P " << c.P);
    const ModelState m = TracedCurve(c);
    const std::vector<SiteSetOutcome> all = Outcomes(EverySiteSet(m, c.P)).all;
    Extended leastDistance = all[0].distance, mostCovered = all[0].covered;
    for (const SiteSetOutcome& q : all) {
      leastDistance = std::min(leastDistance, q.distance);
      mostCovered = std::max(mostCovered, q.covered);
    }
    const std::vector<TradeoffPoint>& curve = m.Tradeoff.TradeoffList;
    ASSERT_FALSE(curve.empty());
    EXPECT_EQ(Tenths(curve.front().FirstValue), leastDistance);
    EXPECT_EQ(Tenths(curve.back().SecondValue), mostCovered);
  }
}

}  // namespace
