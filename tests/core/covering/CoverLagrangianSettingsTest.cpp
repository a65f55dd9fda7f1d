#include <gtest/gtest.h>

#include "covering/CoverLagrangianSettings.h"

using namespace korvelan;

namespace {

const SettingDef& Row(const std::string& name) {
  const SettingDef* def = Settings().Find("covering." + name);
  EXPECT_NE(def, nullptr) << name;
  return *def;
}

}  // namespace

TEST(CoverLagrangianSettings, RestoreGivesBackEveryDefaultOfTheTableOnly) {
  ModelState m;
  const ModelState fresh;
  for (const std::string& name : CoverLagrangianSettingNames()) {
    const SettingDef& def = Row(name);
    EXPECT_EQ(def.get(fresh), def.defaultValue) << name;
    def.set(m, def.kind == SettingKind::Choice ? 'B' : def.defaultValue + 1);
  }
  m.Covering.ExcludeDominatedNodes = 0;  // a greedy option, not in the table
  RestoreCoverLagrangianDefaults(m);
  for (const std::string& name : CoverLagrangianSettingNames()) EXPECT_EQ(Row(name).get(m), Row(name).get(fresh)) << name;
  EXPECT_EQ(m.Covering.ExcludeDominatedNodes, 0);
  EXPECT_EQ(CoverLagrangianSettingNames().size(), 20u);
}

TEST(CoverLagrangianSettings, RangesFollowTheModel) {
  ModelState m;
  m.Numbnodes = 40;
  m.Covering.NoIter = 500;
  const struct {
    const char* name;
    bool branchAndBound;
    const char* text;
    const char* message;
  } cases[] = {
      {"NoIter", true, "5", "Invalid Parameter Value.  Must have 10 <= X <= 64000"},
      {"RootNodeValue", false, "0", "Invalid Parameter Value.  Must have 1 <= X <= 64000"},
      {"MaxFail", true, "502", "Invalid Parameter Value.  Must have 1 <= X <= 501"},
      {"DepthVar", true, "41", "Invalid Parameter Value.  Must have -1 <= X <= 40"},
      {"MinAlpha", true, "0.6", "Invalid Parameter Value.  Must have 0.00000001 <= X <= 0.50"},
      {"PctDiff", true, "11", "Invalid Parameter Value.  Must have 0.00 <= X <= 10.00"},
      {"Constant", true, "x", "Conversion Error"},
  };
  for (const auto& c : cases) {
    m.BranchAndBoundOn = c.branchAndBound;
    const SettingOutcome outcome = ApplySettingText(m, Row(c.name), c.text);
    EXPECT_FALSE(outcome.stored) << c.name;
    EXPECT_EQ(outcome.message, c.message) << c.name;
  }
  m.BranchAndBoundOn = 0;
  EXPECT_TRUE(ApplySettingText(m, Row("NoIter"), "1").stored);
  EXPECT_EQ(m.Covering.NoIter, 1);
  EXPECT_TRUE(ApplySettingText(m, Row("LBinStepsize"), "b").stored);
  EXPECT_EQ(m.Covering.LBinStepsize, 'B');
}

TEST(CoverLagrangianSettings, PctDiffIsRaisedToFiftyOverTheTotalDemand) {
  ModelState m;
  m.TotalDemand = 300;
  EXPECT_EQ(RaisePctDiffToMinimum(m), "Minimum value for Percent Difference is 0.1666666667");
  EXPECT_EQ(m.Covering.PctDiff, 50 / 300.0L);
  EXPECT_EQ(RaisePctDiffToMinimum(m), "");
  ModelState empty;  // no demand: nothing to raise, nothing divided by zero
  EXPECT_EQ(RaisePctDiffToMinimum(empty), "");
  EXPECT_EQ(empty.Covering.PctDiff, 0);
}
