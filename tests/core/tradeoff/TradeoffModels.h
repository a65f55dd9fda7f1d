#pragma once
// Small models for the tradeoff tests, and the exhaustive (distance, coverage)
// outcomes of every set of sites the tests compare the curves with.
#include <functional>
#include <set>
#include <vector>

#include "../median/HeuristicModels.h"
#include "model/CoverageLists.h"
#include "model/ModelState.h"

namespace korvelan::testing {

// The coverage distance (whole units) and cost per mile 1 set, coverage lists
// built, as after "&Done and Run"; no Lagrangian progress window.
inline void SetCurveParameters(ModelState& m, int coverage) {
  m.CoverageDistance = static_cast<int64_t>(coverage) * FixedPointScale;
  m.CostPerMile = 1;
  m.CoverageDistanceSet = m.CostPerMileSet = 1;
  m.DataLoaded = 1;
  m.ShowLagProgress = 0;
  BuildCoverageLists(m);
  CountStatuses(m);
}

// A random model with its parameters set.
inline void PrepareCurveModel(ModelState& m, unsigned seed, const RandomModelOptions& options, int coverage) {
  FillRandomModel(m, seed, options);
  SetCurveParameters(m, coverage);
}

// Demand of the demand nodes within the coverage distance of a site of `open`.
inline Extended CoveredDemandOf(const ModelState& m, const std::set<int>& open) {
  Extended covered = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j : open)
      if (WithinCoverage(m.CoverageDistance, m.DistanceMatrix.at(i, j))) {
        covered += m.Node(i).Demand;
        break;
      }
  return covered;
}

struct SiteSetOutcome {
  Extended distance = 0;  // each demand node to its nearest open site, demand-weighted
  Extended covered = 0;
  std::set<int> sites;
};

// Every set of P sites that opens the required sites and no excluded one.
inline std::vector<SiteSetOutcome> EverySiteSet(const ModelState& m, int P) {
  std::vector<SiteSetOutcome> all;
  std::set<int> chosen;
  std::function<void(int)> extend = [&](int next) {
    if (static_cast<int>(chosen.size()) == P) {
      for (int j = 1; j <= m.Numbnodes; ++j)
        if (m.Node(j).SiteStatus == StatusRequired && !chosen.count(j)) return;
      all.push_back({NearestWeightedDistance(m, chosen), CoveredDemandOf(m, chosen), chosen});
      return;
    }
    for (int j = next; j <= m.Numbnodes; ++j) {
      if (m.Node(j).SiteStatus == StatusExcluded) continue;
      chosen.insert(j);
      extend(j + 1);
      chosen.erase(j);
    }
  };
  extend(1);
  return all;
}

}  // namespace korvelan::testing

namespace korvelan::testing {

// Nodes on a line at the given whole positions, each a demand node with its demand.
inline void PrepareLineModel(ModelState& m, const std::vector<int>& x, const std::vector<Extended>& demand, int coverage) {
  const int n = static_cast<int>(x.size());
  m.Numbnodes = m.NumDemandNodes = static_cast<uint16_t>(n);
  for (int i = 1; i <= n; ++i) {
    m.Node(i).Demand = m.Node(i).LoadedDemand = demand[i - 1];
    for (int j = 1; j <= n; ++j) m.DistanceMatrix.at(i, j) = std::abs(x[i - 1] - x[j - 1]);
  }
  FinishModel(m);
  SetCurveParameters(m, coverage);
}

}  // namespace korvelan::testing
