// Greedy covering with and without substitution on the 300-node p-median
// instances (pmed11..pmed15) at two coverage distances: median solve time of
// several runs (dominance test included) and the demand covered.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "covering/GreedyCover.h"
#include "data/DataLoad.h"
#include "setup/ParameterRules.h"
#include "solve/Evaluation.h"

using namespace korvelan;

namespace {

struct Instance {
  const char* name;
  int p;
};

struct Mode {
  const char* label;
  uint8_t substitution;
  uint8_t every;
};

double MedianMilliseconds(ModelState& m, int p, const Mode& mode, int runs) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    HeadlessRunHost host;
    m.DoSubstitution = mode.substitution;
    m.ExchangeEveryIteration = mode.every;
    m.CoverStateChanged = 1;
    const auto start = std::chrono::steady_clock::now();
    GreedyCover(m, host, p);
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  const std::string folder = std::string(KORVELAN_BENCHMARKS) + "/data/";
  if (!std::filesystem::exists(folder)) {
    std::printf("benchmarks not found at %s\n", folder.c_str());
    return 0;
  }
  const Instance instances[] = {{"pmed11", 5}, {"pmed12", 10}, {"pmed13", 30}, {"pmed14", 60}, {"pmed15", 100}};
  const Mode modes[] = {{"greedy", 0, 0}, {"subst. every", 1, 1}, {"subst. last", 1, 0}};
  const int coverages[] = {10, 20};
  std::printf("%-8s %4s %5s  %-13s %10s %9s\n", "instance", "p", "cover", "method", "covered", "median ms");
  for (const Instance& instance : instances) {
    ModelState m;
    LoadRequest request;
    request.MetricCode = 'N';
    request.DemandFileName = folder + instance.name + ".net";
    request.DistanceFileName = folder + instance.name + ".ned";
    request.ComputeDistances = false;
    const std::string error = LoadDataSet(m, request);
    if (!error.empty()) {
      std::printf("%s: %s\n", instance.name, error.c_str());
      continue;
    }
    for (const int coverage : coverages) {
      EnterCoverageDistance(m, std::to_string(coverage));
      EnterCostPerMile(m, "1", EntryForm::Parameters);
      ConfirmParameters(m);
      for (const Mode& mode : modes) {
        const double ms = MedianMilliseconds(m, instance.p, mode, 9);
        std::printf("%-8s %4d %5d  %-13s %10.0f %9.2f\n", instance.name, instance.p, coverage, mode.label,
                    static_cast<double>(CoveredDemand(m)), ms);
      }
    }
  }
  return 0;
}
