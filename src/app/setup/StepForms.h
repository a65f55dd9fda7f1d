#pragma once
#include <QString>
#include <map>

#include "covering/LagMenu.h"
#include "fixed/FixMenu.h"
#include "invloc/TForceAssignments.h"
#include "invloc/TTolvanReport.h"
#include "invloc/TolvParamSetting.h"
#include "invloc/TolvanMenu.h"
#include "reports/TextReportForm.h"
#include "median/GAForm.h"
#include "median/MedMenu.h"
#include "reports/TSShowResults.h"
#include "reports/TShowGAInputs.h"
#include "setup/MenuLink.h"
#include "setup/RunModelsForm.h"
#include "setup/SetParameters.h"
#include "setup/TSForceNodesMenu.h"
#include "setup/TSInitialSolnForm.h"
#include "setup/TShowForcedNodes.h"
#include "shell/MainUnit.h"

namespace korvelan::app {

class Dialogs;
struct SolveWindows;

// The forms of the steps after loading: parameters with forced and initial
// sites, the run, and the results with their reports. Created once by the
// program, linked to each other and to the main menu.
class StepForms {
 public:
  StepForms(ModelState& model, Dialogs& dialogs, TKorvelanMain& menu, SolveWindows& solve);

  // The menu's hooks for "&Set Parameters", "&Run Models" and "&Display Results".
  void AddSteps(TKorvelanMain::Steps& steps);
  // The Lagrangian settings form of a family ('C', 'M', 'F', 'V'), opened by the run form.
  void SetLagSettings(std::function<void(char family)> open);
  // The run windows and the Lagrangian settings as a run form uses them.
  RunFormLinks RunLinks(SolveWindows& solve);
  MenuLink link;
  TParameterForm parameters;
  TForceNodesMenu forceNodes;
  TInitialSolutionForm initialSolution;
  TShowForcedNodes forcedNodes;
  TRunModelsForm run;
  TShowResultsForm results;
  // The read-only Lagrangian settings reports "La&Grangian Param" opens.
  TShowLagCovSettings coveringSettingsReport;
  TShowMedLagSettings medianSettingsReport;
  TShowFixLagSettings fixedSettingsReport;
  // The genetic algorithm's settings form (from the run form) and its parameters report.
  TGAForm geneticSettings;
  TShowGAInputs geneticReport;
  // The inventory/location model: its parameter form (from the run form), its pages of
  // the report chain, its settings report and the forced assignments.
  TTolvParamForm invLocParameters;
  TTolvanReport invLocCostReport;
  TextReportForm invLocParameterReport;
  TextReportForm invLocOrderFrequency;
  TShowTolvanLagSettings invLocSettingsReport;
  TForceAssignments forceAssignments;

 private:
  ResultsLinks ResultLinks();
  void OpenLagSettings(char family);
  void OpenSettingsReport(const QString& family);
  void LinkForms();
  void LinkInvLocForms();
  ModelState& model_;
  Dialogs& dialogs_;
  std::function<void(char)> lagSettings_;
  std::map<QString, QWidget*> settingsReports_;
};

}  // namespace korvelan::app
