#include "model/CoverageLists.h"

#include <cmath>
#include <limits>

namespace korvelan {
namespace {

template <typename Covers>
std::string BuildLists(ModelState& m, Covers covers) {
  const int n = m.Numbnodes;
  for (int j = 1; j <= n; ++j) {
    m.Node(j).CoversList.clear();
    m.Node(j).CoveredByList.clear();
  }
  int64_t length = 0;
  for (int j = 1; j <= n; ++j) {
    NodeRecord& site = m.Node(j);
    for (int i = 1; i <= m.NumDemandNodes; ++i)
      if (covers(i, j)) site.CoversList.push_back(static_cast<uint16_t>(i));
    site.CoverCount = static_cast<uint16_t>(site.CoversList.size());
    length += site.CoverCount;
  }
  // Sites are appended in ascending order, so every CoveredByList ends ascending.
  for (int j = 1; j <= n; ++j) {
    for (uint16_t i : m.Node(j).CoversList) {
      if (i < 1 || i > n)
        return "Dem Node = " + std::to_string(i) + "\nFac Node = " + std::to_string(j) +
               "\nNumbnodes = " + std::to_string(n);
      m.Node(i).CoveredByList.push_back(static_cast<uint16_t>(j));
    }
  }
  for (int j = 1; j <= n; ++j) {
    Extended coverable = 0;
    for (uint16_t i : m.Node(j).CoversList) coverable += m.Node(i).Demand;
    m.Node(j).CoverableDemand = coverable;
  }
  m.CoverListLength = length;
  m.CoverListsBuilt = 1;
  m.CoverStateChanged = 1;
  return {};
}

}  // namespace

std::string BuildCoverageLists(ModelState& m) {
  const int64_t coverage = m.CoverageDistance;
  return BuildLists(m, [&](int i, int j) { return WithinCoverage(coverage, m.DistanceMatrix.at(i, j)); });
}

std::string BuildWeightedCoverageLists(ModelState& m, const std::vector<Extended>& weights) {
  const int64_t coverage = m.CoverageDistance;
  return BuildLists(
      m, [&](int i, int j) { return WithinWeightedCoverage(coverage, m.DistanceMatrix.at(i, j), weights[i]); });
}

bool WithinWeightedCoverage(int64_t coverageDistance, int32_t distance, Extended weight) {
  static_assert(std::numeric_limits<Extended>::digits <= 64, "the weight's mantissa must fit 64 bits");
  // Loaded data never hold negative distances or demands; the exact test is for the rest.
  if (distance <= 0 || !(weight > 0) || !std::isfinite(weight) || coverageDistance < 0)
    return static_cast<Extended>(coverageDistance) >= static_cast<Extended>(distance) * weight * FixedPointScale;
  // weight = mantissa x 2^shift exactly; the product distance x 10000 x mantissa
  // needs at most 31 + 14 + 64 bits.
  int exponent = 0;
  const Extended fraction = std::frexp(std::fabs(weight), &exponent);
  const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
  const int shift = exponent - 64;
  __extension__ typedef unsigned __int128 Wide;
  const Wide product = static_cast<Wide>(distance) * static_cast<Wide>(FixedPointScale) * mantissa;
  const auto coverage = static_cast<Wide>(coverageDistance);
  if (shift >= 0) {
    // coverage < 2^63, so a product shifted past that is never reached.
    if (shift >= 64 || (product >> (127 - shift)) != 0) return false;
    return coverage >= (product << shift);
  }
  // coverage >= product / 2^-shift  <=>  coverage >= the quotient rounded up.
  const int down = -shift;
  if (down >= 128) return coverage >= 1;
  const Wide quotient = product >> down;
  const Wide remainder = product - (quotient << down);
  return coverage >= quotient + (remainder != 0 ? 1 : 0);
}

}  // namespace korvelan
