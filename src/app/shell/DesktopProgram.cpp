#include "shell/DesktopProgram.h"

namespace korvelan::app {

DesktopProgram::DesktopProgram(ModelState& model, Dialogs& dialogs)
    : model(model),
      menu(model, dialogs),
      solve(model, dialogs),
      loadForm(model, dialogs),
      stepForms(model, dialogs, menu, solve),
      coverLagSettings(model, dialogs),
      medianLagSettings(model, dialogs),
      fixedLagSettings(model, dialogs),
      invLocLagSettings(model, dialogs),
      exchangeForm(model, dialogs, solve.host),
      editor(model, dialogs),
      map(model, dialogs, solve.host, menu.Border()),
      tradeoff(model, dialogs, stepForms, solve),
      lagSettings_{{'C', &coverLagSettings}, {'M', &medianLagSettings}, {'F', &fixedLagSettings}, {'V', &invLocLagSettings}} {
  LinkWindows();
}

void DesktopProgram::LinkWindows() {
  menu.SetListWindows(&solve.messages, &solve.errors);
  QObject::connect(&loadForm, &TLoadDataForm::formOpened, &menu, &TKorvelanMain::ClearBorder);
  QObject::connect(&loadForm, &TLoadDataForm::finished, &menu, &TKorvelanMain::LoadFormFinished);
  stepForms.SetLagSettings([this](char family) {
    const auto form = lagSettings_.find(family);
    if (form == lagSettings_.end()) return;
    form->second->show();
    form->second->raise();
  });
  // The settings reports behind "La&Grangian Param" are linked by the step forms.
  // The menu shows again when the exchange form closes.
  QObject::connect(&exchangeForm, &TExchangeForm::closed, &menu, [this] { menu.ShowMenu(); });
  TKorvelanMain::Steps steps;
  steps.loadData = [this] { loadForm.show(); };
  steps.exchangeSites = [this] { exchangeForm.Open(); };
  steps.mapResults = [this] { map.OpenFromMenu(); };
  QObject::connect(&map, &TMap::returnToMenu, &menu, [this] { menu.ShowMenu(); });
  AddDataEditor(editor, menu, steps);
  stepForms.AddSteps(steps);
  tradeoff.Link(steps);
  // A click on a point of a covering-median graph maps that solution; the map's return shows the graph again.
  tradeoff.graph.showSolution = [this](int k) {
    menu.AskForBorder();
    map.OpenFromTradeoff(k);
  };
  QObject::connect(&map, &TMap::returnToTradeoffGraph, &tradeoff.graph, [this] { tradeoff.graph.show(); });
  menu.SetSteps(steps);
}

}  // namespace korvelan::app
