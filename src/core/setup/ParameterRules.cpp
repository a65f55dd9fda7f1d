#include "setup/ParameterRules.h"

#include <cmath>

#include "model/CoverageLists.h"
#include "model/Totals.h"
#include "setup/NumberText.h"
#include "solve/TextFormat.h"

namespace korvelan {

std::string ConversionMessage(EntryForm form) {
  return form == EntryForm::Parameters ? "Error converting data." : "Invalid numeric input";
}

std::optional<int64_t> ParseCoverageDistance(const std::string& text) {
  const std::optional<Extended> value = ParseRealNumber(text);
  if (!value || *value < 0 || *value > LargestCoverageUnits) return std::nullopt;
  return RoundHalfEven(*value * FixedPointScale);
}

std::string EnterCoverageDistance(ModelState& m, const std::string& text) {
  const std::optional<int64_t> value = ParseCoverageDistance(text);
  if (!value) return ConversionMessage(EntryForm::Parameters);
  m.CoverageDistance = *value;
  m.CoverageDistanceSet = 1;
  return {};
}

std::string EnterCostPerMile(ModelState& m, const std::string& text, EntryForm form) {
  const std::optional<Extended> value = ParseRealNumber(text);
  if (!value || *value < 0) return ConversionMessage(form);
  const Extended largest = LargestCostPerMile(m);
  if (*value > largest) return "Invalid Parameter Value.  Must have 0 <= X <= " + LimitText(largest);
  m.CostPerMile = *value;
  m.CostPerMileSet = 1;
  return {};
}

std::string CoverageDistanceText(int64_t coverageDistance) {
  const bool negative = coverageDistance < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(coverageDistance) : coverageDistance;
  std::string text = std::to_string(magnitude / FixedPointScale);
  std::string fraction = std::to_string(magnitude % FixedPointScale);
  fraction.insert(0, 4 - fraction.size(), '0');
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return negative ? "-" + text : text;
}

std::string CostPerMileText(Extended costPerMile) { return FormatNumber(costPerMile, 18, 13); }

std::string DemandProblem(const ModelState& m) {
  if (m.NumDemandNodes == 0) return "The data set has no demand nodes.\nThere is no demand for a facility to serve.";
  Extended total = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) total += m.Node(i).LoadedDemand;
  if (!(total > 0))
    return "The total demand of the data set is " + FormatNumber(total, 18, 0) +
           ".\nThere is no demand for a facility to serve.";
  return {};
}

ConfirmResult ConfirmParameters(ModelState& m) {
  m.FatalError = 0;
  ConfirmResult result;
  result.message = DemandProblem(m);
  if (!result.message.empty()) return result;
  const std::string failure = BuildCoverageLists(m);
  if (!failure.empty()) {
    m.FatalError = 1;
    result.message = failure;
    return result;
  }
  m.CoverStateChanged = 1;
  result.ok = true;
  result.message = "Cover List is " + std::to_string(m.CoverListLength) + " Items Long";
  return result;
}

}  // namespace korvelan
