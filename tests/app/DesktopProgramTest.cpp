// The desktop program as it is put together for the analyst: every window linked
// to the one model, driven through the main menu with simulated clicks.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "SetupTestSupport.h"
#include "reports/BasicResultsForm.h"
#include "setup/RunModels.h"
#include "shell/DesktopProgram.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

namespace {

// The run form's problem and algorithm buttons by caption position.
enum Problem { MaxCovering = 0, PMedian = 1, FixedCharge = 2, SetCovering = 3, PartialSetCovering = 5 };

// A radio button or check box takes a click on its indicator, at its left end.
void ClickIndicator(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

struct Program {
  ModelState model;
  ScriptedDialogs dialogs;
  DesktopProgram program{model, dialogs};

  Program() {
    if (!LoadFixture(model, "ten.euc").empty()) qFatal("fixture did not load");
    program.menu.show();
    program.menu.Apply(MenuEvent::DataLoaded);
  }
  StepForms& forms() { return program.stepForms; }

  // Clicks a menu step, answering Yes when the menu asks to confirm.
  void Step(MenuButton b) {
    dialogs.answers.push_back(true);
    QTest::mouseClick(program.menu.Button(b), Qt::LeftButton);
    dialogs.answers.clear();
  }
  void SetParameters(const char* coverage) {
    Step(MenuButton::SetParameters);
    TParameterForm& p = forms().parameters;
    p.CovDist->setText(coverage);
    p.CovDistExit();
    p.CostPerMile->setText("1");
    p.CostPerMileExit();
    QTest::mouseClick(p.DoneAndRun, Qt::LeftButton);
  }
  // Chooses a problem and an algorithm on the run form; the run starts with Run().
  void Choose(Problem problem, int algorithm, const char* number) {
    Step(MenuButton::RunModels);
    TRunModelsForm& run = forms().run;
    ClickIndicator(run.ProblemItems[problem]);
    if (algorithm >= 0) ClickIndicator(run.AlgorithmItems[algorithm]);
    if (number) {
      run.NumbInput->setText(number);
      run.NumbInputExit();
    }
  }
  void Run() {
    QVERIFY(forms().run.Execute->isEnabled());
    QTest::mouseClick(forms().run.Execute, Qt::LeftButton);
  }

  // The titles of the top-level windows on screen, one entry per window.
  static QStringList VisibleTitles() {
    QStringList titles;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible()) titles << w->windowTitle();
    return titles;
  }
  static int VisibleWindowsTitled(const QString& title) { return VisibleTitles().count(title); }
};

}  // namespace

class DesktopProgramTest : public QObject {
  Q_OBJECT

 private slots:
  // "La&Grangian Param" of a median or fixed-charge Lagrangian run opens its
  // settings report once, and the report's quit brings the basic results back.
  void lagrangianParamOpensOneSettingsReport() {
    const struct {
      Problem problem;
      int algorithm;
      const char* number;
    } cases[] = {{PMedian, 3, "3"}, {FixedCharge, 4, "-1"}};
    for (const auto& c : cases) {
      auto program = std::make_unique<Program>();  // a whole model: kept off the stack
      Program& p = *program;
      p.SetParameters("10");
      p.Choose(c.problem, c.algorithm, c.number);
      p.Run();
      QCOMPARE(p.model.FatalError, uint8_t{0});
      p.Step(MenuButton::DisplayResults);
      QTest::mouseClick(p.forms().results.Command("&Basic Inputs and Outputs"), Qt::LeftButton);
      TBasicResultsForm* basic = p.forms().results.BasicResults();
      QVERIFY(basic->isVisible());
      QVERIFY(basic->LagParamButton->isVisible());
      const QStringList before = Program::VisibleTitles();
      QTest::mouseClick(basic->LagParamButton, Qt::LeftButton);
      QVERIFY(!basic->isVisible());
      LagSettingsReport* report = &p.forms().fixedSettingsReport;
      if (c.problem == PMedian) report = &p.forms().medianSettingsReport;
      QVERIFY(report->isVisible());
      QCOMPARE(Program::VisibleWindowsTitled(report->windowTitle()), 1);
      QStringList opened = Program::VisibleTitles();
      for (const QString& title : before) opened.removeOne(title);
      QCOMPARE(opened, QStringList{report->windowTitle()});
      QTest::mouseClick(report->QuitButton, Qt::LeftButton);
      QCOMPARE(Program::VisibleWindowsTitled(report->windowTitle()), 0);
      QVERIFY(basic->isVisible());
    }
  }

  // A greedy run leaves its lines to be read; set covering shows its greedy start in
  // the same window, emptied for it, and hides the window before the exact search;
  // a run without heuristic lines does not show an earlier run's lines.
  void heuristicWindowServesEachRunThatUsesIt() {
    auto program = std::make_unique<Program>();  // a whole model: kept off the stack
    Program& p = *program;
    THeuristicProgressForm& window = p.program.solve.heuristic;
    p.SetParameters("10");
    p.Choose(MaxCovering, 0, "2");
    p.Run();
    QVERIFY(window.isVisible());
    QVERIFY(window.ProgressBox->count() > 0);
    QVERIFY(!window.AbortButton->isEnabled());

    for (const Problem problem : {SetCovering, PartialSetCovering}) {
      p.Choose(problem, -1, nullptr);
      if (problem == PartialSetCovering) {
        ClickIndicator(p.forms().run.NodeCount);
        p.forms().run.CovAmount->setText("8");
        p.forms().run.CovAmountExit();
      }
      auto before = std::make_unique<ModelState>(p.model);
      HeadlessRunHost headless;
      ExecuteRun(*before, headless);  // the same run without windows: the lines expected
      QStringList expected;
      for (const std::string& line : headless.progressLines) expected << QString::fromStdString(line);
      QVERIFY(!expected.isEmpty());

      struct {
        bool visible = false, abortEnabled = false;
        QString firstLine;
      } during;
      QTimer::singleShot(0, &window, [&] {
        during.visible = window.isVisible();
        during.abortEnabled = window.AbortButton->isEnabled();
        if (window.ProgressBox->count() > 0) during.firstLine = window.ProgressBox->item(0)->text();
      });
      p.Run();
      QVERIFY(during.visible);
      QVERIFY(during.abortEnabled);
      QCOMPARE(during.firstLine, expected.front());
      QVERIFY(!window.isVisible());
      QVERIFY(!window.AbortButton->isEnabled());
      QStringList shown;
      for (int row = 0; row < window.ProgressBox->count(); ++row)
        shown << window.ProgressBox->item(row)->text();
      QCOMPARE(shown, expected);
    }

    p.Choose(MaxCovering, 0, "2");
    p.Run();
    QVERIFY(window.isVisible());
    p.Choose(MaxCovering, 2, "2");  // Lagrangian: no heuristic lines
    p.Run();
    QCOMPARE(p.model.FatalError, uint8_t{0});
    QVERIFY(!window.isVisible());
    QVERIFY(!window.AbortButton->isEnabled());
  }
  // Choosing the genetic algorithm opens its settings window over the run form;
  // the number to locate, given the focus meanwhile, is not left by that window
  // taking the focus: the analyst still types the number after closing it.
  void numberStaysOpenWhileTheGeneticSettingsHaveTheFocus() {
    auto program = std::make_unique<Program>();
    Program& p = *program;
    p.SetParameters("10");
    p.Step(MenuButton::RunModels);
    TRunModelsForm& run = p.forms().run;
    QApplication::setActiveWindow(&run);
    ClickIndicator(run.ProblemItems[PMedian]);
    ClickIndicator(run.AlgorithmItems[4]);
    QCOMPARE(p.model.MedianAlgorithm, 'T');
    TGAForm& settings = p.forms().geneticSettings;
    QVERIFY(settings.isVisible());
    QApplication::setActiveWindow(&settings);
    QTest::mouseClick(settings.QuitButton, Qt::LeftButton);
    QApplication::setActiveWindow(&run);
    QVERIFY(run.NumbInput->isEnabled());
    run.NumbInput->setFocus(Qt::MouseFocusReason);
    run.NumbInput->selectAll();
    QTest::keyClicks(run.NumbInput, "3");
    QTest::keyClick(run.NumbInput, Qt::Key_Tab);
    QCOMPARE(p.model.NumberToLocate, decltype(p.model.NumberToLocate){3});
    QVERIFY(run.Execute->isEnabled());
  }
};

QTEST_MAIN(DesktopProgramTest)
#include "DesktopProgramTest.moc"
