#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "shell/AboutUnit.h"
#include "shell/Dialogs.h"
#include "shell/MainUnit.h"
#include "shell/MenuBackground.h"

using namespace korvelan;
using namespace korvelan::app;
using B = MenuButton;
using E = MenuEvent;

namespace {

// The menu with every step plugged into a recorder, so each handover can be checked.
struct Harness {
  ModelState model;
  ScriptedDialogs dialogs;
  TKorvelanMain menu{model, dialogs};
  QStringList opened;
  QWidget messages, errors;

  Harness() {
    TKorvelanMain::Steps steps;
    steps.loadData = [this] { opened << "load"; };
    steps.setParameters = [this] { opened << "parameters"; };
    steps.runModels = [this] { opened << "run"; };
    steps.tradeoffCurves = [this] { opened << "tradeoff"; };
    steps.displayResults = [this] { opened << "results"; };
    steps.mapResults = [this] { opened << "map"; };
    steps.exchangeSites = [this] { opened << "exchange"; };
    steps.showDataEditor = [this](bool editable) { opened << (editable ? "editor editable" : "editor read-only"); };
    menu.SetSteps(steps);
    menu.SetListWindows(&messages, &errors);
    menu.show();
  }
  // The enabled buttons as the analyst sees them.
  QSet<B> Enabled() const {
    QSet<B> on;
    for (int k = 0; k < MenuButtonCount; ++k)
      if (menu.Button(static_cast<B>(k))->isEnabled()) on.insert(static_cast<B>(k));
    return on;
  }
  void LoadDataSet() {
    model.Numbnodes = 3;
    for (int n = 1; n <= 3; ++n) model.Node(n).Demand = model.Node(n).LoadedDemand = 10 * n;
    menu.LoadDataClick();
    menu.LoadFormFinished(true);
  }
};

struct ToolTipCounter : QObject {
  int requests = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    requests += event->type() == QEvent::ToolTip;
    return false;
  }
};

const QSet<B> AlwaysOn = {B::LoadData, B::ExitKorvelan, B::AboutButton, B::HintShow, B::PrintSetter};

QSet<B> With(QSet<B> more) { return more.unite(AlwaysOn); }

}  // namespace

class ShellMenuTest : public QObject {
  Q_OBJECT
 private slots:
  void captionsAndHints();
  void startState();
  void stateTable();
  void focusWaitsOnTheNextStep();
  void loadConfirmationNoKeepsEverything();
  void cancelledReloadDisablesParametersAndData();
  void newRunAsksAndRestoresDemandsOnlyAfterYes();
  void weightingConstantConfirmation();
  void listWindowsHiddenBeforeARun();
  void backgroundClickBeforeLoadDoesNothing();
  void editAndViewData();
  void hintsToggleTexts();
  void exitNoKeepsRunning();
  void exitYesReleasesNodesAndSaysGoodbye();
  void splashEndsByTimerOrByLoad();
  void aboutWindowRoundTrip();
  void printSetupOpensTheDialog();
  void borderQuestionReadsTheFileAndAsksAgainOnlyWhenTold();
  void borderDialogCancelledOrUnreadableLeavesNoBorder();
  void missingStepStaysDisabled();
};

void ShellMenuTest::captionsAndHints() {
  Harness h;
  struct Row { B button; const char* name; const char* caption; const char* hint; };
  const Row rows[] = {
      {B::LoadData, "LoadData", "&Load Data", "Load demand and candidate location data as well as distance file"},
      {B::SetParameters, "SetParameters", "&Set Parameters", "Set the coverage distance and the cost per mile"},
      {B::RunModels, "RunModels", "&Run Models", "Select a model to run and set appropriate parameters"},
      {B::TradeoffCurves, "TradeoffCurves", "&Tradeoff Curves", "Select a model to run for tradeoff curves"},
      {B::DisplayResults, "DisplayResults", "&Display Results", "Display the results"},
      {B::MapResults, "MapResults", "&Map Results", "Map the results"},
      {B::ExchangeSites, "ExchangeSites", "E&Xchange Sites", "Exchange sites on your own"},
      {B::EditButton, "EditButton", "Ed&It Data", ""},
      {B::ViewData, "ViewData", "&View Data", ""},
      {B::ExitKorvelan, "ExitKorvelan", "&Exit KORVELAN", "Exit from KORVELAN ... "},
      {B::AboutButton, "AboutButton", "&About", "Show the About Box"},
      {B::HintShow, "HintShow", "Hide &Hints", "Hide/show hints for buttons etc."},
      {B::PrintSetter, "PrintSetter", "&Print Setup", "Setup the printer"},
  };
  for (const Row& r : rows) {
    QPushButton* button = h.menu.Button(r.button);
    QCOMPARE(button->objectName(), QString(r.name));
    QCOMPARE(button->text(), QString(r.caption));
    QCOMPARE(button->toolTip(), QString(r.hint));
  }
  QStringList guides;
  for (QLabel* label : h.menu.findChildren<QLabel*>()) guides << label->text();
  for (const char* guide :
       {"First you have to LOAD the data", "Then you have to SET some parameters", "Next you can RUN the models",
        "Or generate TRADEOFF curves", "Then you can DISPLAY the results", "Or MAP the results",
        "Or EXCHANGE Sites Manually", "Edit or View the data", "You can always EXIT KORVELAN",
        "Display the ABOUT box for KORVELAN", "You can set up the printer at any time",
        "Hints will be shown... Click to Hide", "Korvelan Main Menu "})
    QVERIFY2(guides.contains(guide), guide);
  QCOMPARE(h.menu.windowTitle(), QString("KORVELAN"));
}

void ShellMenuTest::startState() {
  Harness h;
  QCOMPARE(h.Enabled(), AlwaysOn);
  QVERIFY(h.menu.State().backgroundVisible);
  QVERIFY(h.menu.KVEBackground->isVisible());
}

// Every row of the enabling rules, each from a state where everything is on, so
// that a row that forgets to disable a button shows, and from the start state,
// so that a row that forgets to enable one shows.
void ShellMenuTest::stateTable() {
  const QSet<B> results = {B::DisplayResults, B::MapResults, B::ExchangeSites};
  const QSet<B> runsAndResults = {B::RunModels, B::TradeoffCurves, B::DisplayResults, B::MapResults,
                                  B::ExchangeSites};
  const QSet<B> steps = runsAndResults + QSet<B>{B::SetParameters, B::EditButton, B::ViewData};
  struct Row {
    const char* name;
    E event;
    char code;
    QSet<B> enables;
    QSet<B> disables;
    int background;  // -1 unchanged, 0 hidden, 1 shown
  };
  const QList<Row> rows = {
      {"load opened", E::LoadFormOpened, ' ', {}, {B::ViewData, B::EditButton}, 1},
      {"load cancelled", E::LoadCancelled, ' ', {}, runsAndResults + QSet<B>{B::SetParameters}, -1},
      {"data loaded", E::DataLoaded, ' ', {B::SetParameters, B::EditButton, B::ViewData}, runsAndResults, -1},
      {"editor editable", E::EditorOpenedEditable, ' ', {B::SetParameters}, runsAndResults, -1},
      {"parameters cancelled", E::ParametersCancelledAfterChange, ' ', {}, runsAndResults, -1},
      {"parameters done", E::ParametersDone, ' ', {B::RunModels, B::TradeoffCurves}, results, 0},
      {"statuses changed", E::ForcedStatusesChanged, ' ', {}, results, -1},
      {"initial changed", E::InitialSolutionChanged, ' ', {}, results, -1},
      {"run cancelled", E::RunCancelled, ' ', {}, results, -1},
      {"run failed", E::RunFailed, ' ', {}, results, -1},
      {"run completed C", E::RunCompleted, 'C', results, {}, -1},
      {"run completed M", E::RunCompleted, 'M', results, {}, -1},
      {"run completed F", E::RunCompleted, 'F', results, {}, -1},
      {"run completed S", E::RunCompleted, 'S', {B::DisplayResults, B::MapResults}, {B::ExchangeSites}, -1},
      {"run completed P", E::RunCompleted, 'P', {B::DisplayResults, B::MapResults}, {B::ExchangeSites}, -1},
      {"run completed %", E::RunCompleted, '%', {B::DisplayResults, B::MapResults}, {B::ExchangeSites}, -1},
      {"run completed &", E::RunCompleted, '&', {B::DisplayResults, B::MapResults}, {B::ExchangeSites}, -1},
      {"run completed V", E::RunCompleted, 'V', {B::DisplayResults, B::MapResults}, {B::ExchangeSites}, -1},
      {"lagrangian stopped", E::LagRunStopped, ' ', {}, {B::ExchangeSites}, -1},
      {"tradeoff cancelled", E::TradeoffCancelled, ' ', {}, results, -1},
      {"tradeoff C", E::TradeoffTraced, 'C', results, {}, -1},
      {"tradeoff D", E::TradeoffTraced, 'D', {B::DisplayResults, B::MapResults}, {B::ExchangeSites}, -1},
  };
  for (const Row& row : rows) {
    for (bool fromAllOn : {true, false}) {
      Harness h;
      MenuState before = NextMenuState({}, E::ProgramStarted);
      if (fromAllOn) {
        before.enabled.fill(true);
        before.backgroundVisible = row.background != 1;
      }
      QSet<B> expected;
      for (int k = 0; k < MenuButtonCount; ++k)
        if (before[static_cast<B>(k)]) expected.insert(static_cast<B>(k));
      expected = (expected + row.enables) - row.disables;
      const MenuState after = NextMenuState(before, row.event, row.code);
      QSet<B> got;
      for (int k = 0; k < MenuButtonCount; ++k)
        if (after[static_cast<B>(k)]) got.insert(static_cast<B>(k));
      QVERIFY2(got == expected, row.name);
      QVERIFY2((got & AlwaysOn) == (expected & AlwaysOn), row.name);
      const bool background = row.background == -1 ? before.backgroundVisible : row.background == 1;
      QVERIFY2(after.backgroundVisible == background, row.name);
    }
  }
  // The widgets follow the rules: a loaded data set, then parameters, then a run.
  Harness h;
  h.LoadDataSet();
  QCOMPARE(h.Enabled(), With({B::SetParameters, B::EditButton, B::ViewData}));
  h.menu.ReturnToMenu(E::ParametersDone);
  QCOMPARE(h.Enabled(), With({B::SetParameters, B::EditButton, B::ViewData, B::RunModels, B::TradeoffCurves}));
  QVERIFY(!h.menu.KVEBackground->isVisible());
  h.menu.ReturnToMenu(E::RunCompleted, 'M');
  QCOMPARE(h.Enabled(), With(steps));
}

// Back on the menu, the keyboard focus waits on the likely next step.
void ShellMenuTest::focusWaitsOnTheNextStep() {
  Harness h;
  struct Row { E event; B focused; };
  for (const Row& row : {Row{E::DataLoaded, B::SetParameters}, Row{E::ParametersDone, B::RunModels},
                         Row{E::RunCompleted, B::DisplayResults}, Row{E::LoadCancelled, B::LoadData}}) {
    h.menu.ReturnToMenu(row.event, 'C');
    QVERIFY2(h.menu.focusWidget() == h.menu.Button(row.focused), qPrintable(h.menu.Button(row.focused)->objectName()));
  }
}

void ShellMenuTest::loadConfirmationNoKeepsEverything() {
  Harness h;
  h.LoadDataSet();
  h.menu.ReturnToMenu(E::ParametersDone);
  h.menu.ReturnToMenu(E::RunCompleted, 'C');
  const MenuState before = h.menu.State();
  h.opened.clear();
  h.dialogs.answers = {false};
  h.menu.LoadDataClick();
  QCOMPARE(h.dialogs.shown.size(), 1);
  QCOMPARE(h.dialogs.shown[0].kind, 'C');
  QCOMPARE(h.dialogs.shown[0].text,
           QString("You are about to LOAD new data.\rAre you sure you want to delete current data and solutions?"));
  QVERIFY(h.menu.State() == before);
  QVERIFY(h.opened.isEmpty());
  QVERIFY(h.menu.isVisible());
  QCOMPARE(h.model.Numbnodes, 3);
  // Yes goes ahead: the menu hides, the load form opens, the background returns.
  h.dialogs.answers = {true};
  h.menu.LoadDataClick();
  QCOMPARE(h.opened, QStringList{"load"});
  QVERIFY(!h.menu.isVisible());
  QVERIFY(h.menu.State().backgroundVisible);
  QVERIFY(!h.menu.State()[B::EditButton] && !h.menu.State()[B::ViewData]);
}

void ShellMenuTest::cancelledReloadDisablesParametersAndData() {
  Harness h;
  h.menu.LoadDataClick();  // no data yet: no question
  QVERIFY(h.dialogs.shown.isEmpty());
  h.menu.LoadFormFinished(false);
  QVERIFY(h.menu.isVisible());
  QCOMPARE(h.Enabled(), AlwaysOn);
  h.LoadDataSet();
  h.dialogs.answers = {true};
  h.menu.LoadDataClick();
  h.menu.LoadFormFinished(false);
  QCOMPARE(h.Enabled(), AlwaysOn);
  h.menu.LoadDataClick();
  h.menu.LoadFormFinished(true);
  QCOMPARE(h.Enabled(), With({B::SetParameters, B::EditButton, B::ViewData}));
}

void ShellMenuTest::newRunAsksAndRestoresDemandsOnlyAfterYes() {
  for (bool viaTradeoff : {false, true}) {
    Harness h;
    h.LoadDataSet();
    h.menu.ReturnToMenu(E::ParametersDone);
    // Without results: no question, demands restored, the form opens.
    h.model.Node(2).Demand = 0;
    viaTradeoff ? h.menu.TradeoffCurvesClick() : h.menu.RunModelsClick();
    QVERIFY(h.dialogs.shown.isEmpty());
    QCOMPARE(double(h.model.Node(2).Demand), 20.0);
    QCOMPARE(double(h.model.TotalDemand), 60.0);
    QCOMPARE(h.opened.last(), QString(viaTradeoff ? "tradeoff" : "run"));
    h.menu.ReturnToMenu(E::RunCompleted, 'M');
    // With results: No leaves the demands as the run left them.
    h.model.Node(2).Demand = 0;
    h.opened.clear();
    h.dialogs.answers = {false};
    viaTradeoff ? h.menu.TradeoffCurvesClick() : h.menu.RunModelsClick();
    QCOMPARE(h.dialogs.shown.last().text,
             QString("You already have results.\rAre you sure you want to run a new model?"));
    QCOMPARE(double(h.model.Node(2).Demand), 0.0);
    QVERIFY(h.opened.isEmpty());
    QVERIFY(h.menu.isVisible());
    h.dialogs.answers = {true};
    viaTradeoff ? h.menu.TradeoffCurvesClick() : h.menu.RunModelsClick();
    QCOMPARE(double(h.model.Node(2).Demand), 20.0);
    QVERIFY(!h.menu.isVisible());
  }
}

void ShellMenuTest::weightingConstantConfirmation() {
  const QString expected =
      "WARNING ... WARNING\r\rConstant multiplier for distances > coverage distance is not equal to 0\r"
      "Current constant = 2.500\r"
      "Do you want to reset the weighting constant for distances greater than the coverage distance?\r\r"
      "WARNING ... WARNING";
  for (bool yes : {false, true}) {
    Harness h;
    h.LoadDataSet();
    h.menu.ReturnToMenu(E::ParametersDone);
    h.model.AddedConstant = 2.5L;
    h.dialogs.answers = {yes};
    h.menu.RunModelsClick();
    QCOMPARE(h.dialogs.shown.size(), 1);
    QCOMPARE(h.dialogs.shown[0].text, expected);
    QCOMPARE(double(h.model.AddedConstant), yes ? 0.0 : 2.5);
    QCOMPARE(h.opened.last(), QString("run"));  // the run goes ahead either way
  }
  Harness h;
  h.menu.ReturnToMenu(E::ParametersDone);
  h.menu.RunModelsClick();  // constant 0: nothing to ask
  QVERIFY(h.dialogs.shown.isEmpty());
}

void ShellMenuTest::listWindowsHiddenBeforeARun() {
  Harness h;
  h.LoadDataSet();
  h.menu.ReturnToMenu(E::ParametersDone);
  h.messages.show();
  h.errors.show();
  h.menu.RunModelsClick();
  QVERIFY(!h.messages.isVisible() && !h.errors.isVisible());
}

void ShellMenuTest::backgroundClickBeforeLoadDoesNothing() {
  Harness h;
  QTest::mouseClick(h.menu.KVEBackground, Qt::LeftButton);
  QVERIFY(h.opened.isEmpty());
  QCOMPARE(h.Enabled(), AlwaysOn);
  h.LoadDataSet();
  h.opened.clear();
  QTest::mouseClick(h.menu.KVEBackground, Qt::LeftButton);
  QCOMPARE(h.opened, QStringList{"editor editable"});
}

void ShellMenuTest::editAndViewData() {
  Harness h;
  h.LoadDataSet();
  h.menu.ReturnToMenu(E::ParametersDone);
  h.menu.ReturnToMenu(E::RunCompleted, 'C');
  h.opened.clear();
  QTest::mouseClick(h.menu.Button(B::ViewData), Qt::LeftButton);
  QCOMPARE(h.opened, QStringList{"editor read-only"});
  QCOMPARE(h.Enabled(), With({B::SetParameters, B::EditButton, B::ViewData, B::RunModels, B::TradeoffCurves,
                              B::DisplayResults, B::MapResults, B::ExchangeSites}));
  QTest::mouseClick(h.menu.Button(B::EditButton), Qt::LeftButton);
  QCOMPARE(h.opened.last(), QString("editor editable"));
  QCOMPARE(h.Enabled(), With({B::SetParameters, B::EditButton, B::ViewData}));
  QVERIFY(h.menu.isVisible());  // the editor works beside the menu
}

void ShellMenuTest::hintsToggleTexts() {
  Harness h;
  QVERIFY(h.menu.HintsShown());
  QTest::mouseClick(h.menu.Button(B::HintShow), Qt::LeftButton);
  QVERIFY(!h.menu.HintsShown());
  QCOMPARE(h.menu.HintLabel->text(), QString("Hints will be hidden... Click to Show"));
  QCOMPARE(h.menu.Button(B::HintShow)->text(), QString("Show &Hints"));
  QVERIFY(h.menu.HintLabel->styleSheet().contains("#ffff00"));
  // A tool tip request never reaches a control while hints are hidden.
  ToolTipCounter counter;
  h.menu.Button(B::LoadData)->installEventFilter(&counter);
  QHelpEvent request(QEvent::ToolTip, QPoint(2, 2), QPoint(2, 2));
  QApplication::sendEvent(h.menu.Button(B::LoadData), &request);
  QCOMPARE(counter.requests, 0);
  QTest::mouseClick(h.menu.Button(B::HintShow), Qt::LeftButton);
  QVERIFY(h.menu.HintsShown());
  QCOMPARE(h.menu.HintLabel->text(), QString("Hints will be shown... Click to Hide"));
  QCOMPARE(h.menu.Button(B::HintShow)->text(), QString("Hide &Hints"));
  QVERIFY(h.menu.HintLabel->styleSheet().contains("#32cd32"));
  QApplication::sendEvent(h.menu.Button(B::LoadData), &request);
  QCOMPARE(counter.requests, 1);
  QTest::mouseClick(h.menu.HintLabel, Qt::LeftButton);  // the label toggles as it says
  QVERIFY(!h.menu.HintsShown());
  QCOMPARE(h.menu.Button(B::HintShow)->text(), QString("Show &Hints"));
}

void ShellMenuTest::exitNoKeepsRunning() {
  Harness h;
  h.LoadDataSet();
  QSignalSpy exits(&h.menu, &TKorvelanMain::exitConfirmed);
  h.dialogs.answers = {false};
  QTest::mouseClick(h.menu.Button(B::ExitKorvelan), Qt::LeftButton);
  QCOMPARE(h.dialogs.shown.size(), 1);
  QCOMPARE(h.dialogs.shown[0].text, QString("Thanks for using KORVELAN.\rAre you sure you want to exit now?"));
  QVERIFY(h.menu.isVisible());
  QCOMPARE(exits.count(), 0);
  QCOMPARE(double(h.model.Node(3).LoadedDemand), 30.0);
}

void ShellMenuTest::exitYesReleasesNodesAndSaysGoodbye() {
  Harness h;
  h.LoadDataSet();
  QSignalSpy exits(&h.menu, &TKorvelanMain::exitConfirmed);
  h.dialogs.answers = {true};
  QVERIFY(h.menu.close());
  QCOMPARE(exits.count(), 1);
  QCOMPARE(h.dialogs.shown.last().kind, 'I');
  QCOMPARE(h.dialogs.shown.last().text, QString("Exiting KORVELAN."));
  QCOMPARE(double(h.model.Node(3).LoadedDemand), 0.0);
}

void ShellMenuTest::splashEndsByTimerOrByLoad() {
  Harness h;
  TAboutBox* about = h.menu.AboutBox();
  h.menu.StartSplash();
  QVERIFY(h.menu.SplashRunning());
  QVERIFY(about->isVisible());
  QVERIFY(about->IsSplash());
  QVERIFY(!about->OKButton->isVisible());
  QVERIFY(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QTRY_VERIFY_WITH_TIMEOUT(!about->isVisible(), 5000);  // the timer closes it
  QVERIFY(!about->IsSplash());
  QVERIFY(about->OKButton->isVisibleTo(about));
  QVERIFY(h.menu.isVisible());
  // "&Load Data" during the splash stops it first.
  h.menu.StartSplash();
  h.menu.LoadDataClick();
  QVERIFY(!h.menu.SplashRunning());
  QVERIFY(!about->isVisible());
}

void ShellMenuTest::aboutWindowRoundTrip() {
  Harness h;
  TAboutBox* about = h.menu.AboutBox();
  QTest::mouseClick(h.menu.Button(B::AboutButton), Qt::LeftButton);
  QVERIFY(!h.menu.isVisible());
  QVERIFY(about->isVisible());
  QVERIFY(about->OKButton->isVisible());
  QStringList texts;
  for (QLabel* label : about->findChildren<QLabel*>()) texts << label->text().trimmed();
  for (const char* text :
       {"KORVELAN", "Max Nodes = 300",
        "This program solves a variety of facilty location problems using a number of different algorithms.",
        "Problems solved include:", "Maximum Covering", "P-Median", "Uncapacitated Fixed Charge", "P-Center",
        "Set Covering", "Partial Covering P-Center", "Partial Covering Set Covering",
        "Brask Integrated Location Inventory Model"})
    QVERIFY2(texts.contains(text), text);
  QTest::mouseClick(about->OKButton, Qt::LeftButton);
  QVERIFY(!about->isVisible());
  QVERIFY(h.menu.isVisible());
  const QDateTime stamp(QDate(2026, 3, 4), QTime(5, 6, 7));
  QCOMPARE(TAboutBox::VersionLine("1.0.0.1", stamp), QString("Version 1.0.0.1   2026-03-04 at 05:06:07"));
}

void ShellMenuTest::printSetupOpensTheDialog() {
  Harness h;
  QTest::mouseClick(h.menu.Button(B::PrintSetter), Qt::LeftButton);
  QCOMPARE(h.dialogs.printerSetups, 1);
}

void ShellMenuTest::borderQuestionReadsTheFileAndAsksAgainOnlyWhenTold() {
  Harness h;
  h.model.DemandFileName = "/data/cities.euc";
  h.dialogs.answers = {true, false};
  h.dialogs.openFiles = {KORVELAN_FIXTURES "/shell/region.brd"};
  h.menu.MapResultsClick();
  QCOMPARE(h.dialogs.shown.size(), 2);
  QCOMPARE(h.dialogs.shown[0].text, QString("Main File Name is /data/cities.euc\rDo you want to read a border file?"));
  QCOMPARE(h.dialogs.shown[1].text, QString("Should I ask again with this dataset?"));
  const BorderState& border = h.menu.Border();
  QCOMPARE(int(border.points.size()), 3);
  QCOMPARE(border.points[0].x, 10.0);  // the file's last point comes first
  QCOMPARE(border.points[0].y, 5.0);
  QCOMPARE(border.points[2].x, 0.0);
  QCOMPARE(border.declaredCount.value_or(-1), 3LL);
  QCOMPARE(h.opened, QStringList{"map"});
  QVERIFY(!h.menu.isVisible());
  // Told not to ask again: the next visit to the map asks nothing and keeps the border.
  h.menu.MapResultsClick();
  QCOMPARE(h.dialogs.shown.size(), 2);
  QCOMPARE(int(h.menu.Border().points.size()), 3);
  // Opening the load form forgets the border and asks again.
  h.menu.ClearBorder();
  QVERIFY(h.menu.Border().points.empty());
  h.dialogs.answers = {false, true};
  h.menu.MapResultsClick();
  QCOMPARE(h.dialogs.shown.size(), 4);
  h.menu.MapResultsClick();
  QCOMPARE(h.dialogs.shown.size(), 6);
}

void ShellMenuTest::borderDialogCancelledOrUnreadableLeavesNoBorder() {
  Harness h;
  h.dialogs.answers = {true, true};
  h.dialogs.openFiles = {KORVELAN_FIXTURES "/shell/region.brd"};
  h.menu.AskForBorder();
  QCOMPARE(int(h.menu.Border().points.size()), 3);
  h.dialogs.answers = {true, true};  // the dialog is cancelled this time
  h.menu.AskForBorder();
  QVERIFY(h.menu.Border().points.empty());
  QTemporaryDir dir;
  const QString bad = dir.filePath("bad.brd");
  QFile file(bad);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("1.5 2.5\nabc 3\n");
  file.close();
  h.dialogs.answers = {true, true};
  h.dialogs.openFiles = {bad};
  h.menu.AskForBorder();
  QVERIFY(h.menu.Border().points.empty());
  QCOMPARE(h.dialogs.shown[h.dialogs.shown.size() - 2].kind, 'E');
}

void ShellMenuTest::missingStepStaysDisabled() {
  ModelState model;
  ScriptedDialogs dialogs;
  TKorvelanMain menu(model, dialogs);
  menu.Apply(E::DataLoaded);
  QVERIFY(menu.State()[B::SetParameters]);
  QVERIFY(!menu.Button(B::SetParameters)->isEnabled());
  QVERIFY(!menu.Button(B::LoadData)->isEnabled());
  QVERIFY(menu.Button(B::AboutButton)->isEnabled());
}

QTEST_MAIN(ShellMenuTest)
#include "ShellMenuTest.moc"
