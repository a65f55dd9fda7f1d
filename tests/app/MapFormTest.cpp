#include <QCheckBox>
#include <QLabel>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "SetupTestSupport.h"
#include "data/BorderFile.h"
#include "map/MapForm.h"
#include "map/MapRadioGroup.h"
#include "map/MapView.h"
#include "setup/ParameterRules.h"
#include "setup/RunModels.h"
#include "setup/RunRules.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

namespace {

// The 41 US cities with their border, coverage 500, solved by the named model.
struct CitiesMap {
  ModelState model;
  ScriptedDialogs dialogs;
  HeadlessRunHost host;
  BorderState border;
  TMap map{model, dialogs, host, border};

  explicit CitiesMap(char code = 'M', char algorithm = 'M', const char* locate = "4") {
    LoadRequest request;
    request.MetricCode = 'G';
    request.DemandFileName = KORVELAN_SAMPLES "/us_cities.grt";
    if (!LoadDataSet(model, request).empty()) qFatal("sample did not load");
    EnterCoverageDistance(model, "500");
    EnterCostPerMile(model, "1", EntryForm::Parameters);
    if (!ConfirmParameters(model).ok) qFatal("parameters refused");
    OpenRunModels(model);
    ChooseProblem(model, code);
    ChooseAlgorithm(model, algorithm);
    EnterNumberToLocate(model, locate);
    if (ExecuteRun(model, host) != RunEnd::Completed) qFatal("run failed");
    const BorderFileResult read = ReadBorderFile(KORVELAN_SAMPLES "/us_cities.brd");
    border.fileName = KORVELAN_SAMPLES "/us_cities.brd";
    border.points = read.points;
    map.resize(1100, 800);
  }
  const MapScene& Scene() const { return map.SolnGraph->Scene(); }
  QStringList Summary() const {
    QStringList lines;
    for (int k = 0; k < map.SolutionBox->count(); ++k) lines << map.SolutionBox->item(k)->text();
    return lines;
  }
  QPoint PixelOf(double x, double y) const { return map.SolnGraph->Layout().ToPixel(x, y).toPoint(); }
};

int OwnFacilities(const ModelState& m) {
  int own = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) own += m.Node(i).AssignedFacility == i;
  return own;
}

void Drag(QWidget* widget, QPoint from, QPoint to) {
  QTest::mousePress(widget, Qt::LeftButton, {}, from);
  QTest::mouseMove(widget, (from + to) / 2);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

TradeoffPoint CurvePoint(const ModelState& m, std::initializer_list<int> sites, Extended first, Extended second) {
  TradeoffPoint point;
  point.FirstValue = first;
  point.SecondValue = second;
  point.PointLocated.assign(NodeSlots, 0);
  for (int j : sites) point.PointLocated[j] = 1;
  (void)m;
  return point;
}

}  // namespace

class MapFormTest : public QObject {
  Q_OBJECT
 private slots:
  void opensFromTheMenuOnTheSolutionMapWithItsBorder();
  void mapTypesAndTheCoverageLinks();
  void labelGroupsAreRebuiltAndResetAtEveryShowing();
  void invertingMirrorsTheMap();
  void clickingANodeShowsItsInformation();
  void draggingZoomsAndUnzoomsAndTheLegendHidesASeries();
  void leavingTheTitleBoxRedraws();
  void savingAndPrintingTheMap();
  void choosingACoveringMedianPointInstallsIt();
  void returnGoesBackWhereTheMapCameFrom();
};

void MapFormTest::opensFromTheMenuOnTheSolutionMapWithItsBorder() {
  CitiesMap c;
  c.map.CurrentMapType = 2;
  c.map.OpenFromMenu();
  QVERIFY(c.map.isVisible());
  QCOMPARE(c.map.windowTitle(), QString("Map of the solution"));
  QCOMPARE(c.map.CurrentMapType, 0);
  QCOMPARE(c.map.ReturnButton->text(), QString("&Return to Main Menu"));
  QCOMPARE(c.map.TradeoffLabel->text(), QString("Solution &Information"));
  const QStringList summary = c.Summary();
  QCOMPARE(summary.value(0), QString("MEDIAN OBJECTIVE"));
  QCOMPARE(summary.value(2), QString("# Facilities = 4"));
  QVERIFY(summary.contains("BORD. FILE = us_cities.brd"));
  QCOMPARE(c.Scene()[BorderSeries].lines.size(), c.border.points.size() - 1);  // one outline
  QCOMPARE(c.Scene()[AssignmentSeries].lines.size(), std::size_t(41 - OwnFacilities(c.model)));
  QCOMPARE(c.Scene()[SiteSeries].marks.size(), std::size_t(4));
  QCOMPARE(c.Scene()[DemandSeries].marks.front().x, -74.006);  // true longitudes are drawn as they are
  QCOMPARE(c.map.MapTypeRadio->ItemIndex(), 0);
  QVERIFY(c.map.PctCompleteGauge->isHidden());
}

void MapFormTest::mapTypesAndTheCoverageLinks() {
  CitiesMap c;
  c.map.OpenFromMenu();
  ClickOn(c.map.MapTypeRadio->Button(2));
  QCOMPARE(c.map.CurrentMapType, 2);
  long long links = 0;
  for (int j = 1; j <= c.model.Numbnodes; ++j) links += static_cast<long long>(c.model.Node(j).CoversList.size());
  QCOMPARE(c.Summary().last(), QString::number(links) + " 1-way Coverage Links");
  QCOMPARE(c.Summary().first(), QString("Map of Coverage Relationships"));
  QVERIFY(c.map.PctCompleteGauge->isVisible());
  QCOMPARE(c.map.PctCompleteGauge->value(), 100);
  ClickOn(c.map.MapTypeRadio->Button(1));
  QCOMPARE(c.Summary().first(), QString("Map of the Relative Demands"));
  QCOMPARE(c.Scene()[AssignmentSeries].lines.size(), std::size_t(41));
  QVERIFY(c.map.PctCompleteGauge->isHidden());
  for (int i = 1; i <= c.model.NumDemandNodes; ++i) c.model.Node(i).Demand = 0;
  c.map.DrawCurrentMap();
  QVERIFY(c.Scene()[AssignmentSeries].lines.empty());  // no demand, no bars
  c.map.hide();
  c.map.show();
  QCOMPARE(c.map.CurrentMapType, 1);  // the view survives hiding
}

void MapFormTest::labelGroupsAreRebuiltAndResetAtEveryShowing() {
  CitiesMap c;
  c.map.OpenFromMenu();
  QCOMPARE(c.map.DemNamesGroup->Items(), (QStringList{"&Blank", "Show all &Numbers", "Show Un&Covered Nos.",
                                                      "&Show all names", "Show &Uncovered names"}));
  QCOMPARE(c.map.FacNamesGroup->Items(), (QStringList{"&0 Blank", "&1 Show numbers", "&2 Show names"}));
  QVERIFY(c.map.ShowDefining->isHidden());
  ClickOn(c.map.DemNamesGroup->Button(3));
  ClickOn(c.map.FacNamesGroup->Button(2));
  QStringList labels;
  for (const MapMark& mark : c.Scene()[DemandSeries].marks) labels << QString::fromStdString(mark.label);
  int uncovered = 0;
  for (int i = 1; i <= c.model.NumDemandNodes; ++i) {
    const NodeRecord& node = c.model.Node(i);
    // Every node but a site shows its name once; a site keeps a blank label.
    QCOMPARE(labels.count(QString::fromStdString(node.NodeName)), node.Located ? 0 : 1);
    uncovered += !node.Located && !WithinCoverage(c.model.CoverageDistance, node.AssignedDistance);
  }
  QVERIFY(uncovered > 0);
  QCOMPARE(labels.count(" "), 4 + uncovered);  // the sites, and the blank point every uncovered node also gets
  QString siteName = QString::fromStdString(c.Scene()[SiteSeries].marks.front().label);
  QCOMPARE(siteName, QString::fromStdString(c.model.Node(c.Scene()[SiteSeries].marks.front().node).NodeName));
  c.map.hide();
  c.map.show();
  QCOMPARE(c.map.DemNamesGroup->ItemIndex(), 0);
  QCOMPARE(c.map.FacNamesGroup->ItemIndex(), 0);
  QCOMPARE(c.Scene()[SiteSeries].marks.front().label, std::string(" "));
}

void MapFormTest::invertingMirrorsTheMap() {
  CitiesMap c;
  c.map.OpenFromMenu();
  ClickOn(c.map.InvertMapCheckBox);
  QVERIFY(c.map.InvertMap);
  QCOMPARE(c.Scene()[DemandSeries].marks.front().x, 74.006);
  QCOMPARE(c.Scene()[BorderSeries].lines.front().x0, -c.border.points.front().x);
}

void MapFormTest::clickingANodeShowsItsInformation() {
  CitiesMap c;
  c.map.OpenFromMenu();
  const MapMark newYork = c.Scene()[DemandSeries].marks.front();
  QTest::mouseClick(c.map.SolnGraph, Qt::LeftButton, {}, c.PixelOf(newYork.x, newYork.y));
  QCOMPARE(c.dialogs.shown.size(), 1);
  QCOMPARE(c.dialogs.shown[0].kind, 'I');
  QVERIFY(c.dialogs.shown[0].text.startsWith("Node 1\rNew York\r\rLongitude = -74.006\rLatitude = 40.713\r\r"
                                             "Demand = 8,804.000\r\r"));
  // A click where nothing is drawn shows nothing.
  QTest::mouseClick(c.map.SolnGraph, Qt::LeftButton, {}, QPoint(3, 3));
  QCOMPARE(c.dialogs.shown.size(), 1);
}

void MapFormTest::draggingZoomsAndUnzoomsAndTheLegendHidesASeries() {
  CitiesMap c;
  c.map.OpenFromMenu();
  const QRectF whole = c.map.SolnGraph->Layout().DataWindow();
  Drag(c.map.SolnGraph, QPoint(300, 200), QPoint(500, 400));
  QVERIFY(c.map.SolnGraph->Zoom().has_value());
  QVERIFY(c.map.SolnGraph->Layout().DataWindow().width() < whole.width() / 2);
  Drag(c.map.SolnGraph, QPoint(500, 400), QPoint(300, 200));
  QVERIFY(!c.map.SolnGraph->Zoom().has_value());
  const QPoint legend = c.map.SolnGraph->Layout().LegendEntry(AssignmentSeries).center().toPoint();
  QTest::mouseClick(c.map.SolnGraph, Qt::LeftButton, {}, legend);
  QVERIFY(!c.map.SolnGraph->Visible()[AssignmentSeries]);
  QTest::mouseClick(c.map.SolnGraph, Qt::LeftButton, {}, legend);
  QVERIFY(c.map.SolnGraph->Visible()[AssignmentSeries]);
}

void MapFormTest::leavingTheTitleBoxRedraws() {
  CitiesMap c;
  QVERIFY(MakeActive(c.map));
  c.map.TitleEditBox->setFocus();
  QTest::keyClicks(c.map.TitleEditBox, "Depots 2026");
  QTest::keyClick(c.map.TitleEditBox, Qt::Key_Tab);
  QCOMPARE(c.Scene().title, (std::vector<std::string>{"", "Depots 2026"}));
  c.map.TitleEditBox->setFocus();
  c.map.TitleEditBox->clear();
  QTest::keyClick(c.map.TitleEditBox, Qt::Key_Tab);
  QCOMPARE(c.Scene().title, (std::vector<std::string>{"Map of Solution", "MEDIAN OBJECTIVE"}));
}

void MapFormTest::savingAndPrintingTheMap() {
  CitiesMap c;
  c.map.OpenFromMenu();
  QTemporaryDir dir;
  const QString picture = dir.filePath("cities.png");
  c.dialogs.saveFiles = {picture};
  QTest::mouseClick(c.map.SaveBMP, Qt::LeftButton);
  QCOMPARE(c.dialogs.saveTitles, QStringList{"Save the Map"});
  QCOMPARE(c.dialogs.shown.last().text, "File saved as <" + picture + ">");
  QCOMPARE(QImage(picture).size(), c.map.SolnGraph->size());

  RecordingPrintSink text;
  c.map.textPrinter = [&text]() -> std::unique_ptr<PrintSink> { return std::make_unique<ForwardingSink>(text); };
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("map.pdf"));
  c.map.chartPrinter = [&printer] { return &printer; };
  printer.setPageOrientation(QPageLayout::Portrait);
  QTest::mouseClick(c.map.PrintLandsape, Qt::LeftButton);
  QVERIFY(text.finished);
  QCOMPARE(text.items.size(), std::size_t(4 + c.map.SolutionBox->count()));
  QCOMPARE(text.items[0].text, std::string("MAP BELOW ALONG WITH SUMMARY"));
  QCOMPARE(text.items[0].font, (PrintFont{"Monospac821 DL", 18, false}));
  QCOMPARE(text.items[3].font.pointSize, 10);
  QCOMPARE(text.items[4].text, std::string("MEDIAN OBJECTIVE"));
  QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);  // back as it was set up
  QFile pdf(dir.filePath("map.pdf"));
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  QVERIFY(bytes.startsWith("%PDF"));
  // The page was printed across: wider than high.
  const QList<QByteArray> box = bytes.mid(bytes.indexOf("/MediaBox [") + 11, 40).split(' ');
  QVERIFY(box.size() >= 4);
  QVERIFY(box[2].toDouble() > box[3].left(box[3].indexOf(']')).toDouble());
  QCOMPARE(MapPrintArea(QRectF(0, 0, 1000, 2000)), QRectF(150, 360, 700, 1280));
}

void MapFormTest::choosingACoveringMedianPointInstallsIt() {
  CitiesMap c;
  c.model.ReportProblemCode = 'D';
  c.model.Tradeoff.TradeoffList = {CurvePoint(c.model, {1, 2}, 5e6, 2e4), CurvePoint(c.model, {1, 2, 3, 10}, 4e6, 3e4)};
  c.map.OpenFromMenu();
  QCOMPARE(c.map.TradeoffLabel->text(), QString("Solution &Information -- Select desired soln. below"));
  QVERIFY(c.Scene().Empty());
  QCOMPARE(c.Scene().title, std::vector<std::string>{SelectSolutionTitle});
  // The analyst clicks the second point of the curve in the list.
  QListWidget* box = c.map.SolutionBox;
  QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(2)).center());
  QCOMPARE(c.map.ShownSolutionNumber, 2);
  for (int j = 1; j <= c.model.Numbnodes; ++j)
    QCOMPARE(c.model.Node(j).Located != 0, j == 1 || j == 2 || j == 3 || j == 10);
  for (int i = 1; i <= c.model.NumDemandNodes; ++i) {
    int32_t nearest = INT32_MAX;
    for (int j : {1, 2, 3, 10}) nearest = std::min(nearest, c.model.DistanceMatrix.at(i, j));
    QCOMPARE(c.model.Node(i).AssignedDistance, nearest);
  }
  QCOMPARE(c.Scene().title.at(0), std::string("Map of Solution 2"));
  QCOMPARE(c.map.SolutionBox->currentRow(), 2);
  c.map.hide();
  c.map.OpenFromTradeoff(1);
  QCOMPARE(c.map.ReturnButton->text(), QString("&Return to Tradeoff Graph"));
  QCOMPARE(c.Scene().title.at(0), std::string("Map of Solution 1"));
  QCOMPARE(c.model.Node(3).Located, uint8_t(0));
}

void MapFormTest::returnGoesBackWhereTheMapCameFrom() {
  CitiesMap c;
  QSignalSpy toMenu(&c.map, &TMap::returnToMenu), toGraph(&c.map, &TMap::returnToTradeoffGraph);
  c.map.OpenFromMenu();
  QTest::mouseClick(c.map.ReturnButton, Qt::LeftButton);
  QVERIFY(c.map.isHidden());
  QCOMPARE(toMenu.count(), 1);
  c.model.ReportProblemCode = 'D';
  c.model.Tradeoff.TradeoffList = {CurvePoint(c.model, {5}, 1, 1)};
  c.map.OpenFromTradeoff(1);
  c.map.close();
  QVERIFY(c.map.isHidden());
  QCOMPARE(toGraph.count(), 1);
}

QTEST_MAIN(MapFormTest)
#include "MapFormTest.moc"
