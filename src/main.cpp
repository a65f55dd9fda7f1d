#include <QApplication>

#include <map>

#include "covering/LagMenu.h"
#include "data/EditForm.h"
#include "data/LoadData.h"
#include "exchange/TSExchangeForm.h"
#include "fixed/FixMenu.h"
#include "median/LagSettingsReports.h"
#include "median/MedMenu.h"
#include "model/ModelState.h"
#include "setup/StepForms.h"
#include "shell/Dialogs.h"
#include "shell/MainUnit.h"
#include "solve/SolveWindows.h"

using namespace korvelan;
using namespace korvelan::app;

// The desktop program: one ModelState, every window created once, the event loop.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("KORVELAN");
  QApplication::setApplicationDisplayName("KORVELAN");
  // The menu hides itself while another window has the work; the program ends
  // only when the analyst confirms the exit.
  QApplication::setQuitOnLastWindowClosed(false);

  ModelState model;
  QtDialogs dialogs;
  TKorvelanMain menu(model, dialogs);
  dialogs.SetParent(&menu);
  SolveWindows solve(model, dialogs);
  menu.SetListWindows(&solve.messages, &solve.errors);

  TLoadDataForm loadForm(model, dialogs);
  QObject::connect(&loadForm, &TLoadDataForm::formOpened, &menu, &TKorvelanMain::ClearBorder);
  QObject::connect(&loadForm, &TLoadDataForm::finished, &menu, &TKorvelanMain::LoadFormFinished);

  StepForms stepForms(model, dialogs, menu, solve);

  // The Lagrangian settings form of each family, opened from the run form; it
  // opens over the run form, which keeps its choices meanwhile.
  TLagCovSetting coverLagSettings(model, dialogs);
  TMedCovSetting medianLagSettings(model, dialogs);
  TFixCovSetting fixedLagSettings(model, dialogs);
  const std::map<char, QWidget*> lagSettings = {
      {'C', &coverLagSettings}, {'M', &medianLagSettings}, {'F', &fixedLagSettings}};
  stepForms.SetLagSettings([&lagSettings](char family) {
    const auto form = lagSettings.find(family);
    if (form == lagSettings.end()) return;
    form->second->show();
    form->second->raise();
  });

  // The settings reports behind "La&Grangian Param" of the basic results report.
  LagSettingsReports lagReports(model, dialogs, *stepForms.results.BasicResults());

  // "E&Xchange Sites": the solution changed by hand; the menu shows again on closing.
  TExchangeForm exchangeForm(model, dialogs, solve.host);
  QObject::connect(&exchangeForm, &TExchangeForm::closed, &menu, [&menu] { menu.ShowMenu(); });

  // The data editor opens beside the menu.
  TEditorForm editor(model, dialogs);

  TKorvelanMain::Steps steps;
  steps.loadData = [&] { loadForm.show(); };
  steps.exchangeSites = [&] { exchangeForm.Open(); };
  AddDataEditor(editor, menu, steps);
  stepForms.AddSteps(steps);
  menu.SetSteps(steps);
  QObject::connect(&menu, &TKorvelanMain::exitConfirmed, &app, &QApplication::quit);

  menu.show();
  menu.StartSplash();
  return QApplication::exec();
}
