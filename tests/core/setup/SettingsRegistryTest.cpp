#include <gtest/gtest.h>

#include "setup/SettingsRegistry.h"

using namespace korvelan;

namespace {

// A private table so that the rules are tested independently of the families' tables.
SettingsRegistry SampleRegistry() {
  SettingsRegistry r;
  SettingDef iterations = MemberSetting("sample", "Iterations", SettingKind::Integer, &ModelState::RefreshPause, 100);
  iterations.bounds = [](const ModelState& m) { return SettingBounds{-1, static_cast<Extended>(m.Numbnodes)}; };
  r.Add(iterations);
  SettingDef ratio = MemberSetting("sample", "Ratio", SettingKind::Real, &ModelState::AddedConstant, 0);
  ratio.bounds = FixedBounds(0, 0.5L);
  r.Add(ratio);
  SettingDef tiny = MemberSetting("sample", "Tiny", SettingKind::Real, &ModelState::BestValue, 0.25L);
  tiny.bounds = FixedBounds(1e-8L, 0.5L);
  r.Add(tiny);
  r.Add(MemberSetting("sample", "Flag", SettingKind::Flag, &ModelState::BranchAndBoundOn, 1));
  SettingDef letter = MemberSetting("sample", "Timing", SettingKind::Choice, &ModelState::MedianTiming, 'E');
  letter.choices = "EL";
  r.Add(letter);
  r.Add(MemberSetting("other", "Flag", SettingKind::Flag, &ModelState::ShowLagProgress, 1));
  return r;
}

struct TextCase {
  const char* setting;
  const char* text;
  bool stored;
  long double value;
  const char* message;
};

}  // namespace

TEST(SettingsRegistry, ConversionAndRangeRulesWithTheFormsMessages) {
  const SettingsRegistry r = SampleRegistry();
  const TextCase cases[] = {
      {"Iterations", "12", true, 12, ""},
      {"Iterations", "-1", true, -1, ""},
      {"Iterations", "41", false, 100, "Invalid Parameter Value.  Must have -1 <= X <= 40"},
      {"Iterations", "12.5", false, 100, "Specified value did not convert correctly... Warning\nDefault value used and shown"},
      {"Iterations", "abc", false, 100, "Specified value did not convert correctly... Warning\nDefault value used and shown"},
      {"Iterations", "007", true, 7, "Specified value did not convert correctly... Warning\nDefault value used and shown"},
      {"Ratio", "0.25", true, 0.25L, ""},
      {"Ratio", "0.75", false, 0, "Invalid Parameter Value.  Must have 0.00 <= X <= 0.50"},
      {"Ratio", "1.2.3", false, 0, "Conversion Error"},
      // A bound that two decimals would show as 0.00 is shown in full.
      {"Tiny", "0", false, 1e30L, "Invalid Parameter Value.  Must have 0.00000001 <= X <= 0.50"},
      {"Flag", "0", true, 0, ""},
      {"Flag", "2", false, 1, "Invalid Parameter Value.  Must have 0 <= X <= 1"},
      {"Timing", "l", true, 'L', ""},
      {"Timing", "X", false, 'E', "Invalid Parameter Value.  Must be one of EL"},
  };
  for (const TextCase& c : cases) {
    ModelState m;
    m.Numbnodes = 40;
    const SettingDef* def = r.Find(c.setting, {"sample"});
    ASSERT_NE(def, nullptr);
    const SettingOutcome out = ApplySettingText(m, *def, c.text);
    EXPECT_EQ(out.stored, c.stored) << c.setting << "=" << c.text;
    EXPECT_EQ(out.value, c.value) << c.setting << "=" << c.text;
    EXPECT_EQ(def->get(m), c.value) << c.setting << "=" << c.text;
    EXPECT_EQ(out.message, c.message) << c.setting << "=" << c.text;
  }
}

TEST(SettingsRegistry, FindsByFamilyFirstAndByQualifiedName) {
  const SettingsRegistry r = SampleRegistry();
  EXPECT_EQ(r.Find("flag", {"other"})->family, "other");
  EXPECT_EQ(r.Find("Flag", {"sample"})->family, "sample");
  EXPECT_EQ(r.Find("other.FLAG")->family, "other");
  EXPECT_EQ(r.Find("sample.Missing"), nullptr);
  EXPECT_EQ(r.Find("Missing"), nullptr);
  ModelState m;
  m.RefreshPause = 5;
  m.MedianTiming = 'L';
  r.RestoreDefaults(m, "sample");
  EXPECT_EQ(m.RefreshPause, 100);
  EXPECT_EQ(m.MedianTiming, 'E');
  EXPECT_EQ(SettingValueText(m, *r.Find("Timing")), "E");
}

TEST(SettingsRegistry, EveryRegisteredDefaultIsTheResetValue) {
  ModelState m;
  ResetModel(m);
  for (const SettingDef& def : Settings().All()) EXPECT_EQ(def.get(m), def.defaultValue) << def.family << "." << def.name;
}
