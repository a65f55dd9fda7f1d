#pragma once
#include <string>

#include "model/ModelState.h"

namespace korvelan {

// The current solution as a GeoJSON FeatureCollection (RFC 7946) for a
// geographic information system:
//   - every demand node: a Point with "kind": "demand node", "number", "name",
//     "demand", "facility" and "distance" (null when it has no valid facility);
//   - every open site: a Point with "kind": "site", "number", "name" and
//     "demand served" (the demand of the nodes assigned to it);
//   - every assignment: a LineString from the demand node to its site with
//     "kind": "assignment", "node", "facility" and "distance";
//   - for the inventory model with plant cities: a LineString from each open
//     site's nearest plant city to the site, "kind": "plant link".
// Positions are those the map plots without its invert box: great-circle data
// stored with west longitudes as positive numbers come out as longitude,
// latitude; data of the other metrics keep their plain x and y.
std::string GeoJsonText(const ModelState& m);
// The plant-to-DC layer alone: the "plant link" lines of the inventory model.
std::string PlantToDcGeoJsonText(const ModelState& m);

// The mapping layer is written as GeoJSON when its name ends in ".geojson"
// (any letter case), otherwise as the ".MAP" line file.
bool IsGeoJsonName(const std::string& fileName);

}  // namespace korvelan
