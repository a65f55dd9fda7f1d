// The median family's settings table for the settings registry: the settings the
// median Lagrangian form edits, by their component names.
#include "median/LagrangianTableRows.h"

namespace korvelan {
namespace {

SettingDef Shared(const char* name, SettingKind kind, auto CoveringSettings::*member, Extended def) {
  return RecordSetting("median", name, kind, &ModelState::Covering, member, def);
}

SettingDef Own(const char* name, SettingKind kind, auto MedianSettings::*member, Extended def) {
  return RecordSetting("median", name, kind, &ModelState::Median, member, def);
}

SettingBounds FailureBounds(const ModelState& m) { return {1, Extended(m.Covering.NoIter) + 1}; }

}  // namespace

void RegisterMedianSettings(SettingsRegistry& registry) {
  using K = SettingKind;
  registry.Add(WithBounds(Shared("PctDiff", K::Real, &CoveringSettings::PctDiff, 0), FixedBounds(0, 10)));
  registry.Add(WithBounds(Shared("NoIter", K::Integer, &CoveringSettings::NoIter, 400), IterationBounds));
  registry.Add(WithBounds(Shared("RootNodeValue", K::Integer, &CoveringSettings::RootNodeValue, 1200), IterationBounds));
  registry.Add(WithBounds(Shared("MinAlpha", K::Real, &CoveringSettings::MinAlpha, 1e-8L), FixedBounds(1e-8L, 0.5L)));
  registry.Add(WithBounds(Own("Failures", K::Integer, &MedianSettings::Failures, 36), FailureBounds));
  registry.Add(WithBounds(Own("RootFail", K::Integer, &MedianSettings::RootFail, 36), FailureBounds));
  registry.Add(WithBounds(Shared("DampingTerm", K::Real, &CoveringSettings::DampingTerm, 0.3L), FixedBounds(0, 1)));
  registry.Add(WithBounds(Own("AbsDiff", K::Real, &MedianSettings::AbsDiff, 0), FixedBounds(0, 1000000)));
  registry.Add(WithBounds(Own("Constant", K::Real, &MedianSettings::Constant, 0), ConstantBounds));
  registry.Add(WithBounds(Own("Slope", K::Real, &MedianSettings::Slope, 0), FixedBounds(0, 10)));
  registry.Add(WithBounds(Own("Average", K::Real, &MedianSettings::Average, 10), FixedBounds(0, 100)));
  registry.Add(WithBounds(Own("Demand", K::Real, &MedianSettings::Demand, 0), FixedBounds(0, 10000)));
  registry.Add(WithBounds(MemberSetting("median", "CovDistWeight", K::Real, &ModelState::AddedConstant, 0),
                          FixedBounds(0, 100000000)));
  registry.Add(WithBounds(Shared("DepthVar", K::Integer, &CoveringSettings::DepthVar, -1), DepthBounds));
  registry.Add(MemberSetting("median", "BranchAndBound", K::Flag, &ModelState::BranchAndBoundOn, 1));
  registry.Add(Shared("FailureCount", K::Flag, &CoveringSettings::FailureCount, 1));
  registry.Add(MemberSetting("median", "ShowProgress", K::Flag, &ModelState::ShowLagProgress, 1));
  registry.Add(Shared("RootNodeBox", K::Flag, &CoveringSettings::RootNodeBox, 1));
  registry.Add(MemberSetting("median", "DoSubstitution", K::Flag, &ModelState::DoSubstitution, 1));
  registry.Add(TerminalSetting(
      "median", [](const ModelState& m) { return m.Median.TerminalSubstitution; },
      [](ModelState& m, TerminalChoice c) { m.Median.TerminalSubstitution = c; }));
  registry.Add(Own("ExchangeSearch", K::Flag, &MedianSettings::ExchangeSearch, 1));
  registry.Add(Own("UseBestUBBox", K::Flag, &MedianSettings::UseBestUBBox, 1));
}

}  // namespace korvelan
