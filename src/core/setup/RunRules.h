#pragma once
#include <string>

#include "model/ModelState.h"

namespace korvelan {

// The input rules of the run-models form, shared with the batch program. Each
// Enter... function takes the text of a field as it is left and returns what the
// form shows: the message (a warning; empty when none) and the text the field holds.

struct FieldResult {
  bool accepted = false;  // the value was stored
  std::string message;    // warning to show; empty when none
  std::string fieldText;  // what the field shows afterwards
};

// Limits of the number to locate for the chosen model and algorithm: lo is
// max(1, m) with m the required sites (R) or the required and initial sites (Q),
// hi is Numbnodes minus the excluded sites. minusOne: -1 (optimise the number) is
// also valid ('F' and 'V').
struct LocateLimits {
  int lo = 1;
  int hi = 0;
  bool minusOne = false;
};
LocateLimits NumberToLocateLimits(const ModelState& m);
// The message for a number outside the limits.
std::string LocateLimitsMessage(const LocateLimits& limits);

// Leaving NumbInput: stores NumberToLocate (or FixedNumberToLocate for 'F' and 'V').
// An invalid value is replaced by the lower limit.
FieldResult EnterNumberToLocate(ModelState& m, const std::string& text);

// Leaving CovAmount of a partial model: 'F' a fraction 0 < f <= 1 into
// CoverFraction, 'N' a number of demand nodes 1..NumDemandNodes into NodesToCover.
FieldResult EnterCoverAmount(ModelState& m, const std::string& text);

// The two distance estimates of the center models, in whole distance units.
struct EstimateEntries {
  bool upperEntered = false;
  bool lowerEntered = false;
};
inline constexpr int64_t DefaultUpperEstimate = 10000 * FixedPointScale;
FieldResult EnterUpperEstimate(ModelState& m, EstimateEntries& entries, const std::string& text);
FieldResult EnterLowerEstimate(ModelState& m, EstimateEntries& entries, const std::string& text);
// Both estimates entered and lower < upper.
bool EstimatesComplete(const ModelState& m, const EstimateEntries& entries);

}  // namespace korvelan
