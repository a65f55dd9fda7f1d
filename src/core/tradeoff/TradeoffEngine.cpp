#include "tradeoff/TradeoffEngine.h"

#include <algorithm>

#include "covering/GreedyCover.h"
#include "fixed/FixedAddDrop.h"
#include "median/MedianRun.h"
#include "solve/Evaluation.h"
#include "tradeoff/CoveringMedianCurve.h"
#include "tradeoff/CurveStop.h"

namespace korvelan {
namespace {

int RequiredDemandNodes(const ModelState& m) {
  int required = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) required += m.Node(i).SiteStatus == StatusRequired;
  return required;
}

void CoverageCurve(ModelState& m, RunHost& host, int pmax) {
  ClearSolution(m);
  GreedyCover(m, host, pmax);
}

void MedianCurve(ModelState& m, RunHost& host, int pmax) {
  m.NumberToLocate = m.NumLocated = static_cast<uint16_t>(pmax);
  ClearSolution(m);
  RunMedianHeuristic(m, host, pmax);
  // Counts where no site saved anything repeat the previous value up to P_max; a
  // stopped curve ends at the sites placed.
  if (!CurveStopRequested(m)) m.NumLocated = static_cast<uint16_t>(pmax);
  m.NumberToLocate = m.NumLocated;
  m.TradeoffExists = 1;
}

void FixedChargeCurve(ModelState& m, RunHost& host, int pmax) {
  m.NumberToLocate = m.NumLocated = static_cast<uint16_t>(pmax);
  ClearSolution(m);
  if (m.FixedAlgorithm == 'D') {
    const int lowest = std::max(1, RequiredDemandNodes(m));
    const int reached = fixed_drop(m, host, lowest);
    // A drop stopped early holds the counts from the one reached up to P_max.
    if (CurveStopRequested(m)) m.Tradeoff.FirstCurveCount = std::max(lowest, reached);
    m.NumberToLocate = m.NumLocated = static_cast<uint16_t>(pmax);
  } else {
    m.NumberToLocate = static_cast<uint16_t>(fixed_add(m, host, pmax));
  }
  m.TradeoffExists = 1;
}

}  // namespace

int LargestCurveCount(const ModelState& m) {
  int excluded = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) excluded += m.Node(j).SiteStatus == StatusExcluded;
  return m.Numbnodes - excluded;
}

void FreeTradeoffList(ModelState& m) { m.Tradeoff.TradeoffList.clear(); }

void GETTRADEOFF(ModelState& m, RunHost& host) {
  FreeTradeoffList(m);
  CountStatuses(m);
  TradeoffSettings& t = m.Tradeoff;
  t.FirstCurveCount = 1;
  t.CurveStopped = 0;
  t.CapNotes.clear();
  t.WeightedMedianRuns = 0;
  const int pmax = LargestCurveCount(m);
  t.CurveRunning = 1;
  switch (m.ProblemCode) {
    case 'C': CoverageCurve(m, host, pmax); break;
    case 'M': MedianCurve(m, host, pmax); break;
    case 'F': FixedChargeCurve(m, host, pmax); break;
    case 'D': t.CurveRunning = 0; CoveringMedianCurve(m, host); return;
    default: t.CurveRunning = 0; m.FatalError = 1; return;
  }
  t.CurveRunning = 0;
  t.CurveStopped = m.HeuristicAbort;
  m.HeuristicAbort = 0;
}

}  // namespace korvelan
