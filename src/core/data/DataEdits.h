#pragma once
#include <cstdint>
#include <string>

#include "model/ModelState.h"

namespace korvelan {

// The editable fields of a node, in the order the node grid shows them.
enum class NodeField { Name, XCoord, YCoord, Demand, FixedCost };

// The text a grid shows for a field: the name as stored, numbers as the shortest
// decimal text that reads back as the same value.
std::string NodeFieldText(const ModelState& m, int node, NodeField field);

// Stores typed text into one field of a node. A name is cut to 39 characters.
// Coordinates take any finite number; demand and fixed cost a number of at
// least 0. LoadedDemand and TotalDemand are not changed. Returns the warning
// when the text is refused (the field then keeps its value), else an empty text.
std::string EditNodeField(ModelState& m, int node, NodeField field, const std::string& text);

// Stores typed text as DistanceMatrix[row][column]: a whole number from 0 to
// 2147483647. The nearest-node order of the row and MaxDistance follow the new
// value at once, so every solver sees a consistent model. Returns the warning
// when the text is refused (the entry then keeps its value), else an empty text.
std::string EditDistance(ModelState& m, int row, int column, const std::string& text);

// Sets one entry and brings NearestOrder row `row` and MaxDistance up to date.
void SetDistance(ModelState& m, int row, int column, int32_t value);

// Removes node `node` from the model: later nodes move down one number with
// their records (statuses and initial-solution marks included), the matrix loses
// the node's row and column, both counts fall as they apply, NearestOrder and
// MaxDistance are rebuilt, the status counts and the located list are
// recomputed, and the coverage lists must be built again.
void RemoveNode(ModelState& m, int node);

// The label of a node in the editor's lists: its name when the node is shown by
// name, otherwise "Node k" (demand node) or "Extra k" (candidate-only site).
std::string NodeLabel(const ModelState& m, int node);
// The label of a node in the distance grid's headers: its name, or "Node k".
std::string DistanceHeaderLabel(const ModelState& m, int node);

}  // namespace korvelan
