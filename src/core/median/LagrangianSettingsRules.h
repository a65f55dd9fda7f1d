#pragma once
// Rules of the median and fixed-charge Lagrangian settings that the settings forms
// and the batch program share: the defaults the restore buttons put back, and the
// weight rule (a nonzero weight for distances beyond the coverage distance keeps
// the improvement searches off).
#include "model/ModelState.h"

namespace korvelan {

// The median form's activation: NoIter raised to at least 10 under branch and bound,
// and DoSubstitution set.
void ActivateMedianLagSettings(ModelState& m);
// "Restore Default &Values" of the median form: every setting the form edits back
// to its default, except the critical absolute difference.
void RestoreMedianLagDefaults(ModelState& m);
// The median form's weight rule, applied when it is shown and when the weight box is
// left: with a nonzero weight the neighbourhood search on improved solutions and
// the terminal substitution are switched off; otherwise both are switched on with
// the terminal choice "E&Xchange". Returns whether their controls are enabled.
bool ApplyMedianWeightRule(ModelState& m);
// The median form's quit: with a nonzero weight both searches are switched off.
void MedianQuitRule(ModelState& m);

// "Restore Default &Values" of the fixed-charge form: every setting back to its
// default except PctDiff, Average and Fixed, which it leaves as they are.
void RestoreFixedLagDefaults(ModelState& m);
// The fixed-charge form's activation: NoIter raised to at least 10 under branch and
// bound, and the terminal substitution switched on again with its last choice.
void ActivateFixedLagSettings(ModelState& m);
// The fixed-charge form's weight rule (on show): with a nonzero weight the
// neighbourhood search on improved solutions and the terminal substitution are
// switched off, otherwise both on. Returns whether their controls are enabled.
bool ApplyFixedWeightRule(ModelState& m);
// The fixed-charge form's quit: with a nonzero weight both searches are switched off.
void FixedQuitRule(ModelState& m);

// The terminal choice as the letter of its caption's mnemonic: 'N' "&None",
// 'X' "E&Xchange", 'H' "Neighbor&Hood"; and back ('N' for an unknown letter).
char TerminalLetter(TerminalChoice choice);
TerminalChoice TerminalFromLetter(char letter);
// Choosing the fixed-charge terminal substitution also remembers a choice other than
// "&None" as the one to switch back on.
void SetFixedTerminalChoice(ModelState& m, TerminalChoice choice);

// Ranges that depend on the model: the iteration limits (10, or 1 without branch and
// bound, to 64000), the failure limits (1 to NoIter + 1 of the family), the median's
// Constant (0 to 2 x MaxDistance x the largest demand) and the depth (-1 to Numbnodes).
int MinimumIterations(const ModelState& m);
Extended LargestDemand(const ModelState& m);

}  // namespace korvelan
