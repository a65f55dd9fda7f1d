// Uncapacitated fixed charge by Lagrangian relaxation with branch and bound on
// cap71..cap134 (cost per mile 1, the .FOR status files, number to locate -1):
// objective, lower bound, gap, tree nodes, iterations and median time, beside the
// published optimum (x 80, see the benchmark README).
#include <cstdio>

#include "median_lagrangian_data.h"
#include "solve/SolveModel.h"

namespace {

struct Instance {
  const char* name;
  long optimum;
};

const Instance kInstances[] = {
    {"cap71", 74609260},  {"cap72", 78223952},  {"cap73", 80851316},  {"cap74", 82798158},
    {"cap101", 63731875}, {"cap102", 68376336}, {"cap103", 71502569}, {"cap104", 74315340},
    {"cap131", 63475165}, {"cap132", 68119626}, {"cap133", 71446137}, {"cap134", 74315340},
};

}  // namespace

int main(int argc, char** argv) {
  using namespace korvelan;
  if (!bench::BenchmarksPresent()) return 0;
  const int repeats = argc > 1 ? std::atoi(argv[1]) : 5;
  std::printf("%-7s %4s %5s %11s %14s %10s %6s %6s %9s %11s %s\n", "inst", "n", "open", "objective", "lower bound",
              "gap %", "nodes", "iters", "median ms", "published", "proven");
  for (const Instance& inst : kInstances) {
    ModelState loaded;
    if (!bench::LoadBenchmark(loaded, inst.name)) continue;
    loaded.ProblemCode = 'F';
    loaded.FixedAlgorithm = 'L';
    loaded.SolutionClass = 2;
    loaded.ShowLagProgress = 0;
    loaded.FixedNumberToLocate = -1;
    ModelState m;
    const double seconds = bench::MedianSeconds(loaded, m, repeats, [](ModelState& model) {
      HeadlessRunHost host;
      SolveModel(model, host);
    });
    const long double upper = m.RunUpperBound;
    const long double lower = m.RunLowerBound;
    const long double gap = lower > 0 ? (upper - lower) * 100 / lower : 0;
    const bool proven = m.FatalError == 0 && upper == inst.optimum && upper - lower < 1;
    std::printf("%-7s %4d %5d %11.0Lf %14.3Lf %10.6Lf %6d %6d %9.2f %11ld %s\n", inst.name, loaded.Numbnodes,
                m.NumLocated, upper, lower, gap, m.RunBranchNodes, m.RunIterations, seconds * 1000, inst.optimum,
                proven ? "yes" : "NO");
  }
  return 0;
}
