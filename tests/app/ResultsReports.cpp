// The results form and its chain of reports, and the whole road from a data
// file through the parameter and run forms to the report lines.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "SetupTestSupport.h"
#include "reports/BasicResultsForm.h"
#include "reports/ReportNavigator.h"
#include "reports/TSShowResults.h"
#include "reports/TextReportForm.h"
#include "setup/RunModelsForm.h"
#include "map/GeoJson.h"
#include "setup/SetParameters.h"
#include "setup/TShowForcedNodes.h"
#include "solve/NodeFiles.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

namespace {

QStringList Lines(QListWidget* list) {
  QStringList lines;
  for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
  return lines;
}

}  // namespace

class ResultsReports : public QObject {
  Q_OBJECT

  // The road as the analyst walks it: load, parameters, a greedy covering run of
  // two facilities at coverage distance 10, and the results form.
  struct Road {
    ModelState model;
    ScriptedDialogs dialogs;
    HeadlessRunHost host;
    MenuRecorder menu;
    RecordingPrintSink printed;
    TParameterForm parameters{model, dialogs, menu.link};
    TRunModelsForm run{model, dialogs, host, menu.link, RunFormLinks{}};
    TShowResultsForm results{model, dialogs, host, menu.link, RecordInto(printed)};
    TShowForcedNodes forced{model, RecordInto(printed)};

    Road() {
      if (!LoadFixture(model, "ten.euc").empty()) qFatal("fixture did not load");
      menu.Happen(MenuEvent::DataLoaded);
      results.Navigator().Add(ReportPage::ForcedNodes, &forced);
      parameters.Open();
      parameters.CovDist->setText("10");
      parameters.CovDistExit();
      parameters.CostPerMile->setText("1");
      parameters.CostPerMileExit();
      parameters.DoneAndRun->click();
      run.Open();
      run.ProblemItems[0]->click();    // maximum covering
      run.AlgorithmItems[0]->click();  // greedy adding
      run.NumbInput->setText("2");
      run.NumbInputExit();
      run.Execute->click();
      results.Open();
    }
    TextReportForm* Report(ReportPage page) { return results.Report(page); }
  };

 private slots:
  void roadFromDataFileToReportLines() {
    Road r;
    QVERIFY(r.menu.state[MenuButton::DisplayResults]);
    // Greedy adding: site 2 covers 1, 2, 3, 5 (550); then site 9 adds 6, 8 and 9 (270).
    std::vector<int> located;
    for (int n = 1; n <= 10; ++n)
      if (r.model.Node(n).Located) located.push_back(n);
    QCOMPARE(located, (std::vector<int>{2, 9}));

    r.results.Command("&Basic Inputs and Outputs")->click();
    QVERIFY(r.results.isHidden());
    TBasicResultsForm* basic = r.results.BasicResults();
    QVERIFY(basic->isVisible());
    QCOMPARE(basic->windowTitle(), QString("Basic Results Form"));
    QCOMPARE(basic->Value("Name of Main File"), Fixture("ten.euc"));
    QCOMPARE(basic->Value("Number of Nodes"), QString("10 / 10"));
    QCOMPARE(basic->Value("Number of Facilities"), QString("2"));
    QCOMPARE(basic->Value("Solution Approach"), QString("COVERING - HEURISTIC"));
    QCOMPARE(basic->Extra("Solution Approach"), QString("NO SUBSTITUTION"));
    QVERIFY(basic->LagParamButton->isHidden());

    basic->NextButton->click();
    TextReportForm* summary = r.Report(ReportPage::LocationSummary);
    QVERIFY(basic->isHidden());
    QVERIFY(summary->isVisible());
    QCOMPARE(summary->Heading(0)->text(), QString("   # ==> Candidate Number"));
    QCOMPARE(Lines(summary->List(0)), (QStringList{"   1 ==>    2", "   2 ==>    9"}));

    r.results.Navigator().Open(ReportPage::UncoveredDemands);
    TextReportForm* uncovered = r.Report(ReportPage::UncoveredDemands);
    QVERIFY(summary->isHidden());
    QCOMPARE(uncovered->List(0)->count(), 3);  // nodes 4, 7 and 10
    QVERIFY(uncovered->List(0)->item(0)->text().contains("Dunmore"));
  }

  void chainPagesThroughEveryReportAndBack() {
    Road r;
    ReportNavigator& nav = r.results.Navigator();
    nav.Open(ReportPage::BasicResults);
    QStringList titles;
    for (int k = 0; k < 16; ++k) {
      titles << nav.Current()->windowTitle();
      nav.Current()->NextButton->click();
    }
    // The tradeoff table of this greedy run is passed over: this program has no window for it.
    const QStringList expected = {"Basic Results Form",
                                  "Location Summary",
                                  "Extended Location Summary",
                                  "Forced Nodes",
                                  "Uncovered Demands",
                                  "Assigned Demands",
                                  "Demand Area Coverage Report",
                                  "Coverage Summary Report",
                                  "Dominated Nodes Summary",
                                  "Cover Lists",
                                  "Utilization Report",
                                  "Assignment of Demands to Sites",
                                  "Fixed Cost Form",
                                  "Node to Facility Report",
                                  "Basic Results Form",
                                  "Location Summary"};
    QCOMPARE(titles, expected);
    nav.Current()->LastButton->click();
    QCOMPARE(nav.Current()->windowTitle(), QString("Location Summary"));
    nav.Current()->LastButton->click();
    QCOMPARE(nav.Current()->windowTitle(), QString("Basic Results Form"));
    nav.Current()->CancelButton->click();
    QVERIFY(r.results.isVisible());
    QVERIFY(nav.Current() == nullptr);
  }

  void forcedNodesPageFromTheChainShowsItsCommands() {
    Road r;
    r.results.Command("&Forced Nodes")->click();
    QVERIFY(r.forced.isVisible());
    QVERIFY(!r.forced.NextButton->isHidden());
    r.results.Navigator().OpenOutside(ReportPage::ForcedNodes, [] {});
    QVERIFY(r.forced.NextButton->isHidden());
    QVERIFY(r.forced.LastButton->isHidden());
  }

  void printingAListReport() {
    Road r;
    r.results.Command("&Location Summary")->click();
    r.Report(ReportPage::LocationSummary)->PrintButton->click();
    const QStringList expected = {"18 BASIC LOCATION SUMMARY", "10 ", "10 ", "10b    # ==> Candidate Number",
                                  "10 ", "10    1 ==>    2", "10    2 ==>    9"};
    QCOMPARE(PrintedLines(r.printed), expected);
    QVERIFY(r.printed.finished);
  }

  void printingTheBasicReportStartsWithItsTitle() {
    Road r;
    r.results.Command("&Basic Inputs and Outputs")->click();
    r.results.BasicResults()->PrintButton->click();
    const QStringList printed = PrintedLines(r.printed);
    QCOMPARE(printed.mid(0, 3), (QStringList{"18 BASIC RESULTS SUMMARY FORM", "10 ", "10 "}));
    QVERIFY(printed.contains("10 Solution Approach   COVERING - HEURISTIC   NO SUBSTITUTION"));
  }

  void selectorsAndSortCommands() {
    Road r;
    r.results.Command("Ut&Ilization of Facility Sites")->click();
    TextReportForm* utilization = r.Report(ReportPage::Utilization);
    QCOMPARE(utilization->Selector()->currentText(), QString("2"));  // the first open site
    QCOMPARE(utilization->Shown().sections.at(0).heading, std::string("Demand Assigned to Facility Site 2"));
    utilization->Selector()->setCurrentIndex(8);
    emit utilization->Selector()->activated(8);
    QCOMPARE(utilization->Shown().sections.at(0).heading, std::string("Demand Assigned to Facility Site 9"));

    r.results.Navigator().Open(ReportPage::FixedCost);
    TextReportForm* fixed = r.Report(ReportPage::FixedCost);
    QVERIFY(fixed->List(0)->item(0)->text().startsWith("    1"));
    const auto buttons = fixed->findChildren<QPushButton*>();
    QPushButton* ascending = nullptr;
    for (QPushButton* b : buttons)
      if (b->text() == "Sort by &Ascending Cost") ascending = b;
    QVERIFY(ascending);
    ascending->click();
    QVERIFY(fixed->List(0)->item(0)->text().startsWith("   10"));  // Jarrow, $600, is the cheapest
  }

  void tradeoffCommandsWithoutACurve() {
    Road r;
    r.model.TradeoffExists = 0;
    r.results.Command("&Tradeoff Curve")->click();
    r.results.Command("&Graph Tradeoff Curve")->click();
    QCOMPARE(Texts(r.dialogs).mid(Texts(r.dialogs).size() - 2),
             (QStringList{"W: Tradeoff Curve does not exist... Sorry... \nNo Tradeoff Curve Computed... Sorry... ",
                          "W: No Tradeoff Curve Exists\rWARNING...  Sorry..."}));
    QVERIFY(r.results.isVisible());
  }

  void nodeToFacilityNeedsNames() {
    Road r;
    QVERIFY(!r.results.Command("&@ Node to Facility Report")->isHidden());
    QVERIFY(r.results.MenuCommand("&@ Node to Facility Report")->isVisible());
    r.model.NamesPresent = 0;
    r.results.Open();
    QVERIFY(r.results.Command("&@ Node to Facility Report")->isHidden());
    QVERIFY(!r.results.MenuCommand("&@ Node to Facility Report")->isEnabled());
    QVERIFY(r.results.Command("Show Inventor&Y Inputs")->isHidden());
    QVERIFY(!r.results.Command("&Require Assignments")->isEnabled());
  }

  void savingTheSolutionAndTheMappingData() {
    Road r;
    QTemporaryDir dir;
    const QString solution = dir.filePath("run.SOL");
    r.dialogs.saveFiles.push_back(solution);
    r.results.Command("Save Solution to Dis&K")->click();
    // The initial-solution form reads it back as the located sites.
    for (int n = 1; n <= 10; ++n) r.model.Node(n).InInitialSolution = 0;
    QVERIFY(ReadNodeFile(r.model, r.host, 'I', solution.toStdString()));
    for (int n = 1; n <= 10; ++n) QCOMPARE(r.model.Node(n).InInitialSolution, r.model.Node(n).Located);

    // The mapping command as the analyst gives it: the name chosen, then the file written.
    const auto saveMapping = [&r](const QString& name) {
      r.dialogs.saveFiles.push_back(name);
      r.results.Command("Save Ma&Pping Data")->click();
      QFile file(name);
      return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QString mapping = dir.filePath("run.MAP");
    const QStringList lines = saveMapping(mapping).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(Texts(r.dialogs).last(), "I: MAPPING INFORMATION STORED IN \r<" + mapping + ">");
    QCOMPARE(lines.size(), 10);
    // Node 4 (0, 10) is served by site 2 (10, 0).
    QCOMPARE(lines[3], QString("   4,  2,    -10.0000000,      0.0000000,      0.0000000,     10.0000000"));

    // The same command writes GeoJSON when the name asks for it; the .MAP layout is untouched.
    const QString geojson = dir.filePath("run.GeoJSON");
    QCOMPARE(saveMapping(geojson), QString::fromStdString(GeoJsonText(r.model)));
    QCOMPARE(Texts(r.dialogs).last(), "I: MAPPING INFORMATION STORED IN \r<" + geojson + ">");

    r.results.Command("Save Ma&Pping Data")->click();  // cancelled
    QCOMPARE(Texts(r.dialogs).last(), QString("W: MAPPING FILE INFORMATION WILL NOT BE SAVED"));
    QCOMPARE(r.host.beeps, 1);
  }

  void savingTheTradeoffCurveOfTheGreedyRun() {
    Road r;
    QTemporaryDir dir;
    const QString file = dir.filePath("curve.COV");
    r.dialogs.saveFiles.push_back(file);
    r.results.Command("Sa&Ve Tradeoff Curve")->click();
    QCOMPARE(Texts(r.dialogs).last(), "I: Tradeoff Information saved in file " + file);
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    // One row per number of facilities: 550 and 820 of the 950 demand covered.
    QVERIFY(text.endsWith("NO.     TRADEOFF      PERCENT\n"
                          "---     --------      -------\n"
                          "  1 550.00000000  57.89473684\n"
                          "  2 820.00000000  86.31578947\n"));
    QVERIFY(text.contains("INPUT FILE NAME                           = " + Fixture("ten.euc") + "\n"));
    r.results.Command("Sa&Ve Tradeoff Curve")->click();  // cancelled
    QCOMPARE(Texts(r.dialogs).last(), QString("W: TRADEOFF CURVE WILL NOT BE SAVED"));
    r.model.TradeoffExists = 0;
    r.results.Command("Sa&Ve Tradeoff Curve")->click();
    QCOMPARE(Texts(r.dialogs).last(), QString("W: TRADEOFF CURVE DOES NOT EXIST...SORRY"));
  }

  void basicReportOfTheGeneticAlgorithmLeadsToAHiddenReport() {
    Road r;
    r.model.ReportProblemCode = 'M';
    r.model.MedianAlgorithm = 'T';
    r.results.Navigator().Open(ReportPage::BasicResults);
    QCOMPARE(r.results.BasicResults()->NextButton->text(), QString("Hidden &Report"));
    QVERIFY(r.results.BasicResults()->NextButton->font().bold());
    r.model.ReportProblemCode = 'C';
    r.results.BasicResults()->hide();
    r.results.Navigator().Open(ReportPage::BasicResults);
    QCOMPARE(r.results.BasicResults()->NextButton->text(), QString("Next &Report"));
    QVERIFY(!r.results.BasicResults()->NextButton->font().bold());
  }

  // The note that the root forcing reset the lower bound is on the screen, in the
  // row beneath the lower bound, as it is on the printout.
  void resetInForcingShownBeneathTheLowerBound() {
    Road r;
    r.model.ReportProblemCode = 'M';
    r.model.MedianAlgorithm = 'L';
    r.model.SolutionClass = 2;
    TBasicResultsForm* basic = r.results.BasicResults();
    for (const bool reset : {true, false}) {
      r.model.LowerBoundResetInForcing = reset;
      basic->hide();
      r.results.Navigator().Open(ReportPage::BasicResults);
      auto* note = basic->findChild<QLabel*>("ResetInForcing");
      QCOMPARE(note != nullptr, reset);
      if (!note) continue;
      QCoreApplication::processEvents();  // a box added to a shown window appears with the next events
      QVERIFY(note->isVisible());
      QCOMPARE(note->text(), QString("Reset in Forcing"));
      auto* grid = qobject_cast<QGridLayout*>(note->parentWidget()->layout());
      QVERIFY(grid);
      int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
      grid->getItemPosition(grid->indexOf(note), &row, &column, &rowSpan, &columnSpan);
      auto* above = qobject_cast<QLabel*>(grid->itemAtPosition(row - 1, 0)->widget());
      QCOMPARE(above->text(), QString("Lower Bound"));
    }
  }

  void quitReturnsToTheMenu() {
    Road r;
    const int shownBefore = r.menu.menuShown;
    r.results.Command("&Quit (return to main menu)")->click();
    QVERIFY(r.results.isHidden());
    QCOMPARE(r.menu.menuShown, shownBefore + 1);
  }
};

QTEST_MAIN(ResultsReports)
#include "ResultsReports.moc"
