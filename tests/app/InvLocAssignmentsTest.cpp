// After a run of the inventory/location model: the forced-assignment form driven
// with the mouse and the keyboard, its assignment files, the cost summary's column
// file and printout, and the plant-to-DC mapping layer.
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include "InvLocTestSupport.h"
#include "invloc/InvLocAssignments.h"
#include "invloc/InvLocReports.h"
#include "reports/BasicResultsForm.h"
#include "reports/MappingFile.h"
#include "reports/ReportNavigator.h"
#include "solve/Evaluation.h"
#include "solve/TextFormat.h"

using namespace korvelan;
using namespace korvelan::app;
using namespace korvelan::app::testing;

namespace {

QStringList Lines(QListWidget* list) {
  QStringList lines;
  for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
  return lines;
}

QStringList Expected(const std::vector<std::string>& lines) {
  QStringList expected;
  for (const std::string& line : lines) expected << QString::fromStdString(line);
  return expected;
}

QString ReadFile(const QString& name) {
  QFile file(name);
  file.open(QIODevice::ReadOnly);
  return QString::fromUtf8(file.readAll());
}

}  // namespace

class InvLocAssignmentsTest : public QObject {
  Q_OBJECT

  // Two centres for the ten towns, the results form on screen.
  struct Solved {
    std::unique_ptr<Program> owner = std::make_unique<Program>();  // a whole model: kept off the stack
    Program& p = *owner;
    QTemporaryDir folder;
    Solved() { p.Solve("0.01", "2"); }
    TForceAssignments& form() { return p.forms().forceAssignments; }
    QString Path(const char* name) const { return folder.filePath(name); }
  };

 private slots:
  // "&Require Assignments" shows the demand nodes and, for the highlighted one, the
  // centres by distance; a click (or Return) on another centre moves the node there
  // and the solution becomes a manual one, whose cost summary shows the difference.
  void reassignByMouseAndKeyboard() {
    Solved s;
    Program& p = s.p;
    QCOMPARE(p.model.NumLocated, uint16_t{2});
    QTest::mouseClick(p.forms().results.Command("&Require Assignments"), Qt::LeftButton);
    TForceAssignments& form = s.form();
    QVERIFY(form.isVisible());
    QVERIFY(!p.forms().results.isVisible());
    QCOMPARE(form.windowTitle(), QString("Force Assignments"));
    QCOMPARE(form.Instruction->text(), QString("Click on Facility in Facility List to ASSIGN it to the demand node "
                                               "highlighted in the Demand Node List"));
    QVERIFY(form.ClosestAssignments->isVisible());
    QCOMPARE(Lines(form.DemandNodeList).value(2), QString("   3 Carden"));
    QCOMPARE(form.Highlighted(), 1);
    QCOMPARE(Lines(form.FacilityList), Expected(FacilityListOf(p.model, 1).lines));
    QVERIFY(form.FacilityList->item(0)->text().startsWith(" ASS TO: "));

    QVERIFY(MakeActive(form));
    ClickRow(form.DemandNodeList, 2);
    QCOMPARE(form.Highlighted(), 3);
    QCOMPARE(Lines(form.FacilityList), Expected(FacilityListOf(p.model, 3).lines));
    const int other = FacilityListOf(p.model, 3).sites[1];
    ClickRow(form.FacilityList, 1);
    QCOMPARE(int(p.model.Node(3).AssignedFacility), other);
    QCOMPARE(p.model.Node(3).AssignedDistance, p.model.DistanceMatrix.at(3, other));
    QCOMPARE(p.model.SolutionClass, uint8_t{1});
    QCOMPARE(Lines(form.FacilityList), Expected(FacilityListOf(p.model, 3).lines));

    // The keyboard: Down to town 4, Tab to the centres, Down and Return.
    form.DemandNodeList->setFocus();
    QTest::keyClick(form.DemandNodeList, Qt::Key_Down);
    QCOMPARE(form.Highlighted(), 4);
    QTest::keyClick(form.DemandNodeList, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.FacilityList);
    const int second = FacilityListOf(p.model, 4).sites[1];
    form.FacilityList->setCurrentRow(0);
    QTest::keyClick(form.FacilityList, Qt::Key_Down);
    QTest::keyClick(form.FacilityList, Qt::Key_Return);
    QCOMPARE(int(p.model.Node(4).AssignedFacility), second);

    QTest::mouseClick(form.QuitButton, Qt::LeftButton);
    QVERIFY(p.forms().results.isVisible());
    QTest::mouseClick(p.forms().results.Command("&Basic Inputs and Outputs"), Qt::LeftButton);
    TBasicResultsForm* basic = p.forms().results.BasicResults();
    QCOMPARE(basic->Value("Solution Approach"), QString("Brask LOC/INV - MANUAL"));
    QTest::mouseClick(basic->NextButton, Qt::LeftButton);
    TTolvanReport& costs = p.forms().invLocCostReport;
    QVERIFY(costs.isVisible());
    const TolvanCostSummary summary = BuildTolvanCostSummary(p.model);
    QCOMPARE(costs.Value(0, "Cost Difference (Error)"),
             QString::fromStdString(FormatCurrency(p.model.RunUpperBound - summary.costs.total, 15, 2)));
  }

  // "&Save Assignments" and "&Read Assignments (same locations)" give the saved
  // assignment back; "Force &Closest Facility Assignments" asks before it keeps the
  // nearest centres; a file naming a site that is not a centre is refused.
  void assignmentFilesAndClosestCentres() {
    Solved s;
    Program& p = s.p;
    QTest::mouseClick(p.forms().results.Command("&Require Assignments"), Qt::LeftButton);
    TForceAssignments& form = s.form();
    const int other = FacilityListOf(p.model, 3).sites[1];
    AssignDemandNode(p.model, 3, other);
    const std::string manual = AssignmentFileText(p.model);

    p.dialogs.saveFiles.push_back(s.Path("towns.ass"));
    QTest::mouseClick(form.SaveAssignments, Qt::LeftButton);
    QCOMPARE(ReadFile(s.Path("towns.ass")), QString::fromStdString(manual));
    p.dialogs.shown.clear();
    QTest::mouseClick(form.SaveAssignments, Qt::LeftButton);  // cancelled
    QCOMPARE(Texts(p.dialogs), QStringList{"W: ASSIGNMENT FILE WILL NOT BE SAVED"});

    p.dialogs.shown.clear();
    p.dialogs.answers.push_back(true);
    QTest::mouseClick(form.ClosestAssignments, Qt::LeftButton);
    QVERIFY(Texts(p.dialogs).value(0).startsWith("C: Current TOTAL Cost = "));
    for (int i = 1; i <= p.model.NumDemandNodes; ++i)
      QCOMPARE(p.model.Node(i).AssignedDistance, NearestLocated(p.model, i).distance);

    p.dialogs.shown.clear();
    p.dialogs.openFiles.push_back(s.Path("towns.ass"));
    QTest::mouseClick(form.ReadAssignments, Qt::LeftButton);
    QCOMPARE(Texts(p.dialogs), QStringList{"I: File read and nodes reassigned ok ... "});
    QCOMPARE(int(p.model.Node(3).AssignedFacility), other);
    QCOMPARE(Lines(form.FacilityList), Expected(FacilityListOf(p.model, 1).lines));

    int closed = 1;
    while (p.model.Node(closed).Located) ++closed;
    QFile bad(s.Path("bad.ass"));
    bad.open(QIODevice::WriteOnly);
    bad.write(QByteArray::number(closed) + " 1 2 3 4 5 6 7 8 9 10\n");
    bad.close();
    p.dialogs.shown.clear();
    p.dialogs.openFiles.push_back(s.Path("bad.ass"));
    QTest::mouseClick(form.ReadAssignments, Qt::LeftButton);
    QCOMPARE(Texts(p.dialogs), QStringList{"W: Node " + QString::number(closed) + " used as a facility in file " +
                                           s.Path("bad.ass") +
                                           "\nBut it is not a facility ... \nUNABLE TO ASSIGN DEMANDS TO FACILITIES IN FILE"});
    QCOMPARE(int(p.model.Node(3).AssignedFacility), other);
  }

  // Another model's solution can be looked at, not changed.
  void otherModelsOnlyShowTheirAssignments() {
    Solved s;
    Program& p = s.p;
    p.model.ReportProblemCode = 'M';
    QTest::mouseClick(p.forms().results.Command("&Require Assignments"), Qt::LeftButton);
    TForceAssignments& form = s.form();
    QCOMPARE(form.Instruction->text(), QString("Panels below show current assignments.  They cannot be changed with "
                                               "this objective function.  SORRY."));
    QVERIFY(form.ReadAssignments->isHidden());
    QVERIFY(form.ForceFacilities->isHidden());
    QVERIFY(form.ClosestAssignments->isHidden());
    QVERIFY(MakeActive(form));
    const uint16_t before = p.model.Node(1).AssignedFacility;
    p.dialogs.shown.clear();
    ClickRow(form.FacilityList, 1);
    QCOMPARE(Texts(p.dialogs), QStringList{"I: Unable to reassign demand nodes with current objective function"});
    QCOMPARE(p.model.Node(1).AssignedFacility, before);
  }

  // "&Save Columns" tells the totals, then writes the column file; "&Print Report"
  // prints both panels.
  void columnFileAndPrintout() {
    Solved s;
    Program& p = s.p;
    TTolvanReport& costs = p.forms().invLocCostReport;
    p.forms().results.Navigator().Open(ReportPage::InvLocCostSummary);
    QVERIFY(costs.isVisible());
    p.dialogs.shown.clear();
    p.dialogs.saveFiles.push_back(s.Path("costs.col"));
    QTest::mouseClick(costs.SaveColumns, Qt::LeftButton);
    const TolvanCostSummary summary = BuildTolvanCostSummary(p.model);
    QCOMPARE(Texts(p.dialogs), QStringList{"I: " + QString::fromStdString(SaveColumnsMessage(p.model, summary))});
    QCOMPARE(ReadFile(s.Path("costs.col")), QString::fromStdString(ColumnFileText(p.model, summary.costs)));
    QVERIFY(ReadFile(s.Path("costs.col")).startsWith("NODE   TotalCost  LocalDeliveryCost"));
    p.dialogs.shown.clear();
    QTest::mouseClick(costs.SaveColumns, Qt::LeftButton);  // cancelled
    QCOMPARE(Texts(p.dialogs).value(1), QString("W: COLUMN COST FILE WILL NOT BE SAVED"));

    RecordingPrintSink printed;
    TTolvanReport report(p.model, p.dialogs, p.program.solve.host, RecordInto(printed));
    report.show();
    QTest::mouseClick(report.PrintButton, Qt::LeftButton);
    QCOMPARE(report.PrintButton->text(), QString("&Print Report"));
    const QStringList lines = PrintedLines(printed);
    QCOMPARE(lines.value(0), QString("18 Tolvan LOCATION INVENTORY COST SUMMARY"));
    QCOMPARE(lines.value(3), "10 Fixed Cost                " + report.Value(0, "Fixed Cost"));
    QVERIFY(lines.contains("10 =============================================="));
  }

  // With plant cities, "Save Ma&Pping Data" asks for a second file: the plant-to-DC layer.
  void mappingDataWithThePlantLayer() {
    Solved s;
    Program& p = s.p;
    p.model.InvLoc.PlantCity[10] = 1;
    p.dialogs.shown.clear();
    p.dialogs.saveFiles = {s.Path("towns.MAP"), s.Path("plants.MAP")};
    QTest::mouseClick(p.forms().results.Command("Save Ma&Pping Data"), Qt::LeftButton);
    QCOMPARE(Texts(p.dialogs),
             (QStringList{"I: " + QString::fromStdString(MappingStoredMessage(s.Path("towns.MAP").toStdString())),
                          "I: Now you will be asked for a file name for the Plant-to-DC GIS Layer.",
                          "I: " + QString::fromStdString(MappingStoredMessage(s.Path("plants.MAP").toStdString()))}));
    QCOMPARE(ReadFile(s.Path("plants.MAP")), QString::fromStdString(PlantToDcMappingText(p.model)));
    QCOMPARE(ReadFile(s.Path("plants.MAP")).count('\n'), 2);
  }
};

QTEST_MAIN(InvLocAssignmentsTest)
#include "InvLocAssignmentsTest.moc"
