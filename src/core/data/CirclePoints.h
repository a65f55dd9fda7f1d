#pragma once
#include <string>
#include <vector>

#include "data/NodeDataFile.h"

namespace korvelan {

// Circle points are extra candidate sites at the centres of the circles through
// two demand nodes (the midpoint, named "P") or three (the circumcentre, named
// "T"); collinear triples have no circle and give no point.

// Circle points are offered when n + n(n-1)/2 + n(n-1)(n-2)/6 <= MaxNodes for n
// demand nodes, so that every possible point fits in the node table.
bool CirclePointsOffered(int demandNodes);
// The load form's offer rule: Euclidean data only, and the count rule above.
bool CirclePointsOffered(char metric, int demandNodes);
// Why circle points cannot be asked for; empty when they are offered.
std::string CirclePointsProblem(char metric, int demandNodes);

// The points for the given demand nodes, pairs first (ascending i, then j),
// then triples (ascending i, then j, then k); demand and fixed cost 0.
// Generation stops once `limit` points are made.
std::vector<LoadedNode> CirclePoints(const std::vector<LoadedNode>& demandNodes, int limit = MaxNodes);

}  // namespace korvelan
