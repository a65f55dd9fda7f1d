#pragma once
#include <string>

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// The single entry through which a model is solved. Reads ProblemCode and the
// algorithm codes, prepares the run state, calls the family's procedure and leaves
// the solution (Located, NTIMES, NumLocated, ReportProblemCode, the run bounds and
// DemandWeightedDistance) in the model. FatalError is set when no usable solution
// was produced.
void SolveModel(ModelState& m, RunHost& host);

// --- The family branches. Each lives in its family's folder and returns the
// --- completed flag of the run (false: no usable solution).

// 'C' maximum covering (covering/SolveCovering.cpp).
bool SolveMaxCovering(ModelState& m, RunHost& host);
// 'C' with the Lagrangian algorithm: branch and bound run and its wrap-up
// (covering/SolveCoveringLagrangian.cpp).
bool SolveMaxCoveringLagrangian(ModelState& m, RunHost& host);
// 'S' set covering and '&' partial set covering (covering/SolveSetCovering.cpp).
bool SolveSetCoveringFamily(ModelState& m, RunHost& host);
// 'P' p-center and '%' partial p-center (covering/SolvePCenter.cpp).
bool SolvePCenterFamily(ModelState& m, RunHost& host);
// 'M' p-median heuristics: myopic, exchange, neighbourhood (median/SolveMedian.cpp),
// which hands 'L' and 'T' to the two functions below.
bool SolveMedian(ModelState& m, RunHost& host);
bool SolveMedianLagrangian(ModelState& m, RunHost& host);  // median/SolveMedianLagrangian.cpp
bool SolveMedianGenetic(ModelState& m, RunHost& host);     // median/SolveMedianGenetic.cpp
// 'F' fixed charge and 'V' integrated inventory/location heuristics
// (fixed/SolveFixedCharge.cpp), which hands the Lagrangian to the two below.
bool SolveFixedCharge(ModelState& m, RunHost& host);
bool SolveFixedLagrangian(ModelState& m, RunHost& host);  // fixed/SolveFixedLagrangian.cpp
bool SolveInvLocLagrangian(ModelState& m, RunHost& host);  // invloc/SolveInvLoc.cpp

// --- Services the branches share.

// Located := BestLocated for every node, NTIMES rebuilt from the located sites in
// ascending order; with countLocated, NumberToLocate counts them (from 0).
void ApplyBestSolution(ModelState& m, RunHost& host, bool countLocated);
// Every SiteStatus back from SavedStatus (taken by the drivers at the root), and the
// counts of required, excluded and initial sites recounted for them.
void RestoreSavedStatus(ModelState& m);
// After a driver that may change the coverage distance: put it back and rebuild
// the coverage lists.
void RestoreCoverageDistance(ModelState& m);

// Runs a Lagrangian or exact driver: the progress window is shown around it when
// ShowLagProgress is set, and RunStart / RunEnd are taken before and after.
template <typename Driver>
void RunLagrangianDriver(ModelState& m, RunHost& host, Driver&& driver) {
  const bool show = m.ShowLagProgress != 0;
  if (show) host.ShowLagProgress(true);
  m.RunStart = host.ClockSeconds();
  driver();
  m.RunEnd = host.ClockSeconds();
  if (show) host.ShowLagProgress(false);
}

// The model's phrase used in progress-window captions ("MAX COVERING", ...);
// empty for an unknown code.
std::string ProblemPhrase(char problemCode);

}  // namespace korvelan
