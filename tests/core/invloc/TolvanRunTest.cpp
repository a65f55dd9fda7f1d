#include <gtest/gtest.h>

#include <cmath>

#include "InvLocTestModels.h"
#include "invloc/InvLocSettingsRules.h"
#include "reports/BasicResults.h"
#include "setup/RunModels.h"
#include "solve/SolveModel.h"

namespace korvelan {
namespace {

using testing::LoadRandomInstance;

// Records the swap-search window.
class SwapHost : public HeadlessRunHost {
 public:
  std::vector<std::string> events;
  void ShowSwapProgress(bool visible) override { events.push_back(visible ? "show" : "hide"); }
  void SetSwapProgress(int sites, int candidates, const std::string& status) override {
    if (!status.empty()) events.push_back(std::to_string(sites) + "% " + std::to_string(candidates) + "% " + status);
  }
  void Delay(int seconds, int milliseconds) override {
    HeadlessRunHost::Delay(seconds, milliseconds);
    events.push_back("pause " + std::to_string(milliseconds));
  }
};

// A seven-node instance whose short tree nodes leave gaps for the swap search.
void LoadGapInstance(ModelState& m) {
  LoadRandomInstance(m, {7, 7, 5, 3000, 1, 0});
  m.InvLoc.Parameters.DeliveryRate = 1;
  m.InvLoc.TolvanRootNodeValue = m.InvLoc.TolvanNoIter = 10;
  m.Fixed.RootNodeBox = 0;
  m.ProblemCode = 'V';
  m.FixedAlgorithm = 'L';
  m.FixedNumberToLocate = 2;
  m.FreshIncumbent = 1;
}

// With its window on, the swap search reports every open site it tried and pauses
// after each; "&None" as the terminal choice still runs the exchange last chosen.
TEST(TolvanRun, SwapSearchShowsItsProgressEvenWithNoneChosen) {
  ModelState m;
  LoadGapInstance(m);
  m.InvLoc.ShowExchangeProgress = 1;
  m.Fixed.TerminalSubstitution = TerminalChoice::None;
  SwapHost host;
  SolveModel(m, host);
  ASSERT_EQ(m.FatalError, 0);
  ASSERT_FALSE(host.events.empty());
  int shows = 0, hides = 0, sites = 0;
  for (size_t k = 0; k < host.events.size(); ++k) {
    const std::string& e = host.events[k];
    if (e == "show") {
      ++shows;
    } else if (e == "hide") {
      ++hides;
    } else if (e.rfind("pause", 0) != 0) {
      ++sites;
      const bool known = e.ends_with("% 100% FOUND SWAP") || e.ends_with("% 100% DID NOT FIND SWAP");
      EXPECT_TRUE(known) << e;
      ASSERT_LT(k + 1, host.events.size());
      EXPECT_EQ(host.events[k + 1], "pause 200");
    }
  }
  EXPECT_GT(shows, 0);
  EXPECT_EQ(shows, hides);
  EXPECT_GT(sites, 0);
}

TEST(TolvanRun, RunWorksInDailyDemandAndGivesTheLoadedDemandsBack) {
  ModelState m;
  LoadRandomInstance(m, {3, 6, 6, 800, 1, 0});
  RestoreDemands(m);
  std::vector<Extended> loaded;
  for (int i = 1; i <= m.Numbnodes; ++i) loaded.push_back(m.Node(i).LoadedDemand);
  const Extended loadedTotal = m.TotalDemand;
  m.ProblemCode = 'V';
  m.FixedAlgorithm = 'L';
  m.SolutionClass = 2;
  m.FixedNumberToLocate = -1;
  m.FreshIncumbent = 1;
  HeadlessRunHost host;
  ASSERT_EQ(ExecuteRun(m, host), RunEnd::Completed);
  for (int i = 1; i <= m.Numbnodes; ++i) EXPECT_EQ(m.Node(i).Demand, loaded[i - 1]) << i;
  EXPECT_EQ(m.TotalDemand, loadedTotal);
  EXPECT_EQ(ApproachLabel(m), "Brask LOC/INV - LAGRANGIAN");
  // The weighted distance is in loaded-demand units, from each node's own DC.
  Extended weighted = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    weighted += m.DistanceMatrix.at(i, m.Node(i).AssignedFacility) * m.Node(i).LoadedDemand;
  EXPECT_NEAR(m.DemandWeightedDistance, weighted, 1e-9L * std::max<Extended>(1, weighted));
  // The bounds are in daily units: the objective of the solution with daily demands.
  UseDailyDemands(m);
  EXPECT_NEAR(TolvanObjective(m), m.RunUpperBound, 1e-9L * m.RunUpperBound);
}

// A run that keeps the previous incumbent (upper bounding on, no fresh start) starts
// from that solution evaluated with the current inputs, so changed inputs give what a
// fresh run gives.
TEST(TolvanRun, KeptIncumbentIsEvaluatedWithTheCurrentInputs) {
  ModelState m;
  LoadRandomInstance(m, {4, 6, 6, 800, 1, 0});
  m.ProblemCode = 'V';
  m.FixedAlgorithm = 'L';
  m.FixedNumberToLocate = -1;
  m.FreshIncumbent = 1;
  HeadlessRunHost host;
  SolveModel(m, host);
  ASSERT_EQ(m.FatalError, 0);
  m.InvLoc.Parameters.OrderCost = 5000;  // every DC costs more now
  ModelState fresh = m;
  fresh.FreshIncumbent = 1;
  SolveModel(fresh, host);
  m.FreshIncumbent = 0;
  SolveModel(m, host);
  ASSERT_EQ(m.FatalError, 0);
  EXPECT_NEAR(m.RunUpperBound, fresh.RunUpperBound, 1e-9L * fresh.RunUpperBound);
  EXPECT_NEAR(TolvanObjective(m), m.RunUpperBound, 1e-9L * m.RunUpperBound);
}

// With a weight for distances beyond the coverage distance the objective charges
// w x R per unit of such demand on top of the cost summary's total.
TEST(TolvanRun, DistanceWeightIsPartOfTheObjective) {
  ModelState m;
  LoadRandomInstance(m, {6, 6, 6, 800, 1, 0});
  m.CoverageDistance = 30 * FixedPointScale;
  m.AddedConstant = 40;
  m.ProblemCode = 'V';
  m.FixedAlgorithm = 'L';
  m.FixedNumberToLocate = 2;
  m.FreshIncumbent = 1;
  HeadlessRunHost host;
  SolveModel(m, host);
  ASSERT_EQ(m.FatalError, 0);
  const TolvanParameters& p = m.InvLoc.Parameters;
  Extended penalty = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (!WithinCoverage(m.CoverageDistance, m.Node(i).AssignedDistance))
      penalty += m.Node(i).Demand * p.TransportWeight * p.DaysPerYear * m.AddedConstant * p.DeliveryRate;
  EXPECT_NEAR(TolvanTotalCost(m, "w").total + penalty, m.RunUpperBound, 1e-9L * m.RunUpperBound);
  EXPECT_NEAR(m.RunUpperBound, testing::ExhaustiveInvLocOptimum(m, 2), 1e-9L * m.RunUpperBound);
}

}  // namespace
}  // namespace korvelan

namespace korvelan {
namespace {

TEST(TolvanSettingsRules, ActivationAndQuit) {
  ModelState m;
  m.InvLoc.TolvanRootNodeValue = 3;
  m.Fixed.TerminalSubstitution = TerminalChoice::None;
  m.Fixed.LastTerminalChoice = TerminalChoice::Neighborhood;
  m.Fixed.Average = m.Fixed.Fixed = 2;
  ActivateTolvanLagSettings(m);
  EXPECT_EQ(m.InvLoc.TolvanRootNodeValue, 10);
  EXPECT_EQ(m.Fixed.TerminalSubstitution, TerminalChoice::Neighborhood);
  EXPECT_EQ(m.Fixed.Average, 10);
  EXPECT_EQ(m.Fixed.Fixed, 10);
  TolvanQuitRule(m);
  EXPECT_EQ(m.Fixed.ExchangeSearch, 1);
  m.AddedConstant = 5;
  TolvanQuitRule(m);
  EXPECT_EQ(m.Fixed.TerminalSubstitution, TerminalChoice::None);
  EXPECT_EQ(m.Fixed.ExchangeSearch, 0);
}

// Choosing the model on the run form starts a fresh incumbent with upper bounding on
// and the multiplier terms of the model.
TEST(TolvanSettingsRules, ChoosingTheModelPreparesItsRun) {
  ModelState m;
  m.InvLoc.DoBoundingBox = 0;
  m.Fixed.Average = 1;
  ChooseProblem(m, 'V');
  EXPECT_EQ(m.InvLoc.DoBoundingBox, 1);
  EXPECT_EQ(m.FreshIncumbent, 1);
  EXPECT_EQ(m.Fixed.Average, 10);
  EXPECT_EQ(m.FixedAlgorithm, 'L');
}

// A stop request ends the search with the best solution found so far.
TEST(TolvanRun, StopRequestKeepsTheBestSolution) {
  ModelState m;
  LoadGapInstance(m);
  m.SolutionClass = 2;
  HeadlessRunHost host;
  host.onPause = [&m] { m.AbortRequested = 1; };
  ASSERT_EQ(ExecuteRun(m, host), RunEnd::Stopped);
  EXPECT_EQ(host.messages.back().text, "Program Stopped at User Request");
  EXPECT_EQ(m.NumLocated, 2);
  for (int i = 1; i <= m.NumDemandNodes; ++i) EXPECT_EQ(m.Node(m.Node(i).AssignedFacility).Located, 1);
  EXPECT_EQ(m.RunBranchNodes, 1);
}

}  // namespace
}  // namespace korvelan
