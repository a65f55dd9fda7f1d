// "&Tradeoff Curves" in the desktop program: the run form driven with clicks,
// keys and focus changes, curve runs with their progress windows and menu
// states, and the graphs and tables the results form opens for the curve.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QTimer>
#include <QValueAxis>
#include <QtTest>
#include <algorithm>

#include "SetupTestSupport.h"
#include "shell/DesktopProgram.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

namespace {

enum Curve { MaxCovering = 0, PMedian = 1, FixedCharge = 2, CoveringMedian = 3 };

struct Program {
  ModelState model;
  ScriptedDialogs dialogs;
  DesktopProgram program{model, dialogs};
  TRunTradeoffForm& form = program.tradeoff.run;

  Program() {
    if (!LoadFixture(model, "ten.euc").empty()) qFatal("fixture did not load");
    program.menu.show();
    program.menu.Apply(MenuEvent::DataLoaded);
    program.solve.heuristic.PauseCheck->setChecked(false);
    SetParameters("10");
    dialogs.shown.clear();
  }
  void Step(MenuButton b) {
    dialogs.answers.push_back(true);
    QTest::mouseClick(program.menu.Button(b), Qt::LeftButton);
    dialogs.answers.clear();
  }
  void SetParameters(const char* coverage) {
    Step(MenuButton::SetParameters);
    TParameterForm& p = program.stepForms.parameters;
    p.CovDist->setText(coverage);
    p.CovDistExit();
    p.CostPerMile->setText("1");
    p.CostPerMileExit();
    QTest::mouseClick(p.DoneAndRun, Qt::LeftButton);
  }
  void OpenForm() {
    Step(MenuButton::TradeoffCurves);
    QVERIFY(form.isVisible());
    QVERIFY(MakeActive(form));
  }
  void Choose(Curve curve, int algorithm = -1) {
    ClickOn(form.ProblemItems[curve]);
    if (algorithm >= 0) ClickOn(form.AlgorithmItems[algorithm]);
  }
  // Types into the number field and leaves it with Tab.
  void TypeNumber(const QString& keys) {
    form.NumbInput->setFocus(Qt::MouseFocusReason);
    form.NumbInput->selectAll();
    QTest::keyClick(form.NumbInput, Qt::Key_Backspace);
    QTest::keyClicks(form.NumbInput, keys);
    QTest::keyClick(form.NumbInput, Qt::Key_Tab);
  }
  void Run() {
    QVERIFY(form.Execute->isEnabled());
    QTest::mouseClick(form.Execute, Qt::LeftButton);
  }
  bool Enabled(MenuButton b) { return program.menu.State()[b]; }
  void OpenResultsCommand(const QString& caption) {
    Step(MenuButton::DisplayResults);
    QTest::mouseClick(program.stepForms.results.Command(caption), Qt::LeftButton);
  }
};

// Demand covered and total demand-weighted distance of a set of open sites, from the matrix.
std::pair<Extended, Extended> Evaluate(const ModelState& m, const std::vector<int>& sites) {
  Extended covered = 0, distance = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    int nearest = m.DistanceMatrix.at(i, sites[0]);
    for (int s : sites) nearest = std::min(nearest, m.DistanceMatrix.at(i, s));
    if (WithinCoverage(m.CoverageDistance, nearest)) covered += m.Node(i).Demand;
    distance += m.Node(i).Demand * nearest;
  }
  return {covered, distance};
}

// Every pair of sites: the largest coverage and the smallest total distance.
std::pair<Extended, Extended> BestPairs(const ModelState& m) {
  Extended bestCovered = -1, bestDistance = 1e30L;
  for (int a = 1; a <= m.Numbnodes; ++a)
    for (int b = a + 1; b <= m.Numbnodes; ++b) {
      const auto [covered, distance] = Evaluate(m, {a, b});
      bestCovered = std::max(bestCovered, covered);
      bestDistance = std::min(bestDistance, distance);
    }
  return {bestCovered, bestDistance};
}

}  // namespace

class TradeoffRunFormTest : public QObject {
  Q_OBJECT

  QTemporaryDir temp_;

 private slots:
  void initTestCase() { qputenv("TMPDIR", temp_.path().toLocal8Bit()); }

  void openingOffersTheFourCurvesEveryTime() {
    auto p = std::make_unique<Program>();
    p->OpenForm();
    TRunTradeoffForm& f = p->form;
    QCOMPARE(f.windowTitle(), QString("Run Tradeoff Form"));
    QStringList captions;
    for (QRadioButton* item : f.ProblemItems) {
      captions << item->text();
      QVERIFY(!item->isChecked());
    }
    QCOMPARE(captions, QStringList({"Ma&Ximum Covering", "P-&Median", "Uncapacitated &Fixed Charge", "Covering - Me&Dian"}));
    QVERIFY(!f.Execute->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{f.CoveringAlg, f.NumbInput, f.CostPerMile, f.ViewLag,
                                                       f.ExchangeEveryIter, f.ExcludeDominated})
      QVERIFY(w->isHidden());
    p->Choose(PMedian);
    QVERIFY(!f.ProblemSelector->isEnabled());
    QCOMPARE(f.AlgorithmItems[2]->text(), QString("&Neighborhood"));
    QVERIFY(!f.Execute->isEnabled());
    QTest::mouseClick(f.CloseButton, Qt::LeftButton);
    QVERIFY(f.isHidden());
    QVERIFY(!p->Enabled(MenuButton::DisplayResults));
    p->OpenForm();
    QVERIFY(f.ProblemSelector->isEnabled());
    for (QRadioButton* item : f.ProblemItems) QVERIFY(!item->isChecked());
    QVERIFY(f.CoveringAlg->isHidden());
  }

  void numberOfACoveringMedianCurveIsCheckedOnLeaving() {
    auto p = std::make_unique<Program>();
    BeepCounter beeps;
    p->OpenForm();
    TRunTradeoffForm& f = p->form;
    p->Choose(CoveringMedian);
    QVERIFY(f.CoveringAlg->isVisible() && !f.CoveringAlg->isEnabled());
    QCOMPARE(f.AlgorithmItems[0]->text(), QString("&Lagrangian Relaxation"));
    QVERIFY(f.AlgorithmItems[0]->isChecked());
    QVERIFY(f.AlgorithmItems[1]->isHidden());
    QVERIFY(f.ViewLag->isVisible());
    QVERIFY(f.NumbInput->hasFocus());
    QCOMPARE(f.NumbInput->text(), QString());
    QCOMPARE(p->model.ProblemCode, 'D');

    p->TypeNumber("x-1");
    QCOMPARE(beeps.beeps, 1);
    QCOMPARE(Texts(p->dialogs),
             QStringList{"W: Invalid number of facilities to locate.  Must have 1 <= X <= 10"});
    QCOMPARE(f.NumbInput->text(), QString("1"));
    QVERIFY(!f.Execute->isEnabled());
    p->dialogs.shown.clear();
    p->TypeNumber("1-2");
    QCOMPARE(Texts(p->dialogs), QStringList{"W: Invalid numeric input"});
    QCOMPARE(f.NumbInput->text(), QString("1"));
    QVERIFY(f.Execute->isEnabled());
    p->dialogs.shown.clear();
    p->TypeNumber("3");
    QVERIFY(p->dialogs.shown.isEmpty());
    QCOMPARE(p->model.NumberToLocate, uint16_t{3});
    QVERIFY(!f.NumbInput->isEnabled() && !f.InputNumber->isEnabled());
    QVERIFY(f.Execute->isEnabled());
  }

  void costPerMileOfAFixedChargeCurveHoldsBackTheRun() {
    auto p = std::make_unique<Program>();
    p->OpenForm();
    TRunTradeoffForm& f = p->form;
    p->Choose(FixedCharge);
    QCOMPARE(f.CostPerMile->text(), QString("1.0000000000000"));
    ClickOn(f.AlgorithmItems[1]);  // "&Drop"
    QCOMPARE(p->model.FixedAlgorithm, 'D');
    QVERIFY(f.Execute->isEnabled());
    QTest::mouseClick(f.CostPerMile, Qt::LeftButton);
    QVERIFY(f.CostPerMile->hasFocus());
    QVERIFY(!f.Execute->isEnabled());
    f.CostPerMile->selectAll();
    QTest::keyClicks(f.CostPerMile, "2.5");
    QTest::keyClick(f.CostPerMile, Qt::Key_Tab);
    QCOMPARE(f.CostPerMile->text(), QString("2.500000"));
    QCOMPARE(double(p->model.CostPerMile), 2.5);
    QVERIFY(f.Execute->isEnabled());
  }

  void checkBoxesStoreTheirChoiceAndSayIt() {
    auto p = std::make_unique<Program>();
    p->OpenForm();
    TRunTradeoffForm& f = p->form;
    p->Choose(MaxCovering, 1);  // "Greedy Adding and &Substitution"
    QVERIFY(f.ExchangeEveryIter->isVisible() && f.ExchangeEveryIter->isChecked());
    QCOMPARE(f.ExchangeEveryIter->text(), QString("Exc&Hange EVERY Iteration"));
    QVERIFY(f.ExcludeDominated->isVisible());
    ClickOn(f.ExchangeEveryIter);
    QCOMPARE(p->model.ExchangeEveryIteration, uint8_t{0});
    QCOMPARE(f.ExchangeEveryIter->text(), QString("Exc&Hange On LAST Iteration Only (Click for EVERY Iteration)"));
    ClickOn(f.AlgorithmItems[0]);  // "&Greedy Adding": no exchange to choose
    QVERIFY(f.ExchangeEveryIter->isHidden());
    QCOMPARE(p->model.DoSubstitution, uint8_t{0});
    QTest::mouseClick(f.CloseButton, Qt::LeftButton);

    p->OpenForm();
    p->Choose(PMedian, 1);  // "&Exchange"
    QCOMPARE(f.MedianExchange->text(), QString("E&Xchange EVERY iteration"));
    ClickOn(f.MedianExchange);
    QCOMPARE(p->model.MedianTiming, 'L');
    QCOMPARE(f.MedianExchange->text(), QString("E&Xchange after LAST iteration (Check for EVERY)"));
    QVERIFY(f.NeighborhoodExchange->isHidden());
  }

  void coveringCurveIsTracedAndDrawn() {
    auto p = std::make_unique<Program>();
    p->OpenForm();
    p->Choose(MaxCovering, 0);
    p->Run();
    QCOMPARE(Texts(p->dialogs), QStringList{"I: Execution Completed Satisfactorily"});
    QVERIFY(p->form.isHidden());
    QVERIFY(p->program.solve.heuristic.isVisible());  // its lines stay to be read
    for (MenuButton b : {MenuButton::DisplayResults, MenuButton::MapResults, MenuButton::ExchangeSites})
      QVERIFY(p->Enabled(b));
    const ModelState& m = p->model;
    QVERIFY(m.NumLocated >= 1);
    // Greedy adding starts with the site that covers most demand on its own.
    Extended bestSingle = 0;
    for (int s = 1; s <= m.Numbnodes; ++s) bestSingle = std::max(bestSingle, Evaluate(m, {s}).first);
    QCOMPARE(double(m.CostByCount[1]), double(bestSingle));

    p->OpenResultsCommand("&Graph Tradeoff Curve");
    TTrades& graph = p->program.tradeoff.graph;
    QVERIFY(graph.isVisible());
    QVERIFY(graph.Blocked->isChecked());
    const QList<QPointF> points = graph.PointMarks->points();
    QCOMPARE(points.size(), m.NumLocated + 1);
    QCOMPARE(points[0], QPointF(0, 0));
    const bool all = m.CostByCount[m.NumLocated] == m.TotalDemand;
    for (int k = 1; k <= m.NumLocated; ++k) {
      const double expected = all ? double(m.CostByCount[k] * 100 / m.TotalDemand) : double(m.CostByCount[k]);
      QCOMPARE(points[k], QPointF(k, expected));
    }
    QCOMPARE(graph.Chart->BottomAxis()->max(), double(m.NumLocated));
    QCOMPARE(graph.Chart->LeftAxis()->titleText(), QString(all ? "Percent Coverage" : "Covered Demand"));

    QTest::mouseClick(graph.CloseButton, Qt::LeftButton);
    QVERIFY(graph.isHidden());
    QVERIFY(p->program.stepForms.results.isVisible());
    QTest::mouseClick(p->program.stepForms.results.Command("&Tradeoff Curve"), Qt::LeftButton);
    TCoverTradeoff& table = p->program.tradeoff.coverTable;
    QVERIFY(table.isVisible());
    QCOMPARE(table.List->count(), int(m.NumLocated));
    // The table is a page of the report chain: next is the uncovered demands, back is the forced nodes.
    QTest::mouseClick(table.LastButton, Qt::LeftButton);
    QVERIFY(table.isHidden());
    QVERIFY(p->program.stepForms.forcedNodes.isVisible());
  }

  void abortStopsAMedianCurveBetweenCounts() {
    auto p = std::make_unique<Program>();
    THeuristicProgressForm& progress = p->program.solve.heuristic;
    // The analyst presses "&Abort" as soon as the first line of the curve appears.
    QObject::connect(progress.ProgressBox->model(), &QAbstractItemModel::rowsInserted, &progress, [&progress] {
      if (progress.AbortButton->isEnabled()) QTimer::singleShot(0, progress.AbortButton, [&progress] {
          QTest::mouseClick(progress.AbortButton, Qt::LeftButton);
        });
    }, Qt::SingleShotConnection);
    progress.PauseCheck->setChecked(true);  // the pause after each line is where the click lands
    p->OpenForm();
    p->Choose(PMedian, 0);
    p->Run();
    const ModelState& m = p->model;
    QCOMPARE(m.Tradeoff.CurveStopped, uint8_t{1});
    QVERIFY(m.NumLocated >= 1 && m.NumLocated < m.Numbnodes);
    QVERIFY(p->Enabled(MenuButton::DisplayResults));
    QVERIFY(!progress.AbortButton->isEnabled());
    p->OpenResultsCommand("&Graph Tradeoff Curve");
    QCOMPARE(p->program.tradeoff.graph.PointMarks->points().size(), int(m.NumLocated));
  }

  void coveringMedianCurveIsTracedAndShown() {
    auto p = std::make_unique<Program>();
    p->OpenForm();
    p->Choose(CoveringMedian);
    p->TypeNumber("2");
    p->Run();
    QCOMPARE(Texts(p->dialogs).last(), QString("I: Execution Completed Satisfactorily"));
    QVERIFY(p->Enabled(MenuButton::DisplayResults));
    QVERIFY(!p->Enabled(MenuButton::ExchangeSites));
    QVERIFY(p->program.solve.lagrangian.isHidden());
    const ModelState& m = p->model;
    const std::vector<TradeoffPoint>& curve = m.Tradeoff.TradeoffList;
    QVERIFY(curve.size() >= 2);
    // The ends are the best coverage and the least distance over every pair of sites.
    const auto [bestCovered, bestDistance] = BestPairs(m);
    QCOMPARE(double(curve.back().SecondValue), double(bestCovered));
    QCOMPARE(double(curve.front().FirstValue), double(bestDistance));

    p->dialogs.shown.clear();
    p->OpenResultsCommand("&Graph Tradeoff Curve");
    TTrades& graph = p->program.tradeoff.graph;
    QList<QPointF> expected;
    for (const TradeoffPoint& point : curve)
      expected << QPointF(double(point.FirstValue / m.TotalDemand), double(point.SecondValue * 100 / m.TotalDemand));
    QCOMPARE(graph.PointMarks->points(), expected);
    QCOMPARE(graph.Chart->chart()->title(), QString("Covering Median Tradeoff Curve"));
    const double lowest = std::min_element(expected.begin(), expected.end(), [](auto a, auto b) { return a.y() < b.y(); })->y();
    QVERIFY(graph.Chart->LeftAxis()->min() <= lowest && graph.Chart->LeftAxis()->min() > lowest - 5);
    QVERIFY(std::fmod(graph.Chart->LeftAxis()->max(), 5.0) == 0);

    // A click on the second point maps that solution; the map's return brings the graph back.
    graph.resize(800, 600);
    QVERIFY(MakeActive(graph));
    const QPointF inChart = graph.Chart->chart()->mapToPosition(expected[1], graph.PointMarks);
    const QPoint at = graph.Chart->mapFromScene(graph.Chart->chart()->mapToScene(inChart));
    QTest::mouseClick(graph.Chart->viewport(), Qt::LeftButton, {}, at);
    TMap& map = p->program.map;
    QVERIFY(graph.isHidden());
    QVERIFY(map.isVisible());
    QVERIFY(map.MapFromTradeoff);
    QCOMPARE(map.ShownSolutionNumber, 2);
    QTest::mouseClick(map.ReturnButton, Qt::LeftButton);
    QVERIFY(map.isHidden());
    QVERIFY(graph.isVisible());

    QTest::mouseClick(graph.SwithButton, Qt::LeftButton);
    TTradesBar& bars = p->program.tradeoff.bars;
    QVERIFY(bars.isVisible() && graph.isHidden());
    QCOMPARE(int(bars.BarValues().size()), int(curve.size()));
    QTest::mouseClick(bars.CloseButton, Qt::LeftButton);

    QTest::mouseClick(p->program.stepForms.results.Command("&Tradeoff Curve"), Qt::LeftButton);
    TCenterMedianTradeoff& table = p->program.tradeoff.centerMedianTable;
    QVERIFY(table.isVisible());
    QCOMPARE(table.ResultsBox->count(), int(curve.size()));
    QCOMPARE(table.NoFacilitiesLabel->text(), QString("Number of Facilities = 2"));
    table.ResultsBox->setCurrentRow(0);
    QCOMPARE(table.LocationsBox->count(), 2);
    QTest::mouseClick(table.CancelButton, Qt::LeftButton);

    // "Sa&Ve Tradeoff Curve" writes the curve's rows after the file's header.
    const QString file = temp_.filePath("curve.OMT");
    p->dialogs.saveFiles = {file};
    p->dialogs.shown.clear();
    QTest::mouseClick(p->program.stepForms.results.Command("Sa&Ve Tradeoff Curve"), Qt::LeftButton);
    QCOMPARE(Texts(p->dialogs), QStringList{"I: Tradeoff Information saved in file " + file});
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(saved.readAll()).split('\n');
    const int heading = lines.indexOf(" NO.    AVG DISTANCE    PERCENT COV      WEIGHT   ");
    QVERIFY(heading > 0);
    QCOMPARE(lines.mid(heading + 2, int(curve.size())).size(), int(curve.size()));
    QVERIFY(lines[heading + 2].startsWith("   1    "));
  }
};

QTEST_MAIN(TradeoffRunFormTest)
#include "TradeoffRunFormTest.moc"
