// The fixed family's settings table for the settings registry: the settings the
// fixed-charge Lagrangian form edits, by their component names.
#include "median/LagrangianTableRows.h"

namespace korvelan {
namespace {

SettingDef Own(const char* name, SettingKind kind, auto FixedSettings::*member, Extended def) {
  return RecordSetting("fixed", name, kind, &ModelState::Fixed, member, def);
}

SettingBounds FailureBounds(const ModelState& m) { return {1, Extended(m.Fixed.NoIter) + 1}; }

}  // namespace

void RegisterFixedSettings(SettingsRegistry& registry) {
  using K = SettingKind;
  registry.Add(WithBounds(Own("PctDiff", K::Real, &FixedSettings::PctDiff, 0), FixedBounds(0, 10)));
  registry.Add(WithBounds(Own("NoIter", K::Integer, &FixedSettings::NoIter, 400), IterationBounds));
  registry.Add(WithBounds(Own("RootNodeValue", K::Integer, &FixedSettings::RootNodeValue, 400), IterationBounds));
  registry.Add(WithBounds(Own("MinAlpha", K::Real, &FixedSettings::MinAlpha, 1e-8L), FixedBounds(1e-8L, 0.5L)));
  registry.Add(WithBounds(Own("Failures", K::Integer, &FixedSettings::Failures, 12), FailureBounds));
  registry.Add(WithBounds(Own("RootFail", K::Integer, &FixedSettings::RootFail, 12), FailureBounds));
  registry.Add(WithBounds(Own("DampingTerm", K::Real, &FixedSettings::DampingTerm, 0.3L), FixedBounds(0, 1)));
  registry.Add(WithBounds(Own("Constant", K::Real, &FixedSettings::Constant, 0), ConstantBounds));
  registry.Add(WithBounds(Own("Slope", K::Real, &FixedSettings::Slope, 0), FixedBounds(0, 10)));
  registry.Add(WithBounds(Own("Average", K::Real, &FixedSettings::Average, 10), FixedBounds(0, 100)));
  registry.Add(WithBounds(Own("Demand", K::Real, &FixedSettings::Demand, 0), FixedBounds(0, 10000)));
  registry.Add(WithBounds(Own("Fixed", K::Real, &FixedSettings::Fixed, 10), FixedBounds(0, 10000)));
  registry.Add(WithBounds(Own("DepthVar", K::Integer, &FixedSettings::DepthVar, -1), DepthBounds));
  registry.Add(WithBounds(MemberSetting("fixed", "CovDistWeight", K::Real, &ModelState::AddedConstant, 0),
                          FixedBounds(0, 100000000)));
  registry.Add(MemberSetting("fixed", "MultiplyBox", K::Flag, &ModelState::AddedConstantMultiplied, 0));
  registry.Add(MemberSetting("fixed", "BranchAndBound", K::Flag, &ModelState::BranchAndBoundOn, 1));
  registry.Add(Own("FailureCount", K::Flag, &FixedSettings::FailureCount, 1));
  registry.Add(Own("ExchangeSearch", K::Flag, &FixedSettings::ExchangeSearch, 1));
  registry.Add(TerminalSetting(
      "fixed", [](const ModelState& m) { return m.Fixed.TerminalSubstitution; }, SetFixedTerminalChoice));
  registry.Add(MemberSetting("fixed", "ShowProgress", K::Flag, &ModelState::ShowLagProgress, 1));
  registry.Add(Own("RootNodeBox", K::Flag, &FixedSettings::RootNodeBox, 1));
}

}  // namespace korvelan
