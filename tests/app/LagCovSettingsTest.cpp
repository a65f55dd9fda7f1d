#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "SetupTestSupport.h"
#include "covering/LagMenu.h"
#include "shell/Dialogs.h"

using namespace korvelan;
using namespace korvelan::app;

namespace {

// Three demand nodes of 100 each: the smallest critical gap is 50 / 300.
void LoadThreeNodes(ModelState& m) {
  m.Numbnodes = m.NumDemandNodes = 3;
  for (int n = 1; n <= 3; ++n) m.Node(n).Demand = m.Node(n).LoadedDemand = 100;
}

// Types into a box as the analyst would, then leaves it.
void TypeAndLeave(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

}  // namespace

class LagCovSettingsTest : public QObject {
  Q_OBJECT
 private slots:
  void activationFillsEveryControl();
  void boxesTakeOnlyNumberCharactersAndHoldQuitWhileTyping();
  void leavingABoxChecksItWithTheFormMessages();
  void criticalGapIsRaisedToItsMinimum();
  void optionsTakeEffectAtOnce();
  void restoreDefaultsPutsBackTheTable();
  void reportShowsPrintsAndReturnsToBasic();
  void leavingABoxWithTheMouseFreesQuitEvenUnchanged();
};

void LagCovSettingsTest::activationFillsEveryControl() {
  ModelState m;
  LoadThreeNodes(m);
  m.Covering.NoIter = 5;  // below the branch-and-bound minimum
  ScriptedDialogs dialogs;
  TLagCovSetting form(m, dialogs);
  form.show();
  QCOMPARE(form.windowTitle(), QString("Lagrangian Parameter Setting Menu"));
  QCOMPARE(m.Covering.NoIter, 10);
  QCOMPARE(m.TotalDemand, Extended(300));
  const QList<QPair<QString, QString>> values = {
      {"PctDiff", "0"},   {"NoIter", "10"},      {"RootNodeValue", "1200"}, {"MinAlpha", "1e-08"},
      {"MaxFail", "36"},  {"RootFailures", "36"}, {"DampingTerm", "0.3"},    {"Constant", "1"},
      {"Slope", "0.5"},   {"DepthVar", "-1"}};
  for (const auto& [name, value] : values) QCOMPARE(form.Panel->Edit(name)->text(), value);
  QCOMPARE(form.Panel->DefaultLabel("MinAlpha")->text(), QString("Default value  0.0000000"));
  QCOMPARE(form.Panel->DefaultLabel("Slope")->text(), QString("Default value  0.500000"));
  QVERIFY(form.Panel->Box("Substitute")->isChecked());
  QVERIFY(!form.Panel->Box("ExchangeSearch")->isChecked());
  QVERIFY(form.Panel->LagrangianLb->isChecked());
  QCOMPARE(form.Panel->Formula->text(),
           QString("U(i)=CONSTANT*[Avg. Demand] + SLOPE*[Demand(i) - CONSTANT*Avg. Demand]"));
  QVERIFY(form.Panel->Edit("DepthVar")->isVisible());
}

void LagCovSettingsTest::boxesTakeOnlyNumberCharactersAndHoldQuitWhileTyping() {
  ModelState m;
  ScriptedDialogs dialogs;
  TLagCovSetting form(m, dialogs);
  form.show();
  QLineEdit* edit = form.Panel->Edit("NoIter");
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "5x0y0");
  QCOMPARE(edit->text(), QString("500"));
  QVERIFY(!form.QuitButton->isEnabled());
  QTest::keyClick(edit, Qt::Key_Return);
  QVERIFY(form.QuitButton->isEnabled());
  QCOMPARE(m.Covering.NoIter, 500);
  QVERIFY(dialogs.shown.isEmpty());
}

void LagCovSettingsTest::leavingABoxChecksItWithTheFormMessages() {
  const struct {
    const char* name;
    const char* typed;
    const char* message;
    const char* shownAfter;
  } cases[] = {
      {"NoIter", "5", "Invalid Parameter Value.  Must have 10 <= X <= 64000", "400"},
      {"MaxFail", "402", "Invalid Parameter Value.  Must have 1 <= X <= 401", "36"},
      {"NoIter", "1.5", "Specified value did not convert correctly... Warning\nDefault value used and shown", "400"},
      {"DampingTerm", "1.5", "Invalid Parameter Value.  Must have 0.00 <= X <= 1.00", "0.3"},
      {"Constant", "1.2.3", "Conversion Error", "1"},
      {"DepthVar", "-2", "Invalid Parameter Value.  Must have -1 <= X <= 3", "-1"},
  };
  for (const auto& c : cases) {
    ModelState m;
    LoadThreeNodes(m);
    ScriptedDialogs dialogs;
    TLagCovSetting form(m, dialogs);
    form.show();
    TypeAndLeave(form.Panel->Edit(c.name), c.typed);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].kind, 'W');
    QCOMPARE(dialogs.shown[0].text, QString(c.message));
    QCOMPARE(form.Panel->Edit(c.name)->text(), QString(c.shownAfter));
  }
}

void LagCovSettingsTest::criticalGapIsRaisedToItsMinimum() {
  ModelState m;
  LoadThreeNodes(m);
  ScriptedDialogs dialogs;
  TLagCovSetting form(m, dialogs);
  form.show();
  TypeAndLeave(form.Panel->Edit("PctDiff"), "0.1");
  QCOMPARE(dialogs.shown.size(), 1);
  QCOMPARE(dialogs.shown[0].text, QString("Minimum value for Percent Difference is 0.1666666667"));
  QCOMPARE(m.Covering.PctDiff, 50 / Extended(300));
  TypeAndLeave(form.Panel->Edit("PctDiff"), "2.5");
  QCOMPARE(dialogs.shown.size(), 1);
  QCOMPARE(m.Covering.PctDiff, Extended(2.5L));
}

void LagCovSettingsTest::optionsTakeEffectAtOnce() {
  ModelState m;
  ScriptedDialogs dialogs;
  TLagCovSetting form(m, dialogs);
  form.show();
  form.Panel->Box("Substitute")->click();
  QCOMPARE(m.Covering.Substitute, uint8_t{0});
  QCOMPARE(m.DoSubstitution, uint8_t{0});
  form.Panel->Box("BranchAndBound")->click();
  QCOMPARE(m.BranchAndBoundOn, uint8_t{0});
  QVERIFY(!form.Panel->Edit("DepthVar")->isVisible());
  form.Panel->Box("BranchAndBound")->click();
  QVERIFY(form.Panel->Edit("DepthVar")->isVisible());
  form.Panel->BestLb->click();
  QCOMPARE(m.Covering.LBinStepsize, 'B');
  form.Panel->Box("ShowProgress")->click();
  QCOMPARE(m.ShowLagProgress, uint8_t{0});
}

void LagCovSettingsTest::restoreDefaultsPutsBackTheTable() {
  ModelState m;
  ScriptedDialogs dialogs;
  TLagCovSetting form(m, dialogs);
  form.show();
  TypeAndLeave(form.Panel->Edit("Slope"), "0.25");
  form.Panel->Box("RestartAlphaCheckBox")->click();
  form.Panel->Box("Substitute")->click();
  QCOMPARE(m.Covering.Slope, Extended(0.25L));
  QTest::mouseClick(form.RestoreDefaults, Qt::LeftButton);
  QCOMPARE(m.Covering.Slope, Extended(0.5L));
  QCOMPARE(m.Covering.RestartAlphaCheckBox, uint8_t{0});
  QCOMPARE(m.DoSubstitution, uint8_t{1});
  QCOMPARE(form.Panel->Edit("Slope")->text(), QString("0.5"));
  QVERIFY(!form.Panel->Box("RestartAlphaCheckBox")->isChecked());
  QSignalSpy finished(&form, &TLagCovSetting::finished);
  QTest::mouseClick(form.QuitButton, Qt::LeftButton);
  QCOMPARE(finished.count(), 1);
  QVERIFY(!form.isVisible());
}

void LagCovSettingsTest::reportShowsPrintsAndReturnsToBasic() {
  ModelState m;
  m.Covering.DepthVar = 4;
  m.ExchangeSearch = 1;
  ScriptedDialogs dialogs;
  TShowLagCovSettings report(m, dialogs);
  report.show();
  QCOMPARE(report.windowTitle(), QString("Show Lagrangian Cover Settings"));
  QCOMPARE(report.Panel->Edit("DepthVar")->text(), QString("4"));
  QVERIFY(report.Panel->Edit("DepthVar")->isReadOnly());
  QVERIFY(!report.Panel->Box("Substitute")->isEnabled());
  RecordingPrintSink sink;
  QVERIFY(report.PrintSettings(sink));
  QCOMPARE(sink.items.size(), size_t{5 + 20});
  QCOMPARE(sink.items[0].text, std::string("Show Lagrangian Cover Settings"));
  QCOMPARE(sink.items[5].text, std::string("Critical Percentage Difference                      0"));
  QCOMPARE(sink.items[14].text, std::string("# Depth of Branch and Bound Tree                    4"));
  QCOMPARE(sink.items[19].text, std::string("Exchange Search on Improved SolutioN                ON"));
  QCOMPARE(sink.items[20].text, std::string("Lower Bound In Stepsize                             LAgrangian LB in Stepsize"));
  QVERIFY(sink.finished);
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    QTest::mouseClick(report.PrintButton, Qt::LeftButton);  // asks for a PDF file; cancelled
    QCOMPARE(dialogs.saveTitles, QStringList{"Print to PDF file"});
    QVERIFY(dialogs.shown.isEmpty());
  }
  QSignalSpy back(&report, &TShowLagCovSettings::returnToBasic);
  QTest::mouseClick(report.QuitButton, Qt::LeftButton);
  QCOMPARE(back.count(), 1);
  QVERIFY(!report.isVisible());
}

// The form starts in its first box. A key that changes nothing (Backspace at the
// start) still holds "&Quit (No More Changes)" until the box is left; a click on
// the form beside it leaves it. Alt with a digit types nothing.
void LagCovSettingsTest::leavingABoxWithTheMouseFreesQuitEvenUnchanged() {
  ModelState m;
  ScriptedDialogs dialogs;
  TLagCovSetting form(m, dialogs);
  QVERIFY(testing::MakeActive(form));
  QLineEdit* first = form.Panel->Edit("PctDiff");
  QCOMPARE(QApplication::focusWidget(), first);
  first->home(false);
  QTest::keyClick(first, Qt::Key_Backspace);
  QVERIFY(!form.QuitButton->isEnabled());
  QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(3, 3));
  QVERIFY(form.QuitButton->isEnabled());
  QLineEdit* iterations = form.Panel->Edit("NoIter");
  testing::ClickOn(iterations);
  QTest::keyClick(iterations, Qt::Key_5, Qt::AltModifier);
  QCOMPARE(iterations->text(), QString("400"));
  QVERIFY(dialogs.shown.isEmpty());
}

QTEST_MAIN(LagCovSettingsTest)
#include "LagCovSettingsTest.moc"
