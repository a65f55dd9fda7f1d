#pragma once
// Small solved models for the map tests.
#include <cmath>
#include <initializer_list>
#include <set>
#include <string>

#include "covering/Coverage.h"
#include "data/Distances.h"
#include "model/CoverageLists.h"
#include "model/ModelState.h"
#include "solve/Evaluation.h"
#include "solve/RunHost.h"

namespace korvelan::testing {

struct MapNode {
  double x, y;
  Extended demand;
  std::string name;
};

// Nodes at the given places (the first `demandNodes` with demand), rounded
// Euclidean distances, coverage distance `coverage`, the coverage lists built.
inline void BuildMapModel(ModelState& m, std::initializer_list<MapNode> nodes, int demandNodes, int coverage,
                          char metric = 'E') {
  int n = 0;
  for (const MapNode& node : nodes) {
    NodeRecord& record = m.Node(++n);
    record.XCoord = node.x;
    record.YCoord = node.y;
    record.Demand = record.LoadedDemand = n <= demandNodes ? node.demand : 0;
    record.NodeName = node.name;
  }
  m.Numbnodes = static_cast<uint16_t>(n);
  m.NumDemandNodes = static_cast<uint16_t>(demandNodes);
  m.MetricCode = metric;
  m.NamesPresent = 1;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      m.DistanceMatrix.at(i, j) = static_cast<int32_t>(std::llrint(
          std::hypot(m.Node(i).XCoord - m.Node(j).XCoord, m.Node(i).YCoord - m.Node(j).YCoord)));
  m.TotalDemand = 0;
  for (int i = 1; i <= demandNodes; ++i) m.TotalDemand += m.Node(i).Demand;
  m.MaxDistance = LargestDistance(m.DistanceMatrix, n);
  BuildNearestOrder(m);
  m.CoverageDistance = static_cast<int64_t>(coverage) * FixedPointScale;
  BuildCoverageLists(m);
}

// Opens the sites, counts the coverage and assigns every demand node to its nearest site.
inline void OpenMapSites(ModelState& m, std::initializer_list<int> sites, char code) {
  ClearSolution(m);
  HeadlessRunHost host;
  for (int j : sites) {
    m.Node(j).Located = 1;
    UpdateCoverage(m, host, '+', j);
  }
  m.DemandWeightedDistance = AssignToNearest(m);
  RebuildLocatedList(m);
  m.ProblemCode = m.ReportProblemCode = code;
}

}  // namespace korvelan::testing
