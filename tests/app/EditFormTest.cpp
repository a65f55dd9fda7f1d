// The data editor driven as the analyst drives it: clicks, keys and focus changes
// offscreen, every message box answered by a script.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "data/DataLoad.h"
#include "data/EditForm.h"
#include "data/EditorGrids.h"
#include "setup/KeyFilter.h"
#include "shell/Dialogs.h"

using namespace korvelan;
using namespace korvelan::app;

namespace {

// Three demand nodes and two candidate-only sites, all named, Euclidean.
std::string LoadSmall(ModelState& m, const QTemporaryDir& dir) {
  const auto write = [&dir](const char* name, const char* text) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return file.fileName().toStdString();
  };
  LoadRequest r;
  r.MetricCode = 'E';
  r.DemandFileName = write("d.euc", "1 0 0 10 10 100 <Alpha>\n2 3 0 20 20 200 <Beta>\n3 0 4 30 30 300 <Gamma>\n");
  r.ExtraSitesFileName = write("s.euc", "1 6 8 0 0 50 <Depot>\n2 9 0 0 0 60 <Yard>\n");
  return LoadDataSet(m, r);
}

QStringList Texts(const ScriptedDialogs& dialogs) {
  QStringList texts;
  for (const auto& shown : dialogs.shown) texts << QString(shown.kind) + ": " + shown.text;
  return texts;
}

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int k = 0; k < box->count(); ++k) items << box->itemText(k);
  return items;
}

struct BeepCounter {
  int beeps = 0;
  BeepCounter() { KeyFilter::Beep() = [this] { ++beeps; }; }
  ~BeepCounter() { KeyFilter::Beep() = [] {}; }
};

}  // namespace

class EditFormTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  ModelState model_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<TEditorForm> form_;

  // Opens the form afresh in the given mode with the small data set loaded.
  void Open(bool editable) {
    form_.reset();
    dialogs_ = ScriptedDialogs{};
    QCOMPARE(QString::fromStdString(LoadSmall(model_, dir_)), QString());
    form_ = std::make_unique<TEditorForm>(model_, dialogs_);
    form_->Open(editable);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  // Types into a grid cell and presses Enter, as the analyst edits it.
  void TypeIntoCell(QTableView* grid, int row, int column, const QString& text) {
    const QModelIndex cell = grid->model()->index(row, column);
    grid->scrollTo(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    QTest::keyClick(grid, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor != grid);
    auto* line = qobject_cast<QLineEdit*>(editor);
    QVERIFY(line);
    line->selectAll();
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
    // The editor commits its text as it closes; a refused text is reported after that.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  // Types into a transform field and leaves it with Tab.
  void TypeIntoField(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
  }

 private slots:
  void modesSwitchEditingOnAndOff() {
    for (bool editable : {true, false}) {
      Open(editable);
      TEditorForm& f = *form_;
      for (QWidget* w : std::initializer_list<QWidget*>{f.SaveDistButton, f.SaveButton, f.MatrixUpdateButton,
                                                        f.DeleteNodeBox, f.CritDistEdit, f.ScaleDist,
                                                        f.ScaleDistCheckBox, f.TransformEdits[2][1]})
        QCOMPARE(w->isEnabled(), editable);
      for (QWidget* w : std::initializer_list<QWidget*>{f.NameBox, f.RowCombo, f.ColCombo, f.CloseButton})
        QVERIFY(w->isEnabled());
      QVERIFY(!f.RemoveNodeButton->isEnabled());
      const QModelIndex cell = f.DistGrid->model()->index(0, 1);
      QCOMPARE(bool(f.DistGrid->model()->flags(cell) & Qt::ItemIsEditable), editable);
      QCOMPARE(bool(f.DemandGrid->model()->flags(cell) & Qt::ItemIsEditable), editable);
    }
  }

  void showingFillsListsGridsAndTheIdentityTransform() {
    Open(true);
    TEditorForm& f = *form_;
    QCOMPARE(f.windowTitle(), QString("Edit Form"));
    QCOMPARE(f.Pages->tabText(0), QString("Demand &Info"));
    QCOMPARE(f.Pages->tabText(1), QString("&Distances"));
    const QStringList labels = {"Alpha", "Beta", "Gamma", "Depot", "Yard"};
    for (QComboBox* box : {f.NameBox, f.DeleteNodeBox, f.RowCombo, f.ColCombo}) QCOMPARE(Items(box), labels);
    QCOMPARE(f.NameBox->placeholderText(), QString("Select Desired First Node"));
    QCOMPARE(f.DeleteNodeBox->placeholderText(), QString("Select Node to DELETE"));
    QCOMPARE(f.RowCombo->placeholderText(), QString("Demand (To) Node"));
    QCOMPARE(f.ColCombo->placeholderText(), QString("Facility (From) Node"));
    QAbstractItemModel* nodes = f.DemandGrid->model();
    QCOMPARE(nodes->headerData(3, Qt::Horizontal).toString(), QString("Demand"));
    QCOMPARE(nodes->index(3, 0).data().toString(), QString("Depot"));
    QCOMPARE(nodes->index(2, 4).data().toString(), QString("300"));
    QAbstractItemModel* distances = f.DistGrid->model();
    QCOMPARE(distances->headerData(4, Qt::Horizontal).toString(), QString("Yard"));
    QCOMPARE(distances->headerData(1, Qt::Vertical).toString(), QString("Beta"));
    QCOMPARE(distances->index(1, 2).data().toString(), QString("5"));
    QCOMPARE(f.DistGrid->Corner()->text(), QString("To  \\  From"));
    QCOMPARE(f.TransformEdits[0][0]->text(), QString("0.000"));
    QCOMPARE(f.TransformEdits[3][1]->text(), QString("1.000"));
    QCOMPARE(f.TransformEdits[1][2]->text(), QString("1.000000"));
    QCOMPARE(f.TransformEdits[1][2]->objectName(), QString("Edit10"));
    QCOMPARE(f.CritDistEdit->text(), QString("10"));
    QCOMPARE(f.ScaleDist->text(), QString("1000000000"));
    // Sites without shown names: "Extra" in the lists, "Node" in the matrix headers.
    model_.ExtraNamesPresent = 0;
    f.FormShow();
    QCOMPARE(f.ColCombo->itemText(4), QString("Extra 5"));
    QCOMPARE(distances->headerData(4, Qt::Horizontal).toString(), QString("Node 5"));
  }

  void distanceCellEditKeepsTheNearestOrderCurrent() {
    Open(true);
    TEditorForm& f = *form_;
    f.Pages->setCurrentIndex(1);
    QCOMPARE(model_.NearestOrder.at(1, 5), 4);  // node 4 at 10 is the farthest from node 1
    TypeIntoCell(f.DistGrid, 0, 3, "1");
    QCOMPARE(model_.DistanceMatrix.at(1, 4), 1);
    QCOMPARE(model_.DistanceMatrix.at(4, 1), 10);
    QCOMPARE(model_.NearestOrder.at(1, 2), 4);
    QCOMPARE(model_.MaxDistance, 10);
    TypeIntoCell(f.DistGrid, 0, 3, "-4");
    QCOMPARE(Texts(dialogs_), QStringList{"W: Distance from node 1 to node 4: [-4] is not a whole number from 0 to "
                                          "2147483647.\nThe previous value is kept."}
                                  .replaceInStrings("\n", "\r"));
    QCOMPARE(model_.DistanceMatrix.at(1, 4), 1);
    QCOMPARE(f.DistGrid->model()->index(0, 3).data().toString(), QString("1"));
  }

  void nodeCellEditsRenameAndRefuse() {
    Open(true);
    TEditorForm& f = *form_;
    TypeIntoCell(f.DemandGrid, 1, 0, "Bravo");
    QCOMPARE(QString::fromStdString(model_.Node(2).NodeName), QString("Bravo"));
    QCOMPARE(f.NameBox->itemText(1), QString("Bravo"));
    QCOMPARE(f.DistGrid->model()->headerData(1, Qt::Horizontal).toString(), QString("Bravo"));
    TypeIntoCell(f.DemandGrid, 1, 3, "12.5");
    QCOMPARE(double(model_.Node(2).Demand), 12.5);
    QCOMPARE(double(model_.Node(2).LoadedDemand), 20.0);
    TypeIntoCell(f.DemandGrid, 1, 4, "-1");
    QCOMPARE(Texts(dialogs_),
             QStringList{"W: Fixed Cost of node 2: [-1] is not a number of at least 0.\rThe previous value is kept."});
    QCOMPARE(double(model_.Node(2).FixedCost), 200.0);
  }

  // Viewing writes nothing back, even a value whose decimal text is not exact.
  void readOnlyViewingWritesNothingBack() {
    Open(false);
    model_.Node(1).Demand = 1.0L / 3;
    model_.Node(1).XCoord = 0.1 + 0.2;
    TEditorForm& f = *form_;
    const QModelIndex cell = f.DemandGrid->model()->index(0, 3);
    QTest::mouseDClick(f.DemandGrid->viewport(), Qt::LeftButton, {}, f.DemandGrid->visualRect(cell).center());
    QTest::keyClicks(f.DemandGrid, "77");
    QTest::keyClick(f.DemandGrid, Qt::Key_Return);
    f.Pages->setCurrentIndex(1);
    f.DistGrid->setFocus();
    QTest::keyClicks(f.DistGrid, "9");
    QTest::keyClick(f.DistGrid, Qt::Key_Tab);
    f.CloseButton->click();
    QCOMPARE(model_.Node(1).Demand, 1.0L / 3);
    QCOMPARE(model_.Node(1).XCoord, 0.1 + 0.2);
    QCOMPARE(model_.DistanceMatrix.at(1, 1), 0);
    QVERIFY(dialogs_.shown.isEmpty());
  }

  void transformFieldsFilterKeysAndReadWhenLeft() {
    Open(true);
    BeepCounter beeps;
    TEditorForm& f = *form_;
    f.Pages->setCurrentIndex(1);
    QLineEdit* exponent = f.TransformEdits[3][2];
    exponent->setFocus();
    exponent->selectAll();
    QTest::keyClicks(exponent, "2x");
    QCOMPARE(beeps.beeps, 1);
    QCOMPARE(exponent->text(), QString("2"));
    QVERIFY(!f.CloseButton->isEnabled());
    QTest::keyClick(exponent, Qt::Key_Tab);
    QVERIFY(f.CloseButton->isEnabled());
    QCOMPARE(f.Transform.rows[3].TransformExponent, 2.0);
    QCOMPARE(exponent->text(), QString("2.000000"));

    TypeIntoField(f.TransformEdits[0][0], "2000000000");
    TypeIntoField(f.TransformEdits[1][1], "1.2.3");
    TypeIntoField(f.ScaleDist, "05");
    TypeIntoField(f.CritDistEdit, "7.5");
    QCOMPARE(Texts(dialogs_),
             (QStringList{"W: Invalid Parameter Value.  Must have 0.00 <= X <= 1000000000.00", "W: Conversion Error",
                          "W: Specified value did not convert correctly... Warning\rDefault value used and shown",
                          "W: Specified value did not convert correctly... Warning\rDefault value used and shown"}));
    QCOMPARE(f.TransformEdits[0][0]->text(), QString("0.000"));
    QCOMPARE(f.ScaleDist->text(), QString("5"));
    QCOMPARE(f.Transform.MaxScaleDistance, 5);
    QCOMPARE(f.Transform.CriticalDistance, 10);
    QCOMPARE(beeps.beeps, 3);  // the "x" and the two conversions
    QCOMPARE(model_.CoverageDistanceSet, uint8_t(1));
  }

  // The transform set with the mouse and keys, scaled, then the grid shows it.
  void matrixUpdateWithTheMouse() {
    Open(true);
    TEditorForm& f = *form_;
    f.Pages->setCurrentIndex(1);
    TypeIntoField(f.CritDistEdit, "5");
    TypeIntoField(f.TransformEdits[1][1], "2");   // near entries doubled
    TypeIntoField(f.TransformEdits[3][0], "100");  // far entries + 100
    TypeIntoField(f.ScaleDist, "55");
    QTest::mouseClick(f.ScaleDistCheckBox, Qt::LeftButton, {}, QPoint(8, f.ScaleDistCheckBox->height() / 2));
    QVERIFY(f.Transform.ScaleDistances);
    QTest::mouseClick(f.MatrixUpdateButton, Qt::LeftButton);
    QCOMPARE(Texts(dialogs_), (QStringList{"I: Cover Dist Local = 5",
                                           "I: <<< DISTANCES WILL BE SCALED SO MAXIMUM DISTANCE = 55.0 >>>"}));
    // The largest new value is 110 (node 1 to node 4 at 10); every value is halved.
    QCOMPARE(model_.DistanceMatrix.at(1, 4), 55);
    QCOMPARE(model_.DistanceMatrix.at(1, 2), 3);   // 2 x 3 = 6
    QCOMPARE(model_.DistanceMatrix.at(2, 5), 53);  // 100 + 6 = 106
    QCOMPARE(model_.DistanceMatrix.at(2, 2), 0);
    QCOMPARE(model_.MaxDistance, 55);
    QCOMPARE(f.DistGrid->model()->index(1, 4).data().toString(), QString("53"));
  }

  void removingANodeRenumbersAndReports() {
    Open(true);
    TEditorForm& f = *form_;
    QVERIFY(!f.RemoveNodeButton->isEnabled());
    f.DeleteNodeBox->setFocus();
    QTest::keyClick(f.DeleteNodeBox, Qt::Key_Down);  // the first item...
    QTest::keyClick(f.DeleteNodeBox, Qt::Key_Down);
    QTest::keyClick(f.DeleteNodeBox, Qt::Key_Down);  // ...then the third: Gamma
    QCOMPARE(f.NodeToRemove, 3);
    QVERIFY(f.RemoveNodeButton->isEnabled());
    QTest::mouseClick(f.RemoveNodeButton, Qt::LeftButton);
    QCOMPARE(Texts(dialogs_), (QStringList{"I: Delete No = 3", "I: Numbnodes = 4"}));
    QCOMPARE(int(model_.Numbnodes), 4);
    QCOMPARE(int(model_.NumDemandNodes), 2);
    QCOMPARE(Items(f.NameBox), (QStringList{"Alpha", "Beta", "Depot", "Yard"}));
    QCOMPARE(f.NodeToRemove, 0);
    QVERIFY(!f.RemoveNodeButton->isEnabled());
    QCOMPARE(f.DistGrid->model()->rowCount(), 4);
  }

  void networkDataKeepsItsNodes() {
    Open(true);
    model_.MetricCode = 'N';
    TEditorForm& f = *form_;
    f.DeleteNodeBox->setFocus();
    QTest::keyClick(f.DeleteNodeBox, Qt::Key_Down);
    QCOMPARE(f.NodeToRemove, 1);
    QVERIFY(!f.RemoveNodeButton->isEnabled());
  }

  void savingWritesFilesTheLoadFormReads() {
    Open(true);
    TEditorForm& f = *form_;
    const QString demand = dir_.filePath("saved.euc"), distances = dir_.filePath("saved.eud");
    model_.Node(2).Demand = 20.5L;
    dialogs_.answers = {false};
    dialogs_.saveFiles = {demand};
    QTest::mouseClick(f.SaveButton, Qt::LeftButton);
    QVERIFY(!QFile::exists(demand));
    QCOMPARE(dialogs_.shown.size(), 1);
    QVERIFY(dialogs_.shown[0].text.startsWith("The demand data file holds demand and fixed cost as whole numbers."));
    dialogs_.answers = {true};
    QTest::mouseClick(f.SaveButton, Qt::LeftButton);
    QVERIFY(QFile::exists(demand));
    dialogs_.saveFiles = {distances};
    QTest::mouseClick(f.SaveDistButton, Qt::LeftButton);
    QCOMPARE(dialogs_.saveTitles, (QStringList{"Save the demand data", "Save the distances"}));
    ModelState back;
    LoadRequest r;
    r.DemandFileName = demand.toStdString();
    r.ComputeDistances = false;
    r.DistanceFileName = distances.toStdString();
    QCOMPARE(QString::fromStdString(LoadDataSet(back, r)), QString());
    QCOMPARE(int(back.NumDemandNodes), 5);
    QCOMPARE(double(back.Node(2).Demand), 20.0);  // 20.5 to the even neighbour
    QCOMPARE(QString::fromStdString(back.Node(4).NodeName), QString("Depot"));
    for (int i = 1; i <= 5; ++i)
      for (int j = 1; j <= 5; ++j) QCOMPARE(back.DistanceMatrix.at(i, j), model_.DistanceMatrix.at(i, j));
  }

  void exitHidesTheFormAndHandsBack() {
    Open(true);
    TEditorForm& f = *form_;
    QSignalSpy finished(&f, &TEditorForm::finished);
    f.TransformEdits[0][1]->setFocus();
    QTest::keyClicks(f.TransformEdits[0][1], "5");
    QTest::mouseClick(f.CloseButton, Qt::LeftButton);  // disabled while the field is typed in
    QVERIFY(f.isVisible());
    f.close();  // the close box reads the field and leaves
    QVERIFY(f.isHidden());
    QCOMPARE(finished.count(), 1);
  }

  // 300 nodes: the grids hold every entry and the lists move the view to any node.
  void largeMatrixScrollsToAnyNode() {
    form_.reset();
    model_ = ModelState{};
    model_.Numbnodes = model_.NumDemandNodes = 300;
    for (int i = 1; i <= 300; ++i)
      for (int j = 1; j <= 300; ++j) model_.DistanceMatrix.at(i, j) = 1000 * i + j;
    form_ = std::make_unique<TEditorForm>(model_, dialogs_);
    form_->Open(false);
    TEditorForm& f = *form_;
    f.Pages->setCurrentIndex(1);
    QCOMPARE(f.DistGrid->model()->rowCount(), 300);
    QCOMPARE(f.DistGrid->model()->columnCount(), 300);
    f.RowCombo->setFocus();
    f.RowCombo->setCurrentIndex(249);
    emit f.RowCombo->activated(249);
    f.ColCombo->setCurrentIndex(119);
    emit f.ColCombo->activated(119);
    QCOMPARE(f.FirstShownRow, 250);
    QCOMPARE(f.FirstShownColumn, 120);
    const QModelIndex topLeft = f.DistGrid->indexAt(QPoint(2, 2));
    QCOMPARE(topLeft.row(), 249);
    QCOMPARE(topLeft.column(), 119);
    QCOMPARE(topLeft.data().toString(), QString("250120"));
    f.DistGrid->verticalScrollBar()->setValue(f.DistGrid->verticalScrollBar()->maximum());
    QVERIFY(f.FirstShownRow > 280);
  }
};

QTEST_MAIN(EditFormTest)
#include "EditFormTest.moc"
