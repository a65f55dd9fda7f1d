// The genetic algorithm's windows: its settings form reached from the run form,
// its progress window during a run, and its parameters report in the results chain.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "SetupTestSupport.h"
#include "median/GAForm.h"
#include "median/GAProgForm.h"
#include "reports/BasicResultsForm.h"
#include "reports/ReportNavigator.h"
#include "reports/TShowGAInputs.h"
#include "setup/StepForms.h"
#include "shell/MainUnit.h"
#include "solve/SolveModel.h"
#include "solve/SolveWindows.h"
#include "solve/TextFormat.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

class GeneticFormsTest : public QObject {
  Q_OBJECT

  // Clicks a radio button or check box on its indicator, as a user aims.
  static void ClickBox(QAbstractButton* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }

  struct Form {
    ModelState m;
    ScriptedDialogs dialogs;
    BeepCounter beeps;
    TGAForm form{m, dialogs};
    Form() {
      form.show();
      form.activateWindow();
      if (!QTest::qWaitForWindowActive(&form)) qFatal("settings form not active");
    }
    QString Shown(const char* name) { return form.Edit(name)->text(); }
    // Clicks into the box, replaces its text with typed keys and leaves it with Tab.
    void Type(const char* name, const QString& text) {
      QLineEdit* edit = form.Edit(name);
      QTest::mouseClick(edit, Qt::LeftButton);
      QVERIFY(edit->hasFocus());
      edit->selectAll();
      QTest::keyClick(edit, Qt::Key_Backspace);
      QTest::keyClicks(edit, text);
      QTest::keyClick(edit, Qt::Key_Tab);
    }
  };

 private slots:
  void showingFillsEveryControlFromTheSettings() {
    Form f;
    QCOMPARE(f.form.windowTitle(), QString("Genetic Algorithm Parameter Setting Form"));
    const std::pair<const char*, const char*> shown[] = {
        {"PopSize", "50"},          {"InitPopSize", "150"},    {"Generations", "200"},
        {"GenNoImp", "50"},         {"Compatibility", "0.100000"}, {"Dates", "10"},
        {"MutationProb", "0.250000"}, {"RandomNoSeed", "9873573"}, {"ImproveNumber", "0"},
        {"TargetEdit", "0.000"}};
    for (const auto& [name, text] : shown) QCOMPARE(f.Shown(name), QString(text));
    QCOMPARE(f.form.Caption("GenNoImp")->text(), QString("# Generations &W/o Improvement"));
    QCOMPARE(f.form.Edit("PopSize")->toolTip(), QString("Size of the population at each generation"));
    QVERIFY(f.form.Group("ImpType")->isHidden());
    QVERIFY(f.form.Group("MotherSelection")->isHidden());
    QVERIFY(!f.form.Group("MotherSelection")->isEnabled());
    QVERIFY(f.form.Edit("TargetEdit")->isHidden());
    QVERIFY(f.form.Item("FatherSelection", 1)->isChecked());
    QVERIFY(f.form.Item("DateSelection", 1)->isChecked());
    QCOMPARE(f.form.Item("FatherSelection", 0)->text(), QString("&1 - Rank"));
    QVERIFY(f.form.QuitButton->isEnabled());
  }

  void keysAreFilteredAndTypingHoldsTheQuitButton() {
    Form f;
    QLineEdit* edit = f.form.Edit("PopSize");
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, "3x-.0");
    QCOMPARE(edit->text(), QString("30"));
    QCOMPARE(f.beeps.beeps, 3);
    QVERIFY(!f.form.QuitButton->isEnabled());
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(f.form.QuitButton->isEnabled());
    QCOMPARE(f.m.Genetic.PopSize, 30);
    QLineEdit* seed = f.form.Edit("RandomNoSeed");
    QTest::mouseClick(seed, Qt::LeftButton);
    seed->selectAll();
    QTest::keyClicks(seed, "-17.");
    QCOMPARE(seed->text(), QString("-17"));
    QTest::mouseClick(f.form.Edit("Dates"), Qt::LeftButton);  // leaving with the mouse
    QCOMPARE(f.m.Genetic.RandomNoSeed, -17);
    QVERIFY(f.dialogs.shown.isEmpty());
  }

  void populationSizePullsTheDependentSettingsAlong() {
    Form f;
    f.Type("ImproveNumber", "40");
    QCOMPARE(f.m.Genetic.ImproveNumber, 40);
    QVERIFY(f.form.Group("ImpType")->isVisible());
    f.Type("PopSize", "25");
    QCOMPARE(f.Shown("ImproveNumber"), QString("25"));
    QCOMPARE(f.Shown("Dates"), QString("5"));
    QCOMPARE(f.Shown("InitPopSize"), QString("150"));
    f.Type("InitPopSize", "20");
    QCOMPARE(Texts(f.dialogs), QStringList{"W: Invalid Parameter Value.  Must have 25 <= X <= 300"});
    QCOMPARE(f.Shown("InitPopSize"), QString("150"));
    f.Type("PopSize", "200");
    QCOMPARE(f.Shown("InitPopSize"), QString("200"));
    QCOMPARE(f.Shown("Dates"), QString("5"));
  }

  void leavingABoxChecksItWithTheFormsMessages() {
    struct Case { const char* name; const char* typed; const char* message; const char* shown; };
    const Case cases[] = {
        {"Generations", "1500", "W: Invalid Parameter Value.  Must have 1 <= X <= 1000", "200"},
        {"Generations", "007", "W: Specified value did not convert correctly... Warning\nDefault value used and shown", "7"},
        {"Dates", "-", "W: Specified value did not convert correctly... Warning\nDefault value used and shown", "10"},
        {"Compatibility", "0.7", "W: Invalid Parameter Value.  Must have 0.00 <= X <= 0.50", "0.100000"},
        {"MutationProb", "0.5.1", "W: Conversion Error", "0.250000"},
        {"MutationProb", ".05", "", "0.050000"},
        {"GenNoImp", "", "", "50"},
    };
    for (const Case& c : cases) {
      Form f;
      f.Type(c.name, c.typed);
      const QStringList expected = QString(c.message).isEmpty() ? QStringList{} : QStringList{c.message};
      QCOMPARE(Texts(f.dialogs), expected);
      QCOMPARE(f.Shown(c.name), QString(c.shown));
      QCOMPARE(f.beeps.beeps, QString(c.message).contains("did not convert") ? 1 : 0);
    }
  }

  void choicesAndTargetAreStoredAtOnce() {
    Form f;
    ClickBox(f.form.Item("FatherSelection", 0));
    QCOMPARE(f.m.Genetic.FatherSelection, 'R');
    ClickBox(f.form.Item("DateSelection", 0));
    QCOMPARE(f.m.Genetic.DateSelection, 'R');
    QVERIFY(f.form.QuitButton->isEnabled());
    ClickBox(f.form.GAUseTarget);
    QCOMPARE(f.m.Genetic.GAUseTarget, uint8_t{1});
    QVERIFY(f.form.Edit("TargetEdit")->isVisible());
    f.Type("TargetEdit", "12345.5");
    QCOMPARE(f.Shown("TargetEdit"), QString("12,345.500"));
    // Leaving the box again as shown keeps the value without a message.
    QTest::mouseClick(f.form.Edit("TargetEdit"), Qt::LeftButton);
    QTest::keyClick(f.form.Edit("TargetEdit"), Qt::Key_Tab);
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.m.Genetic.TargetEdit, 12345.5L);
    f.Type("ImproveNumber", "3");
    ClickBox(f.form.Item("ImpType", 1));
    QCOMPARE(f.m.Genetic.ImpType, 'E');
  }

  void restoreDefaultsPutsEverySettingBack() {
    Form f;
    f.Type("PopSize", "30");
    f.Type("Generations", "12");
    ClickBox(f.form.GAUseTarget);
    ClickBox(f.form.Item("FatherSelection", 0));
    QCOMPARE(f.m.Genetic.FatherSelection, 'R');
    QTest::mouseClick(f.form.RestoreDefaults, Qt::LeftButton);
    QCOMPARE(f.Shown("PopSize"), QString("50"));
    QCOMPARE(f.Shown("Generations"), QString("200"));
    QCOMPARE(f.Shown("Dates"), QString("10"));
    QVERIFY(f.form.Item("FatherSelection", 1)->isChecked());
    QCOMPARE(f.m.Genetic.GAUseTarget, uint8_t{0});
    QVERIFY(f.form.Edit("TargetEdit")->isHidden());
    QSignalSpy closed(&f.form, &TGAForm::closed);
    QTest::mouseClick(f.form.QuitButton, Qt::LeftButton);
    QVERIFY(f.form.isHidden());
    QCOMPARE(closed.count(), 1);
  }

  void progressWindowFollowsTheRun() {
    ModelState m;
    ScriptedDialogs dialogs;
    QVERIFY(LoadFixture(m, "ten.euc").empty());
    SolveWindows solve(m, dialogs);
    m.ProblemCode = 'M';
    m.MedianAlgorithm = 'T';
    m.NumberToLocate = 3;
    m.Genetic.Generations = 4;
    m.Genetic.PopSize = 20;
    m.Genetic.InitPopSize = 30;
    SolveModel(m, solve.host);
    QCOMPARE(m.FatalError, uint8_t{0});
    QVERIFY(solve.genetic.isVisible());
    QCOMPARE(solve.genetic.windowTitle(), QString("GA Progress Form"));
    QCOMPARE(solve.genetic.GAProgress->Value(), 100);
    QCOMPARE(solve.genetic.BestGALabel->text(), QString::fromStdString(FormatNumber(m.DemandWeightedDistance, 10, 3)));
    QCOMPARE(solve.genetic.GAProgBox->count(), 9);  // three lines for each of generations 2..4
    QCOMPARE(solve.genetic.GAProgBox->item(6)->text(),
             "GA Iter: 4 Fitness: " + QString::fromStdString(FormatNumber(m.DemandWeightedDistance, 15, 1)));
    QCOMPARE(solve.heuristic.ProgressBox->item(0)->text(), QString("RandSeed: 9873573"));
  }

  void runFormOpensTheSettingsAndResultsShowTheParameters() {
    ModelState model;
    ScriptedDialogs dialogs;
    TKorvelanMain menu{model, dialogs};
    SolveWindows solve{model, dialogs};
    StepForms forms{model, dialogs, menu, solve};
    TKorvelanMain::Steps steps;
    forms.AddSteps(steps);
    menu.SetSteps(steps);
    QVERIFY(LoadFixture(model, "ten.euc").empty());
    menu.Apply(MenuEvent::DataLoaded);
    dialogs.answers.push_back(true);
    menu.Button(MenuButton::SetParameters)->click();
    forms.parameters.CovDist->setText("10");
    forms.parameters.CovDistExit();
    forms.parameters.CostPerMile->setText("1");
    forms.parameters.CostPerMileExit();
    forms.parameters.DoneAndRun->click();
    dialogs.answers.push_back(true);
    menu.Button(MenuButton::RunModels)->click();
    QVERIFY(forms.run.isVisible());
    forms.run.ProblemItems[1]->click();
    forms.run.AlgorithmItems[4]->click();
    QCOMPARE(forms.run.AlgorithmItems[4]->text(), QString("Gene&Tic Algorithm"));
    QCOMPARE(model.MedianAlgorithm, 'T');
    QVERIFY(forms.geneticSettings.isVisible());
    forms.geneticSettings.Edit("Generations")->setText("3");
    forms.geneticSettings.FieldExit(forms.geneticSettings.Edit("Generations"));
    QTest::mouseClick(forms.geneticSettings.QuitButton, Qt::LeftButton);
    QVERIFY(forms.geneticSettings.isHidden());
    QVERIFY(forms.run.isVisible());
    forms.run.NumbInput->setText("2");
    forms.run.NumbInputExit();
    forms.run.Execute->click();
    QCOMPARE(model.FatalError, uint8_t{0});
    QCOMPARE(Texts(dialogs).last(), QString("I: Execution Completed Satisfactorily"));
    menu.Button(MenuButton::DisplayResults)->click();
    forms.results.Navigator().Open(ReportPage::BasicResults);
    TBasicResultsForm* basic = forms.results.BasicResults();
    QCOMPARE(basic->NextButton->text(), QString("Hidden &Report"));
    QTest::mouseClick(basic->NextButton, Qt::LeftButton);
    QVERIFY(forms.geneticReport.isVisible());
    QCOMPARE(forms.geneticReport.windowTitle(), QString("Genetic Algorithm Parameters"));
    QCOMPARE(forms.geneticReport.Value("Max # of Generations"), QString("3"));
    QCOMPARE(forms.geneticReport.Value("Actual # Iterations"), QString::number(model.GeneticRun.GAGeneration));
    QCOMPARE(forms.geneticReport.Value("Target Value NOT Used:"), QString("0.000"));
    QCOMPARE(forms.geneticReport.Value("Total Distance"),
             QString::fromStdString(FormatNumber(model.DemandWeightedDistance, 12,
                                                 DecimalsFor(10, model.DemandWeightedDistance))));
    QTest::mouseClick(forms.geneticReport.NextButton, Qt::LeftButton);
    QVERIFY(forms.geneticReport.isHidden());
  }

  void parametersReportPrintsThePictureOfTheForm() {
    ModelState m;
    RecordingPrintSink sink;
    TShowGAInputs report(m, RecordInto(sink));
    report.show();
    QCOMPARE(report.Value("Population Size"), QString("50"));
    QCOMPARE(report.Value("GA Improvement Type"), QString("Neighborhood Search"));
    QCOMPARE(report.Value("Father Selection Rule"), QString("Fitness"));
    QTest::mouseClick(report.PrintButton, Qt::LeftButton);
    QCOMPARE(sink.items.size(), size_t{1});
    QCOMPARE(sink.items[0].kind, RecordingPrintSink::Kind::Image);
    QVERIFY(QImage(QString::fromStdString(sink.items[0].text)).width() > 100);
    QVERIFY(sink.finished);
  }
};

QTEST_MAIN(GeneticFormsTest)
#include "GeneticFormsTest.moc"
