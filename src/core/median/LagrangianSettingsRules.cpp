#include "median/LagrangianSettingsRules.h"

#include <algorithm>

namespace korvelan {

void ActivateMedianLagSettings(ModelState& m) {
  if (m.BranchAndBoundOn && m.Covering.NoIter < 10) m.Covering.NoIter = 10;
  m.DoSubstitution = 1;
}

void RestoreMedianLagDefaults(ModelState& m) {
  const Extended absDiff = m.Median.AbsDiff;
  const CoveringSettings shared;
  CoveringSettings& c = m.Covering;
  c.PctDiff = shared.PctDiff;
  c.NoIter = shared.NoIter;
  c.RootNodeValue = shared.RootNodeValue;
  c.MinAlpha = shared.MinAlpha;
  c.DampingTerm = shared.DampingTerm;
  c.DepthVar = shared.DepthVar;
  c.FailureCount = shared.FailureCount;
  c.RootNodeBox = shared.RootNodeBox;
  const MedianSettings median;
  m.Median.Failures = median.Failures;
  m.Median.RootFail = median.RootFail;
  m.Median.Constant = median.Constant;
  m.Median.Slope = median.Slope;
  m.Median.Average = median.Average;
  m.Median.Demand = median.Demand;
  m.Median.TerminalSubstitution = median.TerminalSubstitution;
  m.Median.ExchangeSearch = median.ExchangeSearch;
  m.Median.UseBestUBBox = median.UseBestUBBox;
  m.Median.AbsDiff = absDiff;
  m.AddedConstant = 0;
  m.BranchAndBoundOn = 1;
  m.ShowLagProgress = 1;
  m.DoSubstitution = 1;
}

bool ApplyMedianWeightRule(ModelState& m) {
  if (m.AddedConstant != 0) {
    m.Median.ExchangeSearch = 0;
    m.DoSubstitution = 0;
    return false;
  }
  m.Median.ExchangeSearch = 1;
  m.DoSubstitution = 1;
  m.Median.TerminalSubstitution = TerminalChoice::Exchange;
  return true;
}

void MedianQuitRule(ModelState& m) {
  if (m.AddedConstant == 0) return;
  m.DoSubstitution = 0;
  m.Median.ExchangeSearch = 0;
}

void RestoreFixedLagDefaults(ModelState& m) {
  FixedSettings defaults;
  defaults.PctDiff = m.Fixed.PctDiff;
  defaults.Average = m.Fixed.Average;
  defaults.Fixed = m.Fixed.Fixed;
  m.Fixed = defaults;
  m.AddedConstantMultiplied = 0;
  m.BranchAndBoundOn = 1;
  m.ShowLagProgress = 1;
  m.AddedConstant = 0;
}

void ActivateFixedLagSettings(ModelState& m) {
  if (m.BranchAndBoundOn && m.Fixed.NoIter < 10) m.Fixed.NoIter = 10;
  m.Fixed.TerminalSubstitution = m.Fixed.LastTerminalChoice;
}

bool ApplyFixedWeightRule(ModelState& m) {
  if (m.AddedConstant != 0) {
    FixedQuitRule(m);
    return false;
  }
  m.Fixed.ExchangeSearch = 1;
  m.Fixed.TerminalSubstitution = m.Fixed.LastTerminalChoice;
  return true;
}

void FixedQuitRule(ModelState& m) {
  if (m.AddedConstant == 0) return;
  m.Fixed.ExchangeSearch = 0;
  m.Fixed.TerminalSubstitution = TerminalChoice::None;
}

char TerminalLetter(TerminalChoice choice) {
  switch (choice) {
    case TerminalChoice::Exchange: return 'X';
    case TerminalChoice::Neighborhood: return 'H';
    default: return 'N';
  }
}

TerminalChoice TerminalFromLetter(char letter) {
  if (letter == 'X') return TerminalChoice::Exchange;
  if (letter == 'H') return TerminalChoice::Neighborhood;
  return TerminalChoice::None;
}

void SetFixedTerminalChoice(ModelState& m, TerminalChoice choice) {
  m.Fixed.TerminalSubstitution = choice;
  if (choice != TerminalChoice::None) m.Fixed.LastTerminalChoice = choice;
}

int MinimumIterations(const ModelState& m) { return m.BranchAndBoundOn ? 10 : 1; }

Extended LargestDemand(const ModelState& m) {
  Extended largest = 0;
  for (int i = 1; i <= m.Numbnodes; ++i) largest = std::max(largest, m.Node(i).Demand);
  return largest;
}

}  // namespace korvelan
