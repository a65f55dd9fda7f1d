#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "median/LagSettingsPanel.h"
#include "median/MedMenu.h"
#include "shell/Dialogs.h"

using namespace korvelan;
using namespace korvelan::app;

class MedCovSettingTest : public QObject {
  Q_OBJECT

  // A model with 12 nodes, distances up to 50 and a largest demand of 9.
  static void LoadSmallModel(ModelState& m) {
    m.Numbnodes = m.NumDemandNodes = 12;
    m.MaxDistance = 50;
    for (int i = 1; i <= 12; ++i) m.Node(i).Demand = i == 4 ? 9 : 1;
    m.TotalDemand = 20;
    m.ProblemCode = 'M';
  }

  struct Fixture {
    ModelState m;
    ScriptedDialogs dialogs;
    int beeps = 0;
    TMedCovSetting form{m, dialogs};
    Fixture() {
      LoadSmallModel(m);
      form.Panel->beep = [this] { ++beeps; };
    }
  };

  // Types into a box with real key events, then leaves it.
  static void TypeAndLeave(Fixture& f, const char* name, const QString& text) {
    QLineEdit* edit = f.form.Panel->Edit(name);
    edit->clear();
    QTest::keyClicks(edit, text);
    f.form.Panel->FieldExit(edit);
  }

 private slots:
  void showingFillsEveryControlFromTheModel() {
    Fixture f;
    f.m.Covering.NoIter = 5;  // raised to 10 under branch and bound
    f.m.Median.Average = 12.5L;
    f.form.show();
    QCOMPARE(f.form.windowTitle(), QString("Lagrangian Parameter Setting Menu"));
    QCOMPARE(f.form.Panel->Edit("NoIter")->text(), QString("10"));
    QCOMPARE(f.form.Panel->Edit("RootNodeValue")->text(), QString("1200"));
    QCOMPARE(f.form.Panel->Edit("Average")->text(), QString("12.5"));
    QCOMPARE(f.form.Panel->DefaultLabel("Average")->text(), QString("10.000000"));
    QCOMPARE(f.form.Panel->DefaultLabel("MinAlpha")->text(), QString("0.0000000"));
    QCOMPARE(f.form.Panel->FormulaLabel->text(),
             QString("U(i)=CONSTANT + SLOPE*[Dem(i)*Dist(i,[2])] + AVG*Avg Demand + DEMAND*Dem(i)"));
    QVERIFY(f.form.Panel->Check("ExchangeSearch")->isChecked());
    QVERIFY(f.form.Panel->TerminalItem(1)->isChecked());
    QVERIFY(f.form.Panel->Check("UseBestUBBox")->isVisible());
    QCOMPARE(f.m.DoSubstitution, uint8_t{1});
  }

  void bestBoundBoxOnlyForThePMedian() {
    Fixture f;
    f.m.ProblemCode = 'D';
    f.form.show();
    QVERIFY(!f.form.Panel->Check("UseBestUBBox")->isVisible());
  }

  void keyFilterAndQuitButton() {
    Fixture f;
    f.form.show();
    QLineEdit* edit = f.form.Panel->Edit("Slope");
    edit->clear();
    QTest::keyClicks(edit, "1x.5");
    QCOMPARE(edit->text(), QString("1.5"));
    QCOMPARE(f.beeps, 1);
    QVERIFY(!f.form.Quit->isEnabled());
    f.form.Panel->FieldExit(edit);
    QVERIFY(f.form.Quit->isEnabled());
    QCOMPARE(f.m.Median.Slope, Extended(1.5L));
    QVERIFY(f.dialogs.shown.isEmpty());
  }

  void leavingABoxChecksTheValue_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shownAfter");
    QTest::newRow("failures above NoIter + 1")
        << "Failures" << "402" << "Invalid Parameter Value.  Must have 1 <= X <= 401" << "36";
    QTest::newRow("constant above 2 x MaxDistance x largest demand")
        << "Constant" << "900.5" << "Invalid Parameter Value.  Must have 0.00 <= X <= 900.00" << "0";
    QTest::newRow("integer that does not convert exactly")
        << "NoIter" << "12.5" << "Specified value did not convert correctly... Warning\nDefault value used and shown"
        << "400";
    QTest::newRow("depth beyond the nodes") << "DepthVar" << "13" << "Invalid Parameter Value.  Must have -1 <= X <= 12"
                                            << "-1";
    QTest::newRow("accepted") << "PctDiff" << "2.5" << "" << "2.5";
  }
  void leavingABoxChecksTheValue() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, shownAfter);
    Fixture f;
    f.form.show();
    TypeAndLeave(f, name.toUtf8().constData(), text);
    if (message.isEmpty()) {
      QVERIFY(f.dialogs.shown.isEmpty());
    } else {
      QCOMPARE(f.dialogs.shown.size(), 1);
      QCOMPARE(f.dialogs.shown[0].kind, 'W');
      QCOMPARE(f.dialogs.shown[0].text, message);
    }
    QCOMPARE(f.form.Panel->Edit(name)->text(), shownAfter);
  }

  void weightSwitchesTheSearchesOff() {
    Fixture f;
    f.form.show();
    TypeAndLeave(f, "CovDistWeight", "5");
    QCOMPARE(f.m.AddedConstant, Extended(5));
    QVERIFY(!f.form.Panel->Check("ExchangeSearch")->isEnabled());
    QVERIFY(!f.form.Panel->Check("ExchangeSearch")->isChecked());
    QVERIFY(!f.form.Panel->TerminalSubstitution->isEnabled());
    QCOMPARE(f.m.DoSubstitution, uint8_t{0});
    TypeAndLeave(f, "CovDistWeight", "0");
    QVERIFY(f.form.Panel->Check("ExchangeSearch")->isEnabled());
    QVERIFY(f.form.Panel->Check("ExchangeSearch")->isChecked());
    QVERIFY(f.form.Panel->TerminalItem(1)->isChecked());
    QCOMPARE(f.m.DoSubstitution, uint8_t{1});
  }

  void checkBoxesAndRadioGroupTakeEffectAtOnce() {
    Fixture f;
    f.form.show();
    f.form.Panel->TerminalItem(2)->click();
    QCOMPARE(f.m.Median.TerminalSubstitution, TerminalChoice::Neighborhood);
    f.form.Panel->Check("BranchAndBound")->click();
    QCOMPARE(f.m.BranchAndBoundOn, uint8_t{0});
    QVERIFY(!f.form.Panel->Edit("DepthVar")->isVisible());
    f.form.Panel->Check("BranchAndBound")->click();
    QVERIFY(f.form.Panel->Edit("DepthVar")->isVisible());
  }

  void restoreDefaultsKeepsTheAbsoluteDifference() {
    Fixture f;
    f.form.show();
    TypeAndLeave(f, "AbsDiff", "7");
    TypeAndLeave(f, "Failures", "20");
    f.form.RestoreDefault->click();
    QCOMPARE(f.form.Panel->Edit("AbsDiff")->text(), QString("7"));
    QCOMPARE(f.form.Panel->Edit("Failures")->text(), QString("36"));
  }

  void quitWithAWeightLeavesTheSearchesOff() {
    Fixture f;
    f.form.show();
    TypeAndLeave(f, "CovDistWeight", "5");
    f.m.DoSubstitution = 1;
    f.form.Quit->click();
    QVERIFY(!f.form.isVisible());
    QCOMPARE(f.m.DoSubstitution, uint8_t{0});
    QCOMPARE(f.m.Median.ExchangeSearch, uint8_t{0});
  }

  void settingsReportIsReadOnly() {
    ModelState m;
    LoadSmallModel(m);
    m.Median.Failures = 17;
    ScriptedDialogs dialogs;
    TShowMedLagSettings report(m, dialogs);
    QSignalSpy back(&report, &TShowMedLagSettings::returnToBasic);
    report.show();
    QCOMPARE(report.windowTitle(), QString("Show Median Lagrangian Settings"));
    QCOMPARE(report.Notice->text(), QString("MEDIAN LAGRANGIAN Settings CANNOT be CHANGED from this Form"));
    QCOMPARE(report.PrintButton->text(), QString("&/ Print Form /"));
    QCOMPARE(report.Panel->Edit("Failures")->text(), QString("17"));
    QVERIFY(!report.Panel->Edit("Failures")->isEnabled());
    QVERIFY(!report.Panel->Check("RootNodeBox")->isEnabled());
    QVERIFY(!report.Panel->TerminalSubstitution->isEnabled());
    report.QuitButton->click();
    QVERIFY(!report.isVisible());
    QCOMPARE(back.count(), 1);
  }
};

QTEST_MAIN(MedCovSettingTest)
#include "MedCovSettingTest.moc"
