// The invloc family's settings tables for the settings registry:
//   "invloc"    every control of the model's Lagrangian settings form. Those it shares
//               with the fixed-charge form edit the same member, so a change on either
//               form shows on both;
//   "invparams" the fourteen model parameters by the parameter form's edit boxes.
#include "invloc/InvLocModel.h"
#include "median/LagrangianTableRows.h"

namespace korvelan {
namespace {

SettingDef Own(const char* name, SettingKind kind, auto InvLocSettings::*member, Extended def) {
  return RecordSetting("invloc", name, kind, &ModelState::InvLoc, member, def);
}

SettingDef Shared(const char* name, SettingKind kind, auto FixedSettings::*member, Extended def) {
  return RecordSetting("invloc", name, kind, &ModelState::Fixed, member, def);
}

SettingBounds FailureBounds(const ModelState& m) { return {1, Extended(m.InvLoc.TolvanRootNodeValue) + 1}; }

void RegisterLagrangianRows(SettingsRegistry& registry) {
  using K = SettingKind;
  using F = FixedSettings;
  using I = InvLocSettings;
  registry.Add(WithBounds(Shared("PctDiff", K::Real, &F::PctDiff, 0), FixedBounds(0, 10)));
  registry.Add(WithBounds(Own("NoIter", K::Integer, &I::TolvanNoIter, 400), IterationBounds));
  registry.Add(WithBounds(Own("RootNodeValue", K::Integer, &I::TolvanRootNodeValue, 1200), IterationBounds));
  registry.Add(WithBounds(Shared("MinAlpha", K::Real, &F::MinAlpha, 1e-8L), FixedBounds(1e-8L, 0.5L)));
  registry.Add(WithBounds(Own("Failures", K::Integer, &I::TolvanFailures, 12), FailureBounds));
  registry.Add(WithBounds(Own("RootFail", K::Integer, &I::TolvanRootFail, 36), FailureBounds));
  registry.Add(WithBounds(Shared("DampingTerm", K::Real, &F::DampingTerm, 0.3L), FixedBounds(0, 1)));
  registry.Add(WithBounds(Shared("Constant", K::Real, &F::Constant, 0), ConstantBounds));
  registry.Add(WithBounds(Shared("Slope", K::Real, &F::Slope, 0), FixedBounds(0, 10)));
  registry.Add(WithBounds(Shared("Average", K::Real, &F::Average, 10), FixedBounds(0, 100)));
  registry.Add(WithBounds(Shared("Demand", K::Real, &F::Demand, 0), FixedBounds(0, 10000)));
  registry.Add(WithBounds(Shared("Fixed", K::Real, &F::Fixed, 10), FixedBounds(0, 10000)));
  registry.Add(WithBounds(Shared("DepthVar", K::Integer, &F::DepthVar, -1), DepthBounds));
  registry.Add(WithBounds(MemberSetting("invloc", "CovDistWeight", K::Real, &ModelState::AddedConstant, 0),
                          FixedBounds(0, 100000000)));
  registry.Add(MemberSetting("invloc", "BranchAndBound", K::Flag, &ModelState::BranchAndBoundOn, 1));
  registry.Add(Shared("FailureCount", K::Flag, &F::FailureCount, 1));
  registry.Add(Shared("ExchangeSearch", K::Flag, &F::ExchangeSearch, 1));
  registry.Add(TerminalSetting(
      "invloc", [](const ModelState& m) { return m.Fixed.TerminalSubstitution; }, SetFixedTerminalChoice));
  registry.Add(MemberSetting("invloc", "ShowProgress", K::Flag, &ModelState::ShowLagProgress, 1));
  registry.Add(Shared("RootNodeForcing", K::Flag, &F::RootNodeBox, 1));
  registry.Add(Own("ShowExchangeProgress", K::Flag, &I::ShowExchangeProgress, 0));
  registry.Add(Own("DoBoundingBox", K::Flag, &I::DoBoundingBox, 1));
}

// The parameter form reports a range with both limits in fixed style, 12 digits, 4 decimals.
void RegisterParameterRows(SettingsRegistry& registry) {
  for (const TolvanParameterDef& row : TolvanParameterTable()) {
    SettingDef def;
    def.family = "invparams";
    def.name = row.editName;
    def.kind = SettingKind::Real;
    const auto member = row.member;
    def.defaultValue = row.defaultValue;
    def.get = [member](const ModelState& m) { return Extended(m.InvLoc.Parameters.*member); };
    def.set = [member](ModelState& m, Extended v) { m.InvLoc.Parameters.*member = static_cast<double>(v); };
    def.bounds = FixedBounds(row.lo, row.hi);
    def.boundPrecision = 12;
    def.boundDecimals = 4;
    registry.Add(std::move(def));
  }
}

}  // namespace

void RegisterInvLocSettings(SettingsRegistry& registry) {
  RegisterLagrangianRows(registry);
  RegisterParameterRows(registry);
}

}  // namespace korvelan
