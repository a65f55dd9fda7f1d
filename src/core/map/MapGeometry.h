#pragma once
#include <vector>

#include "data/BorderFile.h"
#include "map/MapScene.h"
#include "model/ModelState.h"

namespace korvelan {

// The sign of every plotted first coordinate. Great-circle data whose whole
// box of coordinates lies in box A (latitude -4..78, longitude 49..174) or box
// B (latitude 28..62, longitude -25..17), bounds inclusive, store west
// longitudes as positive numbers and are drawn with X negated; any other data
// are drawn as they are. Inverting the map negates the sign.
double MapXSign(const ModelState& m, bool invert);

struct MapPoint {
  double x = 0, y = 0;
};

// Node n as the map plots it: (sign x XCoord, YCoord).
MapPoint PlottedPosition(const ModelState& m, int n, double sign);

// The border as arrows between consecutive points, transformed like the nodes;
// a point with a coordinate of -999 lifts the pen (no segment to or from it).
std::vector<MapArrow> BorderArrows(const std::vector<BorderPoint>& border, double sign);

// The first node 1..Numbnodes plotted exactly at (x, y) with this sign; 0 when
// none is. Coordinates keep their signs, so x and -x are different places.
int NodeAtPlotted(const ModelState& m, double sign, double x, double y);

// True when f names a node of the table (1..Numbnodes): only such a facility
// is drawn or looked up.
bool ValidFacility(const ModelState& m, int f);

}  // namespace korvelan
