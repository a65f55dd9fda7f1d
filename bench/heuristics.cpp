// P-median and fixed-charge heuristics on the OR-Library benchmark instances:
// objective, gap to the published optimum and median solve time per algorithm.
//
//   cmake --build build/release --target bench_heuristics && build/release/bench/bench_heuristics [runs]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "data/DataLoad.h"
#include "fixed/FixedEvaluation.h"
#include "solve/NodeFiles.h"
#include "solve/SolveModel.h"

using namespace korvelan;

namespace {

const std::string Root = KORVELAN_BENCHMARKS;

struct Algorithm {
  const char* name;
  char code;
  char option;  // median: timing 'E'/'L'; fixed: 'A' add first or 'D' drop first
};

const Algorithm MedianAlgorithms[] = {
    {"myopic", 'M', 'E'}, {"exch-last", 'E', 'L'}, {"exch-every", 'E', 'E'}, {"neigh-last", 'N', 'L'}, {"neigh-every", 'N', 'E'}};
const Algorithm FixedAlgorithms[] = {{"add", 'A', 'A'},      {"drop", 'D', 'A'},        {"add/exch", 'E', 'A'},
                                     {"drop/exch", 'E', 'D'}, {"add/neigh", 'N', 'A'}, {"drop/neigh", 'N', 'D'}};

// "name value" pairs of an optimum list (the values may carry decimals).
std::map<std::string, double> ReadOptima(const std::string& path) {
  std::map<std::string, double> optima;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string name;
    double value = 0;
    if (!(fields >> name >> value)) continue;
    const size_t dot = name.find(".txt");
    optima[dot == std::string::npos ? name : name.substr(0, dot)] = value;
  }
  return optima;
}

// p of a p-median instance: the third number on the first line of its OR-Library file.
int ReadP(const std::string& instance) {
  std::ifstream in(Root + "/orlib/" + instance + ".txt");
  int n = 0, edges = 0, p = 0;
  in >> n >> edges >> p;
  return p;
}

std::unique_ptr<ModelState> Load(const std::string& instance, bool withSites) {
  auto m = std::make_unique<ModelState>();
  LoadRequest request;
  request.MetricCode = 'N';
  request.ComputeDistances = false;
  request.DemandFileName = Root + "/data/" + instance + ".net";
  if (withSites) request.ExtraSitesFileName = Root + "/data/" + instance + "_sites.net";
  request.DistanceFileName = Root + "/data/" + instance + ".ned";
  const std::string error = LoadDataSet(*m, request);
  if (!error.empty()) {
    std::fprintf(stderr, "%s: %s\n", instance.c_str(), error.c_str());
    return nullptr;
  }
  return m;
}

struct Outcome {
  Extended objective = 0;
  double seconds = 0;
  int located = 0;
  bool ok = false;
};

Outcome RunMedianOf(const std::vector<double>& times, Outcome last) {
  std::vector<double> sorted = times;
  std::sort(sorted.begin(), sorted.end());
  last.seconds = sorted[sorted.size() / 2];
  return last;
}

// Solves a copy of the loaded model `runs` times; the median time.
template <typename Setup, typename Objective>
Outcome Measure(const ModelState& loaded, int runs, Setup setup, Objective objective) {
  std::vector<double> times;
  Outcome outcome;
  for (int r = 0; r < runs; ++r) {
    auto m = std::make_unique<ModelState>(loaded);
    setup(*m);
    HeadlessRunHost host;
    const auto start = std::chrono::steady_clock::now();
    SolveModel(*m, host);
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    outcome.ok = m->FatalError == 0;
    outcome.objective = objective(*m);
    outcome.located = m->NumLocated;
  }
  return RunMedianOf(times, outcome);
}

void PrintRow(const std::string& instance, const char* algorithm, const Outcome& o, double optimum) {
  const double objective = static_cast<double>(o.objective);
  std::printf("%-8s %-12s %5d %14.0f %14.0f %8.3f %10.2f%s\n", instance.c_str(), algorithm, o.located, objective,
              optimum, 100.0 * (objective - optimum) / optimum, o.seconds * 1000.0, o.ok ? "" : "  FATAL");
}

void MedianTable(int runs) {
  const std::map<std::string, double> optima = ReadOptima(Root + "/orlib/pmedopt.txt");
  std::printf("\nP-median (objective = total distance)\n");
  std::printf("%-8s %-12s %5s %14s %14s %8s %10s\n", "instance", "algorithm", "p", "objective", "optimum", "gap %",
              "median ms");
  for (int k = 1; k <= 15; ++k) {
    const std::string instance = "pmed" + std::to_string(k);
    const std::unique_ptr<ModelState> loaded = Load(instance, false);
    if (!loaded) continue;
    const int p = ReadP(instance);
    for (const Algorithm& a : MedianAlgorithms) {
      const Outcome o = Measure(
          *loaded, runs,
          [&](ModelState& m) {
            m.ProblemCode = 'M';
            m.MedianAlgorithm = a.code;
            m.MedianTiming = a.option;
            m.NumberToLocate = static_cast<uint16_t>(p);
          },
          [](const ModelState& m) { return m.DemandWeightedDistance; });
      PrintRow(instance, a.name, o, optima.at(instance));
    }
  }
}

void FixedTable(int runs) {
  const std::map<std::string, double> optima = ReadOptima(Root + "/orlib/uncapopt.txt");
  std::printf("\nUncapacitated fixed charge (objective = total cost x 80, cost per mile 1, p optimised)\n");
  std::printf("%-8s %-12s %5s %14s %14s %8s %10s\n", "instance", "algorithm", "open", "objective", "optimum", "gap %",
              "median ms");
  for (const char* instance : {"cap71", "cap72", "cap73", "cap74", "cap101", "cap102", "cap103", "cap104", "cap131",
                               "cap132", "cap133", "cap134"}) {
    const std::unique_ptr<ModelState> loaded = Load(instance, true);
    if (!loaded) continue;
    HeadlessRunHost host;
    if (!ReadNodeFile(*loaded, host, 'F', Root + "/data/" + instance + ".FOR")) {
      std::fprintf(stderr, "%s: status file not read\n", instance);
      continue;
    }
    loaded->CostPerMile = 1;
    const double optimum = std::llround(optima.at(instance) * 80.0);
    for (const Algorithm& a : FixedAlgorithms) {
      const Outcome o = Measure(
          *loaded, runs,
          [&](ModelState& m) {
            m.ProblemCode = 'F';
            m.FixedAlgorithm = a.code;
            m.AddFirst = a.option;
            m.FixedNumberToLocate = -1;
          },
          [](const ModelState& m) { return fixed_total_cost(m); });
      PrintRow(instance, a.name, o, optimum);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::ifstream probe(Root + "/orlib/pmedopt.txt");
  if (!probe) {
    std::printf("Benchmark instances not found under %s; nothing to measure.\n", Root.c_str());
    return 0;
  }
  std::printf("Heuristics on the OR-Library instances, median of %d runs per row\n", runs);
  MedianTable(runs);
  FixedTable(runs);
  return 0;
}
