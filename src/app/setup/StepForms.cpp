#include "setup/StepForms.h"

#include "reports/BasicResultsForm.h"
#include "reports/ReportNavigator.h"
#include "shell/Dialogs.h"
#include "shell/Printing.h"
#include "solve/SolveWindows.h"

namespace korvelan::app {

namespace {

MenuLink LinkTo(TKorvelanMain& menu) {
  MenuLink link;
  link.apply = [&menu](MenuEvent event, char code) { menu.Apply(event, code); };
  link.showMenu = [&menu] { menu.ShowMenu(); };
  link.enabled = [&menu](MenuButton b) { return menu.State()[b]; };
  return link;
}

PrintSinkFactory PrinterOf(Dialogs& dialogs) {
  return [&dialogs]() -> std::unique_ptr<PrintSink> { return OpenPrintJob(dialogs, "KORVELAN"); };
}

}  // namespace

StepForms::StepForms(ModelState& model, Dialogs& dialogs, TKorvelanMain& menu, SolveWindows& solve)
    : link(LinkTo(menu)),
      parameters(model, dialogs, link),
      forceNodes(model, dialogs, solve.host, link),
      initialSolution(model, dialogs, solve.host, link),
      forcedNodes(model, PrinterOf(dialogs)),
      run(model, dialogs, solve.host, link, RunLinks(solve)),
      results(model, dialogs, solve.host, link, PrinterOf(dialogs), ResultLinks()),
      coveringSettingsReport(model, dialogs),
      medianSettingsReport(model, dialogs),
      fixedSettingsReport(model, dialogs),
      geneticSettings(model, dialogs),
      geneticReport(model, PrinterOf(dialogs)),
      invLocParameters(model, dialogs),
      invLocCostReport(model, dialogs, solve.host, PrinterOf(dialogs)),
      invLocParameterReport(model, "Parameters for Brask Inventory Location Model",
                            [](const ModelState& m, int) { return TolvanParameterReport(m); }, PrinterOf(dialogs)),
      invLocOrderFrequency(model, "Order Frequency From Plant(s)",
                           [](const ModelState& m, int) { return TolvanOrderFrequency(m); }, PrinterOf(dialogs)),
      invLocSettingsReport(model, dialogs),
      forceAssignments(model, dialogs, solve.host),
      model_(model),
      dialogs_(dialogs) {
  LinkForms();
}

RunFormLinks StepForms::RunLinks(SolveWindows& solve) {
  RunFormLinks links;
  links.setLagCaption = [&solve](const QString& caption) { solve.lagrangian.setWindowTitle(caption); };
  links.showRunningNotice = [&solve](bool visible) { solve.running.setVisible(visible); };
  links.prepareHeuristicProgress = [&solve](bool used) {
    if (used)
      solve.heuristic.ShowCleared();
    else
      solve.heuristic.hide();  // no lines of an earlier run beside this one
  };
  links.heuristicRunEnded = [&solve] { solve.heuristic.RunEnded(); };
  links.openLagSettings = [this](char family) { OpenLagSettings(family); };
  links.openGeneticSettings = [this] {
    geneticSettings.show();
    geneticSettings.raise();
    geneticSettings.activateWindow();
  };
  links.openInvLocParameters = [this] { invLocParameters.Open(); };
  return links;
}

ResultsLinks StepForms::ResultLinks() {
  ResultsLinks links;
  links.settingsReport = [this](const QString& family) { OpenSettingsReport(family); };
  links.requireAssignments = [this] {
    results.hide();
    forceAssignments.Open();
  };
  links.inventoryInputs = [this] {
    results.Navigator().OpenOutside(ReportPage::InvLocParameters, [this] { results.Open(); });
  };
  return links;
}

void StepForms::SetLagSettings(std::function<void(char family)> open) { lagSettings_ = std::move(open); }

void StepForms::OpenLagSettings(char family) {
  // The run form stays open with its choices while the settings are edited.
  if (lagSettings_) lagSettings_(family);
}

void StepForms::OpenSettingsReport(const QString& family) {
  const auto report = settingsReports_.find(family);
  if (report == settingsReports_.end()) {
    dialogs_.Warning("The Lagrangian settings report of this model is not available in this version.");
    return;
  }
  results.BasicResults()->hide();
  report->second->show();
  report->second->raise();
}

void StepForms::LinkForms() {
  QObject::connect(&parameters, &TParameterForm::forceNodesRequested, &forceNodes, &TForceNodesMenu::Open);
  QObject::connect(&forceNodes, &TForceNodesMenu::closed, &parameters, &QWidget::show);
  QObject::connect(&parameters, &TParameterForm::initializeNodesRequested, &initialSolution,
                   &TInitialSolutionForm::Open);
  QObject::connect(&initialSolution, &TInitialSolutionForm::closed, &parameters, &QWidget::show);
  results.Navigator().Add(ReportPage::ForcedNodes, &forcedNodes);
  results.Navigator().Add(ReportPage::GeneticParameters, &geneticReport);
  QObject::connect(&geneticSettings, &TGAForm::closed, &run, [this] {
    run.show();
    run.raise();
  });
  settingsReports_ = {{"covering", &coveringSettingsReport},
                      {"median", &medianSettingsReport},
                      {"fixed", &fixedSettingsReport}};
  QObject::connect(&coveringSettingsReport, &TShowLagCovSettings::returnToBasic, results.BasicResults(),
                   &QWidget::show);
  for (LagSettingsReport* report : {static_cast<LagSettingsReport*>(&medianSettingsReport),
                                    static_cast<LagSettingsReport*>(&fixedSettingsReport)})
    QObject::connect(report, &LagSettingsReport::returnToBasic, results.BasicResults(), &QWidget::show);
  LinkInvLocForms();
  QObject::connect(&initialSolution, &TInitialSolutionForm::showStatusRequested, &forcedNodes, [this] {
    results.Navigator().OpenOutside(ReportPage::ForcedNodes, [this] { initialSolution.show(); });
  });
}

void StepForms::LinkInvLocForms() {
  results.Navigator().Add(ReportPage::InvLocCostSummary, &invLocCostReport);
  results.Navigator().Add(ReportPage::InvLocParameters, &invLocParameterReport);
  results.Navigator().Add(ReportPage::InvLocOrderFrequency, &invLocOrderFrequency);
  invLocOrderFrequency.StackSections();
  invLocParameterReport.resize(1100, 520);
  settingsReports_["invloc"] = &invLocSettingsReport;
  QObject::connect(&invLocSettingsReport, &LagSettingsReport::returnToBasic, results.BasicResults(), &QWidget::show);
  QObject::connect(&forceAssignments, &TForceAssignments::closed, &results, &TShowResultsForm::Open);
  // The parameter form returns to the run form; with no run form left to run the
  // model (it was cancelled meanwhile), the demands go back to their loaded values.
  QObject::connect(&invLocParameters, &TTolvParamForm::closed, &run, [this] {
    if (run.isVisible()) {
      run.raise();
      run.activateWindow();
    } else {
      RestoreDemands(model_);
    }
  });
}

void StepForms::AddSteps(TKorvelanMain::Steps& steps) {
  steps.setParameters = [this] { parameters.Open(); };
  steps.runModels = [this] { run.Open(); };
  steps.displayResults = [this] { results.Open(); };
}


}  // namespace korvelan::app
