// The parameter form: coverage distance and cost per mile, "&Done and Run", cancel.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "SetupTestSupport.h"
#include "setup/SetParameters.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

class SetupParameters : public QObject {
  Q_OBJECT

  struct Fixture {
    ModelState model;
    ScriptedDialogs dialogs;
    MenuRecorder menu;
    TParameterForm form{model, dialogs, menu.link};
    explicit Fixture(const char* data = "ten.euc") {
      if (!LoadFixture(model, data).empty()) qFatal("fixture did not load");
      menu.Happen(MenuEvent::DataLoaded);
      form.Open();
    }
    void Enter(const QString& coverage, const QString& cost) {
      form.CovDist->setText(coverage);
      form.CovDistExit();
      form.CostPerMile->setText(cost);
      form.CostPerMileExit();
    }
  };

  // Pairs (demand node, site) within the coverage distance, straight from the distance matrix.
  static int PairsWithin(const ModelState& m, int distance) {
    int pairs = 0;
    for (int j = 1; j <= m.Numbnodes; ++j)
      for (int i = 1; i <= m.NumDemandNodes; ++i) pairs += m.DistanceMatrix.at(i, j) <= distance;
    return pairs;
  }

 private slots:
  void firstOpeningStartsEmpty() {
    Fixture f;
    QVERIFY(f.form.isVisible());
    QCOMPARE(f.form.windowTitle(), QString("Set Parameters"));
    QCOMPARE(f.form.CovDist->text(), QString());
    QVERIFY(!f.form.DoneAndRun->isEnabled());
    QVERIFY(f.form.DemWeighted->isHidden());
  }

  void coverageDistanceIsFixedPointAndShownBack() {
    Fixture f;
    f.Enter("12.34567", "1");
    QCOMPARE(f.model.CoverageDistance, int64_t{123457});
    QVERIFY(f.form.DoneAndRun->isEnabled());
    f.form.hide();
    f.menu.Happen(MenuEvent::ParametersDone);
    f.form.Open();
    QCOMPARE(f.form.CovDist->text(), QString("12.3457"));
    f.form.CostPerMile->setText("1234.5");
    f.form.CostPerMileExit();
    f.form.hide();
    f.form.Open();
    QCOMPARE(f.form.CostPerMile->text(), QString("1,234.5000000000000"));
    // Leaving the fields as shown (thousands separators and all) keeps the values.
    f.form.CovDistExit();
    f.form.CostPerMileExit();
    QVERIFY(f.dialogs.shown.isEmpty());
    QVERIFY(f.model.CostPerMile == 1234.5L);
    QCOMPARE(f.model.CoverageDistance, int64_t{123457});
  }

  void textThatDoesNotConvertKeepsTheOldValue() {
    Fixture f;
    f.Enter("10", "2.5");
    f.dialogs.shown.clear();
    f.form.CovDist->setText("1.2.3");
    f.form.CovDistExit();
    QCOMPARE(Texts(f.dialogs), QStringList{"I: Error converting data."});
    QCOMPARE(f.model.CoverageDistance, int64_t{100000});
    QCOMPARE(f.model.CoverageDistanceSet, uint8_t{1});
    QCOMPARE(f.model.CostPerMileSet, uint8_t{1});
  }

  void keyFilterTakesDigitsAndPointOnly() {
    Fixture f;
    BeepCounter counter;
    f.form.CovDist->setFocus();
    QTest::keyClicks(f.form.CovDist, "1a2.5x");
    QCOMPARE(f.form.CovDist->text(), QString("12.5"));
    QCOMPARE(counter.beeps, 2);
  }

  void doneAndRunBuildsTheCoverageLists() {
    Fixture f;
    f.Enter("10", "1");
    f.form.DoneAndRun->click();
    const int pairs = PairsWithin(f.model, 10);
    QCOMPARE(Texts(f.dialogs), QStringList{"I: Cover List is " + QString::number(pairs) + " Items Long"});
    QCOMPARE(f.model.CoverListsBuilt, uint8_t{1});
    QVERIFY(f.form.isHidden());
    QCOMPARE(f.menu.events, QList<MenuEvent>{MenuEvent::ParametersDone});
    QVERIFY(f.menu.state[MenuButton::RunModels]);
    QVERIFY(f.menu.state[MenuButton::TradeoffCurves]);
    QVERIFY(!f.menu.state[MenuButton::DisplayResults]);
    QCOMPARE(f.menu.menuShown, 1);
  }

  void dataWithoutDemandIsRefused() {
    Fixture f("nodemand.euc");
    f.Enter("10", "1");
    f.form.DoneAndRun->click();
    QCOMPARE(Texts(f.dialogs),
             QStringList{"E: The total demand of the data set is 0.\nThere is no demand for a facility to serve."});
    QVERIFY(f.form.isVisible());
    QVERIFY(f.menu.events.isEmpty());
    QCOMPARE(f.model.CoverListsBuilt, uint8_t{0});
  }

  void cancelAfterAChangeDisablesTheRunSteps() {
    Fixture f;
    f.Enter("10", "1");
    f.form.DoneAndRun->click();
    f.menu.Happen(MenuEvent::RunCompleted, 'C');
    f.form.Open();
    f.form.Cancel->click();
    QCOMPARE(f.menu.events, QList<MenuEvent>{MenuEvent::ParametersDone});
    QVERIFY(f.menu.state[MenuButton::DisplayResults]);
    f.form.Open();
    f.form.CovDist->setText("8");
    f.form.CovDistExit();
    f.form.Cancel->click();
    QCOMPARE(f.menu.events.last(), MenuEvent::ParametersCancelledAfterChange);
    QVERIFY(!f.menu.state[MenuButton::RunModels]);
    QVERIFY(!f.menu.state[MenuButton::DisplayResults]);
  }

  // Whatever was pressed last time, a visit starts in the coverage distance with
  // its text selected, so typed digits replace it.
  void secondVisitStartsInTheCoverageDistance() {
    Fixture f;
    QVERIFY(MakeActive(f.form));
    f.Enter("10", "1");
    ClickOn(f.form.Cancel);
    QVERIFY(f.form.isHidden());
    f.form.Open();
    QVERIFY(MakeActive(f.form));
    QCOMPARE(QApplication::focusWidget(), f.form.CovDist);
    QTest::keyClicks(QApplication::focusWidget(), "25");
    QCOMPARE(f.form.CovDist->text(), QString("25"));
  }

  // Clicking into a shown value and then beside it, on the form, leaves it: the
  // visit counts as a change, so cancelling withdraws the run steps.
  void leavingUnchangedFieldsWithTheMouseIsAChange() {
    Fixture f;
    f.Enter("10", "1");
    f.form.DoneAndRunClick();
    f.form.Open();
    QVERIFY(MakeActive(f.form));
    f.menu.events.clear();
    ClickOn(f.form.CovDist);
    QTest::mouseClick(&f.form, Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(f.form.Changed());
    ClickOn(f.form.Cancel);
    QCOMPARE(f.menu.events, QList<MenuEvent>{MenuEvent::ParametersCancelledAfterChange});
    QVERIFY(!f.menu.state[MenuButton::RunModels]);
  }

  // Alt+D (the disabled "&Done and Run") types nothing into the coverage distance.
  void modifiedKeysTypeNothing() {
    Fixture f;
    BeepCounter counter;
    QVERIFY(MakeActive(f.form));
    QVERIFY(!f.form.DoneAndRun->isEnabled());
    QTest::keyClicks(f.form.CovDist, "7");
    QTest::keyClick(f.form.CovDist, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(f.form.CovDist->text(), QString("7"));
    QCOMPARE(counter.beeps, 1);
  }
};

QTEST_MAIN(SetupParameters)
#include "SetupParameters.moc"
