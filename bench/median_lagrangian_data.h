#pragma once
// Loading the benchmark instances of ../shared/benchmarks (network metric,
// distance file read) and timing a solver run, for the p-median benchmarks.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "data/DataLoad.h"
#include "model/CoverageLists.h"
#include "model/ModelState.h"
#include "solve/NodeFiles.h"
#include "solve/RunHost.h"

namespace korvelan::bench {

inline std::string DataPath(const std::string& file) { return std::string(KORVELAN_BENCHMARKS) + "/data/" + file; }

// pmed1..pmed15 with their p and published optimum.
struct PMedianInstance {
  const char* name;
  int p;
  long optimum;
};
inline const PMedianInstance PMedianInstances[] = {
    {"pmed1", 5, 5819},   {"pmed2", 10, 4093},  {"pmed3", 10, 4250},  {"pmed4", 20, 3034},  {"pmed5", 33, 1355},
    {"pmed6", 5, 7824},   {"pmed7", 10, 5631},  {"pmed8", 20, 4445},  {"pmed9", 40, 2734},  {"pmed10", 67, 1255},
    {"pmed11", 5, 7696},  {"pmed12", 10, 6634}, {"pmed13", 30, 4374}, {"pmed14", 60, 2968}, {"pmed15", 100, 1729},
};

inline bool BenchmarksPresent() {
  if (std::filesystem::exists(DataPath("pmed1.net"))) return true;
  std::printf("benchmark data not found under %s; nothing to measure\n", KORVELAN_BENCHMARKS);
  return false;
}

// Loads demand file `name`.net (with `name`_sites.net as candidate sites when
// present) and the distance file `name`.ned; cost per mile 1, no coverage distance.
inline bool LoadBenchmark(ModelState& m, const std::string& name) {
  LoadRequest request;
  request.MetricCode = 'N';
  request.DemandFileName = DataPath(name + ".net");
  if (std::filesystem::exists(DataPath(name + "_sites.net"))) request.ExtraSitesFileName = DataPath(name + "_sites.net");
  request.DistanceFileName = DataPath(name + ".ned");
  request.ComputeDistances = false;
  const std::string error = LoadDataSet(m, request);
  if (!error.empty()) {
    std::printf("%s: %s\n", name.c_str(), error.c_str());
    return false;
  }
  m.CostPerMile = 1;
  m.CostPerMileSet = 1;
  m.CoverageDistance = -FixedPointScale;
  m.CoverageDistanceSet = 1;
  BuildCoverageLists(m);
  RestoreDemands(m);
  if (std::filesystem::exists(DataPath(name + ".FOR"))) {
    HeadlessRunHost host;
    if (!ReadNodeFile(m, host, 'F', DataPath(name + ".FOR"))) return false;
  }
  CountStatuses(m);
  return true;
}

// Runs `solve` on fresh copies of the loaded model `repeats` times; returns the
// median wall time in seconds and leaves the last run's model in `result`.
template <typename Solve>
double MedianSeconds(const ModelState& loaded, ModelState& result, int repeats, Solve solve) {
  std::vector<double> times;
  for (int r = 0; r < repeats; ++r) {
    result = loaded;
    const auto start = std::chrono::steady_clock::now();
    solve(result);
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace korvelan::bench
