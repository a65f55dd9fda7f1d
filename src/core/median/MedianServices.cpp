#include "median/MedianServices.h"

#include <algorithm>

#include "covering/Coverage.h"
#include "median/SwapScan.h"
#include "solve/Evaluation.h"
#include "solve/TextFormat.h"

namespace korvelan {

bool AnySiteOpen(const ModelState& m) {
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) return true;
  return false;
}

int32_t FarthestDistance(const ModelState& m) {
  int32_t farthest = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const int last = m.NearestOrder.at(i, m.Numbnodes);
    farthest = std::max(farthest, m.DistanceMatrix.at(i, last));
  }
  return farthest;
}

void ResetAssignments(ModelState& m) {
  // Above every distance, so that the first site opened takes every node.
  const int32_t farthest = FarthestDistance(m);
  const int32_t unassigned = farthest < NoDistance ? farthest + 1 : NoDistance;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    NodeRecord& node = m.Node(n);
    node.Located = 0;
    node.AssignedFacility = 0;
    node.AssignedDistance = unassigned;
  }
}

void AttachNodesTo(ModelState& m, int s) {
  for (int j = 1; j <= m.NumDemandNodes; ++j) {
    NodeRecord& node = m.Node(j);
    const int32_t d = m.DistanceMatrix.at(j, s);
    if (MovesTo(node, d)) {
      node.AssignedFacility = static_cast<uint16_t>(s);
      node.AssignedDistance = d;
    }
  }
}

void MoveNodesToSecond(ModelState& m, int s) {
  for (int j = 1; j <= m.NumDemandNodes; ++j) {
    NodeRecord& node = m.Node(j);
    if (node.AssignedFacility != s) continue;
    node.AssignedFacility = node.SecondFacility;
    node.AssignedDistance = node.SecondDistance;
  }
}

Extended PerDemand(const ModelState& m, Extended weightedDistance) {
  return m.TotalDemand > 0 ? weightedDistance / m.TotalDemand : 0;
}

Extended AverageDistance(const ModelState& m) { return PerDemand(m, WeightedDistanceOfAssignment(m)); }

Extended DistanceTolerance(const ModelState& m) {
  return ImprovementTolerance(m.TotalDemand * std::max<Extended>(1, FarthestDistance(m)));
}

void AssignAllToNearest(ModelState& m, RunHost& host) {
  for (int j = 1; j <= m.NumDemandNodes; ++j) {
    NodeRecord& node = m.Node(j);
    node.AssignedFacility = 0;
    node.AssignedDistance = NoDistance;
    const int32_t* order = m.NearestOrder.row(j);
    for (int k = 1; k <= m.Numbnodes; ++k) {
      if (!m.Node(order[k]).Located) continue;
      node.AssignedFacility = static_cast<uint16_t>(order[k]);
      node.AssignedDistance = m.DistanceMatrix.at(j, order[k]);
      break;
    }
  }
  for (int n = 1; n <= m.Numbnodes; ++n) m.Node(n).NTIMES = 0;
  for (int s = 1; s <= m.Numbnodes; ++s)
    if (m.Node(s).Located) UpdateCoverage(m, host, '+', s);
  m.SecondFacilityValid = 0;
}

void ComputeSecondClosest(ModelState& m) {
  for (int n = 1; n <= m.Numbnodes; ++n) {
    m.Node(n).SecondFacility = 0;
    m.Node(n).SecondDistance = NoDistance;
  }
  for (int j = 1; j <= m.NumDemandNodes; ++j) {
    NodeRecord& node = m.Node(j);
    const int32_t* order = m.NearestOrder.row(j);
    for (int k = 1; k <= m.Numbnodes; ++k) {
      const int site = order[k];
      if (!m.Node(site).Located || site == node.AssignedFacility) continue;
      node.SecondFacility = static_cast<uint16_t>(site);
      node.SecondDistance = m.DistanceMatrix.at(j, site);
      break;
    }
  }
  m.SecondFacilityValid = 1;
}

void EnsureSecondClosest(ModelState& m) {
  if (!m.SecondFacilityValid) ComputeSecondClosest(m);
}

Extended SwapSaving(ModelState& m, int o, int s) {
  EnsureSecondClosest(m);
  Extended saving = 0;
  for (int j = 1; j <= m.NumDemandNodes; ++j) {
    const NodeRecord& node = m.Node(j);
    saving += node.Demand * static_cast<Extended>(SwapTerm(node, o, m.DistanceMatrix.at(j, s)));
  }
  return saving;
}

SwapPair BestSwapPair(ModelState& m, bool restrict) {
  return BestSwapPairBy(m, restrict, [](int, int, Extended distanceSaving) { return distanceSaving; });
}

SwapPair BestSwapPairBy(ModelState& m, bool restrict, const SwapValue& value) {
  EnsureSecondClosest(m);
  SwapPair best;
  best.saving = -10;
  std::vector<Extended> saving;
  for (int o = 1; o <= m.Numbnodes; ++o) {
    const NodeRecord& out = m.Node(o);
    if (!out.Located || out.SiteStatus == StatusRequired) continue;
    ReplacementSavings(m, o, saving);
    for (int s = 1; s <= m.Numbnodes; ++s) {
      const NodeRecord& in = m.Node(s);
      if (in.Located || in.SiteStatus == StatusExcluded) continue;
      if (restrict && out.LagOpen == 1 && in.LagOpen == 0) continue;
      const Extended v = value(o, s, saving[s]);
      if (v > best.saving) best = {s, o, v};
    }
  }
  if (best.closedSite == 0) best.saving = 0;
  return best;
}

void RemoveMedian(ModelState& m, int s) {
  EnsureSecondClosest(m);
  m.Node(s).Located = 0;
  MoveNodesToSecond(m, s);
  m.SecondFacilityValid = 0;
}

void SwitchSites(ModelState& m, RunHost& host, int out, int in) {
  m.Node(out).Located = 0;
  m.Node(in).Located = 1;
  UpdateCoverage(m, host, '-', out);
  UpdateCoverage(m, host, '+', in);
  m.SecondFacilityValid = 0;
}

void ReplaceListedSite(ModelState& m, int from, int to) {
  for (int q = 1; q <= m.NumLocated; ++q)
    if (m.LocatedList[q] == from) m.LocatedList[q] = static_cast<uint16_t>(to);
}

void RelocateFacility(ModelState& m, RunHost& host, int from, int to) {
  ReplaceListedSite(m, from, to);
  SwitchSites(m, host, from, to);
  for (int j = 1; j <= m.NumDemandNodes; ++j) {
    NodeRecord& node = m.Node(j);
    if (node.AssignedFacility != from) continue;
    node.AssignedFacility = static_cast<uint16_t>(to);
    node.AssignedDistance = m.DistanceMatrix.at(j, to);
  }
}

Extended ReassignToListedSites(ModelState& m, bool& moved) {
  Extended decrease = 0;
  for (int q = 1; q <= m.NumLocated; ++q) {
    const int site = m.LocatedList[q];
    for (int j = 1; j <= m.NumDemandNodes; ++j) {
      NodeRecord& node = m.Node(j);
      const int32_t d = m.DistanceMatrix.at(j, site);
      if (d >= node.AssignedDistance) continue;
      decrease += node.Demand * static_cast<Extended>(int64_t{node.AssignedDistance} - d);
      node.AssignedFacility = static_cast<uint16_t>(site);
      node.AssignedDistance = d;
      moved = true;
    }
  }
  return decrease;
}

std::vector<int> ServiceArea(const ModelState& m, int b) {
  std::vector<int> area;
  for (int j = 1; j <= m.NumDemandNodes; ++j)
    if (m.Node(j).AssignedFacility == b) area.push_back(j);
  return area;
}

void RecordCostByCount(ModelState& m, int from, int to, Extended value) {
  for (int k = std::max(from, 0); k <= std::min(to, MaxNodes); ++k) m.CostByCount[k] = value;
}

std::string ProgressNumber(Extended x, int precision, int width) {
  return FormatNumber(x, precision, std::max(2, DecimalsFor(width, x)));
}

std::string ProgressCurrency(Extended x, int precision, int width) {
  return FormatCurrency(x, precision, std::max(2, DecimalsFor(width, x)));
}

}  // namespace korvelan
