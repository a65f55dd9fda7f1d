#pragma once
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

struct PickedSite {
  int site = 0;
  bool found = false;
};

// The free site with the largest UncoveredGain (ties to the lowest number). When
// no site adds coverage, reports that `count` - 1 facilities cover all they can.
PickedSite PickBestSite(ModelState& m, RunHost& host, int count);

// The maximum-covering heuristic: required and initial sites first, then greedy
// adding up to P facilities, with substitution after every added facility or once
// at the end as DoSubstitution and ExchangeEveryIteration say. Writes Located,
// NTIMES, NumLocated, CostByCount, TradeoffExists; leaves SolutionClass 0.
// The abort of a tradeoff curve stops the adding before the next facility
// (no final exchange; CurveStop.h).
void GreedyCover(ModelState& m, RunHost& host, int P);

// The progress line giving the share of the total demand now covered.
std::string CoveredPercentLine(const ModelState& m);

}  // namespace korvelan
