#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "fixed/FixMenu.h"
#include "median/LagSettingsPanel.h"
#include "shell/Dialogs.h"

using namespace korvelan;
using namespace korvelan::app;

class FixCovSettingTest : public QObject {
  Q_OBJECT

  static void LoadSmallModel(ModelState& m) {
    m.Numbnodes = m.NumDemandNodes = 10;
    m.MaxDistance = 40;
    for (int i = 1; i <= 10; ++i) m.Node(i).Demand = 2;
    m.TotalDemand = 20;
    m.ProblemCode = 'F';
  }

  static void TypeAndLeave(TFixCovSetting& form, const char* name, const QString& text) {
    QLineEdit* edit = form.Panel->Edit(name);
    edit->clear();
    QTest::keyClicks(edit, text);
    form.Panel->FieldExit(edit);
  }

 private slots:
  void showingFillsTheFamilyDefaults() {
    ModelState m;
    LoadSmallModel(m);
    ScriptedDialogs dialogs;
    TFixCovSetting form(m, dialogs);
    form.show();
    QCOMPARE(form.windowTitle(), QString("Lagrangian Parameter Setting Menu"));
    QCOMPARE(form.Panel->Edit("NoIter")->text(), QString("400"));
    QCOMPARE(form.Panel->Edit("RootNodeValue")->text(), QString("400"));
    QCOMPARE(form.Panel->Edit("Failures")->text(), QString("12"));
    QCOMPARE(form.Panel->Edit("RootFail")->text(), QString("12"));
    QCOMPARE(form.Panel->DefaultLabel("RootNodeValue")->text(), QString("400"));
    QCOMPARE(form.Panel->DefaultLabel("Fixed")->text(), QString("10.000000"));
    QCOMPARE(form.Panel->FormulaLabel->text(),
             QString("U(i) = CONSTANT + SLOPE*[Dem(i)*Dist(i,[2])*$/mile] + AVG*Avg Demand + DEMAND*Dem(i) + "
                     "FIXED*Avg Fixed Cost"));
    QVERIFY(form.Panel->TerminalItem(1)->isChecked());
    QVERIFY(!form.Panel->Check("MultiplyBox")->isChecked());
  }

  // Showing the form with a weight switches both searches off and disables them;
  // without one, the terminal substitution comes back with its last choice.
  void weightRuleOnShow() {
    ModelState m;
    LoadSmallModel(m);
    m.AddedConstant = 3;
    ScriptedDialogs dialogs;
    TFixCovSetting form(m, dialogs);
    form.show();
    QVERIFY(!form.Panel->Check("ExchangeSearch")->isEnabled());
    QVERIFY(!form.Panel->Check("ExchangeSearch")->isChecked());
    QVERIFY(form.Panel->TerminalItem(0)->isChecked());
    QCOMPARE(m.Fixed.TerminalSubstitution, TerminalChoice::None);
    form.hide();
    m.AddedConstant = 0;
    m.Fixed.LastTerminalChoice = TerminalChoice::Neighborhood;
    form.show();
    QVERIFY(form.Panel->Check("ExchangeSearch")->isEnabled());
    QVERIFY(form.Panel->TerminalItem(2)->isChecked());
  }

  void restoreDefaultsLeavesPctDiffAverageAndFixed() {
    ModelState m;
    LoadSmallModel(m);
    ScriptedDialogs dialogs;
    TFixCovSetting form(m, dialogs);
    form.show();
    TypeAndLeave(form, "PctDiff", "1.5");
    TypeAndLeave(form, "Average", "20");
    TypeAndLeave(form, "Fixed", "30");
    TypeAndLeave(form, "RootFail", "3");
    form.Panel->Check("MultiplyBox")->click();
    form.RestoreDefault->click();
    QCOMPARE(form.Panel->Edit("PctDiff")->text(), QString("1.5"));
    QCOMPARE(form.Panel->Edit("Average")->text(), QString("20"));
    QCOMPARE(form.Panel->Edit("Fixed")->text(), QString("30"));
    QCOMPARE(form.Panel->Edit("RootFail")->text(), QString("12"));
    QVERIFY(!form.Panel->Check("MultiplyBox")->isChecked());
    QVERIFY(dialogs.shown.isEmpty());
  }

  void outOfRangeValueIsPutBack() {
    ModelState m;
    LoadSmallModel(m);
    ScriptedDialogs dialogs;
    TFixCovSetting form(m, dialogs);
    form.show();
    TypeAndLeave(form, "Fixed", "10001");
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].text, QString("Invalid Parameter Value.  Must have 0.00 <= X <= 10000.00"));
    QCOMPARE(form.Panel->Edit("Fixed")->text(), QString("10"));
  }

  void quitWithAWeightSwitchesTheSearchesOff() {
    ModelState m;
    LoadSmallModel(m);
    ScriptedDialogs dialogs;
    TFixCovSetting form(m, dialogs);
    form.show();
    m.AddedConstant = 4;
    form.Quit->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(m.Fixed.ExchangeSearch, uint8_t{0});
    QCOMPARE(m.Fixed.TerminalSubstitution, TerminalChoice::None);
  }

  void settingsReportIsReadOnly() {
    ModelState m;
    LoadSmallModel(m);
    m.AddedConstantMultiplied = 1;
    ScriptedDialogs dialogs;
    TShowFixLagSettings report(m, dialogs);
    QSignalSpy back(&report, &TShowFixLagSettings::returnToBasic);
    report.show();
    QCOMPARE(report.windowTitle(), QString("Show Fixed Charge Lagrangian Settings"));
    QCOMPARE(report.Notice->text(),
             QString("UNCAPACITATED FIXED CHARGE LAGRANGIAN Settings CANNOT be CHANGED from this Form"));
    QVERIFY(report.Panel->Check("MultiplyBox")->isChecked());
    QVERIFY(!report.Panel->Check("MultiplyBox")->isEnabled());
    QVERIFY(!report.Panel->Edit("NoIter")->isEnabled());
    report.QuitButton->click();
    QCOMPARE(back.count(), 1);
  }
};

QTEST_MAIN(FixCovSettingTest)
#include "FixCovSettingTest.moc"
