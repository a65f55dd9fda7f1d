#pragma once
// Rows the median and fixed-charge settings tables share in form.
#include <functional>

#include "median/LagrangianSettingsRules.h"
#include "setup/SettingsRegistry.h"

namespace korvelan {

inline SettingDef WithBounds(SettingDef def, std::function<SettingBounds(const ModelState&)> bounds) {
  def.bounds = std::move(bounds);
  return def;
}

inline SettingBounds IterationBounds(const ModelState& m) { return {Extended(MinimumIterations(m)), 64000}; }
inline SettingBounds DepthBounds(const ModelState& m) { return {-1, Extended(m.Numbnodes)}; }
// The initial-multiplier Constant: 0 to 2 x MaxDistance x the largest demand.
inline SettingBounds ConstantBounds(const ModelState& m) {
  return {0, 2 * Extended(m.MaxDistance) * LargestDemand(m)};
}

// The terminal substitution radio group as a choice of 'N', 'X' or 'H'.
inline SettingDef TerminalSetting(std::string family, std::function<TerminalChoice(const ModelState&)> get,
                                  std::function<void(ModelState&, TerminalChoice)> set) {
  SettingDef def;
  def.family = std::move(family);
  def.name = "TerminalSubstitution";
  def.kind = SettingKind::Choice;
  def.choices = "NXH";
  def.defaultValue = 'X';
  def.get = [get](const ModelState& m) { return Extended(TerminalLetter(get(m))); };
  def.set = [set](ModelState& m, Extended v) { set(m, TerminalFromLetter(static_cast<char>(v))); };
  return def;
}

}  // namespace korvelan
