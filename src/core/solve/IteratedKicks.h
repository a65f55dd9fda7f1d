#pragma once
// The loop of an iterated local search over sets of open sites: after a first descent,
// each kick perturbs the solution and a descent follows; the kicked solution is kept
// when it costs no more than before the kick (so the search can walk across equal
// costs), otherwise the search goes back. It ends after `kicks` kicks, after `patience`
// kicks in a row without a cheaper solution, once the best costs no more than `enough`,
// or when a kick is not possible. Returns the cheapest solution seen.
//
// Search provides Open() (the open sites), Set(open) and Total() (its cost); descend()
// improves the current solution, kick() perturbs it and returns false when it cannot.
#include <array>
#include <cstdint>

#include "model/ModelState.h"

namespace korvelan {

template <typename Search, typename Descend, typename Kick>
std::array<uint8_t, NodeSlots> IterateKicks(Search& f, double tolerance, int kicks, int patience,
                                            double enough, Descend descend, Kick kick) {
  descend();
  std::array<uint8_t, NodeSlots> best = f.Open();
  double bestTotal = f.Total();
  for (int k = 0, sinceBest = 0; k < kicks && sinceBest < patience && bestTotal > enough; ++k, ++sinceBest) {
    const std::array<uint8_t, NodeSlots> before = f.Open();
    const double beforeTotal = f.Total();
    if (!kick()) break;
    descend();
    if (f.Total() > beforeTotal + tolerance) {
      f.Set(before);
      continue;
    }
    if (f.Total() < bestTotal - tolerance) {
      best = f.Open();
      bestTotal = f.Total();
      sinceBest = 0;
    }
  }
  return best;
}

}  // namespace korvelan
