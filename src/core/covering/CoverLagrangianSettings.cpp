#include "covering/CoverLagrangianSettings.h"

#include "covering/CoverLagrangian.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

constexpr const char* Family = "covering";

// Iteration limits: at least 10 under branch and bound, 1 without.
SettingBounds IterationBounds(const ModelState& m) { return {m.BranchAndBoundOn ? 10.0L : 1.0L, 64000}; }
SettingBounds FailureBounds(const ModelState& m) { return {1, static_cast<Extended>(m.Covering.NoIter) + 1}; }
SettingBounds DepthBounds(const ModelState& m) { return {-1, static_cast<Extended>(m.Numbnodes)}; }

template <typename T>
SettingDef Row(const char* name, SettingKind kind, T CoveringSettings::*member, Extended defaultValue) {
  return RecordSetting(Family, name, kind, &ModelState::Covering, member, defaultValue);
}

template <typename T>
SettingDef Row(const char* name, SettingKind kind, T CoveringSettings::*member, Extended defaultValue,
               std::function<SettingBounds(const ModelState&)> bounds) {
  SettingDef def = Row(name, kind, member, defaultValue);
  def.bounds = std::move(bounds);
  return def;
}

std::vector<SettingDef> TableRows() {
  using K = SettingKind;
  using S = CoveringSettings;
  SettingDef stepTarget = Row("LBinStepsize", K::Choice, &S::LBinStepsize, 'L');
  stepTarget.choices = "BL";
  return {
      Row("PctDiff", K::Real, &S::PctDiff, 0, FixedBounds(0, 10)),
      Row("NoIter", K::Integer, &S::NoIter, 400, IterationBounds),
      Row("RootNodeValue", K::Integer, &S::RootNodeValue, 1200, IterationBounds),
      Row("MinAlpha", K::Real, &S::MinAlpha, 1e-8L, FixedBounds(1e-8L, 0.5L)),
      Row("MaxFail", K::Integer, &S::MaxFail, 36, FailureBounds),
      Row("RootFailures", K::Integer, &S::RootFailures, 36, FailureBounds),
      Row("DampingTerm", K::Real, &S::DampingTerm, 0.3L, FixedBounds(0, 1)),
      Row("Constant", K::Real, &S::Constant, 1.0L, FixedBounds(0, 2)),
      Row("Slope", K::Real, &S::Slope, 0.5L, FixedBounds(0, 1)),
      Row("DepthVar", K::Integer, &S::DepthVar, -1, DepthBounds),
      MemberSetting(Family, "BranchAndBound", K::Flag, &ModelState::BranchAndBoundOn, 1),
      Row("Substitute", K::Flag, &S::Substitute, 1),
      Row("DominatedBox", K::Flag, &S::DominatedBox, 1),
      Row("FailureCount", K::Flag, &S::FailureCount, 1),
      MemberSetting(Family, "ExchangeSearch", K::Flag, &ModelState::ExchangeSearch, 0),
      stepTarget,
      MemberSetting(Family, "ShowProgress", K::Flag, &ModelState::ShowLagProgress, 1),
      Row("RootNodeBox", K::Flag, &S::RootNodeBox, 1),
      Row("BoundLagrCheckBox", K::Flag, &S::BoundLagrCheckBox, 1),
      Row("RestartAlphaCheckBox", K::Flag, &S::RestartAlphaCheckBox, 0),
  };
}

}  // namespace

void RegisterCoverLagrangianSettings(SettingsRegistry& registry) {
  for (SettingDef& def : TableRows()) registry.Add(std::move(def));
}

const std::vector<std::string>& CoverLagrangianSettingNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (const SettingDef& def : TableRows()) list.push_back(def.name);
    return list;
  }();
  return names;
}

void RestoreCoverLagrangianDefaults(ModelState& m) {
  for (const std::string& name : CoverLagrangianSettingNames()) {
    const SettingDef* def = Settings().Find(std::string(Family) + "." + name);
    if (def) def->set(m, def->defaultValue);
  }
}

std::string RaisePctDiffToMinimum(ModelState& m) {
  const Extended minimum = MinimumPctDiff(m.TotalDemand);
  if (m.Covering.PctDiff >= minimum) return {};
  m.Covering.PctDiff = minimum;
  return "Minimum value for Percent Difference is " + FormatNumber(minimum, 18, 10);
}

const std::vector<CoverLagrangianControl>& CoverLagrangianControls() {
  static const std::vector<CoverLagrangianControl> controls = {
      {"PctDiff", "Critical &Percentage Difference", "0.0000000"},
      {"NoIter", "Number of &Iterations", "400"},
      {"RootNodeValue", "&$ Number of Iterations at Root Node", "1200"},
      {"MinAlpha", "Minimum A&Lpha Value Allowed", "0.0000000"},
      {"MaxFail", "Number of &Failures Before Changing Alpha", "36"},
      {"RootFailures", "&@ No Failures Before Changing Alpha at Root Node", "36"},
      {"DampingTerm", "Crowder &Damping Term", "0.3000000"},
      {"Constant", "&Constant", "1.000000"},
      {"Slope", "Sl&Ope", "0.500000"},
      {"DepthVar", "&# Depth of Branch and Bound Tree ", "-1"},
      {"BranchAndBound", "&Branch and Bound", ""},
      {"Substitute", "&Substitute at End", ""},
      {"DominatedBox", "&Exclude Dominated Nodes", ""},
      {"FailureCount", "&Restart Failure Count on Improved Solution", ""},
      {"ExchangeSearch", "Exchange Search on Improved Solutio&N", ""},
      {"LBinStepsize", "Lower Bound In Stepsize", ""},
      {"ShowProgress", "Displa&Y Lagrangian Progress", ""},
      {"RootNodeBox", "&> Root Node Forcing", ""},
      {"BoundLagrCheckBox", "&Upper bound Lagrange variables?", ""},
      {"RestartAlphaCheckBox", "Restart Alpha?", ""},
  };
  return controls;
}

std::string PlainCaption(const std::string& caption) {
  std::string plain;
  for (size_t k = 0; k < caption.size(); ++k) {
    if (caption[k] == '&' && k + 1 < caption.size()) ++k;
    plain += caption[k];
  }
  return plain;
}

std::vector<std::string> CoverLagrangianSettingsLines(const ModelState& m) {
  std::vector<std::string> lines;
  for (const CoverLagrangianControl& control : CoverLagrangianControls()) {
    const SettingDef* def = Settings().Find(std::string(Family) + "." + control.name);
    if (!def) continue;
    std::string value;
    if (def->kind == SettingKind::Flag) value = def->get(m) != 0 ? "ON" : "OFF";
    else if (def->kind == SettingKind::Choice) value = PlainCaption(m.Covering.LBinStepsize == 'B' ? BestLbItem : LagrangianLbItem);
    else value = SettingValueText(m, *def);
    lines.push_back(PadRight(PlainCaption(control.caption), 52) + value);
  }
  return lines;
}

}  // namespace korvelan
