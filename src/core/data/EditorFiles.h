#pragma once
#include <string>

#include "model/ModelState.h"

namespace korvelan {

// The node data as a demand file, one line per node 1..Numbnodes: the number
// right-aligned in 10 characters; XCoord and YCoord with 5 decimals, and Demand
// (twice, as demand sets 1 and 2) and FixedCost rounded to whole numbers (halves
// to even), each right-aligned in 15 characters and always after at least one
// blank, so a value that fills its field never runs into the one before; then
// " < name >" when any node has a name. Read back, every node is a demand node
// with the same demand whatever weight is chosen.
std::string DemandDataText(const ModelState& m);

// The nodes whose demand or fixed cost has a fractional part that the demand
// file rounds away; empty when nothing is lost.
std::string FractionalValuesWarning(const ModelState& m);

// The matrix as a distance file, column by column (the order the reader uses),
// so an asymmetric matrix reads back unchanged.
std::string EditedDistanceText(const ModelState& m);

// Write the two files, replacing the target atomically; the error, or an empty
// text on success.
std::string SaveDemandData(const ModelState& m, const std::string& path);
std::string SaveEditedDistances(const ModelState& m, const std::string& path);

// Save-dialog filters and the default type by metric ('E', 'G', 'M', 'N').
inline constexpr const char* DemandDataFilter =
    "Euclidean Distance  Data File|*.euc|Great Circle Distance Data File|*.grt|Manhattan Distance Data File|*.man|"
    "Network Distance Data File|*.net|All Files|*.*";
inline constexpr const char* EditedDistanceFilter =
    "Euclidean Distance  Data File|*.eud|Great Circle Distance Data File|*.grd|Manhattan Distance Data File|*.mad|"
    "Network Distance Data File|*.ned|All Files|*.*";

}  // namespace korvelan
