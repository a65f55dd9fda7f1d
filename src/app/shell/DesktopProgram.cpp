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
      exchangeForm(model, dialogs, solve.host),
      editor(model, dialogs),
      tradeoff(model, dialogs, stepForms, solve),
      lagSettings_{{'C', &coverLagSettings}, {'M', &medianLagSettings}, {'F', &fixedLagSettings}} {
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
  AddDataEditor(editor, menu, steps);
  stepForms.AddSteps(steps);
  tradeoff.Link(steps);
  menu.SetSteps(steps);
}

}  // namespace korvelan::app
