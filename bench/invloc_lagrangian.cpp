// The integrated inventory/location model by Lagrangian relaxation with branch and
// bound on a generated 150-node great-circle data set (cities scattered over the
// contiguous United States, populations as loaded demand, three plant cities):
// objective Z, bounds, gap, tree nodes, iterations and median time, for the number
// of centres optimised (-1) and for fixed numbers.
// Usage: bench_invloc_lagrangian [repeats (5)] [local delivery rate R (0.05)]
#include <cstdio>
#include <cstdlib>
#include <random>

#include "data/Distances.h"
#include "invloc/InvLocModel.h"
#include "median_lagrangian_data.h"
#include "model/CoverageLists.h"
#include "solve/SolveModel.h"

namespace {

using namespace korvelan;

void Generate(ModelState& m, int n, unsigned seed, double deliveryRate) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> lon(-122.0, -70.0), lat(26.0, 48.0), share(0.0, 1.0);
  std::uniform_int_distribution<int> fixed(15000, 40000);
  m.Numbnodes = m.NumDemandNodes = static_cast<uint16_t>(n);
  for (int i = 1; i <= n; ++i) {
    NodeRecord& node = m.Node(i);
    node.XCoord = lon(rng);
    node.YCoord = lat(rng);
    // Populations from 20,000 to about 2,000,000, most of them small.
    node.LoadedDemand = node.Demand = std::llrint(20000 / (1 - 0.99 * share(rng)));
    node.FixedCost = fixed(rng);
  }
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      const NodeRecord& a = m.Node(i);
      const NodeRecord& b = m.Node(j);
      m.DistanceMatrix.at(i, j) = static_cast<int32_t>(
          std::llrint(PointDistance('G', EarthDiameterMiles, a.XCoord, a.YCoord, b.XCoord, b.YCoord)));
    }
  m.MetricCode = 'G';
  m.MaxDistance = LargestDistance(m.DistanceMatrix, n);
  BuildNearestOrder(m);
  RestoreDemands(m);
  m.CoverageDistance = static_cast<int64_t>(m.MaxDistance) * FixedPointScale;
  m.CostPerMile = 1;
  m.CoverageDistanceSet = m.CostPerMileSet = m.DataLoaded = 1;
  BuildCoverageLists(m);
  m.InvLoc.PlantCity[1] = m.InvLoc.PlantCity[2] = m.InvLoc.PlantCity[3] = 1;
  m.InvLoc.Parameters.ShipMileage = 0.5;
  m.InvLoc.Parameters.UnitMileage = 0.002;
  m.InvLoc.Parameters.DeliveryRate = deliveryRate;
  m.ProblemCode = 'V';
  m.FixedAlgorithm = 'L';
  m.SolutionClass = 2;
  m.ShowLagProgress = 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::atoi(argv[1]) : 5;
  // Dollars per demand-mile of local delivery: larger rates call for more centres.
  const double rate = argc > 2 ? std::atof(argv[2]) : 0.05;
  std::printf("%-5s %6s %5s %15s %15s %12s %6s %7s %10s %s\n", "seed", "target", "open", "Z", "lower bound",
              "gap %", "nodes", "iters", "median ms", "proven");
  for (unsigned seed : {1u, 2u, 3u}) {
    for (int target : {-1, 5, 12}) {
      ModelState loaded;
      Generate(loaded, 150, seed, rate);
      loaded.FixedNumberToLocate = target;
      ModelState m;
      const double seconds = bench::MedianSeconds(loaded, m, repeats, [](ModelState& model) {
        HeadlessRunHost host;
        model.FreshIncumbent = 1;
        SolveModel(model, host);
      });
      const long double upper = m.RunUpperBound;
      const long double lower = m.RunLowerBound;
      const long double gap = lower > 0 ? (upper - lower) * 100 / lower : 0;
      const bool proven = m.FatalError == 0 && gap <= m.Fixed.PctDiff + 1e-9L;
      std::printf("%-5u %6d %5d %15.4Lf %15.4Lf %12.9Lf %6d %7d %10.2f %s\n", seed, target, m.NumLocated, upper, lower,
                  gap, m.RunBranchNodes, m.RunIterations, seconds * 1000, proven ? "yes" : "NO");
    }
  }
  return 0;
}
