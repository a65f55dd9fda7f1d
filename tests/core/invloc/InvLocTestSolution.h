#pragma once
// Four towns on a line (x = 0, 10, 30, 35), centres at towns 1 and 3 serving their
// nearest towns, daily demands 2, 6, 4, 4: a solution whose costs are worked by hand.
#include <cstdlib>

#include "invloc/InvLocModel.h"
#include "model/ModelState.h"
#include "solve/Evaluation.h"

namespace korvelan::testing {

// With these inputs every centre serves D = 8 a day: n = sqrt(2 x 8 x 100 / 16) = 10
// orders a year, safety stock sqrt(2 x 8) x 2 x 1.5 = 12, K sqrt(D) = 160.
inline ModelState SmallSolution() {
  ModelState m;
  m.Numbnodes = m.NumDemandNodes = 4;
  m.NamesPresent = 1;
  const double x[] = {0, 10, 30, 35};
  const Extended loaded[] = {4, 12, 8, 8};
  const Extended fixed[] = {100, 70, 50, 90};
  const char* names[] = {"Ashford", "Bexley", "Carden", "Dunmore"};
  for (int n = 1; n <= 4; ++n) {
    NodeRecord& node = m.Node(n);
    node.XCoord = x[n - 1];
    node.LoadedDemand = node.Demand = loaded[n - 1];
    node.FixedCost = fixed[n - 1];
    node.NodeName = names[n - 1];
    for (int j = 1; j <= 4; ++j) m.DistanceMatrix.at(n, j) = static_cast<int32_t>(std::abs(x[n - 1] - x[j - 1]));
  }
  m.TotalDemand = 32;
  TolvanParameters& p = m.InvLoc.Parameters;
  p.DemandPerPopulation = 0.5;
  p.LeadTime = 2;
  p.VarianceToMean = 1;
  p.ZAlpha = 1.5;
  p.HoldingCost = 2;
  p.OrderCost = 5;
  p.TransportWeight = 1;
  p.InventoryWeight = 1;
  p.DeliveryRate = 0.5;
  p.DaysPerYear = 100;
  p.ShipConstant = 3;
  p.ShipMileage = 0;
  p.UnitConstant = 2;
  p.UnitMileage = 0;
  ComputeTolvanDerivedData(m);
  RestoreDemands(m);  // as after a run
  m.CoverageDistance = 100 * FixedPointScale;
  m.ProblemCode = m.ReportProblemCode = 'V';
  m.FixedAlgorithm = 'L';
  m.SolutionClass = 2;
  m.Node(1).Located = m.Node(3).Located = 1;
  const int served[] = {1, 1, 3, 3};
  for (int i = 1; i <= 4; ++i) {
    m.Node(i).AssignedFacility = static_cast<uint16_t>(served[i - 1]);
    m.Node(i).AssignedDistance = m.DistanceMatrix.at(i, served[i - 1]);
  }
  RebuildLocatedList(m);
  m.RunUpperBound = 7694;
  return m;
}


}  // namespace korvelan::testing
