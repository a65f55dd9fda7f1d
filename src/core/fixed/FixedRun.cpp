#include "fixed/FixedRun.h"

#include "fixed/FixedAddDrop.h"
#include "fixed/FixedExchange.h"
#include "fixed/FixedNeighborhood.h"

namespace korvelan {
namespace {

int Construct(ModelState& m, RunHost& host, bool add) {
  return add ? fixed_add(m, host, m.FixedNumberToLocate) : fixed_drop(m, host, m.FixedNumberToLocate);
}

}  // namespace

std::optional<int> RunFixedHeuristic(ModelState& m, RunHost& host) {
  switch (m.FixedAlgorithm) {
    case 'A':
    case 'D':
      return Construct(m, host, m.FixedAlgorithm == 'A');
    case 'E': {
      const int count = Construct(m, host, m.AddFirst == 'A');
      fixed_exchange(m, host);
      return count;
    }
    case 'N': {
      const int count = Construct(m, host, m.AddFirst == 'A');
      fixed_neighborhood(m, host, count, 1);
      return count;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace korvelan
