#include "covering/Coverage.h"

#include <array>
#include <vector>

#include "solve/QuickSortIndex.h"

namespace korvelan {
namespace {

void WarnCoverage(RunHost& host, const std::string& what, int site) {
  host.Warning(what + "\nBestlocation = " + std::to_string(site));
}

// A set of demand nodes as bits, one per node number.
using NodeSet = std::array<uint64_t, (NodeSlots + 63) / 64>;

// Demand nodes of a site's CoversList that the required sites leave open.
NodeSet ResidualSet(const ModelState& m, int site) {
  NodeSet open{};
  for (uint16_t i : m.Node(site).CoversList)
    if (!m.Node(i).DominanceMark) open[i / 64] |= uint64_t{1} << (i % 64);
  return open;
}

bool StrictlyInside(const NodeSet& inner, const NodeSet& outer) {
  for (size_t w = 0; w < inner.size(); ++w)
    if (inner[w] & ~outer[w]) return false;
  return inner != outer;
}

bool SkippedInDominance(const NodeRecord& site) {
  return site.Dominated == 1 || site.SiteStatus == StatusExcluded;
}

// Marks the demand nodes that the required sites cover whatever else is chosen, and
// lowers each site's key by the number of such nodes it covers. Returns whether
// any site is required.
bool MarkCoveredByRequired(ModelState& m, std::vector<Extended>& key) {
  bool anyRequired = false;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (m.Node(j).SiteStatus != StatusRequired) continue;
    anyRequired = true;
    for (uint16_t i : m.Node(j).CoversList) m.Node(i).DominanceMark = 1;
  }
  if (!anyRequired) return false;
  for (int v = 1; v <= m.NumDemandNodes; ++v) {
    if (!m.Node(v).DominanceMark) continue;
    for (uint16_t j : m.Node(v).CoveredByList) key[j] -= 1;
  }
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (key[j] <= 0.5L) m.Node(j).Dominated = 1;
  return true;
}

// Compares site A (later in key order) with every earlier site B and marks the
// dominated one of each comparable pair.
void CompareWithEarlierSites(ModelState& m, const std::vector<int>& order, const std::vector<NodeSet>& residual,
                             int a) {
  const int siteA = order[a];
  const NodeSet& setA = residual[siteA];
  for (int b = a - 1; b >= 1; --b) {
    const int siteB = order[b];
    if (SkippedInDominance(m.Node(siteB))) continue;
    const NodeSet& setB = residual[siteB];
    if (setA == setB) {
      if (m.Node(siteB).Demand < m.Node(siteA).Demand) {
        m.Node(siteB).Dominated = 1;
        continue;
      }
      m.Node(siteA).Dominated = 1;
      return;
    }
    if (StrictlyInside(setA, setB)) {
      m.Node(siteA).Dominated = 1;
      return;
    }
    if (StrictlyInside(setB, setA)) m.Node(siteB).Dominated = 1;
  }
}

}  // namespace

void UpdateCoverage(ModelState& m, RunHost& host, char sign, int site) {
  if (sign == '+') {
    for (uint16_t i : m.Node(site).CoversList) ++m.Node(i).NTIMES;
    return;
  }
  for (uint16_t i : m.Node(site).CoversList) {
    if (i < 1 || i > m.Numbnodes) {
      WarnCoverage(host, "I value is out of range", site);
      continue;
    }
    NodeRecord& node = m.Node(i);
    if (node.NTIMES == 0) WarnCoverage(host, "About to decrement a node with 0 cover times ... WARNING!!!", site);
    --node.NTIMES;
    if (node.NTIMES < 0) WarnCoverage(host, "NTIMES Seems to be wrong for node " + std::to_string(i), site);
  }
}

void ComputeUncoveredGain(ModelState& m) {
  for (int j = 1; j <= m.Numbnodes; ++j) {
    NodeRecord& site = m.Node(j);
    Extended gain = 0;
    if (IsCandidateSite(site))
      for (uint16_t i : site.CoversList)
        if (m.Node(i).NTIMES == 0) gain += m.Node(i).Demand;
    site.UncoveredGain = gain;
  }
}

void ComputeDominance(ModelState& m) {
  const int n = m.Numbnodes;
  std::vector<Extended> key(NodeSlots, 0);
  for (int j = 1; j <= n; ++j) {
    m.Node(j).Dominated = 0;
    m.Node(j).DominanceMark = 0;
    key[j] = m.Node(j).CoverCount;
  }
  MarkCoveredByRequired(m, key);
  std::vector<int> order(NodeSlots, 0);
  if (n >= 1) QuickSortIndex(1, n, key.data(), order.data());
  // The residual sets do not change while sites are compared: build them once.
  std::vector<NodeSet> residual(NodeSlots);
  for (int j = 1; j <= n; ++j) residual[j] = ResidualSet(m, j);
  for (int a = n; a >= 2; --a)
    if (!SkippedInDominance(m.Node(order[a]))) CompareWithEarlierSites(m, order, residual, a);
  for (int j = 1; j <= n; ++j) m.Node(j).DominanceMark = m.Node(j).Dominated;
  m.CoverStateChanged = 0;
}

void CoverByAssignment(ModelState& m) {
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    NodeRecord& node = m.Node(i);
    node.NTIMES = WithinCoverage(m.CoverageDistance, node.AssignedDistance) ? 1 : 0;
  }
}

void RebuildLocatedListKeepCount(ModelState& m) {
  int count = 0;
  m.LocatedList.fill(0);
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located != 0) m.LocatedList[++count] = static_cast<uint16_t>(j);
}

}  // namespace korvelan
