#include "solve/Granularity.h"

#include <cmath>
#include <numeric>

namespace korvelan {
namespace {

// Terms up to 2^53 are whole numbers exactly in the extended type with room to spare.
constexpr Extended LargestExactTerm = 9007199254740992.0L;
// Tolerance, in grains, for the rounding error of a computed bound.
constexpr Extended RoundingAllowance = 1e-6L;

// Sentinels such as "no bound yet" (1e30) are far beyond any whole objective.
bool Roundable(Extended bound, Extended grain) {
  return grain > 0 && std::isfinite(bound) && std::fabs(bound) <= LargestExactTerm;
}

}  // namespace

void GrainFinder::Add(Extended term) {
  const Extended size = std::fabs(term);
  if (size == 0 || fractional_) return;
  // Rounding in the current (nearest) mode: no switch of the rounding mode per term,
  // which floor and a truncating conversion would need on the extended type.
  if (size > LargestExactTerm || std::rint(size) != size) {
    fractional_ = true;
    return;
  }
  grain_ = std::gcd(grain_, static_cast<int64_t>(std::llrint(size)));
}

Extended DemandGrain(const ModelState& m) {
  GrainFinder finder;
  for (int i = 1; i <= m.NumDemandNodes; ++i) finder.Add(m.Node(i).Demand);
  return finder.Grain();
}

Extended RoundUpToGrain(Extended lowerBound, Extended grain) {
  if (!Roundable(lowerBound, grain)) return lowerBound;
  return std::ceil(lowerBound / grain - RoundingAllowance) * grain;
}

Extended RoundDownToGrain(Extended upperBound, Extended grain) {
  if (!Roundable(upperBound, grain)) return upperBound;
  return std::floor(upperBound / grain + RoundingAllowance) * grain;
}

}  // namespace korvelan
