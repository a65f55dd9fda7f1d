#include <gtest/gtest.h>

#include "LagrangianInstances.h"
#include "median/LagrangianSettingsRules.h"
#include "setup/SettingsRegistry.h"

namespace korvelan {
namespace {

struct TextCase {
  const char* name;  // family.Name
  const char* text;
  bool stored;
  const char* message;
};

// Entering values as the settings forms and --set do: ranges that follow the model.
TEST(LagrangianSettings, RangesAndMessages) {
  const TextCase cases[] = {
      {"median.Failures", "37", true, ""},
      {"median.Failures", "402", false, "Invalid Parameter Value.  Must have 1 <= X <= 401"},
      {"median.PctDiff", "10.5", false, "Invalid Parameter Value.  Must have 0.00 <= X <= 10.00"},
      {"median.Constant", "901", false, "Invalid Parameter Value.  Must have 0.00 <= X <= 900.00"},
      {"median.DepthVar", "13", false, "Invalid Parameter Value.  Must have -1 <= X <= 12"},
      {"median.NoIter", "9", false, "Invalid Parameter Value.  Must have 10 <= X <= 64000"},
      {"fixed.RootFail", "13", true, ""},
      {"fixed.RootFail", "402", false, "Invalid Parameter Value.  Must have 1 <= X <= 401"},
      {"fixed.Fixed", "10001", false, "Invalid Parameter Value.  Must have 0.00 <= X <= 10000.00"},
      {"fixed.CovDistWeight", "250", true, ""},
  };
  for (const TextCase& c : cases) {
    ModelState m;
    testing::LoadInstance(m, {1, 12, 12, 1, 0, -1, 0});
    m.MaxDistance = 50;
    for (int i = 1; i <= m.Numbnodes; ++i) m.Node(i).Demand = i == 4 ? 9 : 1;
    const SettingDef* def = Settings().Find(c.name);
    ASSERT_NE(def, nullptr) << c.name;
    const SettingOutcome out = ApplySettingText(m, *def, c.text);
    EXPECT_EQ(out.stored, c.stored) << c.name << " " << c.text;
    EXPECT_EQ(out.message, c.message) << c.name << " " << c.text;
  }
}

TEST(LagrangianSettings, IterationsDownToOneWithoutBranchAndBound) {
  ModelState m;
  m.BranchAndBoundOn = 0;
  const SettingOutcome out = ApplySettingText(m, *Settings().Find("fixed.NoIter"), "1");
  EXPECT_TRUE(out.stored);
  EXPECT_EQ(m.Fixed.NoIter, 1);
}

// The fixed-charge family has its own defaults: 400 / 400 iterations, 12 / 12 failures.
TEST(LagrangianSettings, FixedFamilyDefaults) {
  ModelState m;
  EXPECT_EQ(m.Fixed.NoIter, 400);
  EXPECT_EQ(m.Fixed.RootNodeValue, 400);
  EXPECT_EQ(m.Fixed.Failures, 12);
  EXPECT_EQ(m.Fixed.RootFail, 12);
  EXPECT_EQ(m.Median.Failures, 36);
  EXPECT_EQ(m.Covering.RootNodeValue, 1200);
}

// "Restore Default &Values" leaves PctDiff, Average and Fixed of the fixed-charge form
// and AbsDiff of the median form as they are, and restores everything else.
TEST(LagrangianSettings, RestoreDefaultsLeavesWhatItShould) {
  ModelState m;
  m.Fixed.PctDiff = 2;
  m.Fixed.Average = 50;
  m.Fixed.Fixed = 70;
  m.Fixed.NoIter = 900;
  m.Fixed.Failures = 3;
  m.AddedConstantMultiplied = 1;
  m.Fixed.TerminalSubstitution = TerminalChoice::None;
  m.AddedConstant = 5;
  m.BranchAndBoundOn = 0;
  RestoreFixedLagDefaults(m);
  EXPECT_EQ(m.Fixed.PctDiff, 2);
  EXPECT_EQ(m.Fixed.Average, 50);
  EXPECT_EQ(m.Fixed.Fixed, 70);
  EXPECT_EQ(m.Fixed.NoIter, 400);
  EXPECT_EQ(m.Fixed.Failures, 12);
  EXPECT_EQ(m.AddedConstantMultiplied, 0);
  EXPECT_EQ(m.Fixed.TerminalSubstitution, TerminalChoice::Exchange);
  EXPECT_EQ(m.AddedConstant, 0);
  EXPECT_EQ(m.BranchAndBoundOn, 1);

  m.Median.AbsDiff = 12;
  m.Median.Average = 3;
  m.Covering.PctDiff = 4;
  m.Covering.DepthVar = 2;
  m.Median.UseBestUBBox = 0;
  RestoreMedianLagDefaults(m);
  EXPECT_EQ(m.Median.AbsDiff, 12);
  EXPECT_EQ(m.Median.Average, 10);
  EXPECT_EQ(m.Covering.PctDiff, 0);
  EXPECT_EQ(m.Covering.DepthVar, -1);
  EXPECT_EQ(m.Median.UseBestUBBox, 1);
}

// A nonzero weight keeps both improvement searches off; a zero weight switches
// them back on (the fixed-charge form with its last terminal choice).
TEST(LagrangianSettings, WeightRule) {
  ModelState m;
  SetFixedTerminalChoice(m, TerminalChoice::Neighborhood);
  m.AddedConstant = 3;
  EXPECT_FALSE(ApplyMedianWeightRule(m));
  EXPECT_EQ(m.Median.ExchangeSearch, 0);
  EXPECT_EQ(m.DoSubstitution, 0);
  EXPECT_FALSE(ApplyFixedWeightRule(m));
  EXPECT_EQ(m.Fixed.ExchangeSearch, 0);
  EXPECT_EQ(m.Fixed.TerminalSubstitution, TerminalChoice::None);
  m.AddedConstant = 0;
  EXPECT_TRUE(ApplyMedianWeightRule(m));
  EXPECT_EQ(m.Median.ExchangeSearch, 1);
  EXPECT_EQ(m.DoSubstitution, 1);
  EXPECT_EQ(m.Median.TerminalSubstitution, TerminalChoice::Exchange);
  EXPECT_TRUE(ApplyFixedWeightRule(m));
  EXPECT_EQ(m.Fixed.TerminalSubstitution, TerminalChoice::Neighborhood);
}

TEST(LagrangianSettings, TerminalChoiceByLetter) {
  ModelState m;
  EXPECT_TRUE(ApplySettingText(m, *Settings().Find("median.TerminalSubstitution"), "h").stored);
  EXPECT_EQ(m.Median.TerminalSubstitution, TerminalChoice::Neighborhood);
  EXPECT_TRUE(ApplySettingText(m, *Settings().Find("fixed.TerminalSubstitution"), "N").stored);
  EXPECT_EQ(m.Fixed.TerminalSubstitution, TerminalChoice::None);
  EXPECT_EQ(m.Fixed.LastTerminalChoice, TerminalChoice::Exchange);
  EXPECT_FALSE(ApplySettingText(m, *Settings().Find("fixed.TerminalSubstitution"), "Q").stored);
}

}  // namespace
}  // namespace korvelan
