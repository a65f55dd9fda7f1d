// The run-models form's commands: the Lagrangian settings, the run and cancel.
#include <QPushButton>

#include "setup/RunModelsForm.h"
#include "shell/Dialogs.h"
#include "solve/RunHost.h"
#include "solve/SolveModel.h"

namespace korvelan::app {

namespace {

// The family whose Lagrangian settings a model uses.
char LagSettingsFamily(char problemCode) {
  switch (problemCode) {
    case 'M': return 'M';
    case 'F': return 'F';
    case 'V': return 'V';
    default: return 'C';
  }
}

}  // namespace

void TRunModelsForm::ViewLagClick() {
  if (links_.openLagSettings) links_.openLagSettings(LagSettingsFamily(model_.ProblemCode));
}

void TRunModelsForm::ReturnButtonClick() {
  if (links_.openInvLocParameters) links_.openInvLocParameters();
}

void TRunModelsForm::ExecuteClick() {
  if (links_.setLagCaption)
    links_.setLagCaption("Lagrangian Progress Form " + QString::fromStdString(ProblemPhrase(model_.ProblemCode)));
  model_.FatalError = 0;
  hide();
  const bool notice = model_.ShowLagProgress == 0 && links_.showRunningNotice;
  if (notice) {
    links_.showRunningNotice(true);
    host_.Delay(0, 100);
  }
  if (links_.prepareHeuristicProgress) links_.prepareHeuristicProgress(model_.SolutionClass != 2);
  const RunEnd end = ExecuteRun(model_, host_);
  if (links_.heuristicRunEnded) links_.heuristicRunEnded();
  if (notice) links_.showRunningNotice(false);
  menu_.Report(EndEvent(end), model_.ProblemCode);
  menu_.showMenu();
}

MenuEvent TRunModelsForm::EndEvent(RunEnd end) {
  switch (end) {
    case RunEnd::Fatal: return MenuEvent::RunFailed;
    case RunEnd::Stopped: return MenuEvent::LagRunStopped;
    case RunEnd::Completed: break;
  }
  return MenuEvent::RunCompleted;
}

void TRunModelsForm::CloseButtonClick() {
  hide();
  RestoreDemands(model_);
  menu_.showMenu();
  menu_.Report(MenuEvent::RunCancelled);
}

}  // namespace korvelan::app
