#include "setup/SettingsRegistry.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "setup/NumberText.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool SameName(const std::string& a, const std::string& b) { return Lower(a) == Lower(b); }

// A real bound prints with the table's decimals, or with as many more as it needs
// to read as itself: a lower bound of 1e-8 shows as 0.00000001, never as 0.00,
// which the range itself refuses.
std::string BoundText(const SettingDef& def, Extended value) {
  if (def.kind != SettingKind::Real) return std::to_string(static_cast<long long>(value));
  constexpr int MostDecimals = 18;
  std::string text = FormatFixed(value, def.boundPrecision, def.boundDecimals);
  const auto readsAsValue = [value](const std::string& shown) {
    return std::fabs(std::strtold(shown.c_str(), nullptr) - value) <= std::fabs(value) * 1e-12L;
  };
  for (int decimals = def.boundDecimals + 1; decimals <= MostDecimals && !readsAsValue(text); ++decimals)
    text = FormatFixed(value, std::max(def.boundPrecision, decimals + 1), decimals);
  return text;
}

SettingBounds BoundsOf(const ModelState& m, const SettingDef& def) {
  if (def.kind == SettingKind::Flag) return {0, 1};
  return def.bounds ? def.bounds(m) : SettingBounds{0, 0};
}

SettingOutcome Refused(const ModelState& m, const SettingDef& def, std::string message, bool converted) {
  SettingOutcome out;
  out.converted = converted;
  out.value = def.get(m);
  out.message = std::move(message);
  return out;
}

SettingOutcome StoreInRange(ModelState& m, const SettingDef& def, Extended value, std::string warning) {
  const SettingBounds range = BoundsOf(m, def);
  if (value < range.lo || value > range.hi) return Refused(m, def, RangeMessage(m, def), true);
  def.set(m, value);
  SettingOutcome out;
  out.stored = true;
  out.value = def.get(m);
  out.message = std::move(warning);
  return out;
}

const char* const kNotConverted = "Specified value did not convert correctly... Warning\nDefault value used and shown";

SettingOutcome ApplyInteger(ModelState& m, const SettingDef& def, const std::string& text) {
  const std::optional<long long> parsed = ParseWholeNumber(text);
  if (!parsed) return Refused(m, def, kNotConverted, false);
  // A text that converts but reads differently ("007") is rewritten with a warning.
  const std::string warning = std::to_string(*parsed) == text ? "" : kNotConverted;
  return StoreInRange(m, def, static_cast<Extended>(*parsed), warning);
}

SettingOutcome ApplyFlag(ModelState& m, const SettingDef& def, const std::string& text) {
  const std::string word = Lower(text);
  if (word == "1" || word == "on" || word == "true" || word == "yes") return StoreInRange(m, def, 1, "");
  if (word == "0" || word == "off" || word == "false" || word == "no") return StoreInRange(m, def, 0, "");
  return Refused(m, def, RangeMessage(m, def), false);
}

SettingOutcome ApplyChoice(ModelState& m, const SettingDef& def, const std::string& text) {
  if (text.size() == 1) {
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (def.choices.find(letter) != std::string::npos) {
      def.set(m, letter);
      SettingOutcome out;
      out.stored = true;
      out.value = letter;
      return out;
    }
  }
  return Refused(m, def, RangeMessage(m, def), false);
}

}  // namespace

std::vector<std::string> FamiliesOfProblem(char problemCode) {
  switch (problemCode) {
    case 'C': case 'S': case '&': case 'P': case '%': return {"covering"};
    case 'M': return {"median", "genetic"};
    case 'F': return {"fixed"};
    case 'V': return {"invloc", "invparams", "fixed"};
    case 'D': return {"median", "covering"};  // the covering-median tradeoff curve
    default: return {};
  }
}

void SettingsRegistry::Add(SettingDef def) { defs_.push_back(std::move(def)); }

const SettingDef* SettingsRegistry::Find(const std::string& name, const std::vector<std::string>& families) const {
  const size_t dot = name.find('.');
  if (dot != std::string::npos) {
    const std::string family = name.substr(0, dot), plain = name.substr(dot + 1);
    for (const SettingDef& def : defs_)
      if (SameName(def.family, family) && SameName(def.name, plain)) return &def;
    return nullptr;
  }
  for (const std::string& family : families)
    for (const SettingDef& def : defs_)
      if (SameName(def.family, family) && SameName(def.name, name)) return &def;
  for (const SettingDef& def : defs_)
    if (SameName(def.name, name)) return &def;
  return nullptr;
}

void SettingsRegistry::RestoreDefaults(ModelState& m, const std::string& family) const {
  for (const SettingDef& def : defs_)
    if (SameName(def.family, family)) def.set(m, def.defaultValue);
}

const SettingsRegistry& Settings() {
  static const SettingsRegistry registry = [] {
    SettingsRegistry r;
    RegisterCoveringSettings(r);
    RegisterMedianSettings(r);
    RegisterGeneticSettings(r);
    RegisterFixedSettings(r);
    RegisterInvLocSettings(r);
    return r;
  }();
  return registry;
}

SettingOutcome ApplySettingText(ModelState& m, const SettingDef& def, const std::string& text) {
  switch (def.kind) {
    case SettingKind::Integer:
      return ApplyInteger(m, def, text);
    case SettingKind::Flag:
      return ApplyFlag(m, def, text);
    case SettingKind::Choice:
      return ApplyChoice(m, def, text);
    case SettingKind::Real:
      break;
  }
  const std::optional<Extended> parsed = ParseRealNumber(text);
  if (!parsed) return Refused(m, def, "Conversion Error", false);
  return StoreInRange(m, def, *parsed, "");
}

std::string RangeMessage(const ModelState& m, const SettingDef& def) {
  if (def.kind == SettingKind::Choice) return "Invalid Parameter Value.  Must be one of " + def.choices;
  const SettingBounds range = BoundsOf(m, def);
  return "Invalid Parameter Value.  Must have " + BoundText(def, range.lo) + " <= X <= " + BoundText(def, range.hi);
}

std::string SettingValueText(const ModelState& m, const SettingDef& def) {
  const Extended value = def.get(m);
  switch (def.kind) {
    case SettingKind::Choice:
      return std::string(1, static_cast<char>(value));
    case SettingKind::Real:
      return ShortestRealText(value);
    default:
      return std::to_string(static_cast<long long>(value));
  }
}

}  // namespace korvelan
