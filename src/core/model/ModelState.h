#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "covering/CoveringSettings.h"
#include "fixed/FixedSettings.h"
#include "invloc/InvLocSettings.h"
#include "median/GeneticSettings.h"
#include "median/MedianSettings.h"
#include "model/NodeRecord.h"
#include "model/Types.h"
#include "tradeoff/TradeoffSettings.h"

namespace korvelan {

// A square table of whole numbers indexed by node numbers 1..MaxNodes (row 0 and
// column 0 unused). Used for the distance matrix and the nearest-node order.
class NodeMatrix {
 public:
  NodeMatrix() : cells_(NodeSlots * NodeSlots, 0) {}
  int32_t& at(int i, int j) { return cells_[i * NodeSlots + j]; }
  int32_t at(int i, int j) const { return cells_[i * NodeSlots + j]; }
  int32_t* row(int i) { return &cells_[i * NodeSlots]; }
  const int32_t* row(int i) const { return &cells_[i * NodeSlots]; }
  void clear() { std::fill(cells_.begin(), cells_.end(), 0); }

 private:
  std::vector<int32_t> cells_;
};

// The one program-wide model: nodes, distances, parameters, the current
// solution, the run state and the settings of every solver family. The desktop
// program owns one instance; every form and solver works on it by reference.
struct ModelState {
  ModelState();

  // --- the node table (index = node number; entry 0 unused) ---
  std::vector<NodeRecord> NodeTable = std::vector<NodeRecord>(NodeSlots);
  NodeRecord& Node(int n) { return NodeTable[n]; }
  const NodeRecord& Node(int n) const { return NodeTable[n]; }

  // DistanceMatrix.at(i, j): distance from demand node i to site j.
  NodeMatrix DistanceMatrix;
  // NearestOrder.at(i, k), k = 1..Numbnodes: the k-th nearest node to i (i itself first).
  NodeMatrix NearestOrder;

  // --- counts ---
  uint16_t Numbnodes = 0;
  uint16_t NumDemandNodes = 0;
  uint16_t NumberToLocate = 0;
  int32_t FixedNumberToLocate = 0;
  uint16_t NumLocated = 0;
  std::array<uint16_t, NodeSlots> LocatedList{};
  uint16_t ForcedCount = 0;
  uint16_t ExcludedCount = 0;
  uint16_t InitialCount = 0;
  uint16_t PresetCount = 0;
  std::array<Extended, NodeSlots> CostByCount{};
  uint8_t SecondFacilityValid = 0;

  // --- codes ---
  char MetricCode = 'E';
  char ProblemCode = ' ';
  char ReportProblemCode = ' ';
  char MedianAlgorithm = 'M';
  char FixedAlgorithm = 'A';
  char MedianTiming = 'E';  // 'E' improve after every added facility, 'L' after the last only
  char AddFirst = 'A';      // fixed charge: start by adding ('A') or by dropping ('D')
  uint8_t SolutionClass = 0;

  // --- parameters ---
  int64_t CoverageDistance = -FixedPointScale;  // value x 10000; -1.0 when not set
  Extended CostPerMile = 0;
  double DemandWeight = 1.0;
  Extended EarthDiameter = 7918;
  uint8_t UseKilometers = 0;
  Extended TotalDemand = 0;
  int32_t MaxDistance = 0;
  uint8_t NamesPresent = 0;
  uint8_t ExtraNamesPresent = 0;
  std::string DemandFileName;
  std::string ExtraSitesFileName;
  std::string DistanceFileName;
  std::string InitialSolutionFileName;
  uint8_t ComputeDistances = 1;
  uint8_t CircleSites = 0;
  uint8_t DataLoaded = 0;
  uint8_t CoverageDistanceSet = 0;
  uint8_t CostPerMileSet = 0;
  uint8_t CoverListsBuilt = 0;
  uint8_t CoverStateChanged = 1;
  uint8_t FatalError = 0;
  uint8_t ExchangeMade = 0;  // a swap changed the solution (read by the exchange form)
  int64_t CoverListLength = 0;  // total entries of all CoversLists after the last build

  // --- inputs of the run-models form (the partial and center inputs are below) ---
  uint8_t AllowMinusOne = 0;      // the number to locate may be -1 (optimise the number)
  uint8_t LargeMedianProblem = 0;
  uint8_t MedianWithConstant = 0;

  // --- options shared by several solver families ---
  uint8_t DoSubstitution = 1;
  uint8_t ExchangeEveryIteration = 1;
  uint8_t ExchangeSearch = 0;
  Extended AddedConstant = 0;  // weight for distances beyond the coverage distance
  Extended DemandWeightedDistance = 0;

  // --- run state of the dispatcher ---
  Extended RunUpperBound = 0;
  Extended RunLowerBound = 0;
  Extended MedianUpperTotal = 0;
  Extended MedianLowerTotal = 0;
  int32_t RunIterations = 0;
  int32_t RunBranchNodes = 0;
  uint16_t BranchLevel = 0;
  int32_t IterationTotal = 0;
  uint8_t AtRootNode = 0;
  std::string BranchPath;
  // For every mark of BranchPath, the mark of the child its level visits first ("-" or
  // "+"; blanks alike): the explored share of the tree counts the second children.
  std::string BranchFirstMarks;
  void ClearBranchPath() {
    BranchPath.clear();
    BranchFirstMarks.clear();
  }
  std::array<uint8_t, NodeSlots> SavedStatus{};
  std::array<uint16_t, NodeSlots> BestLocated{};
  uint8_t FreshIncumbent = 0;
  int64_t SavedCoverageDistance = -FixedPointScale;
  uint8_t CoverageDistanceChanged = 0;
  uint8_t CostMatrixBuilt = 0;
  double RunStart = 0;
  double RunEnd = 0;
  uint8_t TradeoffExists = 0;
  int32_t RootForcedIn = 0;   // sites fixed open by the root-node fixing of a Lagrangian run
  int32_t RootForcedOut = 0;  // sites fixed closed by it
  uint8_t LowerBoundResetInForcing = 0;  // the root forcing of the last run reset its lower bound
  uint8_t AddedConstantMultiplied = 0;   // AddedConstant is multiplied by the cost per mile

  // --- partial targets and the distance search of the center models ---
  char CoverTypeCode = ' ';   // 'F' fraction of demand, 'N' number of demand nodes, ' ' full
  double CoverFraction = 1.0;
  int32_t NodesToCover = 0;
  int64_t UpperDistanceEstimate = 10000 * FixedPointScale;  // fixed point, whole units
  int64_t LowerDistanceEstimate = 0;
  uint8_t DoWeightedFlag = 0;
  // Demands as they were before a partial run; node weights of the weighted partial p-center.
  std::array<Extended, NodeSlots> SavedDemand{};
  // Set covering / p-center: the installed solution covers every demand node.
  uint8_t FullCoverage = 0;

  // --- progress and stop flags ---
  uint8_t AbortRequested = 0;
  uint8_t HeuristicAbort = 0;
  uint8_t ShowLagProgress = 1;
  int32_t RefreshPause = 100;
  uint8_t BranchAndBoundOn = 1;

  // --- values published by the Lagrangian procedures for the progress window ---
  int32_t LagIteration = 0;
  int32_t IterationsBeforeNode = 0;
  int32_t PublishedLevel = 0;
  Extended TargetValue = -1;
  Extended BestValue = 1e30L;
  Extended UpperBoundMark = 0;
  Extended BestLagUpperBound = 0;
  Extended LagLowerBound = 0;
  Extended LagGap = 0;
  Extended LagAlpha = 0;
  uint16_t LagFailures = 0;
  Extended LagStep = 0;

  // --- settings of the solver families ---
  CoveringSettings Covering;
  MedianSettings Median;
  MedianGASettings Genetic;
  MedianGARunRecord GeneticRun;  // left by the last genetic-algorithm run
  FixedSettings Fixed;
  InvLocSettings InvLoc;
  TradeoffSettings Tradeoff;
};

// Allocate node n's record afresh with every field zero.
void InitNodeRecord(ModelState& m, int n);
// Free node n's lists, its distance and nearest-order rows, and its record.
void ReleaseNode(ModelState& m, int n);
// Return the model to the empty state with every setting at its default.
void ResetModel(ModelState& m);
// Put the loaded demands back and recompute TotalDemand.
void RestoreDemands(ModelState& m);
// True when node n is labelled by its name rather than its number.
bool ShowsName(const ModelState& m, int n);
// DistanceMatrix[i][j] as a real.
inline Extended Distance(const ModelState& m, int i, int j) { return m.DistanceMatrix.at(i, j); }
// Recompute ForcedCount, ExcludedCount, InitialCount and PresetCount.
void CountStatuses(ModelState& m);

// True when a demand node at distance d from a site lies within the coverage distance.
inline bool WithinCoverage(int64_t coverageDistance, int32_t d) {
  return coverageDistance >= static_cast<int64_t>(d) * FixedPointScale;
}

}  // namespace korvelan
