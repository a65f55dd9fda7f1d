#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// One row of the piecewise power transform: new = constant + coefficient x old ^ exponent.
struct TransformRow {
  double TransformConstant = 0;
  double TransformCoefficient = 1;
  double TransformExponent = 1;
};

// The rows, in order: near diagonal, near off-diagonal, far diagonal, far
// off-diagonal. An entry is far when it is greater than CriticalDistance.
inline constexpr int TransformRows = 4;
inline const std::array<const char*, TransformRows> TransformRowCaptions = {
    "Dist <= Crit Dist; Diagonal", "Dist <= Crit Dist; Off Diag", "Dist >  Crit Dist; Diagonal",
    "Dist >  Crit Dist; Off Diag"};

// The whole "&Matrix Update" request; default-constructed it is the identity.
struct DistanceTransform {
  std::array<TransformRow, TransformRows> rows{};
  int32_t CriticalDistance = 10;
  int32_t MaxScaleDistance = 1000000000;
  bool ScaleDistances = false;
};

// Distances are scaled to this largest value when the transform reaches it.
inline constexpr int32_t LargestScaledDistance = 2147483646;

// The row of entry (i, j) holding d: 2 x far + offdiag.
int TransformRowIndex(const DistanceTransform& t, int i, int j, int32_t d);
// a ^ x for a whole number a, 0 when a is 0. A negative entry keeps its sign:
// -(|a| ^ x), so the identity transform leaves it unchanged.
Extended PowerOrZero(int32_t a, double x);
// The transformed value of entry (i, j) holding d, before scaling.
Extended TransformedDistance(const DistanceTransform& t, int i, int j, int32_t d);

// What "&Matrix Update" does: the information messages in the order they are
// shown, the refusal (an error message) when the matrix must stay unchanged,
// and otherwise the new matrix.
struct MatrixUpdateOutcome {
  std::vector<std::string> notices;
  std::string refusal;
  NodeMatrix updated;
  bool applied() const { return refusal.empty(); }
};

// Transforms every entry of the loaded matrix and scales it as requested or as
// the 32-bit range requires, into `updated`; a result outside the 32-bit range
// refuses the whole update.
MatrixUpdateOutcome PlanMatrixUpdate(const ModelState& m, const DistanceTransform& t);
// Installs a planned matrix (nothing when it was refused) and rebuilds
// NearestOrder and MaxDistance.
void ApplyMatrixUpdate(ModelState& m, MatrixUpdateOutcome& outcome);
// Both at once.
MatrixUpdateOutcome UpdateMatrix(ModelState& m, const DistanceTransform& t);

}  // namespace korvelan
