#include "data/DistanceTransform.h"

#include <cmath>
#include <limits>

#include "data/Distances.h"
#include "solve/TextFormat.h"

namespace korvelan {

namespace {

std::string Distance1Decimal(Extended value) { return FormatNumber(value, 18, 1); }

// How the second pass treats the transformed values.
struct ScalePlan {
  Extended target = 0;  // the largest value after scaling
  bool scaled = false;
};

// The scaling decision, reported as the analyst is told it. A maximum scale
// distance of 0 would turn every distance into 0 (and with a largest value of 0
// would divide by zero), so it scales nothing and says so.
ScalePlan DecideScaling(const DistanceTransform& t, Extended largest, std::vector<std::string>& notices) {
  ScalePlan plan;
  const std::string target = Distance1Decimal(t.MaxScaleDistance);
  const bool scaleNeeded = t.MaxScaleDistance <= largest;
  if (scaleNeeded && t.ScaleDistances && t.MaxScaleDistance == 0) {
    notices.push_back("<<< A MAXIMUM DISTANCE OF 0.0 WOULD MAKE EVERY DISTANCE 0 >>>\r"
                      "<<< NO SCALING TO IT WILL BE DONE >>>");
  } else if (scaleNeeded && t.ScaleDistances) {
    notices.push_back("<<< DISTANCES WILL BE SCALED SO MAXIMUM DISTANCE = " + target + " >>>");
    plan = {static_cast<Extended>(t.MaxScaleDistance), true};
  } else if (scaleNeeded) {
    notices.push_back("<<< DISTANCES SHOULD BE SCALED SO MAXIMUM DISTANCE = " + target + " >>>" + "\r" +
                      "<<< BUT YOU REQUESTED NO SCALING SO THEY WILL NOT BE SCALED >>>");
  } else {
    notices.push_back("<<< NO SCALING OF DISTANCES IS NEEDED.  NONE WILL BE DONE >>>");
  }
  if (largest >= LargestScaledDistance) {
    notices.push_back("<<< DISTANCES MUST BE SCALED SO MAXIMUM DISTANCE = " + Distance1Decimal(LargestScaledDistance) +
                      " >>>");
    if (!plan.scaled) plan = {static_cast<Extended>(LargestScaledDistance), true};
  }
  return plan;
}

bool FitsDistance(Extended rounded) {
  return std::isfinite(rounded) && rounded >= std::numeric_limits<int32_t>::min() &&
         rounded <= std::numeric_limits<int32_t>::max();
}

std::string OutOfRangeMessage(int i, int j, Extended value) {
  return "<<< THE NEW DISTANCE IN ROW " + std::to_string(i) + ", COLUMN " + std::to_string(j) + " WOULD BE " +
         Distance1Decimal(value) + " >>>\r" + "<<< THAT IS OUTSIDE THE RANGE OF DISTANCES.  THE MATRIX IS UNCHANGED >>>";
}

}  // namespace

int TransformRowIndex(const DistanceTransform& t, int i, int j, int32_t d) {
  const int far = d > t.CriticalDistance ? 1 : 0;
  const int offDiagonal = i != j ? 1 : 0;
  return 2 * far + offDiagonal;
}

Extended PowerOrZero(int32_t a, double x) {
  if (a == 0) return 0;
  const Extended magnitude = std::exp(static_cast<Extended>(x) * std::log(std::fabs(static_cast<Extended>(a))));
  return a < 0 ? -magnitude : magnitude;
}

Extended TransformedDistance(const DistanceTransform& t, int i, int j, int32_t d) {
  const TransformRow& row = t.rows[TransformRowIndex(t, i, j, d)];
  return PowerOrZero(d, row.TransformExponent) * static_cast<Extended>(row.TransformCoefficient) +
         static_cast<Extended>(row.TransformConstant);
}

MatrixUpdateOutcome PlanMatrixUpdate(const ModelState& m, const DistanceTransform& t) {
  MatrixUpdateOutcome outcome;
  outcome.notices.push_back("Cover Dist Local = " + std::to_string(t.CriticalDistance));
  const int n = m.Numbnodes;
  Extended largest = 0;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) largest = std::max(largest, TransformedDistance(t, i, j, m.DistanceMatrix.at(i, j)));
  const ScalePlan plan = DecideScaling(t, largest, outcome.notices);

  outcome.updated = m.DistanceMatrix;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      Extended value = TransformedDistance(t, i, j, m.DistanceMatrix.at(i, j));
      if (plan.scaled) value = value / largest * plan.target;
      const Extended rounded = std::nearbyint(value);
      if (!FitsDistance(rounded)) {
        outcome.refusal = OutOfRangeMessage(i, j, value);
        return outcome;
      }
      outcome.updated.at(i, j) = static_cast<int32_t>(rounded);
    }
  return outcome;
}

void ApplyMatrixUpdate(ModelState& m, MatrixUpdateOutcome& outcome) {
  if (!outcome.applied()) return;
  m.DistanceMatrix = std::move(outcome.updated);
  BuildNearestOrder(m);
  m.MaxDistance = LargestDistance(m.DistanceMatrix, m.Numbnodes);
}

MatrixUpdateOutcome UpdateMatrix(ModelState& m, const DistanceTransform& t) {
  MatrixUpdateOutcome outcome = PlanMatrixUpdate(m, t);
  ApplyMatrixUpdate(m, outcome);
  return outcome;
}

}  // namespace korvelan
