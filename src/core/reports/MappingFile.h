#pragma once
#include <string>

#include "model/ModelState.h"

namespace korvelan {

// The mapping file ("Save Ma&Pping Data", ".MAP"): a line layer for a geographic
// information system, one line per demand node joining the node to the site that
// serves it:
//   node (4) ", " 2 (2) ", " -X(site) ", " Y(site) ", " -X(node) ", " Y(node)
// with the coordinates in fixed notation, 7 decimals, right-aligned in 14 and
// the first coordinate's sign reversed. A node without a serving site is joined
// to itself.
std::string MappingFileText(const ModelState& m);

// The plant-to-DC layer of the inventory/location model, in the same layout: one line
// per located site, numbered 1, 2, ... in site order, joining the site to its nearest
// plant city (the first in node order of equally near ones).
bool HasPlantToDcLayer(const ModelState& m);
std::string PlantToDcMappingText(const ModelState& m);
inline constexpr const char* PlantLayerNotice = "Now you will be asked for a file name for the Plant-to-DC GIS Layer.";

// The information shown after the file was stored.
std::string MappingStoredMessage(const std::string& name);

}  // namespace korvelan
