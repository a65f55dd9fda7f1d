#pragma once
#include <map>

#include "covering/LagMenu.h"
#include "data/EditForm.h"
#include "data/LoadData.h"
#include "exchange/TSExchangeForm.h"
#include "fixed/FixMenu.h"
#include "invloc/TolvanMenu.h"
#include "map/MapForm.h"
#include "median/MedMenu.h"
#include "model/ModelState.h"
#include "setup/StepForms.h"
#include "shell/MainUnit.h"
#include "solve/SolveWindows.h"
#include "tradeoff/TradeoffWindows.h"

namespace korvelan::app {

class Dialogs;

// Every window of the desktop program, created once and linked to the one model:
// the main menu, the windows of a run, the load form, the step forms with their
// reports, the Lagrangian settings forms the run form opens, the exchange form and
// the data editor. Each window is
// linked in exactly one place, so a command opens one window.
class DesktopProgram {
 public:
  DesktopProgram(ModelState& model, Dialogs& dialogs);
  DesktopProgram(const DesktopProgram&) = delete;
  DesktopProgram& operator=(const DesktopProgram&) = delete;

  ModelState& model;
  TKorvelanMain menu;
  SolveWindows solve;
  TLoadDataForm loadForm;
  StepForms stepForms;
  // The Lagrangian settings form of each family, opened over the run form, which
  // keeps its choices meanwhile.
  TLagCovSetting coverLagSettings;
  TMedCovSetting medianLagSettings;
  TFixCovSetting fixedLagSettings;
  TTolvanCovSetting invLocLagSettings;
  // "E&Xchange Sites": the solution changed by hand.
  TExchangeForm exchangeForm;
  // The data editor, opened beside the menu.
  TEditorForm editor;
  // "&Map Results": the solution map.
  TMap map;
  // "&Tradeoff Curves": the run form, the graphs and the tables of a curve.
  TradeoffWindows tradeoff;

 private:
  void LinkWindows();
  std::map<char, QWidget*> lagSettings_;
};

}  // namespace korvelan::app
