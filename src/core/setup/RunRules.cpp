#include "setup/RunRules.h"

#include <algorithm>
#include <optional>

#include "setup/NumberText.h"

namespace korvelan {
namespace {

const char* const kInvalidNumeric = "Invalid numeric input";

bool IsFixedFamily(char code) { return code == 'F' || code == 'V'; }

long long WholeUnits(int64_t fixedPoint) { return fixedPoint / FixedPointScale; }

// A distance estimate in whole units; nothing for text that is not one (or is too
// large for the fixed point).
std::optional<long long> ParseEstimate(const std::string& text) {
  const std::optional<long long> value = ParseWholeNumber(text);
  if (!value || *value < 0 || *value > LargestCoverageUnits) return std::nullopt;
  return value;
}

struct SiteCounts {
  int required = 0;  // R
  int preset = 0;    // Q: required or in the initial solution
  int excluded = 0;  // X
};

SiteCounts CountSites(const ModelState& m) {
  SiteCounts c;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const NodeRecord& site = m.Node(j);
    c.required += site.SiteStatus == StatusRequired;
    c.excluded += site.SiteStatus == StatusExcluded;
    c.preset += site.SiteStatus == StatusRequired || site.InInitialSolution == 1;
  }
  return c;
}

void StoreNumberToLocate(ModelState& m, int value) {
  if (IsFixedFamily(m.ProblemCode))
    m.FixedNumberToLocate = value;
  else
    m.NumberToLocate = static_cast<uint16_t>(value);
}

FieldResult Refuse(std::string message, std::string fieldText = {}) {
  FieldResult r;
  r.message = std::move(message);
  r.fieldText = std::move(fieldText);
  return r;
}

FieldResult Accept(const std::string& fieldText) {
  FieldResult r;
  r.accepted = true;
  r.fieldText = fieldText;
  return r;
}

FieldResult EnterCoverFraction(ModelState& m, const std::string& text) {
  const std::optional<Extended> value = ParseRealNumber(text);
  if (!value) return Refuse(kInvalidNumeric);
  if (!(*value > 0 && *value <= 1)) {
    m.CoverFraction = 1.0;
    return Refuse("Invalid fraction.  Must have 0 < X <= 1");
  }
  m.CoverFraction = static_cast<double>(*value);
  return Accept(text);
}

FieldResult EnterNodesToCover(ModelState& m, const std::string& text) {
  const std::optional<long long> value = ParseWholeNumber(text);
  if (!value || *value < 1 || *value > m.NumDemandNodes) {
    m.NodesToCover = m.NumDemandNodes;
    if (!value) return Refuse(kInvalidNumeric);
    return Refuse("Invalid number of nodes to cover.  Must have 1 <= X <= " + std::to_string(m.NumDemandNodes));
  }
  m.NodesToCover = static_cast<int32_t>(*value);
  return Accept(text);
}

}  // namespace

LocateLimits NumberToLocateLimits(const ModelState& m) {
  const SiteCounts c = CountSites(m);
  int floor;
  if (IsFixedFamily(m.ProblemCode))
    floor = m.FixedAlgorithm == 'A' ? c.preset : c.required;
  else
    floor = m.SolutionClass == 0 ? c.preset : c.required;
  LocateLimits limits;
  limits.lo = std::max(1, floor);
  limits.hi = m.Numbnodes - c.excluded;
  limits.minusOne = IsFixedFamily(m.ProblemCode);
  return limits;
}

std::string LocateLimitsMessage(const LocateLimits& limits) {
  return std::string("Invalid number of facilities to locate.  Must have ") + (limits.minusOne ? "-1 or " : "") +
         std::to_string(limits.lo) + " <= X <= " + std::to_string(limits.hi);
}

FieldResult EnterNumberToLocate(ModelState& m, const std::string& text) {
  if (text.empty()) return Refuse("", "");
  const LocateLimits limits = NumberToLocateLimits(m);
  const std::optional<long long> value = ParseWholeNumber(text);
  const bool valid =
      value && ((*value >= limits.lo && *value <= limits.hi) || (limits.minusOne && *value == -1));
  if (!valid) {
    StoreNumberToLocate(m, limits.lo);
    return Refuse(value ? LocateLimitsMessage(limits) : kInvalidNumeric, std::to_string(limits.lo));
  }
  StoreNumberToLocate(m, static_cast<int>(*value));
  return Accept(std::to_string(*value));
}

FieldResult EnterCoverAmount(ModelState& m, const std::string& text) {
  return m.CoverTypeCode == 'N' ? EnterNodesToCover(m, text) : EnterCoverFraction(m, text);
}

FieldResult EnterUpperEstimate(ModelState& m, EstimateEntries& entries, const std::string& text) {
  entries.upperEntered = false;
  m.UpperDistanceEstimate = DefaultUpperEstimate;
  if (text.empty()) return Refuse("");
  const std::optional<long long> value = ParseEstimate(text);
  if (!value) return Refuse(kInvalidNumeric);
  if (entries.lowerEntered && *value * FixedPointScale <= m.LowerDistanceEstimate)
    return Refuse("Invalid Distance.  Must be >= " + std::to_string(WholeUnits(m.LowerDistanceEstimate) + 1));
  m.UpperDistanceEstimate = *value * FixedPointScale;
  entries.upperEntered = true;
  return Accept(text);
}

FieldResult EnterLowerEstimate(ModelState& m, EstimateEntries& entries, const std::string& text) {
  entries.lowerEntered = false;
  m.LowerDistanceEstimate = 0;
  if (text.empty()) return Refuse("");
  const std::optional<long long> value = ParseEstimate(text);
  if (!value) return Refuse(kInvalidNumeric, "0");
  if (entries.upperEntered && *value * FixedPointScale >= m.UpperDistanceEstimate)
    return Refuse("Invalid Distance.  Must be <= " + std::to_string(WholeUnits(m.UpperDistanceEstimate) - 1));
  m.LowerDistanceEstimate = *value * FixedPointScale;
  entries.lowerEntered = true;
  return Accept(text);
}

bool EstimatesComplete(const ModelState& m, const EstimateEntries& entries) {
  return entries.upperEntered && entries.lowerEntered && m.LowerDistanceEstimate < m.UpperDistanceEstimate;
}

}  // namespace korvelan
