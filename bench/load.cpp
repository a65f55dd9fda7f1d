// Loading speed: a 300-node network data set with its 90,000-line distance
// file, and a 300-node Euclidean matrix with its nearest-node order.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "data/DataLoad.h"
#include "data/Distances.h"

using namespace korvelan;

namespace {

constexpr int Runs = 15;

double MedianMilliseconds(const std::function<void()>& work) {
  std::vector<double> times;
  for (int run = 0; run < Runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::vector<LoadedNode> RandomNodes(int n) {
  std::mt19937 random(2024);
  std::uniform_real_distribution<double> coordinate(0, 1000);
  std::vector<LoadedNode> nodes(n);
  for (LoadedNode& node : nodes) {
    node.XCoord = coordinate(random);
    node.YCoord = coordinate(random);
  }
  return nodes;
}

void Row(const char* task, double ms) { std::printf("| %-52s | %9.2f |\n", task, ms); }

}  // namespace

int main() {
  std::printf("| %-52s | %9s |\n|%s|%s|\n", "task (median of 15 runs)", "ms", std::string(54, '-').c_str(),
              std::string(11, '-').c_str());

  const std::string data = std::string(KORVELAN_BENCHMARKS) + "/data/";
  if (std::filesystem::exists(data + "pmed15.net")) {
    LoadRequest request;
    request.MetricCode = 'N';
    request.DemandFileName = data + "pmed15.net";
    request.DistanceFileName = data + "pmed15.ned";
    ModelState model;
    Row("check pmed15.ned line count (90,000 lines)",
        MedianMilliseconds([&] { CheckDistanceFile(request.DistanceFileName, 300); }));
    Row("load pmed15 (300 nodes, read matrix, NearestOrder)", MedianMilliseconds([&] {
          if (!LoadDataSet(model, request).empty()) std::printf("load failed\n");
        }));
  } else {
    std::printf("| %-52s | %9s |\n", "pmed15 (benchmark folder absent)", "-");
  }

  const std::vector<LoadedNode> nodes = RandomNodes(MaxNodes);
  NodeMatrix matrix, order;
  Row("compute 300-node Euclidean matrix",
      MedianMilliseconds([&] { ComputeDistanceMatrix(nodes, 'E', EarthDiameterMiles, matrix); }));
  Row("compute 300-node great-circle matrix",
      MedianMilliseconds([&] { ComputeDistanceMatrix(nodes, 'G', EarthDiameterMiles, matrix); }));
  Row("NearestOrder of a 300-node matrix",
      MedianMilliseconds([&] { BuildNearestOrder(matrix, MaxNodes, order); }));
  Row("Euclidean matrix + NearestOrder", MedianMilliseconds([&] {
        ComputeDistanceMatrix(nodes, 'E', EarthDiameterMiles, matrix);
        BuildNearestOrder(matrix, MaxNodes, order);
      }));
  return 0;
}
