#pragma once
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// One-for-one swaps of covering facilities: move the facility at `outgoing` to
// `incoming` when that raises the covered demand. Used by greedy covering, the
// covering Lagrangian and the manual exchange form.

// Swaps whose gain does not exceed this are not made.
inline constexpr Extended MinimumSwapGain = 0.01L;

struct SwapChoice {
  int incoming = 0;
  int outgoing = 0;
  Extended gain = 0;
};

// Demand that only `site` covers among the placed facilities (its nodes with NTIMES = 1).
Extended SoleCoverLoss(const ModelState& m, int site);

// Net change of covered demand when the facility at `outgoing` moves to `incoming`.
// When lossGiven is false the loss of the outgoing site is computed here.
Extended SwapGain(const ModelState& m, bool lossGiven, int outgoing, int incoming, Extended loss);

// The best swap of a placed, non-required facility for a free candidate site; with
// firstImprovement the scan stops after the first outgoing facility that yields a
// gain above MinimumSwapGain. Ties keep the earlier pair. With restrict set, a pair
// whose outgoing facility has LagOpen = 1 while the incoming site has LagOpen = 0
// is skipped (the limited exchange marks its starting solution that way).
SwapChoice FindBestSwap(const ModelState& m, bool firstImprovement, bool restrict = false);

// What SwapFacilities reports besides the coverage change.
struct SwapReport {
  bool showDistance = false;
  Extended distanceChange = 0;
  bool showCost = false;
  Extended costChange = 0;
  Extended coverageChange = 0;
};

// Performs one swap, reporting it as progress lines unless SolutionClass is 2.
void SwapFacilities(ModelState& m, RunHost& host, int outgoing, int incoming, const SwapReport& report);

// The progress lines SwapFacilities adds for one swap.
std::vector<std::string> SwapLines(int outgoing, int incoming, const SwapReport& report);

// Repeated first-improvement swaps until none gains more than MinimumSwapGain.
// Returns whether any swap was made.
bool Substitute(ModelState& m, RunHost& host);

}  // namespace korvelan
