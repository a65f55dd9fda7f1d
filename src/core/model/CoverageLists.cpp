#include "model/CoverageLists.h"


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
  // Extended precision holds every product without overflow, and a product that
  // can meet a coverage distance (below 2^64) of a whole distance and a whole
  // demand is exact, so such comparisons are exact. A fractional demand such as
  // 0.4 is rounded with the product, so 25 x 0.4 still meets 10.
  return static_cast<Extended>(coverageDistance) >= static_cast<Extended>(distance) * weight * FixedPointScale;
}

}  // namespace korvelan
