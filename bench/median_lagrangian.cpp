// P-median by Lagrangian relaxation with branch and bound on pmed1..pmed15 with
// their p: objective, lower bound, gap, tree nodes, iterations and median time,
// beside the published optimum.
#include <cstdio>

#include "median_lagrangian_data.h"
#include "solve/SolveModel.h"

int main(int argc, char** argv) {
  using namespace korvelan;
  if (!bench::BenchmarksPresent()) return 0;
  const int repeats = argc > 1 ? std::atoi(argv[1]) : 3;
  std::printf("%-7s %4s %4s %10s %12s %10s %7s %7s %9s %10s %s\n", "inst", "n", "p", "objective", "lower bound",
              "gap %", "nodes", "iters", "median s", "published", "proven");
  double total = 0;
  for (const bench::PMedianInstance& inst : bench::PMedianInstances) {
    ModelState loaded;
    if (!bench::LoadBenchmark(loaded, inst.name)) continue;
    loaded.ProblemCode = 'M';
    loaded.MedianAlgorithm = 'L';
    loaded.SolutionClass = 2;
    loaded.ShowLagProgress = 0;
    loaded.NumberToLocate = static_cast<uint16_t>(inst.p);
    ModelState m;
    const double seconds = bench::MedianSeconds(loaded, m, repeats, [](ModelState& model) {
      HeadlessRunHost host;
      SolveModel(model, host);
    });
    total += seconds;
    const long double upper = m.MedianUpperTotal;
    const long double lower = m.MedianLowerTotal;
    const long double gap = lower > 0 ? (upper - lower) * 100 / lower : 0;
    const bool proven = upper == inst.optimum && upper - lower < 1;
    std::printf("%-7s %4d %4d %10.0Lf %12.3Lf %10.6Lf %7d %7d %9.3f %10ld %s\n", inst.name, loaded.Numbnodes, inst.p,
                upper, lower, gap, m.RunBranchNodes, m.RunIterations, seconds, inst.optimum, proven ? "yes" : "NO");
  }
  std::printf("sum of median times: %.3f s\n", total);
  return 0;
}
