// Drawing the coverage map of 300 nodes at the largest coverage distance, where
// every site covers every node: 90,000 links (300 of them zero-length self links).
// Prints the time to build the map's series and to paint them offscreen into a
// 1200 x 900 image, median of 9 runs each, also for the solution map.
//
//   cmake --build build/release --target bench_map_coverage && build/release/bench/bench_map_coverage
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <vector>

#include "covering/Coverage.h"
#include "data/Distances.h"
#include "map/MapView.h"
#include "map/MapViews.h"
#include "model/CoverageLists.h"
#include "solve/Evaluation.h"

using namespace korvelan;

namespace {

// 300 random points on a 1000 x 700 plane, demand everywhere, 10 open sites.
void RandomPlane(ModelState& m) {
  std::mt19937 rng(2026);
  std::uniform_real_distribution<double> x(0, 1000), y(0, 700);
  m.Numbnodes = m.NumDemandNodes = 300;
  for (int i = 1; i <= 300; ++i) {
    m.Node(i).XCoord = x(rng);
    m.Node(i).YCoord = y(rng);
    m.Node(i).Demand = m.Node(i).LoadedDemand = 1 + i % 7;
    m.TotalDemand += m.Node(i).Demand;
  }
  for (int i = 1; i <= 300; ++i)
    for (int j = 1; j <= 300; ++j)
      m.DistanceMatrix.at(i, j) = static_cast<int32_t>(
          std::llrint(std::hypot(m.Node(i).XCoord - m.Node(j).XCoord, m.Node(i).YCoord - m.Node(j).YCoord)));
  m.MaxDistance = LargestDistance(m.DistanceMatrix, 300);
  BuildNearestOrder(m);
  m.CoverageDistance = static_cast<int64_t>(m.MaxDistance) * FixedPointScale;
  BuildCoverageLists(m);
  HeadlessRunHost host;
  for (int j = 1; j <= 300; j += 30) {
    m.Node(j).Located = 1;
    UpdateCoverage(m, host, '+', j);
  }
  m.DemandWeightedDistance = AssignToNearest(m);
  RebuildLocatedList(m);
  m.ProblemCode = m.ReportProblemCode = 'M';
}

double ProcessorMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Timing {
  double wall = 0, processor = 0;
};

// Median wall-clock and processor time of the runs (the processor time tells
// what the drawing costs when the machine is shared).
Timing MedianMilliseconds(const std::function<void()>& work, int runs = 9) {
  std::vector<double> walls, processors;
  for (int k = 0; k < runs; ++k) {
    const auto start = std::chrono::steady_clock::now();
    const double cpu = ProcessorMilliseconds();
    work();
    processors.push_back(ProcessorMilliseconds() - cpu);
    walls.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(walls.begin(), walls.end());
  std::sort(processors.begin(), processors.end());
  return {walls[walls.size() / 2], processors[processors.size() / 2]};
}

void Row(const char* name, const ModelState& m, const std::function<MapScene()>& build) {
  MapScene scene = build();
  const Timing building = MedianMilliseconds([&] { scene = build(); });
  QImage image(1200, 900, QImage::Format_RGB32);
  app::SeriesVisibility visible;
  visible.fill(true);
  const Timing painting = MedianMilliseconds([&] {
    QPainter painter(&image);
    app::PaintMap(painter, QRectF(0, 0, 1200, 900), scene, visible, std::nullopt);
  });
  std::printf("%-10s %7zu %9.2f %9.2f %9.2f %11.2f\n", name, scene[AssignmentSeries].lines.size(), building.wall,
              painting.wall, building.wall + painting.wall, building.processor + painting.processor);
  (void)m;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ModelState m;
  RandomPlane(m);
  const BorderState noBorder;
  std::printf("300 nodes, coverage distance %lld (every pair covered)\n",
              static_cast<long long>(m.CoverageDistance / FixedPointScale));
  std::printf("%-10s %7s %9s %9s %9s %11s\n", "map", "arrows", "build ms", "paint ms", "total ms", "total cpu ms");
  Row("coverage", m, [&] { return CoverageMap(m, noBorder, {}); });
  Row("solution", m, [&] { return SolutionMap(m, noBorder, {}); });
  return 0;
}
