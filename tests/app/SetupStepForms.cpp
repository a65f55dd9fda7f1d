// The step forms as the desktop program links them to the main menu and to each other.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "SetupTestSupport.h"
#include "reports/BasicResultsForm.h"
#include "reports/ReportNavigator.h"
#include "setup/StepForms.h"
#include "shell/MainUnit.h"
#include "solve/SolveWindows.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

class SetupStepForms : public QObject {
  Q_OBJECT

  struct Program {
    ModelState model;
    ScriptedDialogs dialogs;
    TKorvelanMain menu{model, dialogs};
    SolveWindows solve{model, dialogs};
    StepForms forms{model, dialogs, menu, solve};
    TLagCovSetting coveringSettings{model, dialogs};
    Program() {
      forms.SetLagSettings([this](char family) {
        if (family == 'C') coveringSettings.show();
      });
      TKorvelanMain::Steps steps;
      forms.AddSteps(steps);
      menu.SetSteps(steps);
      if (!LoadFixture(model, "ten.euc").empty()) qFatal("fixture did not load");
      menu.Apply(MenuEvent::DataLoaded);
      menu.show();
    }
    void SetParameters() {
      menu.Button(MenuButton::SetParameters)->click();
      forms.parameters.CovDist->setText("10");
      forms.parameters.CovDistExit();
      forms.parameters.CostPerMile->setText("1");
      forms.parameters.CostPerMileExit();
      forms.parameters.DoneAndRun->click();
    }
  };

 private slots:
  void menuOpensTheParameterFormAndItsSubForms() {
    Program p;
    p.menu.Button(MenuButton::SetParameters)->click();
    QVERIFY(p.forms.parameters.isVisible());
    p.forms.parameters.ForceNodes->click();
    QVERIFY(p.forms.parameters.isHidden());
    QVERIFY(p.forms.forceNodes.isVisible());
    p.forms.forceNodes.CloseButton->click();
    QVERIFY(p.forms.parameters.isVisible());
    p.forms.parameters.InitializeNodes->click();
    QVERIFY(p.forms.initialSolution.isVisible());
    p.forms.initialSolution.ShowStatus->click();
    QVERIFY(p.forms.forcedNodes.isVisible());
    QVERIFY(p.forms.forcedNodes.NextButton->isHidden());
    p.forms.forcedNodes.CancelButton->click();
    QVERIFY(p.forms.initialSolution.isVisible());
    p.forms.initialSolution.CloseButton->click();
    QVERIFY(p.forms.parameters.isVisible());
  }

  void typedParametersSurviveAVisitToTheForceNodesForm() {
    Program p;
    p.menu.Button(MenuButton::SetParameters)->click();
    p.forms.parameters.CovDist->setText("15");
    p.forms.parameters.CovDistExit();
    p.forms.parameters.ForceNodes->click();
    p.forms.forceNodes.CloseButton->click();
    QCOMPARE(p.forms.parameters.CovDist->text(), QString("15"));
    QCOMPARE(p.model.CoverageDistanceSet, uint8_t{1});
    p.forms.parameters.Cancel->click();
    QVERIFY(!p.menu.Button(MenuButton::RunModels)->isEnabled());
  }

  void doneAndRunEnablesTheRunStepsOfTheMenu() {
    Program p;
    p.SetParameters();
    QVERIFY(p.forms.parameters.isHidden());
    QVERIFY(p.menu.isVisible());
    QVERIFY(p.menu.Button(MenuButton::RunModels)->isEnabled());
    QVERIFY(!p.menu.Button(MenuButton::DisplayResults)->isEnabled());
  }

  void runThenResultsFromTheMenu() {
    Program p;
    p.SetParameters();
    p.menu.Button(MenuButton::RunModels)->click();
    QVERIFY(p.forms.run.isVisible());
    p.forms.run.ProblemItems[0]->click();
    p.forms.run.AlgorithmItems[2]->click();
    p.forms.run.ViewLag->click();
    QVERIFY(p.coveringSettings.isVisible());
    QVERIFY(p.forms.run.isVisible());  // the choices stay on the run form
    p.coveringSettings.hide();
    p.forms.run.AlgorithmItems[0]->click();
    p.forms.run.NumbInput->setText("2");
    p.forms.run.NumbInputExit();
    p.forms.run.Execute->click();
    QCOMPARE(p.solve.lagrangian.windowTitle(), QString("Lagrangian Progress Form MAX COVERING"));
    QVERIFY(p.menu.Button(MenuButton::DisplayResults)->isEnabled());
    p.menu.Button(MenuButton::DisplayResults)->click();
    QVERIFY(p.forms.results.isVisible());
    p.forms.results.Command("&Forced Nodes")->click();
    QVERIFY(p.forms.forcedNodes.isVisible());
    QVERIFY(!p.forms.forcedNodes.NextButton->isHidden());
    p.forms.forcedNodes.CancelButton->click();
    QVERIFY(p.forms.results.isVisible());
  }

  void lagrangianSettingsReportFromTheBasicResults() {
    Program p;
    p.SetParameters();
    p.menu.Button(MenuButton::RunModels)->click();
    p.forms.run.ProblemItems[3]->click();  // set covering: an exact run
    p.model.ReportProblemCode = 'S';
    p.model.SolutionClass = 2;
    p.forms.results.Navigator().Open(ReportPage::BasicResults);
    TBasicResultsForm* basic = p.forms.results.BasicResults();
    QVERIFY(!basic->LagParamButton->isHidden());
    basic->LagParamButton->click();
    QVERIFY(basic->isHidden());
    QVERIFY(p.forms.coveringSettingsReport.isVisible());
    p.forms.coveringSettingsReport.QuitButtonClick();
    QVERIFY(basic->isVisible());
  }
};

QTEST_MAIN(SetupStepForms)
#include "SetupStepForms.moc"
