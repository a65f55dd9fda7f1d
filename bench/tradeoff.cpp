// Tradeoff curves on the OR-Library p-median instances: the time of a whole
// curve to every site for covering, median and fixed charge on pmed15 (300
// nodes), and of a covering-median curve on pmed6 (200 nodes) for P = 5 and 10
// with the number of weighted median runs and of points.
//
//   cmake --build build/release --target bench_tradeoff && build/release/bench/bench_tradeoff
#include <chrono>
#include <ctime>
#include <cstdio>
#include <memory>
#include <string>

#include "data/DataLoad.h"
#include "model/CoverageLists.h"
#include "tradeoff/TradeoffForm.h"

using namespace korvelan;

namespace {

const std::string Root = KORVELAN_BENCHMARKS;

// The instance with its coverage distance (an eighth of its longest distance)
// and cost per mile 1, as after "&Done and Run".
std::unique_ptr<ModelState> Load(const std::string& instance) {
  auto m = std::make_unique<ModelState>();
  LoadRequest request;
  request.MetricCode = 'N';
  request.ComputeDistances = false;
  request.DemandFileName = Root + "/data/" + instance + ".net";
  request.DistanceFileName = Root + "/data/" + instance + ".ned";
  const std::string error = LoadDataSet(*m, request);
  if (!error.empty()) {
    std::fprintf(stderr, "%s: %s\n", instance.c_str(), error.c_str());
    return nullptr;
  }
  m->CoverageDistance = static_cast<int64_t>(m->MaxDistance / 8) * FixedPointScale;
  m->CostPerMile = 1;
  m->CoverageDistanceSet = m->CostPerMileSet = 1;
  m->ShowLagProgress = 0;
  BuildCoverageLists(*m);
  CountStatuses(*m);
  return m;
}

struct CurveRun {
  const char* name;
  char problem;
  char letter;
  bool every;  // improvement after every facility
};

const CurveRun Runs[] = {
    {"C greedy", 'C', 'G', false},         {"C greedy+subst every", 'C', 'S', true},
    {"M myopic", 'M', 'M', false},         {"M exchange last", 'M', 'E', false},
    {"M exchange every", 'M', 'E', true},  {"M neighborhood every", 'M', 'N', true},
    {"F add", 'F', 'A', false},            {"F drop", 'F', 'D', false},
};

// Wall time and the process's processor time (the machine may be shared).
struct Clocks {
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
  std::clock_t cpu = std::clock();
  double Wall() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count(); }
  double Cpu() const { return double(std::clock() - cpu) / CLOCKS_PER_SEC; }
};

void CountCurves(const ModelState& loaded) {
  std::printf("pmed15: %d nodes, coverage distance %lld\n", loaded.Numbnodes,
              static_cast<long long>(loaded.CoverageDistance / FixedPointScale));
  std::printf("%-24s %8s %10s %10s %16s\n", "curve", "counts", "wall s", "cpu s", "last value");
  for (const CurveRun& run : Runs) {
    ModelState m = loaded;
    OpenTradeoff(m);
    ChooseTradeoffProblem(m, run.problem);
    ChooseTradeoffAlgorithm(m, run.letter);
    if (run.problem == 'C' && run.letter == 'S') SetExchangeEveryIteration(m, run.every);
    if (run.problem == 'M' && run.letter != 'M') SetMedianExchangeTiming(m, run.every);
    HeadlessRunHost host;
    const Clocks clocks;
    ExecuteTradeoff(m, host);
    std::printf("%-24s %8d %10.3f %10.3f %16.4f\n", run.name, m.NumLocated, clocks.Wall(), clocks.Cpu(),
                static_cast<double>(m.CostByCount[m.NumLocated]));
  }
}

void CoveringMedianCurves(const ModelState& loaded) {
  std::printf("\npmed6: %d nodes, coverage distance %lld\n", loaded.Numbnodes,
              static_cast<long long>(loaded.CoverageDistance / FixedPointScale));
  std::printf("%-4s %10s %10s %16s %8s %10s %10s\n", "P", "wall s", "cpu s", "weighted runs", "points", "ICP", "IPF");
  for (int P : {5, 10}) {
    ModelState m = loaded;
    OpenTradeoff(m);
    ChooseTradeoffProblem(m, 'D');
    CheckTradeoffCount(m, std::to_string(P));
    HeadlessRunHost host;
    const Clocks clocks;
    ExecuteTradeoff(m, host);
    std::printf("%-4d %10.3f %10.3f %16d %8zu %10.4f %10.4f\n", P, clocks.Wall(), clocks.Cpu(), m.Tradeoff.WeightedMedianRuns,
                m.Tradeoff.TradeoffList.size(), m.Tradeoff.CurrentICP, m.Tradeoff.CurrentIPF);
  }
}

}  // namespace

int main() {
  const std::unique_ptr<ModelState> pmed15 = Load("pmed15");
  const std::unique_ptr<ModelState> pmed6 = Load("pmed6");
  if (!pmed15 || !pmed6) return 1;
  CountCurves(*pmed15);
  CoveringMedianCurves(*pmed6);
  return 0;
}
