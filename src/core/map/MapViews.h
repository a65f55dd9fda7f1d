#pragma once
#include <functional>
#include <string>
#include <vector>

#include "data/BorderFile.h"
#include "map/MapLabels.h"
#include "map/MapScene.h"
#include "model/ModelState.h"

namespace korvelan {

// What the map window contributes to a drawing besides the model.
struct MapSettings {
  std::string title;  // MapTitle: empty means the default titles
  bool invert = false;
  MapLabelModes labels;
  // Covering-median curves: the selected line of the summary list (0 = the caption)
  // and what the last choice restored.
  int selectedLine = 0;
  int shownSolutionNumber = 0;
  Extended chosenCoveredDemand = 0;
};

// The three maps. Each builds the summary list, the title and the six series.
MapScene SolutionMap(const ModelState& m, const BorderState& border, const MapSettings& settings);
MapScene RelativeDemandMap(const ModelState& m, const BorderState& border, const MapSettings& settings);
// progress, when given, is told the percent of the sites drawn (rounded).
MapScene CoverageMap(const ModelState& m, const BorderState& border, const MapSettings& settings,
                     const std::function<void(int)>& progress = {});

// The caption of a model on the map ("MAX COVERING", ...); empty for no model.
std::string MapModelCaption(char code);

// The border file's name without its folders.
std::string BorderShortName(const std::string& path);

// The chart title shown while a covering-median map waits for a choice.
inline const std::string SelectSolutionTitle = "Select a solution in the box at the left to display";

}  // namespace korvelan
