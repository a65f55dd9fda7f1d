#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "shell/Dialogs.h"
#include "solve/SolveWindows.h"

using namespace korvelan;
using namespace korvelan::app;

namespace {

QString ValueOf(const TLagProgForm& form, const QString& caption) {
  for (const auto& f : form.Fields())
    if (f.caption->text() == caption && f.caption->isVisibleTo(&form)) return f.value->text();
  return "<hidden>";
}

}  // namespace

class ProgressWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void captions();
  void heuristicAbortRaisesTheFlag();
  void heuristicListKeepsTheNewestLineInView();
  void heuristicWindowClearsWhenShownForARun();
  void heuristicAbortIsEnabledOnlyWhileARunUsesTheWindow();
  void pauseOnEachLineIsOnUntilTheAnalystClearsIt();
  void lagAbortRaisesTheFlagOnceBranching();
  void lagRefreshShowsThePublishedValues();
  void lagTimerRunsWhileShown();
  void hostRoutesLinesAndMessages();
  void hostDrivesTheExchangeGauges();
  void pauseServesWindowEvents();
};

void ProgressWindowsTest::captions() {
  ModelState model;
  ScriptedDialogs dialogs;
  SolveWindows w(model, dialogs);
  QCOMPARE(w.heuristic.windowTitle(), QString("Heuristic Progress Form"));
  QCOMPARE(w.heuristic.AbortButton->text(), QString("&Abort"));
  QCOMPARE(w.heuristic.PauseCheck->text(), QString("Pause on each line"));
  QCOMPARE(w.heuristic.ProgressBox->objectName(), QString("ProgressBox"));
  QCOMPARE(w.lagrangian.AbortButton->text(), QString("Click to &Abort Branching (And Lose Results)"));
  QCOMPARE(w.running.windowTitle(), QString("Korvelan is Running ... Hang on ..."));
  QCOMPARE(w.running.findChild<QLabel*>("RunningLabel")->text(), QString("KORVELAN is Running ..."));
  QCOMPARE(w.messages.windowTitle(), QString("Messages"));
  QCOMPARE(w.errors.windowTitle(), QString("Error form"));
}

void ProgressWindowsTest::heuristicAbortRaisesTheFlag() {
  ModelState model;
  THeuristicProgressForm form(model);
  form.ShowCleared();
  QTest::mouseClick(form.AbortButton, Qt::LeftButton);
  QCOMPARE(model.HeuristicAbort, uint8_t(1));
  QCOMPARE(model.AbortRequested, uint8_t(0));
}

void ProgressWindowsTest::heuristicListKeepsTheNewestLineInView() {
  ModelState model;
  THeuristicProgressForm form(model);
  form.resize(400, 200);
  form.show();
  for (int k = 1; k <= 60; ++k) form.AddLines({"FACILITY " + std::to_string(k), "  COVERED " + std::to_string(k)});
  QListWidget* box = form.ProgressBox;
  QCOMPARE(box->count(), 120);
  QCOMPARE(box->currentRow(), 119);
  QCOMPARE(box->item(119)->text(), QString("  COVERED 60"));
  const QRect newest = box->visualItemRect(box->item(119));
  QVERIFY(box->viewport()->rect().contains(newest));
  QVERIFY(!box->viewport()->rect().intersects(box->visualItemRect(box->item(0))));
}

void ProgressWindowsTest::heuristicWindowClearsWhenShownForARun() {
  ModelState model;
  THeuristicProgressForm form(model);
  form.AddLines({"OLD LINE"});
  form.ShowCleared();
  QCOMPARE(form.ProgressBox->count(), 0);
  form.AddLines({"NEW LINE"});
  form.ShowCleared();  // already shown: still a fresh list for the new run
  QCOMPARE(form.ProgressBox->count(), 0);
}

void ProgressWindowsTest::heuristicAbortIsEnabledOnlyWhileARunUsesTheWindow() {
  ModelState model;
  THeuristicProgressForm form(model);
  form.show();
  QVERIFY(!form.AbortButton->isEnabled());  // nothing runs yet
  model.HeuristicAbort = 1;                  // left from an earlier run
  form.ShowCleared();
  QVERIFY(form.AbortButton->isEnabled());
  QCOMPARE(model.HeuristicAbort, uint8_t(0));
  form.RunEnded();
  QVERIFY(form.isVisible());  // the lines stay to be read
  QVERIFY(!form.AbortButton->isEnabled());
  QTest::mouseClick(form.AbortButton, Qt::LeftButton);
  QCOMPARE(model.HeuristicAbort, uint8_t(0));
  form.ShowCleared();
  form.HideAfterUse();
  QVERIFY(!form.isVisible());
  QVERIFY(!form.AbortButton->isEnabled());
}

// With the pause each line waits 100 ms (a 50 ms timer fires meanwhile); without it
// the lines are added at once, the window still being repainted and served.
void ProgressWindowsTest::pauseOnEachLineIsOnUntilTheAnalystClearsIt() {
  ModelState model;
  ScriptedDialogs dialogs;
  SolveWindows w(model, dialogs);
  QVERIFY(w.heuristic.PauseCheck->isChecked());
  w.heuristic.ShowCleared();
  bool fired = false;
  QTimer::singleShot(50, &w.heuristic, [&] { fired = true; });
  w.host.AddProgressLine("FIRST");
  QVERIFY(fired);

  QCheckBox* pause = w.heuristic.PauseCheck;
  QTest::mouseClick(pause, Qt::LeftButton, {}, QPoint(8, pause->height() / 2));  // on its indicator
  QVERIFY(!w.heuristic.PausesOnEachLine());
  bool served = false;
  fired = false;
  QTimer::singleShot(0, &w.heuristic, [&] { served = true; });
  QTimer::singleShot(5000, &w.heuristic, [&] { fired = true; });
  for (int k = 1; k <= 300; ++k) w.host.AddProgressLine("LINE " + std::to_string(k));
  QVERIFY(served);
  QVERIFY(!fired);
  QCOMPARE(w.heuristic.ProgressBox->count(), 301);
  QCOMPARE(w.heuristic.ProgressBox->currentRow(), 300);

  // The choice stays for the next run.
  w.heuristic.RunEnded();
  w.heuristic.hide();
  w.heuristic.ShowCleared();
  QVERIFY(!w.heuristic.PauseCheck->isChecked());
}

void ProgressWindowsTest::lagAbortRaisesTheFlagOnceBranching() {
  ModelState model;
  model.RefreshPause = 0;
  model.ReportProblemCode = 'C';
  model.AtRootNode = 1;
  TLagProgForm form(model);
  form.show();
  form.Refresh();
  QVERIFY(form.AbortButton->isVisible());
  QVERIFY(!form.AbortButton->isEnabled());
  model.AtRootNode = 0;
  form.Refresh();
  QVERIFY(form.AbortButton->isEnabled());
  QTest::mouseClick(form.AbortButton, Qt::LeftButton);
  QCOMPARE(model.AbortRequested, uint8_t(1));
  QCOMPARE(model.HeuristicAbort, uint8_t(0));
  model.BranchAndBoundOn = 0;
  form.Refresh();
  QVERIFY(!form.AbortButton->isVisible());
}

void ProgressWindowsTest::lagRefreshShowsThePublishedValues() {
  ModelState model;
  model.RefreshPause = 0;
  model.ReportProblemCode = 'C';
  model.Numbnodes = 12;
  model.Node(2).SiteStatus = StatusRequired;
  model.Node(5).SiteStatus = StatusExcluded;
  model.NumLocated = 4;
  model.CoverageDistance = 252600;
  model.TargetValue = 98765.4L;
  model.RunUpperBound = 100000;
  model.UpperBoundMark = 1e30L;
  model.BranchPath = "+-+";
  model.RunStart = 0;
  TLagProgForm form(model);
  form.setWindowTitle("Lagrangian Progress Form Maximum Covering");
  form.show();
  form.Refresh();
  QCOMPARE(ValueOf(form, "Locations"), QString("            4"));
  QCOMPARE(ValueOf(form, "Coverage Distance"), QString("25.3"));
  QCOMPARE(ValueOf(form, "Best Value"), QString("98,765.4"));
  QCOMPARE(ValueOf(form, "Upper Bound"), QString("100,000.0"));
  QCOMPARE(ValueOf(form, "Percent Lag UB"), QString("<hidden>"));
  QCOMPARE(ValueOf(form, "Weight for D>Dc"), QString("<hidden>"));
  QCOMPARE(form.StatusBox->count(), 1);
  QCOMPARE(form.StatusBox->item(0)->text(), QString("   0  0+00-00000|00"));
  QCOMPARE(form.InCountLabel->text(), QString("1 In"));
  QCOMPARE(form.OutCountLabel->text(), QString("1 Out"));
  QCOMPARE(form.UnknownCountLabel->text(), QString("10 Unknown"));
  QCOMPARE(form.Gauge->value(), 62);  // 62.5 % explored, rounded half to even
  QVERIFY(model.RunEnd > 0);
  QCOMPARE(form.ExchangeLabel->text(), QString("EXCHANGE ON"));
  QCOMPARE(form.StepBasisLabel->text(), QString("Lagrange LB"));
}

void ProgressWindowsTest::lagTimerRunsWhileShown() {
  ModelState model;
  TLagProgForm form(model);
  QCOMPARE(form.RefreshTimer->interval(), 2000);
  QVERIFY(!form.RefreshTimer->isActive());
  form.show();
  QVERIFY(form.RefreshTimer->isActive());
  form.hide();
  QVERIFY(!form.RefreshTimer->isActive());
}

void ProgressWindowsTest::hostRoutesLinesAndMessages() {
  ModelState model;
  ScriptedDialogs dialogs;
  SolveWindows w(model, dialogs);
  RunHost& host = w.host;
  w.heuristic.ShowCleared();
  host.AddProgressLines({"ADDING NODE 3", "ADDING NODE 7"});
  QCOMPARE(w.heuristic.ProgressBox->count(), 2);
  QCOMPARE(w.heuristic.ProgressBox->currentRow(), 1);
  // The first message of a run clears the hidden list and shows it.
  w.messages.AddLine("left from the last run");
  w.messages.hide();
  host.AddMessageLine("UPPER Estimate of 10 too small to cover all demands.  It will be doubled.");
  QVERIFY(w.messages.isVisible());
  QCOMPARE(w.messages.List()->count(), 1);
  host.AddErrorLine("bad");
  QCOMPARE(w.errors.List()->item(0)->text(), QString("bad"));
  dialogs.answers = {true};
  host.Warning("a\rb");
  QVERIFY(host.Confirm("go on?"));
  QCOMPARE(dialogs.shown[0].kind, 'W');
  QCOMPARE(dialogs.shown[0].text, QString("a\rb"));
  QCOMPARE(dialogs.shown[1].kind, 'C');
  host.ShowLagProgress(true);
  QVERIFY(w.lagrangian.isVisible());
  host.ShowLagProgress(false);
  QVERIFY(!w.lagrangian.isVisible());
  QCOMPARE(MessageText("a\rb"), QString("a\nb"));
}

void ProgressWindowsTest::hostDrivesTheExchangeGauges() {
  ModelState model;
  ScriptedDialogs dialogs;
  SolveWindows w(model, dialogs);
  w.lagrangian.show();
  QVERIFY(!w.lagrangian.ExchangePanel->isVisible());
  w.host.ShowExchangeGauges(true);
  QVERIFY(w.lagrangian.ExchangePanel->isVisible());
  QCOMPARE(w.lagrangian.ObjectiveValueLabel->text(), QString("Dec=0.0"));
  QCOMPARE(w.lagrangian.TotalObjectiveLabel->text(), QString("Tot=0.0"));
  w.host.SetCandidateOutGauge(40);
  w.host.SetCandidateInGauge(75);
  w.host.SetExchangeLabels("Dec=12.5", "Tot=30.0");
  QCOMPARE(w.lagrangian.CandOutGauge->value(), 40);
  QCOMPARE(w.lagrangian.CandInGauge->value(), 75);
  QCOMPARE(w.lagrangian.ObjectiveValueLabel->text(), QString("Dec=12.5"));
  QCOMPARE(w.lagrangian.TotalObjectiveLabel->text(), QString("Tot=30.0"));
  w.host.ShowExchangeGauges(false);
  QVERIFY(!w.lagrangian.ExchangePanel->isVisible());
}

// An abort pressed during a pause reaches the model before the pause returns.
void ProgressWindowsTest::pauseServesWindowEvents() {
  ModelState model;
  ScriptedDialogs dialogs;
  SolveWindows w(model, dialogs);
  w.heuristic.ShowCleared();  // a run uses the window
  QTimer::singleShot(0, w.heuristic.AbortButton, &QPushButton::click);
  w.host.Delay(0, 20);
  QCOMPARE(model.HeuristicAbort, uint8_t(1));
  QTimer::singleShot(0, w.lagrangian.AbortButton, &QPushButton::click);
  w.host.Delay(0, 0);
  QCOMPARE(model.AbortRequested, uint8_t(1));
}

QTEST_MAIN(ProgressWindowsTest)
#include "ProgressWindowsTest.moc"

