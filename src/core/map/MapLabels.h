#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// The label modes of the map's three radio groups.
struct MapLabelModes {
  int demand = 0;    // 0 blank, 1 numbers, 2 uncovered (defining for 'P') numbers, 3 names, 4 uncovered names
  int site = 0;      // 0 blank, 1 numbers, 2 names
  int defining = 0;  // partial p-center only: 0 blank, 1 numbers, 2 names
};

// The per-node marks rebuilt at every drawing (index = node number).
struct MapNodeMarks {
  // Located, except that for the inventory model the demand nodes carry their plant-city mark.
  std::vector<uint8_t> site;
  // The plant cities of the inventory model; zero otherwise.
  std::vector<uint8_t> plant;
};

// The plant cities of the inventory model, by node number (demand nodes only).
std::vector<uint8_t> PlantCityMarks(const ModelState& m);
MapNodeMarks BuildNodeMarks(const ModelState& m);
// The plant city with the smallest distance to site j (the first in node order
// on ties); 0 when there is none.
int NearestPlantCity(const ModelState& m, const std::vector<uint8_t>& plant, int j);

// How a demand node stands against the coverage distance L in the current solution.
struct DemandNodeClass {
  bool within = false;    // its assigned distance is within L
  bool covered = false;   // within, and for the weighted partial p-center distance x demand <= L too
  bool defining = false;  // its distance sets the radius (p-center; partial p-center when asked)
};

DemandNodeClass ClassifyDemandNode(const ModelState& m, int i, int definingLabelMode);

// Where a node's label rules ask for marks: each entry adds one point at the
// node with that label (" " for a blank label). Names and numbers are the
// node's own.
std::vector<std::string> SolutionDemandLabels(const ModelState& m, int i, const DemandNodeClass& c,
                                              const MapLabelModes& modes, bool hasSiteMark);
std::vector<std::string> SiteLabels(const ModelState& m, int j, const MapLabelModes& modes, bool hasPlantMark);
// Labels over the relative-demand and coverage maps.
std::vector<std::string> OverlayLabels(const ModelState& m, int i, const MapLabelModes& modes, bool hasSiteMark);
// The label of a site in those two maps and of a plant city: by the site mode alone.
std::string SiteModeLabel(const ModelState& m, int j, int siteMode);

// The blank label: one blank, drawn as nothing visible.
inline const std::string BlankLabel = " ";

}  // namespace korvelan
