#include "model/ModelState.h"

#include <algorithm>

namespace korvelan {

ModelState::ModelState() = default;

void InitNodeRecord(ModelState& m, int n) { m.NodeTable[n] = NodeRecord{}; }

void ReleaseNode(ModelState& m, int n) {
  m.NodeTable[n] = NodeRecord{};
  std::fill_n(m.DistanceMatrix.row(n), NodeSlots, 0);
  std::fill_n(m.NearestOrder.row(n), NodeSlots, 0);
}

void ResetModel(ModelState& m) {
  const int loaded = std::min<int>(m.Numbnodes, MaxNodes);
  for (int n = 1; n <= loaded; ++n) ReleaseNode(m, n);
  m.Numbnodes = 0;
  m.NumDemandNodes = 0;
  m.NumberToLocate = 0;
  m.CoverageDistance = -FixedPointScale;
  m.ForcedCount = 0;
  m.ExcludedCount = 0;
  m.FatalError = 0;
  m.CoverListsBuilt = 0;
  m.CoverStateChanged = 1;
  m.CoverListLength = 0;
  m.InitialSolutionFileName.clear();
  m.DoSubstitution = 1;
  m.ExchangeEveryIteration = 1;
  m.ExchangeSearch = 0;
  m.AddedConstant = 0;
  m.AddedConstantMultiplied = 0;
  m.MedianTiming = 'E';
  m.AddFirst = 'A';
  m.ShowLagProgress = 1;
  m.RefreshPause = 100;
  m.BranchAndBoundOn = 1;
  m.Covering = CoveringSettings{};
  m.Median = MedianSettings{};
  // The genetic algorithm's target value and its switch survive a new load.
  const MedianGASettings keptTarget = m.Genetic;
  m.Genetic = MedianGASettings{};
  m.Genetic.GAUseTarget = keptTarget.GAUseTarget;
  m.Genetic.TargetEdit = keptTarget.TargetEdit;
  m.Fixed = FixedSettings{};
  m.InvLoc = InvLocSettings{};
  m.Tradeoff = TradeoffSettings{};
}

void RestoreDemands(ModelState& m) {
  Extended total = 0;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    NodeRecord& node = m.Node(n);
    node.Demand = node.LoadedDemand;
    total += node.Demand;
  }
  m.TotalDemand = total;
}

bool ShowsName(const ModelState& m, int n) {
  return (m.NamesPresent && n <= m.NumDemandNodes) || (m.ExtraNamesPresent && n > m.NumDemandNodes);
}

void CountStatuses(ModelState& m) {
  m.ForcedCount = m.ExcludedCount = m.InitialCount = m.PresetCount = 0;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    const NodeRecord& node = m.Node(n);
    const bool required = node.SiteStatus == StatusRequired;
    const bool initial = node.InInitialSolution == 1;
    m.ForcedCount += required;
    m.ExcludedCount += node.SiteStatus == StatusExcluded;
    m.InitialCount += initial;
    m.PresetCount += (required || initial);
  }
}

}  // namespace korvelan
