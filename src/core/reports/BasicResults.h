#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// The basic results report: the inputs and outputs of the run and the name of the
// solution approach. Caption "Basic Results Form", print title
// "BASIC RESULTS SUMMARY FORM".

struct ResultRow {
  std::string label;  // caption of the value box
  std::string value;  // "N/A" when the run gives none
  std::string extra;  // third box (approach details, "Dem Wtd", the added constant's note)
  bool red = false;   // shown in red
};

struct BasicResults {
  std::vector<ResultRow> files;    // file names, sizes, facilities, coverage distance
  std::vector<ResultRow> forcing;  // forced, excluded and initial sites, root forcing
  std::vector<ResultRow> bounds;   // approach, bounds, percent, iterations, tree nodes, time
  std::vector<ResultRow> other;    // cost per mile, added constant, partial targets, dominance
  bool lowerBoundReset = false;    // "Reset in Forcing" shown
  // Family whose settings report "La&Grangian Param" opens ("covering", "median",
  // "fixed", "invloc"); empty when the button is hidden.
  std::string settingsFamily;
};

BasicResults BuildBasicResults(const ModelState& m);

// The approach label ("COVERING - HEURISTIC", "MEDIAN - LAGRANGIAN", ...) and the
// extra box beside it, including the tree-depth note of a depth-limited search.
std::string ApproachLabel(const ModelState& m);
std::string ApproachExtra(const ModelState& m);

// Printout body: per visible row "label   value[   extra]", an empty line after
// the file block, after the forcing block and after the bounds block, and after
// the lower bound "          Lower bound reset in forcing" or an empty line.
std::vector<std::string> BasicResultsPrintLines(const BasicResults& results);

}  // namespace korvelan
