#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/Types.h"

namespace korvelan {

// One solution of the covering-median curve.
struct TradeoffPoint {
  Extended FirstValue = 0;   // total demand-weighted distance (each node to its nearest open site)
  Extended SecondValue = 0;  // covered demand
  Extended PointWeight = 0;  // the constant K of the weighted median that found it
  // PointLocated[j] = 1 for every open site j; entries 1..Numbnodes (entry 0 unused).
  std::vector<uint8_t> PointLocated;

  bool Located(int j) const { return j > 0 && j < static_cast<int>(PointLocated.size()) && PointLocated[j] == 1; }
};

// Settings and working list of the tradeoff curves.
// Every member carries its default; ResetModel restores a default-constructed record.
struct TradeoffSettings {
  // The covering-median curve: after a 'D' run, its points in ascending order of
  // covered demand (the curve order every table, graph and file walks).
  std::vector<TradeoffPoint> TradeoffList;

  // Measures of the covering-median curve (ComputeCurveMeasures).
  double CurrentICP = 0;
  double CurrentICPNormalized = 0;
  double CurrentIPF = 0;
  double CurrentIPFNormalized = 0;

  // --- what the last curve run left, for the windows and the batch program ---
  // First facility count of a 'C', 'M' or 'F' curve that holds a computed value:
  // 1, except for a drop curve stopped before it reached its lowest count.
  int FirstCurveCount = 1;
  // A 'C', 'M' or 'F' curve is being traced: the heuristic abort stops it.
  uint8_t CurveRunning = 0;
  // The heuristic abort stopped a 'C', 'M' or 'F' curve between facility counts.
  uint8_t CurveStopped = 0;
  // Weighted median runs of the last 'D' curve.
  int WeightedMedianRuns = 0;
  // One line for every search of the last 'D' curve that a safety cap ended.
  std::vector<std::string> CapNotes;
};

}  // namespace korvelan
