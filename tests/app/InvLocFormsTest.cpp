// The inventory/location model in the desktop program: its parameter form opened by
// the run form, its settings form, a run, and the pages the results chain adds for
// it, driven with the mouse and the keyboard.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "InvLocTestSupport.h"
#include "invloc/InvLocReports.h"
#include "median/LagSettingsPanel.h"
#include "reports/BasicResultsForm.h"
#include "reports/ReportNavigator.h"
#include "shell/DesktopProgram.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

class InvLocFormsTest : public QObject {
  Q_OBJECT

 private slots:
  // Choosing the model opens its parameter form with the current values and the
  // defaults; a box takes digits and "." only, checks its range when it is left and
  // keeps the quit button off while it is typed in.
  void parameterBoxesAreCheckedWhenLeft() {
    auto program = std::make_unique<Program>();
    Program& p = *program;
    BeepCounter beeps;
    p.ChooseModel();
    TTolvParamForm& form = p.parameters();
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QString("Parameter Setting Form for Brask Inventory Location Model"));
    QCOMPARE(form.Pages->tabText(0), QString("&Basic Inputs"));
    QCOMPARE(form.Pages->tabText(1), QString("&Shipping Costs to DC"));
    QCOMPARE(form.Pages->tabText(2), QString("&Identify Cities"));
    QCOMPARE(form.Edit("LeadTimeEdit")->text(), QString("5.000000000"));
    QCOMPARE(form.DefaultLabel("tolvDemPerPopEdit")->text(), QString("0.000003000"));
    QVERIFY(MakeActive(form));

    QLineEdit* lead = form.Edit("LeadTimeEdit");
    p.dialogs.shown.clear();
    TypeOver(lead, "2x00");
    QCOMPARE(lead->text(), QString("200"));
    QCOMPARE(beeps.beeps, 1);
    QVERIFY(!form.QuitButton->isEnabled());
    QTest::keyClick(lead, Qt::Key_Tab);
    QCOMPARE(Texts(p.dialogs).value(0), QString("W: Invalid Parameter Value.  Must have 0.0000 <= X <= 120.0000"));
    QCOMPARE(lead->text(), QString("5.000000000"));
    QVERIFY(form.QuitButton->isEnabled());
    QCOMPARE(p.model.InvLoc.Parameters.LeadTime, 5.0);

    TypeOver(lead, "7.5");
    QTest::mouseClick(form.Edit("ZAlphaEdit"), Qt::LeftButton);  // leaving by a click
    QCOMPARE(p.model.InvLoc.Parameters.LeadTime, 7.5);
    QCOMPARE(lead->text(), QString("7.500000000"));

    TypeOver(form.Edit("ZAlphaEdit"), "1.2.3");
    QTest::keyClick(form.Edit("ZAlphaEdit"), Qt::Key_Return);
    QCOMPARE(Texts(p.dialogs).last(), QString("W: Conversion Error"));
    QCOMPARE(p.model.InvLoc.Parameters.ZAlpha, 1.96);
  }

  // Plant cities: a click toggles a city; the buttons set or clear the highlighted
  // cities or all of them; the counts and the note follow.
  void plantCitiesByMouseAndKeyboard() {
    auto program = std::make_unique<Program>();
    Program& p = *program;
    p.ChooseModel();
    TTolvParamForm& form = p.parameters();
    QVERIFY(MakeActive(form));
    QTest::keyClick(&form, Qt::Key_I, Qt::AltModifier);
    QCOMPARE(form.Pages->currentIndex(), 2);
    QCOMPARE(form.SelectedNote->text(),
             QString("No Cities Selected Yet... Mileage Related Costs above will be ignored... Warning"));
    ClickRow(form.CityList, 1);
    QCOMPARE(p.model.InvLoc.PlantCity[2], uint8_t{1});
    QCOMPARE(form.CityList->item(1)->text(), QString("   2       SELECTED    Bexley"));
    QCOMPARE(form.CountLabels[1]->text(), QString("   1 SELECTED Cities"));
    QCOMPARE(form.SelectedNote->text(),
             QString("Costs will be based on the nearest of 1 selected cities (shown below) to the DCs"));
    QCOMPARE(form.SelectedList->item(0)->text(), QString("   2   Bexley"));
    ClickRow(form.CityList, 1);  // a second click deselects it
    QCOMPARE(p.model.InvLoc.PlantCity[2], uint8_t{0});

    // Keyboard: highlight towns 4 and 5, then "Select &City".
    form.CityList->setFocus();
    form.CityList->setCurrentRow(3);
    QTest::keyClick(form.CityList, Qt::Key_Down, Qt::ShiftModifier);
    // (a mnemonic clicks its button a moment later, as a pressed button shows)
    QTest::keyClick(form.CityList, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(PlantCityCount(p.model), 2);
    QCOMPARE(p.model.InvLoc.PlantCity[4] + p.model.InvLoc.PlantCity[5], 2);
    QTest::keyClick(form.CityList, Qt::Key_D, Qt::AltModifier);  // "&Deselect City"
    QTRY_COMPARE(PlantCityCount(p.model), 0);
    QTest::mouseClick(form.SelectAll, Qt::LeftButton);
    QCOMPARE(form.CountLabels[2]->text(), QString("   0 NOT Selected Cities"));
    QTest::keyClick(form.SelectAll, Qt::Key_A, Qt::AltModifier);  // "Deselect &All Cities"
    QTRY_COMPARE(PlantCityCount(p.model), 0);
    ClickRow(form.CityList, 0);
    QTest::mouseClick(form.RestoreDefaults, Qt::LeftButton);
    QCOMPARE(PlantCityCount(p.model), 0);
    QCOMPARE(p.model.InvLoc.Parameters.LeadTime, 5.0);
  }

  // Quitting the parameter form computes the model's data in daily units for the run
  // to come; cancelling the run form (or quitting the parameter form after the run
  // form was cancelled) puts every loaded demand back.
  void demandsAreLoadedAgainWithoutARun() {
    auto program = std::make_unique<Program>();
    Program& p = *program;
    p.ChooseModel();
    p.model.InvLoc.PlantCity[10] = 1;
    p.model.InvLoc.Parameters.ShipMileage = 2;
    QTest::mouseClick(p.parameters().QuitButton, Qt::LeftButton);
    QVERIFY(!p.parameters().isVisible());
    QVERIFY(p.forms().run.isVisible());
    QCOMPARE(p.model.Node(1).Demand, p.model.Node(1).LoadedDemand * p.model.InvLoc.Parameters.DemandPerPopulation);
    QCOMPARE(p.model.InvLoc.Derived.ShipFixedCost[10], Extended(10));
    QCOMPARE(p.model.InvLoc.Derived.ShipFixedCost[1], Extended(10 + 2 * p.model.DistanceMatrix.at(10, 1)));
    QTest::mouseClick(p.forms().run.CloseButton, Qt::LeftButton);
    QVERIFY(p.DemandsLoaded());

    p.ChooseModel();  // the parameter form opens again; the run form is cancelled first
    QVERIFY(p.parameters().isVisible());
    QTest::mouseClick(p.forms().run.CloseButton, Qt::LeftButton);
    QTest::mouseClick(p.parameters().QuitButton, Qt::LeftButton);
    QVERIFY(p.DemandsLoaded());
  }

  // "&View and Set Lagrangian Options" opens the model's own settings form; the
  // return button reopens the parameter form.
  void settingsAndReturnButtons() {
    auto program = std::make_unique<Program>();
    Program& p = *program;
    p.ChooseModel();
    QTest::mouseClick(p.parameters().QuitButton, Qt::LeftButton);
    TRunModelsForm& run = p.forms().run;
    QVERIFY(run.ReturnButton->isVisible());
    QTest::mouseClick(run.ViewLag, Qt::LeftButton);
    TTolvanCovSetting& settings = p.program.invLocLagSettings;
    QVERIFY(settings.isVisible());
    QCOMPARE(settings.windowTitle(), QString("Tolvan Loc/Inv Model Lagrangian Parameter Setting Menu"));
    QVERIFY(settings.Panel->Check("DoBoundingBox")->isHidden());
    QCOMPARE(settings.Panel->Edit("RootNodeValue")->text(), QString("1200"));
    QCOMPARE(settings.Panel->DefaultLabel("RootFail")->text(), QString("36"));
    QTest::mouseClick(settings.Quit, Qt::LeftButton);
    QTest::mouseClick(run.ReturnButton, Qt::LeftButton);
    QVERIFY(p.parameters().isVisible());
  }

  // A run optimising the number of centres, then the pages the chain adds: the cost
  // summary behind "Hidden &Report", the parameter report and the order frequency.
  void runAndItsReports() {
    auto program = std::make_unique<Program>();
    Program& p = *program;
    p.ChooseModel();
    QVERIFY(MakeActive(p.parameters()));
    TypeOver(p.parameters().Edit("tolvDemPerPopEdit"), "0.01");
    QTest::keyClick(p.parameters().Edit("tolvDemPerPopEdit"), Qt::Key_Tab);
    QTest::mouseClick(p.parameters().QuitButton, Qt::LeftButton);
    p.Run("-1");
    QCOMPARE(p.model.FatalError, uint8_t{0});
    QVERIFY(p.DemandsLoaded());
    p.Step(MenuButton::DisplayResults);
    TShowResultsForm& results = p.forms().results;
    QVERIFY(results.Command("Show Inventor&Y Inputs")->isVisible());
    QTest::mouseClick(results.Command("&Basic Inputs and Outputs"), Qt::LeftButton);
    TBasicResultsForm* basic = results.BasicResults();
    QCOMPARE(basic->Value("Solution Approach"), QString("Brask LOC/INV - LAGRANGIAN"));
    QCOMPARE(basic->NextButton->text(), QString("Hidden &Report"));
    QTest::mouseClick(basic->NextButton, Qt::LeftButton);
    TTolvanReport& costs = p.forms().invLocCostReport;
    QVERIFY(costs.isVisible());
    QCOMPARE(costs.Value(0, "Total Cost"), costs.Value(0, "Total Cost from Algorithm"));
    QCOMPARE(costs.Value(1, "Total Cost"), costs.Value(1, "Total Cost from Algorithm"));
    QVERIFY(costs.Value(0, "Cost Difference (Error)").isEmpty());
    QVERIFY(p.DemandsLoaded());

    QTest::mouseClick(costs.NextButton, Qt::LeftButton);
    QVERIFY(p.forms().invLocParameterReport.isVisible());
    QCOMPARE(p.forms().invLocParameterReport.List(0)->item(0)->text(),
             QString("Demand per unit Population/day          = 0.010000000"));
    QTest::mouseClick(p.forms().invLocParameterReport.NextButton, Qt::LeftButton);
    TextReportForm& orders = p.forms().invLocOrderFrequency;
    QVERIFY(orders.isVisible());
    QCOMPARE(orders.windowTitle(), QString("Order Frequency From Plant(s)"));
    QCOMPARE(orders.List(0)->count(), int(p.model.NumLocated));
    QTest::mouseClick(orders.NextButton, Qt::LeftButton);
    ReportWindow* location = results.Navigator().Window(ReportPage::LocationSummary);
    QVERIFY(location->isVisible());
    QTest::mouseClick(location->LastButton, Qt::LeftButton);
    QVERIFY(orders.isVisible());
    QTest::mouseClick(orders.CancelButton, Qt::LeftButton);
    QVERIFY(results.isVisible());

    // "Show Inventor&Y Inputs" shows the parameter report on its own.
    QTest::mouseClick(results.Command("Show Inventor&Y Inputs"), Qt::LeftButton);
    QVERIFY(p.forms().invLocParameterReport.isVisible());
    QVERIFY(p.forms().invLocParameterReport.NextButton->isHidden());
    QTest::mouseClick(p.forms().invLocParameterReport.CancelButton, Qt::LeftButton);
    QVERIFY(results.isVisible());

    // "La&Grangian Param" opens the model's read-only settings report.
    QTest::mouseClick(results.Command("&Basic Inputs and Outputs"), Qt::LeftButton);
    QTest::mouseClick(basic->LagParamButton, Qt::LeftButton);
    QVERIFY(p.forms().invLocSettingsReport.isVisible());
    QCOMPARE(p.forms().invLocSettingsReport.Notice->text(),
             QString("Tolvan LAGRANGIAN Settings CANNOT be CHANGED from this Form"));
  }

  // The swap search's window follows what the search reports through the run host; a
  // negative share or an empty status leaves what the window shows.
  void swapProgressWindowFollowsTheSearch() {
    auto program = std::make_unique<Program>();
    TTolvanSwapProgress& window = program->program.solve.swap;
    RunHost& host = program->program.solve.host;
    host.ShowSwapProgress(true);
    QVERIFY(window.isVisible());
    host.SetSwapProgress(50, 100, "FOUND SWAP");
    host.SetSwapProgress(-1, 30, "");
    QCOMPARE(window.SitesGauge->value(), 50);
    QCOMPARE(window.CandidatesGauge->value(), 30);
    QCOMPARE(window.Status->text(), QString("FOUND SWAP"));
    host.SetSwapProgress(75, -1, "DID NOT FIND SWAP");
    QCOMPARE(window.CandidatesGauge->value(), 30);
    QCOMPARE(window.Status->text(), QString("DID NOT FIND SWAP"));
    host.ShowSwapProgress(false);
    QVERIFY(!window.isVisible());
  }
};

QTEST_MAIN(InvLocFormsTest)
#include "InvLocFormsTest.moc"
