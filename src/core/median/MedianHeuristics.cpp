#include "median/MedianHeuristics.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "covering/Coverage.h"
#include "median/MedianServices.h"
#include "median/SwapScan.h"
#include "solve/Evaluation.h"
#include "tradeoff/CurveStop.h"

namespace korvelan {
namespace {

struct Replacement {
  int site = 0;
  Extended saving = 0;
};

// The closed allowed site whose replacing o saves the most (more than tolerance).
Replacement BestReplacement(const ModelState& m, int o, Extended tolerance, std::vector<Extended>& saving) {
  ReplacementSavings(m, o, saving);
  Replacement best{0, tolerance};
  for (int i = 1; i <= m.Numbnodes; ++i)
    if (IsFreeClosedSite(m.Node(i)) && saving[i] > best.saving) best = {i, saving[i]};
  return best;
}

}  // namespace

void ReportRelocation(ModelState& m, RunHost& host, int o, int s, Extended saving) {
  if (!MedianLinesShown(m)) return;
  host.AddProgressLines({"Node " + std::to_string(o) + " removed", "Node " + std::to_string(s) + " replaces it",
                         "Reducing average distance by " + ProgressNumber(PerDemand(m, saving), 15)});
}

bool MedianLinesShown(const ModelState& m) {
  return m.SolutionClass != 2 && !(m.ProblemCode == 'M' && m.MedianAlgorithm == 'T');
}

void Myopic(ModelState& m, RunHost& host, int P) {
  ResetAssignments(m);
  int k = 0;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (IsPresetSite(m.Node(j))) AddMedian(m, host, ++k, j);
  for (int c = k + 1; c <= P && !CurveStopRequested(m); ++c) {
    const int s = BestAddition(m);
    if (s != 0)
      AddMedian(m, host, c, s);
    else
      RecordCostByCount(m, c, c, AverageDistance(m));
  }
  m.TradeoffExists = 1;
  m.SecondFacilityValid = 0;
  RebuildLocatedList(m);
}

int BestAddition(const ModelState& m) {
  std::vector<Extended> saving;
  AdditionSavings(m, saving);
  // The first facility is always placed, even where nothing can be saved.
  Extended best = AnySiteOpen(m) ? 0 : -1;
  int site = 0;
  for (int i = 1; i <= m.Numbnodes; ++i)
    if (IsFreeClosedSite(m.Node(i)) && saving[i] > best) {
      best = saving[i];
      site = i;
    }
  return site;
}

void AddMedian(ModelState& m, RunHost& host, int k, int s) {
  AttachNodesTo(m, s);
  m.Node(s).Located = 1;
  UpdateCoverage(m, host, '+', s);
  m.SecondFacilityValid = 0;
  const Extended average = AverageDistance(m);
  RecordCostByCount(m, k, k, average);
  if (MedianLinesShown(m))
    host.AddProgressLines({"Median " + std::to_string(k) + " located at node " + std::to_string(s),
                           "  Average Distance = " + ProgressNumber(average, 15)});
}

bool Exchange(ModelState& m, RunHost& host, int count) {
  bool changed = false;
  if (MedianLinesShown(m)) host.AddProgressLine("<<< PROCESSING EXCHANGE OPPORTUNITIES ... HANG ON >>>");
  RebuildLocatedList(m);
  ComputeSecondClosest(m);
  const Extended tolerance = DistanceTolerance(m);
  const int positions = std::min<int>(count, m.NumLocated);
  std::vector<Extended> saving;
  for (bool replaced = true; replaced;) {
    replaced = false;
    for (int q = 1; q <= positions; ++q) {
      host.SetCandidateOutGauge(static_cast<int>(std::lround(100.0 * q / count)));
      const int o = m.LocatedList[q];
      if (m.Node(o).SiteStatus == StatusRequired) continue;
      const Replacement best = BestReplacement(m, o, tolerance, saving);
      if (best.site == 0) continue;
      ReplaceMedian(m, host, o, best.site, count, best.saving);
      replaced = changed = true;
      ComputeSecondClosest(m);
    }
  }
  m.TradeoffExists = 1;
  return changed;
}

void ReplaceMedian(ModelState& m, RunHost& host, int o, int s, int count, Extended saving) {
  EnsureSecondClosest(m);
  ReplaceListedSite(m, o, s);
  SwitchSites(m, host, o, s);
  for (int j = 1; j <= m.NumDemandNodes; ++j) {
    NodeRecord& node = m.Node(j);
    const int32_t a = m.DistanceMatrix.at(j, s);
    if (node.AssignedFacility == o) {
      const bool toSecond = node.SecondDistance < a;
      node.AssignedFacility = static_cast<uint16_t>(toSecond ? node.SecondFacility : s);
      node.AssignedDistance = toSecond ? node.SecondDistance : a;
    } else if (a < node.AssignedDistance) {
      node.AssignedFacility = static_cast<uint16_t>(s);
      node.AssignedDistance = a;
    }
  }
  RecordCostByCount(m, std::min<int>(m.NumLocated, count), count, AverageDistance(m));
  ReportRelocation(m, host, o, s, saving);
}

}  // namespace korvelan
