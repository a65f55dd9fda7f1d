// Exact covering procedures on the OR-Library p-median graphs (unit demands, network
// distances): p-center, maximum covering by Lagrangian branch and bound, and set
// covering. Prints one table per model; times are medians of several runs, in
// processor seconds of this program (the machine is shared, so wall time would
// measure the neighbours too).
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "data/DataLoad.h"
#include "model/CoverageLists.h"
#include "setup/RunModels.h"
#include "solve/Evaluation.h"

using namespace korvelan;

namespace {

constexpr int Repeats = 3;

struct Instance {
  int number;
  int p;
  int publishedRadius;  // 0 when not known
};

bool Load(ModelState& m, int number) {
  const std::string base = std::string(KORVELAN_BENCHMARKS) + "/data/pmed" + std::to_string(number);
  LoadRequest request;
  request.MetricCode = 'N';
  request.DemandFileName = base + ".net";
  request.DistanceFileName = base + ".ned";
  request.ComputeDistances = false;
  const std::string error = LoadDataSet(m, request);
  if (!error.empty()) std::printf("pmed%d: %s\n", number, error.c_str());
  return error.empty();
}

void SetCoverage(ModelState& m, int distance) {
  m.CoverageDistance = int64_t{distance} * FixedPointScale;
  m.CoverageDistanceSet = 1;
  BuildCoverageLists(m);
  RestoreDemands(m);
}

struct Timed {
  double seconds;
  ModelState result;
};

// Runs the model `Repeats` times from the same state; returns the median time and the
// state after the last run.
Timed RunMedian(const ModelState& start, const std::function<void(ModelState&)>& choose) {
  std::vector<double> times;
  ModelState m;
  for (int r = 0; r < Repeats; ++r) {
    m = start;
    OpenRunModels(m);
    choose(m);
    HeadlessRunHost host;
    const std::clock_t t0 = std::clock();
    ExecuteRun(m, host);
    times.push_back(static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC);
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], m};
}

const char* Status(const ModelState& m) { return m.FatalError ? "fatal" : "ok"; }

void PCenterTable() {
  const Instance instances[] = {{1, 5, 127}, {2, 10, 98},  {3, 10, 0},  {4, 20, 0},  {5, 33, 0},
                                {6, 5, 84},  {7, 10, 0},   {8, 20, 0},  {9, 40, 0},  {10, 67, 0},
                                {11, 5, 59}, {12, 10, 0},  {13, 30, 0}, {14, 60, 0}, {15, 100, 18}};
  std::printf("\nP-CENTER (estimates 10000 and 0)\n");
  std::printf("%-7s %4s %4s %7s %9s %6s %9s %9s %8s\n", "inst", "n", "p", "radius", "published", "status",
              "nodes", "iters", "cpu s");
  for (const Instance& inst : instances) {
    ModelState start;
    if (!Load(start, inst.number)) continue;
    SetCoverage(start, 0);
    const Timed t = RunMedian(start, [&](ModelState& m) {
      ChooseProblem(m, 'P');
      m.NumberToLocate = static_cast<uint16_t>(inst.p);
    });
    const ModelState& m = t.result;
    const std::string published = inst.publishedRadius ? std::to_string(inst.publishedRadius) : "-";
    std::printf("pmed%-3d %4d %4d %7lld %9s %6s %9d %9d %8.3f\n", inst.number, m.Numbnodes, inst.p,
                static_cast<long long>(m.CoverageDistance / FixedPointScale), published.c_str(), Status(m),
                m.RunBranchNodes, m.RunIterations, t.seconds);
  }
}

void MaxCoveringTable() {
  std::printf("\nMAXIMUM COVERING, LAGRANGIAN (PctDiff 0); greedy = greedy adding\n");
  std::printf("%-7s %4s %4s %5s %8s %8s %8s %8s %9s %7s %9s %8s\n", "inst", "n", "p", "dist", "greedy",
              "covered", "upper", "lower", "gap %", "nodes", "iters", "cpu s");
  const int numbers[] = {1, 6, 11};
  const int distances[] = {20, 25, 30, 35, 40, 45, 50};
  for (int number : numbers) {
    ModelState loaded;
    if (!Load(loaded, number)) continue;
    for (int p : {5, 10}) {
      for (int distance : distances) {
        ModelState start = loaded;
        SetCoverage(start, distance);
        const Timed greedy = RunMedian(start, [&](ModelState& m) {
          ChooseProblem(m, 'C');
          ChooseAlgorithm(m, 'G');
          m.NumberToLocate = static_cast<uint16_t>(p);
        });
        const Extended greedyCovered = CoveredDemand(greedy.result);
        const Timed t = RunMedian(start, [&](ModelState& m) {
          ChooseProblem(m, 'C');
          ChooseAlgorithm(m, 'L');
          m.NumberToLocate = static_cast<uint16_t>(p);
        });
        const ModelState& m = t.result;
        const Extended covered = CoveredDemand(m);
        if (greedyCovered >= covered) continue;  // only where greedy adding falls short
        const double gap = m.RunLowerBound > 0
                               ? static_cast<double>((m.RunUpperBound - m.RunLowerBound) * 100 / m.RunLowerBound)
                               : 0;
        std::printf("pmed%-3d %4d %4d %5d %8.0Lf %8.0Lf %8.2Lf %8.0Lf %9.5f %7d %9d %8.3f\n", number, m.Numbnodes, p,
                    distance, greedyCovered, covered, m.RunUpperBound, m.RunLowerBound, gap, m.RunBranchNodes,
                    m.RunIterations, t.seconds);
      }
    }
  }
}

void SetCoveringTable() {
  std::printf("\nSET COVERING\n");
  std::printf("%-7s %4s %5s %7s %6s %7s %9s %8s\n", "inst", "n", "dist", "sites", "status", "nodes", "iters",
              "cpu s");
  const int numbers[] = {1, 6};
  for (int number : numbers) {
    ModelState loaded;
    if (!Load(loaded, number)) continue;
    for (int distance : {40, 60, 80}) {
      ModelState start = loaded;
      SetCoverage(start, distance);
      const Timed t = RunMedian(start, [&](ModelState& m) { ChooseProblem(m, 'S'); });
      const ModelState& m = t.result;
      std::printf("pmed%-3d %4d %5d %7d %6s %7d %9d %8.3f\n", number, m.Numbnodes, distance, m.NumLocated, Status(m),
                  m.RunBranchNodes, m.RunIterations, t.seconds);
    }
  }
}

}  // namespace

int main() {
  if (!std::filesystem::exists(std::string(KORVELAN_BENCHMARKS) + "/data/pmed1.net")) {
    std::printf("benchmark instances not found under %s; nothing to measure\n", KORVELAN_BENCHMARKS);
    return 0;
  }
  PCenterTable();
  MaxCoveringTable();
  SetCoveringTable();
  return 0;
}
