#include "covering/PCenter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "covering/Coverage.h"
#include "covering/CoverBranchAndBound.h"
#include "covering/CoverTarget.h"
#include "covering/SetCover.h"
#include "solve/SolveModel.h"
#include "model/CoverageLists.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

// Whole distance units <-> the fixed point of the coverage distance.
int64_t Units(int64_t fixedPoint) { return fixedPoint / FixedPointScale; }
int64_t FixedPoint(int64_t units) { return units * FixedPointScale; }

std::string UnitsText(int64_t fixedPoint) { return FormatNumber(static_cast<Extended>(Units(fixedPoint)), 18, 0); }

struct CenterRun {
  ModelState& m;
  RunHost& host;
  bool partial;
  int P;
  Extended target = 0;
};

bool Weighted(const CenterRun& r) { return r.partial && r.m.DoWeightedFlag; }

// Coverage lists and coverable demand for the current coverage distance. False when
// the build found inconsistent data (FatalError is then raised).
bool BuildCoverage(CenterRun& r) {
  ModelState& m = r.m;
  m.CoverageDistance = std::max<int64_t>(m.CoverageDistance, 0);
  std::string problem;
  if (Weighted(r)) {
    std::vector<Extended> weights(NodeSlots, 0);
    for (int i = 1; i <= m.NumDemandNodes; ++i) weights[i] = m.SavedDemand[i];
    problem = BuildWeightedCoverageLists(m, weights);
  } else {
    problem = BuildCoverageLists(m);
  }
  if (problem.empty()) return true;
  m.FatalError = 1;
  r.host.Warning(problem);
  return false;
}

// One feasibility search at the current distance, from the saved statuses.
bool Attempt(CenterRun& r) {
  ModelState& m = r.m;
  m.AtRootNode = 1;
  m.DoSubstitution = 1;
  m.CoverStateChanged = 1;
  m.AbortRequested = 0;
  m.FullCoverage = 0;
  m.ClearBranchPath();
  const bool found = SetCoverFeasible(m, r.host, r.P, r.target, 0);
  RestoreSavedStatus(m);
  return found;
}

bool AttemptAt(CenterRun& r, int64_t distance) {
  r.m.CoverageDistance = distance;
  return BuildCoverage(r) && Attempt(r);
}

// The largest distance the search may try; the fixed point of twice as much
// still fits 64 bits.
constexpr int64_t LargestSearchDistance = LargestCoverageUnits * FixedPointScale;

// The coverage distance at and beyond which every demand node lies within reach of
// every site (times the largest weight for the weighted model): doubling past it
// cannot help. Computed in extended precision, so that large demands cannot
// overflow it; beyond LargestSearchDistance the search stops there.
Extended CoverAllUnits(const CenterRun& r) {
  const ModelState& m = r.m;
  int64_t farthest = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j = 1; j <= m.Numbnodes; ++j) farthest = std::max<int64_t>(farthest, m.DistanceMatrix.at(i, j));
  Extended weight = 1;
  if (Weighted(r)) {
    weight = 0;
    for (int i = 1; i <= m.NumDemandNodes; ++i) weight = std::max(weight, m.SavedDemand[i]);
  }
  return std::ceil(static_cast<Extended>(farthest) * weight);
}

std::string UnableToCoverMessage(const CenterRun& r, Extended reachAllUnits) {
  const std::string start = "Unable to cover the required demand with " + std::to_string(r.P) + " facilities at ";
  if (reachAllUnits <= static_cast<Extended>(LargestCoverageUnits)) return start + "any coverage distance.";
  return start + "any coverage distance up to " + UnitsText(LargestSearchDistance) +
         ".\nThe demand-weighted distances of these demands reach beyond it.";
}

void EndRun(CenterRun& r) {
  r.m.RunIterations = r.m.IterationTotal;
  r.m.TradeoffExists = 0;
}

// Doubles the upper estimate until an attempt succeeds. False when the run must end.
bool DoublingPhase(CenterRun& r) {
  ModelState& m = r.m;
  const Extended reachAllUnits = CoverAllUnits(r);
  const int64_t reachAll =
      FixedPoint(static_cast<int64_t>(std::min(reachAllUnits, static_cast<Extended>(LargestCoverageUnits))));
  for (;;) {
    const int64_t hi = std::min(m.UpperDistanceEstimate, LargestSearchDistance);
    if (!AttemptAt(r, hi)) {
      if (m.FatalError) return false;
      if (m.AbortRequested) continue;  // an aborted attempt is repeated
      if (hi >= reachAll) {
        m.FatalError = 1;
        r.host.Information(UnableToCoverMessage(r, reachAllUnits));
        return false;
      }
      r.host.AddMessageLine("UPPER Estimate of " + UnitsText(hi) +
                            " too small to cover all demands.  It will be doubled.");
      r.host.AddMessageLine("      LOWER Estimate will be set to " + UnitsText(hi));
      m.LowerDistanceEstimate = hi;
      m.UpperDistanceEstimate = std::min(std::max<int64_t>(2 * hi, FixedPoint(1)), LargestSearchDistance);
      continue;
    }
    return true;
  }
}

enum class Halving { Bracketed, ZeroDistance, Fatal };

// Halves the lower estimate while attempts succeed; hi follows each success.
Halving HalvingPhase(CenterRun& r, int64_t& lo, int64_t& hi) {
  ModelState& m = r.m;
  m.AbortRequested = 0;
  hi = m.UpperDistanceEstimate;
  for (;;) {
    lo = m.LowerDistanceEstimate;
    const bool succeeded = AttemptAt(r, lo);
    if (m.FatalError) return Halving::Fatal;
    if (!succeeded) {
      if (m.AbortRequested) continue;
      return Halving::Bracketed;
    }
    if (lo == 0) {
      hi = 0;
      m.LowerDistanceEstimate = 0;
      r.host.Information("Able to cover all demands with zero distance");
      return Halving::ZeroDistance;
    }
    r.host.AddMessageLine("LOWER Estimate of " + UnitsText(lo) + " too big.  It will be halved.");
    r.host.AddMessageLine("      UPPER Etimate will be set to " + UnitsText(lo));
    hi = std::min(lo, hi);
    m.LowerDistanceEstimate = FixedPoint(Units(lo) / 2);
  }
}

// Bisection between a failing lo and a succeeding hi, in whole units. Returns false
// when a coverage build failed; aborted records an attempt stopped by the analyst.
bool BisectionPhase(CenterRun& r, int64_t lo, int64_t& hi, bool& aborted) {
  ModelState& m = r.m;
  while (hi != lo) {
    const int64_t mid = FixedPoint((Units(lo) + Units(hi)) / 2);
    const bool succeeded = AttemptAt(r, mid);
    if (m.FatalError) return false;
    if (!succeeded && m.AbortRequested) aborted = true;
    if (succeeded) {
      hi = mid;
      SaveBestLocated(m);
    } else {
      lo = mid + FixedPoint(1);
    }
  }
  return true;
}


// Installs the answer at distance hi and sets the results every finish shares.
bool Finish(CenterRun& r, int64_t hi, bool aborted) {
  ModelState& m = r.m;
  m.CoverageDistance = hi;
  if (!BuildCoverage(r)) return false;
  m.SolutionClass = 2;
  m.ReportProblemCode = r.partial ? '%' : 'P';
  InstallBestLocated(m, r.host);
  EndRun(r);
  const bool success = AllDemandCovered(m);
  m.FullCoverage = success ? 1 : 0;
  if (aborted) m.SolutionClass = 0;
  return success;
}

}  // namespace

bool PCenter(ModelState& m, RunHost& host, bool partial) {
  CenterRun r{m, host, partial, m.NumberToLocate};
  m.DoSubstitution = 1;
  for (int j = 1; j <= m.Numbnodes; ++j) m.SavedStatus[j] = m.Node(j).SiteStatus;
  CountStatuses(m);
  m.NumLocated = static_cast<uint16_t>(r.P);
  m.BranchAndBoundOn = 1;
  m.IterationTotal = 0;
  m.RunBranchNodes = 0;
  m.AbortRequested = 0;
  if (partial)
    for (int i = 1; i <= m.NumDemandNodes; ++i) m.SavedDemand[i] = m.Node(i).Demand;
  r.target = FixCoverTarget(m, partial);
  DemandRestorer demands(m);

  if (!DoublingPhase(r)) {
    EndRun(r);
    return false;
  }
  int64_t lo = 0;
  int64_t hi = 0;
  const Halving halving = HalvingPhase(r, lo, hi);
  if (halving == Halving::Fatal) {
    EndRun(r);
    return false;
  }
  if (halving == Halving::ZeroDistance) {
    m.SolutionClass = 2;
    m.ReportProblemCode = partial ? '%' : 'P';
    InstallBestLocated(m, host);
    EndRun(r);
    m.FullCoverage = AllDemandCovered(m) ? 1 : 0;
    return true;
  }
  bool aborted = false;
  lo = std::min(lo, hi);
  if (!BisectionPhase(r, lo, hi, aborted)) {
    EndRun(r);
    return false;
  }
  return Finish(r, hi, aborted);
}

}  // namespace korvelan
