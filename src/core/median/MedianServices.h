#pragma once
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Services of the median heuristics that the fixed-charge heuristics, the
// Lagrangian procedures, the tradeoff engine and the manual exchange form share.
//
// Assignment fields of a demand node (NodeRecord):
//   AssignedFacility / AssignedDistance  the open site serving it (0 while unassigned)
//   SecondFacility / SecondDistance      the nearest other open site (0 and NoDistance
//                                        when there is none); valid while the model's
//                                        SecondFacilityValid flag is set.

// A site opened before any adding: required, or in the initial solution (and not excluded).
inline bool IsPresetSite(const NodeRecord& site) {
  return site.SiteStatus == StatusRequired || (site.InInitialSolution && site.SiteStatus != StatusExcluded);
}
// A closed site that a heuristic may open (SiteStatus 0).
inline bool IsFreeClosedSite(const NodeRecord& site) { return !site.Located && site.SiteStatus == StatusAllowed; }

// True when some site is open.
bool AnySiteOpen(const ModelState& m);

// "No such distance": the largest 32-bit integer.
inline constexpr int32_t NoDistance = std::numeric_limits<int32_t>::max();

// The largest distance from a demand node to its farthest site (the last entry of
// each demand node's NearestOrder row); 0 when there are no demand nodes.
int32_t FarthestDistance(const ModelState& m);

// Start of the constructive heuristics: no site open, every node unassigned at a
// distance above every matrix entry, so that the first opened site takes every
// demand node, whatever the distances (even when they are all 0).
void ResetAssignments(ModelState& m);

// True when a demand node would move to a site at distance d: it is unassigned or
// d is strictly smaller than its current distance (the earlier site keeps ties).
inline bool MovesTo(const NodeRecord& node, int32_t d) {
  return node.AssignedFacility == 0 || d < node.AssignedDistance;
}

// Open site s for the assignment: every demand node that MovesTo it is assigned to it.
void AttachNodesTo(ModelState& m, int s);
// Every demand node served by s moves to its SecondFacility at SecondDistance.
void MoveNodesToSecond(ModelState& m, int s);

// A total weighted distance per unit of demand (0 when there is no demand).
Extended PerDemand(const ModelState& m, Extended weightedDistance);
// Sum of Demand x AssignedDistance over the demand nodes, per unit of demand.
Extended AverageDistance(const ModelState& m);

// A saving counts as an improvement only when it exceeds the rounding noise of
// sums over the demand nodes (far below any real change); this keeps the
// improvement loops from cycling on exact ties when demands are not whole numbers.
// scale is the size of the objective's terms (e.g. TotalDemand x FarthestDistance).
inline Extended ImprovementTolerance(Extended scale) { return scale * 1e-15L; }
// ImprovementTolerance for total weighted distances.
Extended DistanceTolerance(const ModelState& m);

// Every demand node to the first open site of its NearestOrder row; then NTIMES is
// rebuilt from the open sites. Needs at least one open site. Clears SecondFacilityValid.
void AssignAllToNearest(ModelState& m, RunHost& host);

// SecondFacility / SecondDistance of every demand node: the first open site of its
// NearestOrder row other than AssignedFacility. Sets SecondFacilityValid.
void ComputeSecondClosest(ModelState& m);
// ComputeSecondClosest unless SecondFacilityValid is set.
void EnsureSecondClosest(ModelState& m);

// Decrease of the total weighted distance when open site o is closed and closed
// site s opened, every demand node then served by its nearest site.
Extended SwapSaving(ModelState& m, int o, int s);

struct SwapPair {
  int closedSite = 0;  // s, the site to open; 0 when nothing qualifies
  int openSite = 0;    // o, the site to close
  Extended saving = 0;
};
// The (open o, closed s) pair with the largest SwapSaving over every open o that is
// not required and every closed s that is not excluded (o ascending, then s; the
// first of equal pairs wins). The search starts from -10, so a pair that worsens
// the total by less than 10 is still returned. With restrict set, a pair whose o
// has LagOpen = 1 while s has LagOpen = 0 is skipped.
SwapPair BestSwapPair(ModelState& m, bool restrict);
// The same search by another value of a pair: value(o, s, SwapSaving(o, s)).
using SwapValue = std::function<Extended(int o, int s, Extended distanceSaving)>;
SwapPair BestSwapPairBy(ModelState& m, bool restrict, const SwapValue& value);

// Close s: its demand nodes move to their second-closest sites. NTIMES is left to
// the caller. Clears SecondFacilityValid.
void RemoveMedian(ModelState& m, int s);

// Close `out` and open `in`: Located marks and coverage counts (NTIMES); the
// assignment is left to the caller. Clears SecondFacilityValid.
void SwitchSites(ModelState& m, RunHost& host, int out, int in);
// Replace the entry `from` of LocatedList[1..NumLocated] by `to`.
void ReplaceListedSite(ModelState& m, int from, int to);
// Move the facility at `from` to `to` (SwitchSites and the LocatedList entry);
// every demand node served by `from` is served by `to`.
void RelocateFacility(ModelState& m, RunHost& host, int from, int to);
// For each site of LocatedList[1..NumLocated] in list order, every demand node
// strictly closer to it than to its current site moves there. Returns the sum of
// Demand x decrease; moved tells whether any node moved.
Extended ReassignToListedSites(ModelState& m, bool& moved);

// The passes of a neighbourhood search over LocatedList[1..positions]: each
// facility f takes its best move (bestMove(f) returns a FacilityMove-like value
// whose site is f when it stays; move(f, to, saving) applies it); after a pass
// that moved a facility, reassign() reassigns the demand nodes and tells whether
// a node moved, and the passes go on while one did.
template <typename BestMove, typename Move, typename Reassign>
void NeighbourhoodPasses(ModelState& m, int positions, BestMove bestMove, Move move, Reassign reassign) {
  for (bool moved = true; moved;) {
    moved = false;
    for (int q = 1; q <= positions; ++q) {
      const int f = m.LocatedList[q];
      const auto best = bestMove(f);
      if (best.site == f) continue;
      moved = true;
      move(f, best.site, best.saving);
    }
    if (moved) moved = reassign();
  }
}

// The demand nodes served by site b, ascending.
std::vector<int> ServiceArea(const ModelState& m, int b);

// CostByCount[k] for k = from..to (0..MaxNodes), all set to value.
void RecordCostByCount(ModelState& m, int from, int to, Extended value);

// The formats of the heuristics' progress values: number or currency style with
// the given precision and max(2, DecimalsFor(width, x)) decimals.
std::string ProgressNumber(Extended x, int precision, int width = 10);
std::string ProgressCurrency(Extended x, int precision, int width = 10);

}  // namespace korvelan
