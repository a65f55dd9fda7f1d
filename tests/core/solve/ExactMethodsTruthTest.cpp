// Every exact method against exhaustive answers on small instances built to hold ties:
// lattice points, equal demands, equal fixed costs, beside random ones. With the
// critical gap at 0 and no depth limit each method returns the optimum; with a gap or a
// depth limit its bounds still enclose the optimum and its solution is what it claims.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "../covering/CoverInstances.h"
#include "../median/LagrangianInstances.h"
#include "covering/CoverLagrangian.h"
#include "covering/CoverTarget.h"
#include "data/Distances.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

struct Point {
  int x;
  int y;
};

struct Shape {
  std::string name;
  std::vector<Point> points;
  bool manhattan;
  std::vector<int> demand;     // one per point
  std::vector<int> fixedCost;  // one per point
  int coverage;                // whole units
};

std::vector<Point> Lattice(int rows, int columns, int spacing) {
  std::vector<Point> points;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) points.push_back({c * spacing, r * spacing});
  return points;
}

std::vector<Point> RandomPoints(unsigned seed, int n) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> coord(0, 40);
  std::vector<Point> points(n);
  for (Point& p : points) p = {coord(rng), coord(rng)};
  return points;
}

std::vector<int> Repeat(int value, int n) { return std::vector<int>(n, value); }

std::vector<int> Pattern(int n, int modulus) {
  std::vector<int> values;
  for (int k = 0; k < n; ++k) values.push_back(1 + (3 * k) % modulus);
  return values;
}

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes = {
      {"lattice 3x4, equal demands and fixed costs", Lattice(3, 4, 10), true, Repeat(10, 12), Repeat(100, 12), 10},
      {"lattice 2x7, equal demands", Lattice(2, 7, 10), true, Repeat(1, 14), Repeat(30, 14), 20},
      {"lattice 3x3 Euclidean, patterned demands", Lattice(3, 3, 10), false, Pattern(9, 4), Repeat(50, 9), 14},
      {"random 12, equal demands", RandomPoints(5, 12), false, Repeat(3, 12), Pattern(12, 5), 15},
      {"random 13, patterned demands, equal fixed costs", RandomPoints(9, 13), true, Pattern(13, 7), Repeat(60, 13),
       20},
      {"lattice 3x4, fixed costs close to serving a neighbour", Lattice(3, 4, 10), true, Repeat(2, 12), Repeat(35, 12),
       10},
  };
  return shapes;
}

void Load(ModelState& m, const Shape& s) {
  ResetModel(m);
  const int n = static_cast<int>(s.points.size());
  m.Numbnodes = m.NumDemandNodes = static_cast<uint16_t>(n);
  m.TotalDemand = 0;
  for (int i = 1; i <= n; ++i) {
    NodeRecord& node = m.Node(i);
    node.XCoord = s.points[i - 1].x;
    node.YCoord = s.points[i - 1].y;
    node.Demand = node.LoadedDemand = s.demand[i - 1];
    node.FixedCost = s.fixedCost[i - 1];
    m.TotalDemand += node.Demand;
    for (int j = 1; j <= n; ++j) {
      const int dx = std::abs(s.points[i - 1].x - s.points[j - 1].x);
      const int dy = std::abs(s.points[i - 1].y - s.points[j - 1].y);
      const int d = s.manhattan ? dx + dy : static_cast<int>(std::llrint(std::hypot(dx, dy)));
      m.DistanceMatrix.at(i, j) = d;
      m.MaxDistance = std::max(m.MaxDistance, d);
    }
  }
  BuildNearestOrder(m);
  m.CostPerMile = 1;
  m.CoverageDistance = static_cast<int64_t>(s.coverage) * FixedPointScale;
  m.CoverageDistanceSet = m.CostPerMileSet = 1;
  m.DataLoaded = 1;
  BuildCoverageLists(m);
  CountStatuses(m);
  m.ShowLagProgress = 0;
}

struct Settings {
  Extended pctDiff;
  int depth;
  bool Exact() const { return pctDiff == 0 && depth == -1; }
};

const Settings kSettings[] = {{0, -1}, {0, 1}, {2, -1}, {5, 2}};

void Apply(ModelState& m, const Settings& s) {
  m.Covering.PctDiff = std::max<Extended>(s.pctDiff, MinimumPctDiff(m.TotalDemand) * (s.pctDiff > 0));
  m.Covering.DepthVar = s.depth;
  m.Fixed.PctDiff = s.pctDiff;
  m.Fixed.DepthVar = s.depth;
}

// Some sites required and some excluded, by a pattern (none when it is negative).
void MarkStatuses(ModelState& m, int pattern) {
  if (pattern < 0) return;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const int r = (5 * j + pattern) % 9;
    m.Node(j).SiteStatus = r == 0 ? StatusRequired : r == 1 ? StatusExcluded : StatusAllowed;
  }
  CountStatuses(m);
}

ModelState Solved(const Shape& shape, const Settings& settings, char problem, int locate, int statusPattern = -1) {
  ModelState m;
  Load(m, shape);
  MarkStatuses(m, statusPattern);
  Apply(m, settings);
  m.ProblemCode = problem;
  m.SolutionClass = 2;
  m.MedianAlgorithm = 'L';
  m.FixedAlgorithm = 'L';
  m.NumberToLocate = static_cast<uint16_t>(std::max(locate, 0));
  m.FixedNumberToLocate = locate;
  m.CoverTypeCode = problem == '&' || problem == '%' ? 'F' : ' ';
  m.CoverFraction = 0.75;
  HeadlessRunHost host;
  SolveModel(m, host);
  return m;
}

TEST(ExactMethodsTruth, MaximumCoveringBoundsEncloseTheExhaustiveOptimum) {
  int branched = 0;
  for (const Shape& shape : Shapes()) {
    for (const Settings& settings : kSettings) {
      for (int P : {2, 3}) {
        SCOPED_TRACE(::testing::Message() << shape.name << ", PctDiff " << settings.pctDiff << ", DepthVar "
                                          << settings.depth << ", P " << P);
        ModelState loaded;
        Load(loaded, shape);
        const Extended optimum = covertest::BestCoverage(loaded, P, shape.coverage);
        const ModelState m = Solved(shape, settings, 'C', P);
        ASSERT_EQ(m.FatalError, 0);
        branched += m.RunBranchNodes > 2;
        EXPECT_EQ(covertest::CoveredByLocated(m), m.RunLowerBound);
        EXPECT_LE(m.RunLowerBound, optimum);
        EXPECT_GE(m.RunUpperBound, optimum);
        if (settings.Exact()) {
          EXPECT_EQ(m.RunLowerBound, optimum);
        }
      }
    }
  }
  // Some trees go below the first level, where children start from their parent's multipliers.
  EXPECT_GT(branched, 0);
}

TEST(ExactMethodsTruth, SetCoveringFindsTheFewestSites) {
  for (const Shape& shape : Shapes()) {
    for (const Settings& settings : kSettings) {
      for (const char problem : {'S', '&'}) {
        SCOPED_TRACE(::testing::Message() << shape.name << ", PctDiff " << settings.pctDiff << ", DepthVar "
                                          << settings.depth << ", problem " << problem);
        ModelState loaded;
        Load(loaded, shape);
        const Extended target = problem == 'S' ? loaded.TotalDemand : FractionTarget(loaded.TotalDemand, 0.75);
        const int fewest = covertest::FewestSites(loaded, target, shape.coverage);
        const ModelState m = Solved(shape, settings, problem, 0);
        ASSERT_EQ(m.FatalError, 0);
        EXPECT_GE(covertest::CoveredByLocated(m), target);
        EXPECT_GE(m.NumLocated, fewest);
        if (settings.depth == -1) {
          EXPECT_EQ(m.NumLocated, fewest);
        }
      }
    }
  }
}

TEST(ExactMethodsTruth, PCenterFindsTheSmallestRadius) {
  for (const Shape& shape : Shapes()) {
    for (const Settings& settings : kSettings) {
      for (const char problem : {'P', '%'}) {
        for (int P : {2, 3}) {
          SCOPED_TRACE(::testing::Message() << shape.name << ", PctDiff " << settings.pctDiff << ", DepthVar "
                                            << settings.depth << ", problem " << problem << ", P " << P);
          ModelState loaded;
          Load(loaded, shape);
          const Extended target = problem == 'P' ? loaded.TotalDemand : FractionTarget(loaded.TotalDemand, 0.75);
          const int64_t radius = covertest::SmallestRadius(loaded, P, target);
          const ModelState m = Solved(shape, settings, problem, P);
          ASSERT_EQ(m.FatalError, 0);
          EXPECT_GE(covertest::CoveredByLocated(m), target);
          EXPECT_GE(m.CoverageDistance, radius * FixedPointScale);
          if (settings.depth == -1) {
            EXPECT_EQ(m.CoverageDistance, radius * FixedPointScale);
          }
        }
      }
    }
  }
}

// The covering models with required and excluded sites (the searches set dominated
// sites and demand nodes aside): the exhaustive optimum under the same statuses, a
// solution that keeps them, and the statuses as the analyst left them.
TEST(ExactMethodsTruth, CoveringModelsKeepStatusesAndFindTheExhaustiveOptimum) {
  for (const Shape& shape : Shapes()) {
    for (const Settings& settings : kSettings) {
      for (int pattern : {0, 4}) {
        for (const char problem : {'S', '&', 'C', 'P', '%'}) {
          SCOPED_TRACE(::testing::Message() << shape.name << ", PctDiff " << settings.pctDiff << ", DepthVar "
                                            << settings.depth << ", statuses " << pattern << ", problem " << problem);
          ModelState loaded;
          Load(loaded, shape);
          MarkStatuses(loaded, pattern);
          const bool partial = problem == '&' || problem == '%';
          const Extended target = partial ? FractionTarget(loaded.TotalDemand, 0.75) : loaded.TotalDemand;
          constexpr int P = 3;
          const ModelState m = Solved(shape, settings, problem, P, pattern);
          if (problem == 'S' || problem == '&') {
            const int fewest = covertest::FewestSites(loaded, target, shape.coverage);
            if (fewest < 0) continue;  // the allowed sites cannot reach the target
            ASSERT_EQ(m.FatalError, 0);
            EXPECT_GE(covertest::CoveredByLocated(m), target);
            EXPECT_GE(m.NumLocated, fewest);
            if (settings.depth == -1) {
              EXPECT_EQ(m.NumLocated, fewest);
            }
          } else if (problem == 'C') {
            const Extended optimum = covertest::BestCoverage(loaded, P, shape.coverage);
            ASSERT_EQ(m.FatalError, 0);
            EXPECT_EQ(covertest::CoveredByLocated(m), m.RunLowerBound);
            EXPECT_LE(m.RunLowerBound, optimum);
            EXPECT_GE(m.RunUpperBound, optimum);
            if (settings.Exact()) {
              EXPECT_EQ(m.RunLowerBound, optimum);
            }
          } else {
            const int64_t radius = covertest::SmallestRadius(loaded, P, target);
            ASSERT_EQ(m.FatalError, 0);
            EXPECT_GE(covertest::CoveredByLocated(m), target);
            EXPECT_GE(m.CoverageDistance, radius * FixedPointScale);
            if (settings.depth == -1) {
              EXPECT_EQ(m.CoverageDistance, radius * FixedPointScale);
            }
          }
          EXPECT_EQ(covertest::Statuses(m), covertest::Statuses(loaded));
          for (int j = 1; j <= m.Numbnodes; ++j) {
            const uint8_t status = loaded.Node(j).SiteStatus;
            if (status != StatusAllowed) {
              EXPECT_EQ(m.Node(j).Located != 0, status == StatusRequired) << "site " << j;
            }
          }
        }
      }
    }
  }
}

TEST(ExactMethodsTruth, MedianBoundsEncloseTheExhaustiveOptimum) {
  int branched = 0;
  for (const Shape& shape : Shapes()) {
    for (const Settings& settings : kSettings) {
      for (int P : {2, 4}) {
        SCOPED_TRACE(::testing::Message() << shape.name << ", PctDiff " << settings.pctDiff << ", DepthVar "
                                          << settings.depth << ", P " << P);
        ModelState loaded;
        Load(loaded, shape);
        const Extended optimum = testing::ExhaustiveOptimum(loaded, P, 0, false);
        const ModelState m = Solved(shape, settings, 'M', P);
        ASSERT_EQ(m.FatalError, 0);
        branched += m.RunBranchNodes > 2;
        EXPECT_EQ(testing::SolutionCost(m, testing::OpenSites(m), 0, false), m.MedianUpperTotal);
        EXPECT_GE(m.MedianUpperTotal, optimum);
        if (settings.pctDiff == 0) {
          EXPECT_LE(m.MedianLowerTotal, optimum);
        }
        if (settings.Exact()) {
          EXPECT_EQ(m.MedianUpperTotal, optimum);
        }
      }
    }
  }
  EXPECT_GT(branched, 0);
}

TEST(ExactMethodsTruth, FixedChargeBoundsEncloseTheExhaustiveOptimum) {
  int branched = 0;
  for (const Shape& shape : Shapes()) {
    for (const Settings& settings : kSettings) {
      for (int count : {-1, 3}) {
        SCOPED_TRACE(::testing::Message() << shape.name << ", PctDiff " << settings.pctDiff << ", DepthVar "
                                          << settings.depth << ", number " << count);
        ModelState loaded;
        Load(loaded, shape);
        const Extended optimum = testing::ExhaustiveOptimum(loaded, count, 0, true);
        const ModelState m = Solved(shape, settings, 'F', count);
        ASSERT_EQ(m.FatalError, 0);
        branched += m.RunBranchNodes > 2;
        EXPECT_EQ(testing::SolutionCost(m, testing::OpenSites(m), 0, true), m.RunUpperBound);
        EXPECT_GE(m.RunUpperBound, optimum);
        if (settings.pctDiff == 0) {
          EXPECT_LE(m.RunLowerBound, optimum);
        }
        if (settings.Exact()) {
          EXPECT_EQ(m.RunUpperBound, optimum);
        }
      }
    }
  }
  EXPECT_GT(branched, 0);
}

// Sites required and excluded by the analyst, on every shape: the p-median and the
// fixed charge with a number to locate or with the number free (root search, sites
// settled at every node) return the exhaustive optimum among the solutions that
// respect them, with bounds around it.
struct StatusCase {
  int required;
  int excluded;
};

// Few iterations per node (0: the defaults) leave weak bounds, so that even these small
// instances build trees whose nodes settle sites.
ModelState SolvedWithStatuses(const Shape& shape, const Settings& settings, char problem, int locate,
                              const StatusCase& statuses, int iterations) {
  ModelState m;
  Load(m, shape);
  Apply(m, settings);
  if (iterations > 0) {
    m.Covering.RootNodeValue = m.Covering.NoIter = iterations;
    m.Fixed.RootNodeValue = m.Fixed.NoIter = iterations;
  }
  m.Node(statuses.required).SiteStatus = StatusRequired;
  m.Node(statuses.excluded).SiteStatus = StatusExcluded;
  CountStatuses(m);
  m.ProblemCode = problem;
  m.SolutionClass = 2;
  m.MedianAlgorithm = 'L';
  m.FixedAlgorithm = 'L';
  m.NumberToLocate = static_cast<uint16_t>(locate);
  m.FixedNumberToLocate = locate;
  HeadlessRunHost host;
  SolveModel(m, host);
  return m;
}

TEST(ExactMethodsTruth, TreesKeepTheSitesTheAnalystSettled) {
  const StatusCase statusCases[] = {{1, 2}, {6, 9}};
  int branched[2] = {0, 0};
  int branchedWithTheNumberFree = 0;
  for (const Shape& shape : Shapes()) {
    for (const Settings& settings : kSettings) {
      for (const StatusCase& statuses : statusCases) {
        for (const char problem : {'M', 'F'}) {
          for (const int iterations : {0, 6}) {
            for (int count : {-1, 3, 5}) {
              if (count < 0 && problem != 'F') continue;
              SCOPED_TRACE(::testing::Message()
                           << shape.name << ", PctDiff " << settings.pctDiff << ", DepthVar "
                           << settings.depth << ", problem " << problem << ", number " << count
                           << ", required " << statuses.required << ", excluded " << statuses.excluded
                           << ", iterations " << iterations);
              const bool fixedCosts = problem == 'F';
              ModelState loaded;
              Load(loaded, shape);
              loaded.Node(statuses.required).SiteStatus = StatusRequired;
              loaded.Node(statuses.excluded).SiteStatus = StatusExcluded;
              const Extended optimum = testing::ExhaustiveOptimum(loaded, count, 0, fixedCosts);
              const ModelState m = SolvedWithStatuses(shape, settings, problem, count, statuses, iterations);
              ASSERT_EQ(m.FatalError, 0);
              branched[fixedCosts] += m.RunBranchNodes > 2;
              branchedWithTheNumberFree += count < 0 && m.RunBranchNodes > 2;
              const std::vector<int> open = testing::OpenSites(m);
              if (count > 0) {
                EXPECT_EQ(static_cast<int>(open.size()), count);
              }
              EXPECT_NE(std::find(open.begin(), open.end(), statuses.required), open.end());
              EXPECT_EQ(std::find(open.begin(), open.end(), statuses.excluded), open.end());
              EXPECT_EQ(m.Node(statuses.required).SiteStatus, StatusRequired);
              EXPECT_EQ(m.Node(statuses.excluded).SiteStatus, StatusExcluded);
              const Extended upper = fixedCosts ? m.RunUpperBound : m.MedianUpperTotal;
              const Extended lower = fixedCosts ? m.RunLowerBound : m.MedianLowerTotal;
              EXPECT_EQ(testing::SolutionCost(m, open, 0, fixedCosts), upper);
              EXPECT_GE(upper, optimum);
              if (settings.pctDiff == 0) {
                EXPECT_LE(lower, optimum);
              }
              if (settings.Exact()) {
                EXPECT_EQ(upper, optimum);
              }
            }
          }
        }
      }
    }
  }
  EXPECT_GT(branched[0], 0);
  EXPECT_GT(branched[1], 0);
  EXPECT_GT(branchedWithTheNumberFree, 0);
}

}  // namespace
}  // namespace korvelan
