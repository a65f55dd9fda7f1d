// The p-median genetic algorithm on pmed1..pmed15 for three seeds, with its default
// settings and then with 5 members improved by neighbourhood search in every
// generation: objective and gap to the published optimum per seed, the median gap
// and the median time of the three runs.
//
//   cmake --build build/release --target bench_genetic && build/release/bench/bench_genetic
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "median_lagrangian_data.h"
#include "solve/SolveModel.h"

namespace {

const int kSeeds[] = {9873573, 12345, 777};

template <typename T>
T Median3(T a, T b, T c) {
  return std::max(std::min(a, b), std::min(std::max(a, b), c));
}

void Table(int improveNumber) {
  using namespace korvelan;
  std::printf("\nImproveNumber %d%s\n", improveNumber, improveNumber ? " (neighbourhood search)" : " (default settings)");
  std::printf("%-7s %4s %4s %9s", "inst", "n", "p", "optimum");
  for (int seed : kSeeds) std::printf(" %10s %7s", ("s" + std::to_string(seed)).c_str(), "gap %");
  std::printf(" %12s %9s %6s\n", "median gap %", "median s", "gens");
  double gapSum = 0;
  for (const bench::PMedianInstance& inst : bench::PMedianInstances) {
    ModelState loaded;
    if (!bench::LoadBenchmark(loaded, inst.name)) continue;
    loaded.ProblemCode = 'M';
    loaded.MedianAlgorithm = 'T';
    loaded.NumberToLocate = static_cast<uint16_t>(inst.p);
    loaded.Genetic.ImproveNumber = improveNumber;
    std::printf("%-7s %4d %4d %9ld", inst.name, loaded.Numbnodes, inst.p, inst.optimum);
    double gaps[3], seconds[3];
    int generations[3];
    for (int k = 0; k < 3; ++k) {
      ModelState m = loaded;
      m.Genetic.RandomNoSeed = kSeeds[k];
      HeadlessRunHost host;
      const auto start = std::chrono::steady_clock::now();
      SolveModel(m, host);
      seconds[k] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      const double objective = static_cast<double>(m.DemandWeightedDistance);
      gaps[k] = 100.0 * (objective - inst.optimum) / inst.optimum;
      generations[k] = m.GeneticRun.GAGeneration;
      std::printf(" %10.0f %7.3f", objective, gaps[k]);
    }
    const double gap = Median3(gaps[0], gaps[1], gaps[2]);
    gapSum += gap;
    std::printf(" %12.3f %9.3f %6d\n", gap, Median3(seconds[0], seconds[1], seconds[2]),
                Median3(generations[0], generations[1], generations[2]));
    std::fflush(stdout);
  }
  std::printf("mean of the median gaps: %.3f %%\n", gapSum / 15);
}

}  // namespace

int main() {
  if (!korvelan::bench::BenchmarksPresent()) return 0;
  Table(0);
  Table(5);
  return 0;
}
