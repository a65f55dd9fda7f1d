// The tradeoff graphs and tables shown from a traced curve: what the charts draw
// (read back from the chart itself), the line styles, the data labels, a click on
// a point, printing, saving the picture, and the tables' lines and printouts.
#include <QAreaSeries>
#include <QChart>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>
#include <cmath>

#include "SetupTestSupport.h"
#include "tradeoff/TSBarTradeoffGraph.h"
#include "tradeoff/TSGraphTradeoff.h"
#include "tradeoff/TradeoffTableForms.h"
#include "tradeoff/TradeoffWindows.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

namespace {

// A traced 'C', 'M' or 'F' curve: CostByCount[1..n] and the codes of its run.
void SetCurve(ModelState& m, char code, std::vector<Extended> values, Extended totalDemand) {
  m.ProblemCode = m.ReportProblemCode = code;
  m.NumLocated = static_cast<uint16_t>(values.size());
  for (size_t k = 0; k < values.size(); ++k) m.CostByCount[k + 1] = values[k];
  m.TotalDemand = totalDemand;
  m.CoverageDistance = 500 * FixedPointScale;
  m.TradeoffExists = 1;
}

// A covering-median curve of points (total distance, covered demand).
void SetCoveringMedianCurve(ModelState& m, const std::vector<std::pair<Extended, Extended>>& points) {
  m.ProblemCode = m.ReportProblemCode = 'D';
  m.TotalDemand = 100;
  m.NumLocated = 2;
  m.TradeoffExists = 1;
  m.Tradeoff.TradeoffList.clear();
  for (const auto& [distance, covered] : points) {
    TradeoffPoint p;
    p.FirstValue = distance;
    p.SecondValue = covered;
    m.Tradeoff.TradeoffList.push_back(p);
  }
}

QList<QPointF> Pts(std::initializer_list<std::pair<double, double>> points) {
  QList<QPointF> list;
  for (const auto& [x, y] : points) list << QPointF(x, y);
  return list;
}

QList<QPointF> BarHeights(const TTradesBar& bars) {
  QList<QPointF> list;
  for (const GraphPoint& p : bars.BarValues()) list << QPointF(p.x, p.y);
  return list;
}

bool AllFinite(const QList<QPointF>& points) {
  for (const QPointF& p : points)
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return false;
  return true;
}

// The chart position of a point of the scatter series, in the view's viewport.
QPoint OnScreen(TTrades& graph, const QPointF& value) {
  const QPointF inChart = graph.Chart->chart()->mapToPosition(value, graph.PointMarks);
  return graph.Chart->mapFromScene(graph.Chart->chart()->mapToScene(inChart));
}

struct Graphs {
  ModelState model;
  ScriptedDialogs dialogs;
  RecordingPrintSink printed;
  QList<bool> orientations;
  QList<QString> saved;
  TTrades graph{model, dialogs, Links()};
  TTradesBar bars{model, Links()};

  GraphLinks Links() {
    GraphLinks links;
    links.printJob = [this](bool landscape) -> std::unique_ptr<PrintSink> {
      orientations << landscape;
      return std::make_unique<ForwardingSink>(printed);
    };
    links.savePicture = [this](TradeoffChart& chart) { saved << SaveChartPicture(dialogs, chart); };
    return links;
  }
};

}  // namespace

class TradeoffDisplaysTest : public QObject {
  Q_OBJECT

  QTemporaryDir temp_;

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    // Pictures handed to the printer are written in the temporary folder: this test's own.
    qputenv("TMPDIR", temp_.path().toLocal8Bit());
  }

  void coveringCurveIsInPercentOnlyWhenAllDemandIsReached_data() {
    QTest::addColumn<QList<double>>("curve");
    QTest::addColumn<QString>("leftTitle");
    QTest::addColumn<QList<QPointF>>("points");
    QTest::newRow("all demand") << QList<double>{40, 70, 90, 100} << "Percent Coverage"
                                << Pts({{0, 0}, {1, 40}, {2, 70}, {3, 90}, {4, 100}});
    QTest::newRow("not all") << QList<double>{40, 70, 90} << "Covered Demand"
                             << Pts({{0, 0}, {1, 40}, {2, 70}, {3, 90}});
  }
  void coveringCurveIsInPercentOnlyWhenAllDemandIsReached() {
    QFETCH(QList<double>, curve);
    QFETCH(QString, leftTitle);
    QFETCH(QList<QPointF>, points);
    Graphs g;
    SetCurve(g.model, 'C', {curve.begin(), curve.end()}, 100);
    g.graph.show();
    QCOMPARE(g.graph.PointMarks->points(), points);
    QCOMPARE(g.graph.Chart->LeftAxis()->titleText(), leftTitle);
    QCOMPARE(g.graph.Chart->LeftAxis()->min(), 0.0);
    QCOMPARE(g.graph.Chart->BottomAxis()->titleText(), QString("Number of Facilities"));
    QCOMPARE(g.graph.Chart->BottomAxis()->min(), 0.0);
    QCOMPARE(g.graph.Chart->BottomAxis()->max(), double(curve.size()));
    QCOMPARE(g.graph.Chart->chart()->title(), QString("Tradeoff Curve<br>Coverage Distance = 500"));
  }

  void coveringMedianCurveGetsItsPercentBracket() {
    Graphs g;
    // Coverages of 62 % and 88 % at average distances 5.5 and 2.25.
    SetCoveringMedianCurve(g.model, {{550, 62}, {400, 75}, {225, 88}});
    g.graph.show();
    QCOMPARE(g.graph.Chart->LeftAxis()->min(), 60.0);
    QCOMPARE(g.graph.Chart->LeftAxis()->max(), 90.0);
    QCOMPARE(g.graph.Chart->LeftAxis()->titleText(), QString("Percent Coverage"));
    QCOMPARE(g.graph.Chart->BottomAxis()->titleText(), QString("Average Distance"));
    QCOMPARE(g.graph.PointMarks->points(), Pts({{5.5, 62}, {4, 75}, {2.25, 88}}));
    QCOMPARE(g.graph.Chart->chart()->title(), QString("Covering Median Tradeoff Curve"));
    QCOMPARE(g.graph.Chart->DataLabelTexts(), QStringList({"62", "75", "88"}));

    g.bars.show();
    QCOMPARE(BarHeights(g.bars), Pts({{5.5, 62}, {4, 75}, {2.25, 88}}));
    QCOMPARE(g.bars.Chart->LeftAxis()->min(), 0.0);
    QCOMPARE(g.bars.Chart->LeftAxis()->max(), 100.0);
  }

  // Both ends of the bracket fall on one step when every point has the same
  // coverage; the axis still gets a height, so the points stay on the chart.
  void equalCoveragesStillGetAnAxis() {
    Graphs g;
    SetCoveringMedianCurve(g.model, {{550, 90}, {400, 90}});
    g.graph.show();
    QCOMPARE(g.graph.Chart->LeftAxis()->min(), 90.0);
    QVERIFY(g.graph.Chart->LeftAxis()->max() > 90.0);
    QCOMPARE(g.graph.PointMarks->points(), Pts({{5.5, 90}, {4, 90}}));
  }

  void percentBracketRunsInStepsOfFive_data() {
    QTest::addColumn<QList<double>>("percents");
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    QTest::newRow("62-88") << QList<double>{62, 88} << 60.0 << 90.0;
    QTest::newRow("on the steps") << QList<double>{60, 90} << 60.0 << 90.0;
    QTest::newRow("all covered") << QList<double>{97.5, 100} << 95.0 << 100.0;
    QTest::newRow("nothing covered") << QList<double>{0} << 0.0 << 0.0;
  }
  void percentBracketRunsInStepsOfFive() {
    QFETCH(QList<double>, percents);
    QFETCH(double, lo);
    QFETCH(double, hi);
    const GraphAxis axis = PercentBracket({percents.begin(), percents.end()});
    QCOMPARE(*axis.min, lo);
    QCOMPARE(*axis.max, hi);
  }

  void barChartOfACurveThatCoversNothingDrawsZeros() {
    Graphs g;
    SetCurve(g.model, 'C', {0, 0}, 100);
    g.bars.show();
    QCOMPARE(BarHeights(g.bars), Pts({{0, 0}, {1, 0}, {2, 0}}));
    QVERIFY(AllFinite(g.bars.Bars->upperSeries()->points()));
    QCOMPARE(g.bars.Chart->DataLabelTexts(), QStringList({"0", "0", "0"}));
    // No demand at all: the covering-median curve is drawn at 0, not divided by 0.
    SetCoveringMedianCurve(g.model, {{0, 0}});
    g.model.TotalDemand = 0;
    g.bars.UpdateButton->click();
    QCOMPARE(BarHeights(g.bars), Pts({{0, 0}}));
    g.graph.show();
    QVERIFY(AllFinite(g.graph.PointMarks->points()));
  }

  void barChartShowsEachCountAsABar() {
    Graphs g;
    SetCurve(g.model, 'F', {2500.5, 1800, 1234.567}, 10);
    g.bars.show();
    QCOMPARE(BarHeights(g.bars), Pts({{1, 2500.5}, {2, 1800}, {3, 1234.567}}));
    QCOMPARE(g.bars.Chart->LeftAxis()->titleText(), QString("Total Cost"));
    QCOMPARE(g.bars.Chart->DataLabelTexts(), QStringList({"2,500.5", "1,800", "1,234.57"}));
    // Each bar stands on 0 and reaches its height.
    const QList<QPointF> outline = g.bars.Bars->upperSeries()->points();
    QCOMPARE(outline.size(), 12);
    QCOMPARE(outline[1].y(), 2500.5);
    QCOMPARE(outline[0].y(), 0.0);
    // Switching goes to the line chart and back.
    g.graph.hide();
    QSignalSpy toLine(&g.bars, &TradeoffGraphWindow::otherGraphRequested);
    QTest::mouseClick(g.bars.UpdateButton, Qt::LeftButton);
    QCOMPARE(toLine.count(), 0);
    QTest::mouseClick(g.bars.ShowLineChart, Qt::LeftButton);
    QCOMPARE(toLine.count(), 1);
  }

  void blockedAndInvertedStepsFollowTheirBoxes() {
    Graphs g;
    SetCurve(g.model, 'M', {8, 4, 1}, 100);
    g.graph.OpenFromResults();
    QVERIFY(g.graph.Blocked->isChecked());
    QVERIFY(!g.graph.Inverted->isChecked());
    QCOMPARE(g.graph.Points->points(), Pts({{1, 8}, {2, 8}, {2, 4}, {3, 4}, {3, 1}}));
    ClickOn(g.graph.Inverted);
    QVERIFY(g.graph.Blocked->isChecked());
    QCOMPARE(g.graph.Points->points(), Pts({{1, 8}, {1, 4}, {2, 4}, {2, 1}, {3, 1}}));
    ClickOn(g.graph.Blocked);
    QVERIFY(!g.graph.Inverted->isChecked());
    QCOMPARE(g.graph.Points->points(), Pts({{1, 8}, {2, 4}, {3, 1}}));
    QCOMPARE(g.graph.PointMarks->points(), Pts({{1, 8}, {2, 4}, {3, 1}}));
    QCOMPARE(g.graph.Chart->chart()->title(), QString("Median Tradeoff Curve"));
    QCOMPARE(g.graph.Chart->LeftAxis()->titleText(), QString("Average Distance"));
    QCOMPARE(g.graph.Chart->BottomAxis()->max(), 3.0);
    // Opening from the results form again puts the steps back.
    ClickOn(g.graph.Inverted);
    g.graph.OpenFromResults();
    QVERIFY(g.graph.Blocked->isChecked() && !g.graph.Inverted->isChecked());
  }

  void dataLabelsFollowShowDataValues() {
    Graphs g;
    SetCurve(g.model, 'F', {123456.789, 99999.5}, 10);
    g.graph.resize(800, 600);
    g.graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.graph));
    QCOMPARE(g.graph.Chart->DataLabelTexts(), QStringList({"123,456.79", "99,999.5"}));
    QVERIFY(g.graph.Chart->DataLabelsVisible());
    ClickOn(g.graph.ShowDataValues);
    QVERIFY(!g.graph.Chart->DataLabelsVisible());
    g.graph.UpdateButton->click();
    QVERIFY(!g.graph.Chart->DataLabelsVisible());
    ClickOn(g.graph.ShowDataValues);
    QVERIFY(g.graph.Chart->DataLabelsVisible());
  }

  // Forty points on a small chart: the labels drawn never overlap, the first
  // point keeps its label, and zooming in on four points brings all four back.
  void crowdedLabelsAreLeftOutUntilZoomedIn() {
    Graphs g;
    std::vector<Extended> curve;
    for (int k = 1; k <= 40; ++k) curve.push_back(250000 - 1000 * k);
    SetCurve(g.model, 'M', curve, 10);
    g.graph.resize(600, 450);
    g.graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.graph));
    const auto shown = g.graph.Chart->ShownDataLabels();
    QVERIFY(!shown.isEmpty() && shown.size() < 40);
    QCOMPARE(shown.front().first, QString("249,000"));
    for (int a = 0; a < shown.size(); ++a)
      for (int b = a + 1; b < shown.size(); ++b)
        QVERIFY2(!shown[a].second.intersects(shown[b].second),
                 qPrintable(shown[a].first + " / " + shown[b].first));
    QCOMPARE(g.graph.Chart->BottomAxis()->labelFormat(), QString("%.0f"));  // whole facility counts
    g.graph.Chart->BottomAxis()->setRange(0.5, 4.5);
    QCOMPARE(g.graph.Chart->BottomAxis()->labelFormat(), QString("%.1f"));  // ticks between counts
    QStringList zoomed;
    for (const auto& [text, place] : g.graph.Chart->ShownDataLabels()) zoomed << text;
    QCOMPARE(zoomed, QStringList({"249,000", "248,000", "247,000", "246,000"}));
  }

  void clickOnAPointSaysWhatItCanShow_data() {
    QTest::addColumn<char>("code");
    QTest::addColumn<char>("metric");
    QTest::addColumn<QString>("message");
    const QString noMap = "W: Unable to show map of solution from this graph.\r\rMap the solution from the Main Menu";
    QTest::newRow("covering") << 'C' << 'E' << noMap;
    QTest::newRow("median") << 'M' << 'E' << noMap;
    QTest::newRow("network") << 'D' << 'N' << "W: Unable to plot solution with Network distance metric\rSorry....";
    QTest::newRow("covering-median without a map") << 'D' << 'E' << noMap;
  }
  void clickOnAPointSaysWhatItCanShow() {
    QFETCH(char, code);
    QFETCH(char, metric);
    QFETCH(QString, message);
    Graphs g;
    if (code == 'D')
      SetCoveringMedianCurve(g.model, {{550, 62}, {225, 88}});
    else
      SetCurve(g.model, code, {40, 80, 90}, 100);
    g.model.MetricCode = metric;
    g.graph.resize(800, 600);
    QVERIFY(MakeActive(g.graph));
    const QPointF point = g.graph.PointMarks->points().at(1);  // inside the plot area
    QTest::mouseClick(g.graph.Chart->viewport(), Qt::LeftButton, {}, OnScreen(g.graph, point));
    QCOMPARE(Texts(g.dialogs), QStringList{message});
    QVERIFY(g.graph.isVisible());
  }

  void clickOnACoveringMedianPointShowsThatSolution() {
    Graphs g;
    SetCoveringMedianCurve(g.model, {{550, 62}, {400, 75}, {225, 88}});
    QList<int> shown;
    g.graph.showSolution = [&shown](int k) { shown << k; };
    g.graph.resize(800, 600);
    QVERIFY(MakeActive(g.graph));
    QTest::mouseClick(g.graph.Chart->viewport(), Qt::LeftButton, {}, OnScreen(g.graph, QPointF(4, 75)));
    QCOMPARE(shown, QList<int>{2});
    QVERIFY(g.graph.isHidden());
    QVERIFY(g.dialogs.shown.isEmpty());
    // A place where no solution lies.
    g.graph.PointClick(QPointF(4.5, 75));
    QCOMPARE(Texts(g.dialogs), QStringList{"W: Unable to find indicated point ... try again ..."});
  }

  void graphsPrintTheChartInTheChosenOrientation() {
    Graphs g;
    SetCurve(g.model, 'M', {8, 4, 1}, 100);
    g.graph.show();
    QTest::mouseClick(g.graph.PrintLandscape, Qt::LeftButton);
    QTest::mouseClick(g.graph.PrintPortrait, Qt::LeftButton);
    QCOMPARE(g.orientations, QList<bool>({true, false}));
    QCOMPARE(g.printed.items.size(), qsizetype(2));
    QCOMPARE(g.printed.items[0].kind, RecordingPrintSink::Kind::Image);
    // The last picture is still there for the printer: a portrait page, white in its margins.
    const QImage page(QString::fromStdString(g.printed.items[1].text));
    QCOMPARE(page.size(), QSize(1700, 2200));
    QCOMPARE(page.pixelColor(20, 20), QColor(Qt::white));
    QVERIFY(page.pixelColor(850, 1100) != QColor(Qt::white));
    QVERIFY(g.printed.finished);
    QVERIFY(QFileInfo(QString::fromStdString(g.printed.items[1].text)).absolutePath().startsWith(temp_.path()));
  }

  void saveTheChartWritesThePictureTheNameAsksFor() {
    Graphs g;
    SetCurve(g.model, 'M', {8, 4, 1}, 100);
    g.bars.show();
    const QString png = temp_.filePath("curve.png");
    const QString svg = temp_.filePath("curve.svg");
    const QString text = temp_.filePath("curve.txt");
    const QString missingFolder = temp_.filePath("no/such/folder/curve.bmp");
    g.dialogs.saveFiles = {png, svg, text, missingFolder};
    for (int i = 0; i < 4; ++i) QTest::mouseClick(g.bars.SaveBMP, Qt::LeftButton);
    QCOMPARE(Texts(g.dialogs), QStringList({"I: File saved as <" + png + ">", "I: File saved as <" + svg + ">",
                                            "W: File not saved ... invalid extension on file name <" + text + ">",
                                            "E: Error in SaveBMPClick"}));
    QCOMPARE(QImage(png).size(), g.bars.Chart->size());
    QVERIFY(QFileInfo(svg).size() > 0);
    QVERIFY(!QFileInfo::exists(text));
    QCOMPARE(g.dialogs.saveTitles, QStringList(4, "Save the Chart"));
  }

  void countTablesShowTheirLinesAndWarnings() {
    ModelState model;
    SetCurve(model, 'C', {40, 70, 90, 100}, 100);
    RecordingPrintSink printed;
    TCoverTradeoff table(model, RecordInto(printed));
    table.show();
    QCOMPARE(table.windowTitle(), QString("Coverage Tradeoff"));
    QCOMPARE(table.Heading->text(), QString("No. Facilities     Coverage        Increment       Percent"));
    QCOMPARE(table.List->objectName(), QString("CoverBox"));
    QCOMPARE(table.List->count(), 4);
    QCOMPARE(table.List->item(0)->text(),
             QString("      1       " "    40.000000" "    " "          ---" "     " "  40.00000"));
    QCOMPARE(table.List->item(1)->text(),
             QString("      2       " "    70.000000" "    " "    30.000000" "     " "  70.00000"));
    QVERIFY(table.Warning1->isHidden() && table.Warning2->isHidden());

    model.PresetCount = 1;
    table.hide();
    table.show();
    QCOMPARE(table.Warning1->text(), QString("<<<   Some Nodes Forced In or Initialized   >>>"));
    QCOMPARE(table.Warning2->text(), QString("<<< Tradeoff curve values may be misleading >>>"));
    QVERIFY(table.Warning1->isVisible() && table.Warning2->isVisible());
    QTest::mouseClick(table.PrintButton, Qt::LeftButton);
    const QStringList lines = PrintedLines(printed);
    QCOMPARE(lines.first(), QString("18 COVERAGE TRADEOFF REPORT"));
    QCOMPARE(lines.mid(lines.size() - 4),
             QStringList({"10 ", "10 ", "10 <<<   Some Nodes Forced In or Initialized   >>>",
                          "10 <<< Tradeoff curve values may be misleading >>>"}));
  }

  void medianTableShowsImprovements() {
    ModelState model;
    SetCurve(model, 'M', {8, 4, 1}, 100);
    TMedianTradeoff table(model, {});
    table.show();
    QCOMPARE(table.PrintButton->text(), QString("&PrintForm"));
    QCOMPARE(table.List->item(0)->text(), QString("      1       " "   8.00000000" "   " "          ---"));
    QCOMPARE(table.List->item(2)->text(), QString("      3       " "   1.00000000" "    " "   3.00000000"));
  }

  void centerMedianTableListsTheSitesOfAChosenRow() {
    ModelState model;
    if (!LoadFixture(model, "ten.euc").empty()) QFAIL("fixture did not load");
    SetCoveringMedianCurve(model, {{550, 62}, {225, 88}});
    model.Tradeoff.TradeoffList[0].PointLocated.assign(NodeSlots, 0);
    model.Tradeoff.TradeoffList[0].PointLocated[2] = 1;
    model.Tradeoff.TradeoffList[0].PointLocated[7] = 1;
    RecordingPrintSink printed;
    TCenterMedianTradeoff table(model, RecordInto(printed));
    QVERIFY(MakeActive(table));
    QCOMPARE(table.ResultsBox->count(), 2);
    QCOMPARE(table.LocationLabel->text(), QString("Locations"));
    QVERIFY(table.SolutionLabel->isHidden());
    QCOMPARE(table.ICPValueBox->item(0)->text(), QString("ICP and IPF Values Below"));
    const QRect first = table.ResultsBox->visualItemRect(table.ResultsBox->item(0));
    QTest::mouseClick(table.ResultsBox->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(table.SelectedRow(), 0);
    QCOMPARE(table.LocationsBox->count(), 2);
    QCOMPARE(table.LocationsBox->item(0)->text(), QString("   2  Bexley"));
    QCOMPARE(table.LocationsBox->item(1)->text(), QString("   7  Glenby"));
    QCOMPARE(table.LocationLabel->text(), QString("Locations in box below for solution with characteristics:"));
    QVERIFY(table.SolutionLabel->isVisible());
    QCOMPARE(table.SolutionLabel->text(), table.ResultsBox->item(0)->text());
    QTest::mouseClick(table.PrintButton, Qt::LeftButton);
    QVERIFY(PrintedLines(printed).contains("10b LOCATIONS FOR SOLUTION 1 BELOW"));
  }
};

QTEST_MAIN(TradeoffDisplaysTest)
#include "TradeoffDisplaysTest.moc"
