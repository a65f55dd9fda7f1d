#pragma once
#include <memory>

#include "invloc/TolvanSwapProgress.h"
#include "median/GAProgForm.h"
#include "model/ModelState.h"
#include "shell/LineListWindow.h"
#include "shell/TsRunning.h"
#include "solve/DesktopRunHost.h"
#include "solve/TSHeuristicProgressForm.h"
#include "solve/TSShowLag.h"

namespace korvelan::app {

class Dialogs;

// The windows a run uses, created once at start and kept for the whole program,
// with the RunHost that drives them. The run and tradeoff forms show and hide
// them; the solvers reach them through `host`.
struct SolveWindows {
  SolveWindows(ModelState& model, Dialogs& dialogs)
      : heuristic(model), lagrangian(model), host({&heuristic, &lagrangian, &messages, &errors, &genetic, &swap}, dialogs) {}

  THeuristicProgressForm heuristic;
  TLagProgForm lagrangian;
  TRunning running;
  TMessageForm messages;
  TErrorForm errors;
  TGAProgForm genetic;
  TTolvanSwapProgress swap;
  DesktopRunHost host;
};

}  // namespace korvelan::app
