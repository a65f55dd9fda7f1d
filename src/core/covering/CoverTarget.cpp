#include "covering/CoverTarget.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace korvelan {

Extended DemandNodeTotal(const ModelState& m) {
  Extended total = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) total += m.Node(i).Demand;
  return total;
}

Extended FractionTarget(Extended total, double fraction) {
  const Extended product = total * static_cast<Extended>(fraction);
  // A fraction such as 0.1 is stored a hair above its decimal value; without the
  // allowance 10% of 30 would ask for 4.
  const Extended allowance = 1e-9L * std::max<Extended>(1, std::fabs(product));
  Extended target = std::trunc(product);
  while (target < product - allowance) target += 1;
  return std::min(target, total);
}

Extended NodeCountTarget(int nodesToCover) {
  const Extended k = nodesToCover;
  return k * 100000 + k * (k + 1) / 2;
}

Extended FixCoverTarget(ModelState& m, bool partial) {
  if (!partial) {
    m.CoverTypeCode = ' ';
    return DemandNodeTotal(m);
  }
  m.CoverTypeCode = static_cast<char>(std::toupper(static_cast<unsigned char>(m.CoverTypeCode)));
  if (m.CoverTypeCode != 'N') return FractionTarget(DemandNodeTotal(m), m.CoverFraction);
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    m.SavedDemand[i] = m.Node(i).Demand;
    m.Node(i).Demand = 100000 + i;
  }
  return NodeCountTarget(m.NodesToCover);
}

void DemandRestorer::Restore() {
  if (!active_) return;
  for (int i = 1; i <= m_.NumDemandNodes; ++i) m_.Node(i).Demand = m_.SavedDemand[i];
  active_ = false;
}

}  // namespace korvelan
