#pragma once
#include <functional>
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// Every solver-family setting by the name of its settings table (`PctDiff`,
// `NoIter`, `DepthVar`, ...), with its default and its range, so that the settings
// forms and the batch program's --set check values by the same rules and with the
// same messages.

enum class SettingKind {
  Integer,  // whole number within [lo, hi]
  Real,     // real number within [lo, hi]; the bounds print with boundDecimals
  Flag,     // 0 or 1 (check boxes)
  Choice,   // one letter of `choices` (radio groups)
};

struct SettingBounds {
  Extended lo = 0;
  Extended hi = 0;
};

struct SettingDef {
  std::string family;  // "covering", "median", "fixed", "invloc", "genetic", "tradeoff", ...
  std::string name;    // name in the family's settings table
  SettingKind kind = SettingKind::Integer;
  Extended defaultValue = 0;  // a Choice holds its letter's character code
  std::function<Extended(const ModelState&)> get;
  std::function<void(ModelState&, Extended)> set;
  // Integer and Real: the valid range, which may depend on the model.
  std::function<SettingBounds(const ModelState&)> bounds;
  std::string choices;     // Choice: the letters allowed
  int boundDecimals = 2;   // Real: decimals of the bounds in the range message
  int boundPrecision = 18; // Real: significant digits of the bounds in the range message
};

// Problem families whose settings a problem code reaches by plain name.
// 'C', 'S', '&', 'P', '%' -> covering; 'M' -> median, genetic; 'F' -> fixed;
// 'V' -> invloc, invparams (the model's parameters), fixed.
std::vector<std::string> FamiliesOfProblem(char problemCode);

class SettingsRegistry {
 public:
  void Add(SettingDef def);
  // "family.Name" names one setting; a plain "Name" is looked up in the given
  // families in order, then in every family. Names compare case-insensitively.
  const SettingDef* Find(const std::string& name, const std::vector<std::string>& families = {}) const;
  const std::vector<SettingDef>& All() const { return defs_; }
  // Every setting of a family back to its default.
  void RestoreDefaults(ModelState& m, const std::string& family) const;

 private:
  std::vector<SettingDef> defs_;
};

// The registry holding every family's table (built once, on first use).
const SettingsRegistry& Settings();

// Each family registers its table here (one function per family, in the family's folder).
void RegisterCoveringSettings(SettingsRegistry& registry);
void RegisterMedianSettings(SettingsRegistry& registry);
void RegisterGeneticSettings(SettingsRegistry& registry);
void RegisterFixedSettings(SettingsRegistry& registry);
void RegisterInvLocSettings(SettingsRegistry& registry);

// The outcome of entering a text for a setting.
struct SettingOutcome {
  bool stored = false;   // the value was taken
  bool converted = true; // the text converted to a value of the setting's kind
  Extended value = 0;    // the value the setting holds afterwards
  std::string message;   // warning to show ("\n" breaks lines); empty when none
};

// Converts and checks `text` as a settings form does when a box is left:
// an integer text that does not convert exactly keeps the stored value with
// "Specified value did not convert correctly... Warning\nDefault value used and shown";
// a real text that does not convert gives "Conversion Error"; a value out of range
// gives "Invalid Parameter Value.  Must have " lo " <= X <= " hi and the stored
// value is kept.
SettingOutcome ApplySettingText(ModelState& m, const SettingDef& def, const std::string& text);

// The range message of a setting for the current model.
std::string RangeMessage(const ModelState& m, const SettingDef& def);

// The current value as text (integers whole, reals shortest, flags 0/1, letters).
std::string SettingValueText(const ModelState& m, const SettingDef& def);

// Convenience for the tables: a member setting of the ModelState.
template <typename T>
SettingDef MemberSetting(std::string family, std::string name, SettingKind kind, T ModelState::*member,
                         Extended defaultValue) {
  SettingDef def;
  def.family = std::move(family);
  def.name = std::move(name);
  def.kind = kind;
  def.defaultValue = defaultValue;
  def.get = [member](const ModelState& m) { return static_cast<Extended>(m.*member); };
  def.set = [member](ModelState& m, Extended v) { m.*member = static_cast<T>(v); };
  return def;
}

// A setting inside one of the family records (e.g. &ModelState::Covering, &CoveringSettings::PctDiff).
template <typename Record, typename T>
SettingDef RecordSetting(std::string family, std::string name, SettingKind kind, Record ModelState::*record,
                         T Record::*member, Extended defaultValue) {
  SettingDef def;
  def.family = std::move(family);
  def.name = std::move(name);
  def.kind = kind;
  def.defaultValue = defaultValue;
  def.get = [record, member](const ModelState& m) { return static_cast<Extended>(m.*record.*member); };
  def.set = [record, member](ModelState& m, Extended v) { m.*record.*member = static_cast<T>(v); };
  return def;
}

// Fixed bounds for a table row.
inline std::function<SettingBounds(const ModelState&)> FixedBounds(Extended lo, Extended hi) {
  return [lo, hi](const ModelState&) { return SettingBounds{lo, hi}; };
}

}  // namespace korvelan
