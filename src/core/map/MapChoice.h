#pragma once
#include <optional>
#include <string>

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// What choosing a point of the covering-median curve restored.
struct TradeoffChoice {
  int shownSolutionNumber = 0;      // its position in TradeoffList, from 1
  Extended chosenCoveredDemand = 0;  // CoveredDemand after the restore
};

// Restores point `line` (counted from 1) of TradeoffList into the model: its
// open sites, the coverage counts, every demand node on its nearest open site
// and DemandWeightedDistance. Nothing changes for line 0 or a line below the
// points (no value then).
std::optional<TradeoffChoice> ChooseTradeoffSolution(ModelState& m, RunHost& host, int line);

// The message of a click on node i of the map. A site that is not a demand node
// is reported as serving itself at distance 0; the model is only read.
// plantMark tells whether i is a plant city of the inventory model.
std::string NodeInformationText(const ModelState& m, int i, bool plantMark);

inline const std::string NodeNotFoundText = "Longitude and Latitude not found ... Try again";

}  // namespace korvelan
