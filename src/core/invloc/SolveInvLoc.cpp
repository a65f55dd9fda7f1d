// The integrated inventory/location model's branch of the solve dispatcher: the
// Lagrangian branch and bound over FixedNumberToLocate (-1 optimises the number).
#include "invloc/InvLocModel.h"
#include "invloc/TolvanSolver.h"
#include "solve/Evaluation.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

// The starting incumbent: the previous run's solution evaluated with the current
// inputs when the run keeps it (upper bounding on and no fresh start asked for).
Extended StartingIncumbent(ModelState& m) {
  InvLocSettings& s = m.InvLoc;
  if (m.FreshIncumbent || !s.DoBoundingBox || !s.KeptSolution) return LagInfinity;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    m.Node(j).Located = s.KeptLocated[j];
    m.BestLocated[j] = s.KeptLocated[j];
  }
  for (int i = 1; i <= m.NumDemandNodes; ++i) m.Node(i).AssignedFacility = s.IncumbentAssignment[i];
  const Extended value = TolvanObjective(m);
  ClearSolution(m);
  return value;
}

void InstallIncumbent(ModelState& m, RunHost& host) {
  ApplyBestSolution(m, host, true);
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    NodeRecord& node = m.Node(i);
    node.AssignedFacility = m.InvLoc.IncumbentAssignment[i];
    node.AssignedDistance = m.DistanceMatrix.at(i, node.AssignedFacility);
  }
  m.SecondFacilityValid = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) m.InvLoc.KeptLocated[j] = static_cast<uint8_t>(m.BestLocated[j]);
  m.InvLoc.KeptSolution = 1;
}

}  // namespace

// The model runs in daily demands (computed afresh from the loaded demands, so a run
// never depends on how the parameter form was left); the run form restores the
// loaded demands afterwards. A run that recorded no feasible solution fails with
// every SiteStatus put back.
bool SolveInvLocLagrangian(ModelState& m, RunHost& host) {
  ComputeTolvanDerivedData(m);
  PrepareLagrangianRun(m);
  m.DoSubstitution = 1;
  Extended incumbent = StartingIncumbent(m);
  m.FreshIncumbent = 0;
  TolvanSearch search;
  Extended bound = 0;
  bool found = false;
  bool built = false;
  int count = 0;
  RunLagrangianDriver(m, host, [&] {
    TolvanBranchAndBound(m, host, search, m.BranchLevel, count, m.FixedNumberToLocate, found, built, incumbent,
                         bound);
  });
  ReleaseCostMatrix(m, search.relax);
  RestoreCoverageDistance(m);
  RestoreRootStatuses(m);
  if (!found || incumbent >= LagInfinity) return false;
  InstallIncumbent(m, host);
  m.RunIterations = m.IterationTotal;
  m.RunLowerBound = bound;
  m.RunUpperBound = incumbent;
  m.TradeoffExists = 0;
  m.DemandWeightedDistance = TolvanWeightedDistance(m);
  return true;
}

}  // namespace korvelan
