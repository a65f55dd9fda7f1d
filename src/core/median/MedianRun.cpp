#include "median/MedianRun.h"

#include <algorithm>

#include "median/MedianHeuristics.h"
#include "median/MedianNeighbourhood.h"
#include "solve/Evaluation.h"
#include "tradeoff/CurveStop.h"

namespace korvelan {
namespace {

void Improve(ModelState& m, RunHost& host, int count) {
  if (m.MedianAlgorithm == 'E')
    Exchange(m, host, count);
  else
    NeighbourhoodSearch(m, host, count);
}

// Improve after every added facility.
void ImproveEveryStep(ModelState& m, RunHost& host, int P) {
  const int k = std::max<int>(1, m.PresetCount);
  Myopic(m, host, k);
  Improve(m, host, k);
  for (int f = k + 1; f <= P && !CurveStopRequested(m); ++f) {
    const int s = BestAddition(m);
    if (s == 0) {
      m.CostByCount[f] = m.CostByCount[f - 1];
      continue;
    }
    AddMedian(m, host, f, s);
    Improve(m, host, f);
  }
}

}  // namespace

bool RunMedianHeuristic(ModelState& m, RunHost& host, int P) {
  switch (m.MedianAlgorithm) {
    case 'M':
      Myopic(m, host, P);
      break;
    case 'E':
    case 'N':
      if (m.MedianTiming == 'L') {
        Myopic(m, host, P);
        if (!CurveStopRequested(m)) Improve(m, host, P);
      } else {
        ImproveEveryStep(m, host, P);
      }
      break;
    default:
      return false;
  }
  RebuildLocatedList(m);
  return true;
}

}  // namespace korvelan
