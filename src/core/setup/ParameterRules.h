#pragma once
#include <optional>
#include <string>

#include "model/ModelState.h"

namespace korvelan {

// Rules of the two parameters every model uses, shared by the parameter form, the
// run form and the batch program.

// Which form reads a number: the two forms word a conversion failure differently.
enum class EntryForm { Parameters, RunModels };

// The message of a text that is no number on that form.
std::string ConversionMessage(EntryForm form);

// A coverage distance text as fixed point (value x 10000, halves to even); nothing
// for text that is not a non-negative number.
std::optional<int64_t> ParseCoverageDistance(const std::string& text);

// Stores a coverage distance typed on the parameter form. Returns the message to
// show (empty on success); on failure the old value is kept.
std::string EnterCoverageDistance(ModelState& m, const std::string& text);
// Stores a cost per mile typed on the given form; same contract. A cost per mile
// whose total cost could pass LargestTotal with the loaded data is refused.
std::string EnterCostPerMile(ModelState& m, const std::string& text, EntryForm form);

// CoverageDistance / 10000 in shortest form ("12.3457", "10").
std::string CoverageDistanceText(int64_t coverageDistance);
// CostPerMile with thousands separators and 13 decimals.
std::string CostPerMileText(Extended costPerMile);

// Why the loaded data cannot be used for a run; empty when they can.
// A data set without demand nodes or with a total demand of 0 has nothing to serve.
std::string DemandProblem(const ModelState& m);

// "&Done and Run": refuses data without demand; otherwise builds the coverage lists.
struct ConfirmResult {
  bool ok = false;
  std::string message;  // "Cover List is N Items Long", or why the parameters were refused
};
ConfirmResult ConfirmParameters(ModelState& m);

}  // namespace korvelan
