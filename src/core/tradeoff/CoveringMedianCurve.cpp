#include "tradeoff/CoveringMedianCurve.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "covering/CoverBranchAndBound.h"
#include "median/AssignmentRelaxation.h"
#include "median/MedianBranchAndBound.h"
#include "solve/Evaluation.h"
#include "solve/SolveModel.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

// A found point: its values and the sites of the solution installed when it was found.
struct FoundPoint {
  CurveEnd end;
  TradeoffPoint point;
};

// Sums of demands in a different order may differ in the last bits.
bool AtLeast(Extended value, Extended target) {
  return value >= target - 1e-12L * std::max<Extended>(1, std::fabs(target));
}

// The curve as it is built: the head of the list first.
class CurveSearch {
 public:
  CurveSearch(ModelState& m, RunHost& host, const CurveLimits& limits) : m_(m), host_(host), limits_(limits) {}

  bool Run();

 private:
  ModelState& m_;
  RunHost& host_;
  CurveLimits limits_;
  std::vector<TradeoffPoint> list_;

  bool MaximumCoverage(Extended& cmax);
  bool Failed() const { return m_.FatalError != 0; }
  TradeoffPoint Record(const CurveEnd& e, Extended K) const;
  void CapReached(const std::string& line);
  bool HighCoverageEnd(Extended cmax, CurveEnd& a);
  bool DistanceEnd(CurveEnd& b);
  void Between(const CurveEnd& a, const CurveEnd& b, int depth);
  void SortByCoveredDemand();
};

TradeoffPoint CurveSearch::Record(const CurveEnd& e, Extended K) const {
  TradeoffPoint p;
  p.FirstValue = e.distance;
  p.SecondValue = e.covered;
  p.PointWeight = K;
  p.PointLocated.assign(m_.Numbnodes + 1, 0);
  for (int j = 1; j <= m_.Numbnodes; ++j) p.PointLocated[j] = m_.Node(j).Located == 1;
  return p;
}

void CurveSearch::CapReached(const std::string& line) {
  m_.Tradeoff.CapNotes.push_back(line);
  host_.AddErrorLine(line);
}

// The maximum covering optimum with P facilities.
bool CurveSearch::MaximumCoverage(Extended& cmax) {
  const bool show = m_.ShowLagProgress != 0;
  if (show) host_.ShowLagProgress(true);
  const bool solved = RunCoverBranchAndBound(m_, host_);
  if (show) host_.ShowLagProgress(false);
  if (!solved) m_.FatalError = 1;
  cmax = m_.RunLowerBound;
  return solved;
}

// K doubles from 10000 until the weighted median reaches the maximum coverage.
bool CurveSearch::HighCoverageEnd(Extended cmax, CurveEnd& a) {
  Extended K = 10000;
  for (int step = 0;; ++step) {
    ClearSolution(m_);
    a = do_weighted_median(m_, host_, K);
    if (Failed()) return false;
    if (AtLeast(a.covered, cmax)) break;
    if (step == limits_.weightSteps) {
      CapReached("Weight doubled " + std::to_string(step) +
                 " times without reaching the maximum coverage; the curve ends at the coverage reached");
      break;
    }
    K *= 2;
  }
  list_.push_back(Record(a, K));
  return true;
}

// K = 0 gives the least distance; K halves from 0.01 until it is reached again
// with the most coverage among such solutions.
bool CurveSearch::DistanceEnd(CurveEnd& b) {
  const Extended dmin = do_weighted_median(m_, host_, 0).distance;
  if (Failed()) return false;
  Extended K = 0.01L;
  for (int step = 0;; ++step) {
    ClearSolution(m_);
    b = do_weighted_median(m_, host_, K);
    if (Failed()) return false;
    if (AtLeast(dmin, b.distance)) break;
    if (step == limits_.weightSteps) {
      CapReached("Weight halved " + std::to_string(step) +
                 " times without reaching the least distance; the curve starts at the distance reached");
      break;
    }
    K /= 2;
  }
  list_.insert(list_.begin(), Record(b, K));
  return true;
}

// The supported points strictly between a and b (their covered demands differ).
void CurveSearch::Between(const CurveEnd& a, const CurveEnd& b, int depth) {
  if (depth > limits_.depth) {
    CapReached("Search between two points stopped at depth " + std::to_string(limits_.depth) +
               "; points found so far are kept");
    return;
  }
  const Extended K = (b.distance - a.distance) / (b.covered - a.covered);
  ClearSolution(m_);
  const CurveEnd n = do_weighted_median(m_, host_, K);
  if (Failed() || n.distance == b.distance || n.distance == a.distance) return;
  list_.insert(list_.begin(), Record(n, K));
  if (a.covered != n.covered) Between(a, n, depth + 1);
  if (Failed()) return;
  if (n.covered != b.covered) Between(n, b, depth + 1);
}

// Ascending covered demand: the largest value is taken first and each of its
// records, in list order, is put at the head of the new list.
void CurveSearch::SortByCoveredDemand() {
  std::vector<TradeoffPoint> sorted;
  std::vector<bool> moved(list_.size(), false);
  for (size_t done = 0; done < list_.size();) {
    Extended largest = 0;
    bool any = false;
    for (size_t i = 0; i < list_.size(); ++i)
      if (!moved[i] && (!any || list_[i].SecondValue > largest)) largest = list_[i].SecondValue, any = true;
    for (size_t i = 0; i < list_.size(); ++i)
      if (!moved[i] && list_[i].SecondValue == largest) {
        sorted.insert(sorted.begin(), list_[i]);
        moved[i] = true;
        ++done;
      }
  }
  m_.Tradeoff.TradeoffList = std::move(sorted);
}

bool CurveSearch::Run() {
  Extended cmax = 0;
  CurveEnd a, b;
  if (!MaximumCoverage(cmax) || !HighCoverageEnd(cmax, a) || !DistanceEnd(b)) return false;
  if (b.covered != a.covered) Between(a, b, 1);
  if (Failed()) return false;
  m_.TradeoffExists = 1;
  SortByCoveredDemand();
  return true;
}

}  // namespace

CurveEnd do_weighted_median(ModelState& m, RunHost& host, Extended K) {
  m.AddedConstant = K;
  PrepareTreeSearch(m);
  host.AddErrorLine("In do_weighted_median with Add Constant = " + FormatNumber(K, 18, 2));
  ++m.Tradeoff.WeightedMedianRuns;
  if (!SearchMedianTree(m, host, m.NumberToLocate).solved) {
    m.FatalError = 1;
    return {};
  }
  CurveEnd end;
  end.covered = CoveredDemand(m);
  end.distance = AssignToNearest(m);
  return end;
}

void CoveringMedianCurve(ModelState& m, RunHost& host, const CurveLimits& limits) {
  const int P = m.NumberToLocate;
  m.Covering.PctDiff = 0;
  m.AddedConstant = 0;
  m.ReportProblemCode = 'D';
  m.NumLocated = static_cast<uint16_t>(P);
  ClearSolution(m);
  const double start = host.ClockSeconds();
  CurveSearch(m, host, limits).Run();
  m.RunStart = start;
  m.RunEnd = host.ClockSeconds();
  m.NumberToLocate = m.NumLocated = static_cast<uint16_t>(P);
}

}  // namespace korvelan
