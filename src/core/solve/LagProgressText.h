#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// Everything the Lagrangian progress window shows, worked out from the values
// the Lagrangian procedures publish in the model. The window only copies these
// texts and flags into its controls.

// The window refreshes itself this often while a Lagrangian search runs.
inline constexpr int LagProgressRefreshMilliseconds = 2000;

struct LagProgressField {
  std::string caption;
  std::string value;
  bool visible = true;
  bool bold = false;
};

struct LagProgressView {
  bool abortVisible = false;  // with branch and bound on
  bool abortEnabled = false;  // once the tree has left its root
  std::vector<std::string> statusLines;
  bool countsVisible = false;
  std::string inText, outText, unknownText;

  LagProgressField locations, iterations, branchNodes, lagIterations, level;
  LagProgressField coverageDistance, target, bestLagUpper, lagLower;
  LagProgressField upperBound, lowerBound, percent, percentLagUB, alpha, failures, stepSize, weight;
  // What the covering step size aims at: "Lagrange LB" or "Lower Bound" (covering codes only).
  std::string stepBasisText;
  bool stepBasisVisible = false;
  std::string exchangeText;

  bool gaugeVisible = false;
  int gaugePercent = 0;
  std::string elapsedText;
};

// The site statuses as the window lists them: "-" excluded, "0" allowed, "+"
// required, 20 per line with "|" after the 10th, each line led by the number of
// nodes before it (right-aligned in 4) and two blanks.
std::vector<std::string> StatusListLines(const ModelState& m);

// True for the codes of the covering and center family.
bool IsCoveringCode(char code);

// lagrangianLowerBound: the covering step size aims at the Lagrangian lower bound
// rather than the best lower bound. now: the clock at this refresh, in seconds.
LagProgressView BuildLagProgressView(const ModelState& m, bool lagrangianLowerBound, double now);

// The values of one refresh as one line of text, for a display without the
// window: every field the window shows, "caption value", separated by " | ",
// then the share of the tree explored and the elapsed seconds when shown.
std::string LagProgressLine(const LagProgressView& view);

}  // namespace korvelan
