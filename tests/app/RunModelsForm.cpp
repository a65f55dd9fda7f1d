// The run-models form: choices, inputs and their messages, the run and its end.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "SetupTestSupport.h"
#include "setup/ParameterRules.h"
#include "setup/RunModelsForm.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

namespace {

QStringList HostTexts(const HeadlessRunHost& host) {
  QStringList texts;
  for (const HeadlessRunHost::Message& m : host.messages)
    texts << QString(m.kind) + ": " + QString::fromStdString(m.text);
  return texts;
}

int IndexOf(char code) {
  for (int i = 0; i < 8; ++i)
    if (TRunModelsForm::ProblemCodes[i] == code) return i;
  return -1;
}

}  // namespace

class RunModelsFormTest : public QObject {
  Q_OBJECT

  struct Fixture {
    ModelState model;
    ScriptedDialogs dialogs;
    HeadlessRunHost host;
    MenuRecorder menu;
    QList<char> lagSettingsOpened;
    QStringList lagCaptions;
    int heuristicWindows = 0;
    TRunModelsForm form;
    Fixture()
        : form(model, dialogs, host, menu.link,
               RunFormLinks{[this](const QString& c) { lagCaptions << c; }, {},
                            [this](bool used) { heuristicWindows += used; }, {},
                            [this](char family) { lagSettingsOpened << family; }, {}, {}}) {
      if (!LoadFixture(model, "ten.euc").empty()) qFatal("fixture did not load");
      model.CoverageDistance = 10 * FixedPointScale;
      model.CoverageDistanceSet = model.CostPerMileSet = 1;
      model.CostPerMile = 1;
      ConfirmParameters(model);
      menu.Happen(MenuEvent::DataLoaded);
      menu.Happen(MenuEvent::ParametersDone);
      form.Open();
    }
    void Choose(char code) { form.ProblemItems[IndexOf(code)]->click(); }
    void Algorithm(int index) { form.AlgorithmItems[index]->click(); }
    void Number(const QString& text) {
      form.NumbInput->setText(text);
      form.NumbInputExit();
    }
  };

 private slots:
  void openingOffersTheProblemsOnly() {
    Fixture f;
    QCOMPARE(f.form.ProblemItems[0]->text(), QString("Ma&Ximum Covering"));
    QCOMPARE(f.form.ProblemItems[7]->text(), QString("Integrated In&V/Loc (Brask) Model"));
    QVERIFY(f.form.ProblemSelector->isEnabled());
    QVERIFY(!f.form.Execute->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{f.form.CoveringAlg, f.form.NumbInput, f.form.CostPerMile,
                                                       f.form.ViewLag, f.form.CoverTypeSelector, f.form.UPPER})
      QVERIFY(w->isHidden());
    for (QRadioButton* item : f.form.ProblemItems) QVERIFY(!item->isChecked());
    QCOMPARE(f.model.NumberToLocate, uint16_t{1});
    QCOMPARE(f.model.NodesToCover, int32_t{10});
  }

  void choosingEachProblem_data() {
    QTest::addColumn<char>("code");
    QTest::addColumn<QStringList>("algorithms");
    QTest::addColumn<bool>("numberShown");
    QTest::addColumn<bool>("executeEnabled");
    QTest::addColumn<bool>("viewLagShown");
    QTest::addColumn<int>("solutionClass");
    QTest::newRow("C") << 'C' << QStringList{"&Greedy Adding", "Greedy Adding and &Substitution", "&Lagrangian Relaxation"}
                       << false << false << false << -1;
    QTest::newRow("M") << 'M'
                       << QStringList{"&Myopic", "&Exchange", "&Neighborhood", "&Lagrangian Relaxation",
                                      "Gene&Tic Algorithm"}
                       << false << false << false << -1;
    QTest::newRow("F") << 'F'
                       << QStringList{"&Add", "&Drop", "&Exchange", "&Neighborhood", "&Lagrangian Relaxation"} << false
                       << false << false << -1;
    QTest::newRow("S") << 'S' << QStringList{} << false << true << true << 2;
    QTest::newRow("P") << 'P' << QStringList{} << true << false << true << 2;
    QTest::newRow("&") << '&' << QStringList{} << false << false << true << 2;
    QTest::newRow("%") << '%' << QStringList{} << true << false << true << 2;
    QTest::newRow("V") << 'V'
                       << QStringList{"&Add", "&Drop", "&Exchange", "&Neighborhood", "&Lagrangian Relaxation"} << true
                       << false << true << 2;
  }

  void choosingEachProblem() {
    QFETCH(char, code);
    QFETCH(QStringList, algorithms);
    QFETCH(bool, numberShown);
    QFETCH(bool, executeEnabled);
    QFETCH(bool, viewLagShown);
    QFETCH(int, solutionClass);
    Fixture f;
    f.Choose(code);
    QCOMPARE(f.model.ProblemCode, code);
    QCOMPARE(f.model.ReportProblemCode, code);
    QVERIFY(!f.form.ProblemSelector->isEnabled());
    QStringList shown;
    for (QRadioButton* item : f.form.AlgorithmItems)
      if (!item->isHidden()) shown << item->text();
    QCOMPARE(f.form.CoveringAlg->isHidden() ? QStringList{} : shown, algorithms);
    QCOMPARE(!f.form.NumbInput->isHidden(), numberShown);
    QCOMPARE(f.form.Execute->isEnabled(), executeEnabled);
    QCOMPARE(!f.form.ViewLag->isHidden(), viewLagShown);
    if (solutionClass >= 0) QCOMPARE(int(f.model.SolutionClass), solutionClass);
    QCOMPARE(!f.form.CostPerMile->isHidden(), code == 'F');
    QCOMPARE(!f.form.CoverTypeSelector->isHidden(), code == '&');
    QCOMPARE(!f.form.ReturnButton->isHidden(), code == 'V');
    QCOMPARE(!f.form.NumberMinusOne->isHidden(), code == 'V');
  }

  void numberToLocateLimits_data() {
    QTest::addColumn<char>("code");
    QTest::addColumn<int>("algorithm");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("fieldAfter");
    // 2 required, 1 initial and 3 excluded sites of 10.
    QTest::newRow("median heuristic below") << 'M' << 0 << "2"
                                            << "Invalid number of facilities to locate.  Must have 3 <= X <= 7"
                                            << "3";
    QTest::newRow("median heuristic lowest") << 'M' << 0 << "3" << "" << "3";
    QTest::newRow("median Lagrangian lowest") << 'M' << 3 << "2" << "" << "2";
    QTest::newRow("median above") << 'M' << 3 << "8"
                                  << "Invalid number of facilities to locate.  Must have 2 <= X <= 7" << "2";
    QTest::newRow("fixed add minus one") << 'F' << 0 << "-1" << "" << "-1";
    QTest::newRow("fixed add zero") << 'F' << 0 << "0"
                                    << "Invalid number of facilities to locate.  Must have -1 or 3 <= X <= 7" << "3";
    QTest::newRow("fixed drop lowest") << 'F' << 1 << "2" << "" << "2";
    QTest::newRow("not a number") << 'F' << 0 << "4-" << "Invalid numeric input" << "3";
  }

  void numberToLocateLimits() {
    QFETCH(char, code);
    QFETCH(int, algorithm);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, fieldAfter);
    Fixture f;
    f.model.Node(1).SiteStatus = f.model.Node(2).SiteStatus = StatusRequired;
    f.model.Node(3).InInitialSolution = 1;
    for (int n : {8, 9, 10}) f.model.Node(n).SiteStatus = StatusExcluded;
    f.Choose(code);
    f.Algorithm(algorithm);
    f.Number(typed);
    QCOMPARE(Texts(f.dialogs), message.isEmpty() ? QStringList{} : QStringList{"W: " + message});
    QCOMPARE(f.form.NumbInput->text(), fieldAfter);
    QCOMPARE(f.form.NumbInput->isEnabled(), !message.isEmpty());
    QCOMPARE(f.form.Execute->isEnabled(), message.isEmpty());
    const long long stored = code == 'F' ? f.model.FixedNumberToLocate : f.model.NumberToLocate;
    QCOMPARE(QString::number(stored), fieldAfter);
  }

  void numberKeyFilterTakesMinusOnlyWhenAllowed() {
    Fixture f;
    BeepCounter counter;
    f.Choose('M');
    f.Algorithm(0);
    f.form.NumbInput->clear();
    QTest::keyClicks(f.form.NumbInput, "-1.2");
    QCOMPARE(f.form.NumbInput->text(), QString("12"));
    QCOMPARE(counter.beeps, 2);
    Fixture g;
    g.Choose('F');
    g.Algorithm(0);
    g.form.NumbInput->clear();
    QTest::keyClicks(g.form.NumbInput, "-1");
    QCOMPARE(g.form.NumbInput->text(), QString("-1"));
  }

  void checkBoxesToggleTheirFlagAndCaption_data() {
    QTest::addColumn<char>("code");
    QTest::addColumn<int>("algorithm");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("onCaption");
    QTest::addColumn<QString>("offCaption");
    QTest::newRow("exchange") << 'C' << 1 << "ExchangeEveryIter" << "Exc&Hange EVERY Iteration"
                              << "Exc&Hange On LAST Iteration Only (Click for EVERY Iteration)";
    QTest::newRow("dominated") << 'C' << 0 << "ExcludeDominated" << "Exclude &Dominated Nodes"
                               << "Do NOT Exclude &Dominated Nodes (Check to exclude)";
    QTest::newRow("median exchange") << 'M' << 1 << "MedianExchange" << "E&Xchange EVERY iteration"
                                     << "E&Xchange after LAST iteration (Check for EVERY)";
    QTest::newRow("neighborhood") << 'M' << 2 << "NeighborhoodExchange" << "Ne&Ighborhood Search on EACH Iteration"
                                  << "Ne&Ighborhood Search on LAST Iteration (Check for EACH)";
    QTest::newRow("add first") << 'F' << 2 << "FirstSubsAlg" << "Do ADD Algorithm &First"
                               << "Do DROP Algorithm &First";
  }

  void checkBoxesToggleTheirFlagAndCaption() {
    QFETCH(char, code);
    QFETCH(int, algorithm);
    QFETCH(QString, box);
    QFETCH(QString, onCaption);
    QFETCH(QString, offCaption);
    Fixture f;
    f.Choose(code);
    f.Algorithm(algorithm);
    QMap<QString, QCheckBox*> boxes{{"ExchangeEveryIter", f.form.ExchangeEveryIter},
                                    {"ExcludeDominated", f.form.ExcludeDominated},
                                    {"MedianExchange", f.form.MedianExchange},
                                    {"NeighborhoodExchange", f.form.NeighborhoodExchange},
                                    {"FirstSubsAlg", f.form.FirstSubsAlg}};
    QCheckBox* checkBox = boxes[box];
    QVERIFY(!checkBox->isHidden());
    QVERIFY(checkBox->isChecked());
    QCOMPARE(checkBox->text(), onCaption);
    auto flag = [&] {
      if (box == "ExchangeEveryIter") return f.model.ExchangeEveryIteration == 1;
      if (box == "ExcludeDominated") return f.model.Covering.ExcludeDominatedNodes == 1;
      if (box == "FirstSubsAlg") return f.model.AddFirst == 'A';
      return f.model.MedianTiming == 'E';
    };
    QVERIFY(flag());
    checkBox->click();
    QCOMPARE(checkBox->text(), offCaption);
    QVERIFY(!flag());
    checkBox->click();
    QCOMPARE(checkBox->text(), onCaption);
    QVERIFY(flag());
  }

  void partialCoverageAmounts() {
    Fixture f;
    f.Choose('&');
    f.form.DemandFraction->click();
    QCOMPARE(f.form.SpecifyAmount->text(), QString("&Specify Fraction of Desired Coverage"));
    f.form.CovAmount->setText("1.5");
    f.form.CovAmountExit();
    QCOMPARE(Texts(f.dialogs), QStringList{"W: Invalid fraction.  Must have 0 < X <= 1"});
    QCOMPARE(f.form.CovAmount->text(), QString());
    QVERIFY(!f.form.Execute->isEnabled());
    f.form.CovAmount->setText("1");
    f.form.CovAmountExit();
    QVERIFY(f.form.Execute->isEnabled());
    f.form.NodeCount->click();
    QCOMPARE(f.form.SpecifyAmount->text(), QString("&Specify Number of Nodes to Cover"));
    QVERIFY(!f.form.Execute->isEnabled());
    f.form.CovAmount->setText("11");
    f.form.CovAmountExit();
    QCOMPARE(Texts(f.dialogs).last(), QString("W: Invalid number of nodes to cover.  Must have 1 <= X <= 10"));
    f.form.CovAmount->setText("7");
    f.form.CovAmountExit();
    QCOMPARE(f.model.NodesToCover, int32_t{7});
    QVERIFY(f.form.Execute->isEnabled());
  }

  void distanceEstimates() {
    Fixture f;
    f.Choose('P');
    f.Number("2");
    QVERIFY(!f.form.UPPER->isHidden());
    f.form.UPPER->setText("50");
    f.form.UpperExit();
    QVERIFY(!f.form.Execute->isEnabled());
    f.form.LOWER->setText("50");
    f.form.LowerExit();
    QCOMPARE(Texts(f.dialogs), QStringList{"W: Invalid Distance.  Must be <= 49"});
    QVERIFY(!f.form.Execute->isEnabled());
    f.form.LOWER->setText("10");
    f.form.LowerExit();
    QVERIFY(f.form.Execute->isEnabled());
    f.form.UPPER->setText("10");
    f.form.UpperExit();
    QCOMPARE(Texts(f.dialogs).last(), QString("W: Invalid Distance.  Must be >= 11"));
    QCOMPARE(f.form.UPPER->text(), QString());
    QVERIFY(!f.form.Execute->isEnabled());
  }

  void partialCenterAsksForAmountThenEstimates() {
    Fixture f;
    f.Choose('%');
    f.Number("3");
    QVERIFY(!f.form.CoverTypeSelector->isHidden());
    QVERIFY(f.form.UPPER->isHidden());
    f.form.NodeCount->click();
    f.form.CovAmount->setText("8");
    f.form.CovAmountExit();
    QVERIFY(!f.form.UPPER->isHidden());
    QVERIFY(!f.form.DoWeighted->isHidden());
    f.form.DoWeighted->click();
    QCOMPARE(f.model.DoWeightedFlag, uint8_t{1});
  }

  void costPerMileIsEditedForFixedCharge() {
    Fixture f;
    f.Choose('F');
    QCOMPARE(f.form.CostPerMile->text(), QString("1.0000000000000"));
    f.Algorithm(0);
    f.Number("2");
    QVERIFY(f.form.Execute->isEnabled());
    f.form.CostPerMileEnter();
    QVERIFY(!f.form.Execute->isEnabled());
    f.form.CostPerMile->setText("2500.25");
    f.form.CostPerMileExit();
    QCOMPARE(f.form.CostPerMile->text(), QString("2,500.2500000000000"));
    QVERIFY(f.model.CostPerMile == 2500.25L);
    QVERIFY(f.form.Execute->isEnabled());
  }

  void costPerMileThatDoesNotConvertKeepsTheValue() {
    Fixture f;
    f.Choose('F');
    f.form.CostPerMileEnter();
    f.form.CostPerMile->setText("1.2.3");
    f.form.CostPerMileExit();
    QCOMPARE(Texts(f.dialogs), QStringList{"W: Invalid numeric input"});
    QCOMPARE(f.form.CostPerMile->text(), QString("1.0000000000000"));
    QVERIFY(f.model.CostPerMile == 1);
  }

  void firstOpeningRestoresTheLagrangianDefaults() {
    ModelState model;
    ScriptedDialogs dialogs;
    HeadlessRunHost host;
    MenuRecorder menu;
    model.Covering.NoIter = 50;
    TRunModelsForm form(model, dialogs, host, menu.link, RunFormLinks{});
    form.Open();
    QCOMPARE(model.Covering.NoIter, int32_t{400});
    model.Covering.NoIter = 60;  // set by the analyst on the settings form
    form.hide();
    form.Open();
    QCOMPARE(model.Covering.NoIter, int32_t{60});
  }

  void viewLagOpensTheFamilySettings() {
    Fixture f;
    f.Choose('M');
    f.Algorithm(3);
    QVERIFY(!f.form.ViewLag->isHidden());
    f.form.ViewLag->click();
    Fixture g;
    g.Choose('S');
    g.form.ViewLag->click();
    QCOMPARE(f.lagSettingsOpened + g.lagSettingsOpened, (QList<char>{'M', 'C'}));
    QVERIFY(g.model.ProblemCode == 'S');
  }

  void greedyCoveringRunCompletes() {
    Fixture f;
    f.Choose('C');
    f.Algorithm(0);
    f.Number("2");
    f.form.Execute->click();
    QVERIFY(f.form.isHidden());
    QCOMPARE(f.heuristicWindows, 1);
    QCOMPARE(f.lagCaptions, QStringList{"Lagrangian Progress Form MAX COVERING"});
    QCOMPARE(HostTexts(f.host), QStringList{"I: Execution Completed Satisfactorily"});
    QCOMPARE(f.menu.events, QList<MenuEvent>{MenuEvent::RunCompleted});
    QVERIFY(f.menu.state[MenuButton::DisplayResults]);
    QVERIFY(f.menu.state[MenuButton::ExchangeSites]);
    QCOMPARE(f.menu.menuShown, 1);
    QCOMPARE(f.model.NumLocated, uint16_t{2});
    // Every demand node counts the open sites within the coverage distance.
    for (int i = 1; i <= f.model.NumDemandNodes; ++i) {
      int within = 0;
      for (int j = 1; j <= f.model.Numbnodes; ++j)
        within += f.model.Node(j).Located && f.model.DistanceMatrix.at(i, j) <= 10;
      QCOMPARE(f.model.Node(i).NTIMES, within);
      QCOMPARE(f.model.Node(f.model.Node(i).AssignedFacility).Located, uint8_t{1});
    }
  }

  // The inventory/location model runs in daily demands and gives the loaded ones back.
  void inventoryModelRunCompletesWithLoadedDemandsBack() {
    Fixture f;
    f.menu.Happen(MenuEvent::RunCompleted, 'C');
    f.Choose('V');
    f.Number("2");
    f.form.Execute->click();
    QCOMPARE(HostTexts(f.host).last(), QString("I: Execution Completed Satisfactorily"));
    QCOMPARE(f.menu.events, QList<MenuEvent>{MenuEvent::RunCompleted});
    QVERIFY(f.menu.state[MenuButton::DisplayResults]);
    QVERIFY(!f.menu.state[MenuButton::ExchangeSites]);
    QCOMPARE(f.model.NumLocated, uint16_t{2});
    for (int i = 1; i <= f.model.NumDemandNodes; ++i) {
      QCOMPARE(f.model.Node(i).Demand, f.model.Node(i).LoadedDemand);
      QCOMPARE(f.model.Node(f.model.Node(i).AssignedFacility).Located, uint8_t{1});
    }
  }

  void stoppedLagrangianRunKeepsTheResultsSteps() {
    Fixture f;
    f.menu.Happen(MenuEvent::RunCompleted, 'C');
    f.host.onPause = [&f] { f.model.AbortRequested = 1; };
    f.Choose('C');
    f.Algorithm(2);
    f.Number("2");
    f.form.Execute->click();
    QCOMPARE(f.heuristicWindows, 0);
    QCOMPARE(HostTexts(f.host).last(), QString("W: Program Stopped at User Request"));
    QCOMPARE(f.menu.events, QList<MenuEvent>{MenuEvent::LagRunStopped});
    QVERIFY(f.menu.state[MenuButton::DisplayResults]);
    QVERIFY(!f.menu.state[MenuButton::ExchangeSites]);
  }

  void cancelPutsTheLoadedDemandsBack() {
    Fixture f;
    f.menu.Happen(MenuEvent::RunCompleted, 'C');
    f.model.Node(4).Demand = 0;
    f.model.TotalDemand = 1;
    f.Choose('C');
    f.form.CloseButton->click();
    QVERIFY(f.form.isHidden());
    for (int n = 1; n <= f.model.Numbnodes; ++n) QVERIFY(f.model.Node(n).Demand == f.model.Node(n).LoadedDemand);
    QVERIFY(f.model.TotalDemand == 950);
    QCOMPARE(f.menu.events, QList<MenuEvent>{MenuEvent::RunCancelled});
    QVERIFY(!f.menu.state[MenuButton::DisplayResults]);
  }

  // A mouse user clicks into the pre-filled number (and the cost per mile) and
  // then elsewhere: leaving the fields unchanged opens the run.
  void leavingPrefilledFieldsWithTheMouseOpensTheRun_data() {
    QTest::addColumn<char>("code");
    QTest::newRow("p-median") << 'M';
    QTest::newRow("fixed charge, through the cost per mile") << 'F';
  }

  void leavingPrefilledFieldsWithTheMouseOpensTheRun() {
    QFETCH(char, code);
    Fixture f;
    QVERIFY(MakeActive(f.form));
    ClickOn(f.form.ProblemItems[IndexOf(code)]);
    ClickOn(f.form.AlgorithmItems[0]);
    ClickOn(f.form.NumbInput);
    QCOMPARE(f.form.NumbInput->text(), QString("1"));
    if (code == 'F') {
      ClickOn(f.form.CostPerMile);
      QVERIFY(!f.form.Execute->isEnabled());  // held while the cost is being edited
    }
    QTest::mouseClick(&f.form, Qt::LeftButton, {}, QPoint(3, 3));  // an empty corner of the form
    QVERIFY(f.form.Execute->isEnabled());
    QVERIFY(f.form.isVisible());
    QVERIFY(f.dialogs.shown.isEmpty());
    QVERIFY(f.model.CostPerMile == 1);
    ClickOn(f.form.Execute);
    QVERIFY(f.form.isHidden());
    QCOMPARE(f.menu.events.last(), MenuEvent::RunCompleted);
  }

  // Another window taking the focus for a while (a message, the settings form)
  // does not end the visit of the cost per mile: leaving it afterwards gives
  // "&Quit and Run" back.
  void costPerMileVisitOutlastsAnotherWindow() {
    Fixture f;
    QVERIFY(MakeActive(f.form));
    f.Choose('F');
    f.Algorithm(0);
    f.Number("2");
    ClickOn(f.form.CostPerMile);
    QVERIFY(!f.form.Execute->isEnabled());
    QWidget other;
    QVERIFY(MakeActive(other));
    QVERIFY(MakeActive(f.form));
    QCOMPARE(QApplication::focusWidget(), f.form.CostPerMile);
    QTest::mouseClick(&f.form, Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(f.form.Execute->isEnabled());
  }

  // The form starts on the first problem; on the p-center, Tab or Return from
  // the number goes on to the upper estimate that the number opens.
  void numberLeadsOnToTheUpperEstimate_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Tab") << int(Qt::Key_Tab);
    QTest::newRow("Return") << int(Qt::Key_Return);
  }

  void numberLeadsOnToTheUpperEstimate() {
    QFETCH(int, key);
    Fixture f;
    QVERIFY(MakeActive(f.form));
    QCOMPARE(QApplication::focusWidget(), f.form.ProblemItems[0]);
    ClickOn(f.form.ProblemItems[IndexOf('P')]);
    QCOMPARE(QApplication::focusWidget(), f.form.NumbInput);
    QTest::keyClicks(f.form.NumbInput, "2");
    QTest::keyClick(f.form.NumbInput, Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), f.form.UPPER);
    QTest::keyClicks(f.form.UPPER, "50");
    QTest::keyClick(f.form.UPPER, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.form.LOWER);
    QCOMPARE(f.model.NumberToLocate, uint16_t{2});
  }

  // Alt with a letter (the mnemonic of the disabled "&Quit and Run") or a digit types nothing.
  void modifiedKeysTypeNothingIntoTheNumber() {
    Fixture f;
    BeepCounter counter;
    QVERIFY(MakeActive(f.form));
    f.Choose('C');
    f.Algorithm(0);
    QVERIFY(!f.form.Execute->isEnabled());
    QTest::keyClicks(f.form.NumbInput, "4");
    QTest::keyClick(f.form.NumbInput, Qt::Key_Q, Qt::AltModifier);
    QTest::keyClick(f.form.NumbInput, Qt::Key_5, Qt::AltModifier);
    QCOMPARE(f.form.NumbInput->text(), QString("4"));
    QCOMPARE(counter.beeps, 2);
    QVERIFY(f.form.isVisible());
  }
};

QTEST_MAIN(RunModelsFormTest)
#include "RunModelsForm.moc"
