#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "data/BorderFile.h"
#include "data/LoadData.h"
#include "shell/Dialogs.h"

using namespace korvelan;
using namespace korvelan::app;

namespace {

const QString Fixtures = QString(KORVELAN_FIXTURES) + "/data/";
const QString Samples = QString(KORVELAN_SAMPLES) + "/";

// All-pairs shortest road lengths (Floyd-Warshall) from "a b length" lines.
std::vector<std::vector<long>> ShortestPaths(const QString& roadsFile, int n) {
  const long far = 1L << 40;
  std::vector<std::vector<long>> d(n + 1, std::vector<long>(n + 1, far));
  for (int i = 1; i <= n; ++i) d[i][i] = 0;
  QFile file(roadsFile);
  file.open(QIODevice::ReadOnly);
  for (const QByteArray& line : file.readAll().split('\n')) {
    const QList<QByteArray> f = line.simplified().split(' ');
    if (f.size() != 3) continue;
    const int a = f[0].toInt(), b = f[1].toInt();
    d[a][b] = d[b][a] = std::min(d[a][b], f[2].toLong());
  }
  for (int k = 1; k <= n; ++k)
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
  return d;
}

QString WriteBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile file(dir.filePath(name));
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return file.fileName();
}

QString WriteLines(const QTemporaryDir& dir, const QString& name, int lines) {
  QByteArray bytes;
  for (int k = 1; k <= lines; ++k) bytes += QString("%1 %1 0 1 1 0\n").arg(k).toUtf8();
  return WriteBytes(dir, name, bytes);
}

QStringList Texts(const ScriptedDialogs& dialogs) {
  QStringList texts;
  for (const auto& shown : dialogs.shown) texts << QString(shown.kind) + ": " + shown.text;
  return texts;
}

}  // namespace

class LoadDataTest : public QObject {
  Q_OBJECT

  ModelState model_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<TLoadDataForm> form_;
  std::unique_ptr<QSignalSpy> finished_;

  void Open() {
    form_ = std::make_unique<TLoadDataForm>(model_, dialogs_);
    finished_ = std::make_unique<QSignalSpy>(form_.get(), &TLoadDataForm::finished);
    form_->show();
  }
  // Metric, then the demand file through the dialog.
  void ChooseDemand(int metric, const QString& file) {
    form_->MetricItem(metric)->click();
    dialogs_.openFiles.push_back(file);
    form_->SpecifyDemand->click();
  }
  QList<QWidget*> Enabled() {
    QList<QWidget*> enabled;
    for (QWidget* w :
         {static_cast<QWidget*>(form_->DistanceMetric), static_cast<QWidget*>(form_->SpecifyDemand),
          static_cast<QWidget*>(form_->PercentDem1), static_cast<QWidget*>(form_->ExtraSites),
          static_cast<QWidget*>(form_->CycloneButton), static_cast<QWidget*>(form_->DistFileCreation),
          static_cast<QWidget*>(form_->KMBox), static_cast<QWidget*>(form_->SpecifyDistanceFile),
          static_cast<QWidget*>(form_->ExitAndLoadData), static_cast<QWidget*>(form_->CancelButton)})
      if (w->isEnabled()) enabled << w;
    return enabled;
  }

 private slots:
  void init() {
    model_ = ModelState{};
    dialogs_ = ScriptedDialogs{};
    Open();
  }
  void cleanup() {
    finished_.reset();
    form_.reset();
  }

  void StepsBecomeAvailableInOrder() {
    QCOMPARE(Enabled(), (QList<QWidget*>{form_->DistanceMetric, form_->CancelButton}));
    form_->MetricItem(0)->click();
    QCOMPARE(model_.MetricCode, 'E');
    QCOMPARE(Enabled(), (QList<QWidget*>{form_->SpecifyDemand, form_->CancelButton}));
    dialogs_.openFiles.push_back(Fixtures + "seven.euc");
    form_->SpecifyDemand->click();
    QCOMPARE(Enabled(), (QList<QWidget*>{form_->PercentDem1, form_->ExtraSites, form_->CycloneButton,
                                         form_->DistFileCreation, form_->CancelButton}));
    QCOMPARE(form_->DemandFileLabel->text(), QString("File to Read = seven.euc"));
    QCOMPARE(form_->DemandCountLabel->text(), QString("7 Nodes in file with names"));
    QCOMPARE(form_->SampleDemandData->toPlainText(),
             QString("Line 1 (Dem. Node File) = 1 0 0 10 0 100 <North Yard>"));
    QCOMPARE(form_->ScrollBarLabel->text(), QString("Specify Weight on Demand 1 (W=1)"));
    form_->PercentDem1->setValue(25);
    QCOMPARE(form_->ScrollBarLabel->text(), QString("Specify Weight on Demand 1 (W=0.25)"));
    form_->DistanceItem(0)->click();
    QVERIFY(form_->ExitAndLoadData->isEnabled());
    QVERIFY(!form_->SpecifyDistanceFile->isEnabled());
    QVERIFY(form_->KMBox->isHidden());
    form_->DistanceItem(1)->click();
    QVERIFY(!form_->ExitAndLoadData->isEnabled());
    QVERIFY(form_->SpecifyDistanceFile->isEnabled());
  }

  void ComputedLoadAsksToSaveAndReportsTheLargestDistance() {
    QTemporaryDir dir;
    ChooseDemand(0, Fixtures + "seven.euc");
    form_->DistanceItem(0)->click();
    dialogs_.answers = {true};
    dialogs_.saveFiles.push_back(dir.filePath("seven.eud"));
    form_->ExitAndLoadData->click();
    QCOMPARE(Texts(dialogs_), (QStringList{"C: Do you want to save distances?", "I: Largest distance = 72"}));
    QCOMPARE(finished_->count(), 1);
    QCOMPARE(finished_->at(0).at(0).toBool(), true);
    QVERIFY(form_->isHidden());
    QCOMPARE(form_->MaxDistLabel->text(), QString("Max. distance = 72"));
    QCOMPARE(int(model_.Numbnodes), 7);
    QVERIFY(model_.DataLoaded);
    QCOMPARE(QString::fromStdString(model_.Node(5).NodeName), QString("Middle Market"));
    QCOMPARE(QString::fromStdString(model_.DistanceFileName), dir.filePath("seven.eud"));
    QFile saved(dir.filePath("seven.eud"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().count('\n'), 49);
  }

  void DistancesNotSavedWhenDeclinedCancelledOrUnwritable() {
    QTemporaryDir dir;
    const struct {
      std::deque<bool> answers;
      std::deque<QString> saveFiles;
      QStringList shown;
    } cases[] = {
        {{false}, {}, {"C: Do you want to save distances?", "I: Largest distance = 72"}},
        {{true}, {}, {"C: Do you want to save distances?", "I: Largest distance = 72"}},
        {{true},
         {dir.path()},
         {"C: Do you want to save distances?",
          "E: Error writing file [" + dir.path() + "]: it is a folder\rThe distances were not saved.",
          "I: Largest distance = 72"}},
    };
    for (const auto& c : cases) {
      dialogs_ = ScriptedDialogs{};
      Open();
      ChooseDemand(0, Fixtures + "seven.euc");
      form_->DistanceItem(0)->click();
      dialogs_.shown.clear();
      dialogs_.answers = c.answers;
      dialogs_.saveFiles = c.saveFiles;
      form_->ExitAndLoadData->click();
      QCOMPARE(Texts(dialogs_), c.shown);
      QCOMPARE(QString::fromStdString(model_.DistanceFileName), QString());
      QVERIFY(model_.DataLoaded);
    }
  }

  void CirclePointsAreOfferedForSmallEuclideanSets() {
    QTemporaryDir dir;
    const struct {
      int metric, lines;
      bool offered;
    } cases[] = {{0, 12, true}, {0, 13, false}, {2, 7, false}};
    for (const auto& c : cases) {
      Open();
      ChooseDemand(c.metric, WriteLines(dir, QString("c%1.txt").arg(c.lines), c.lines));
      QCOMPARE(form_->CycloneButton->isVisible(), c.offered);
    }
    form_->FormShow();
    ChooseDemand(0, Fixtures + "seven.euc");
    form_->CycloneButton->click();
    QVERIFY(!form_->ExtraSites->isEnabled());
    form_->DistanceItem(0)->click();
    form_->ExitAndLoadData->click();
    // 7 nodes, 21 pairs, 35 triples of which 4 are collinear (two rows and two diagonals).
    QCOMPARE(int(model_.Numbnodes), 7 + 21 + 35 - 4);
    QCOMPARE(QString::fromStdString(model_.Node(8).NodeName), QString("P   1  2 D 15.00"));
  }

  void NetworkDataAlwaysReadADistanceFile() {
    ChooseDemand(3, Fixtures + "three.net");
    QVERIFY(!form_->DistFileCreation->isEnabled());
    QVERIFY(form_->DistanceItem(1)->isChecked());
    QVERIFY(form_->SpecifyDistanceFile->isEnabled());
    QVERIFY(form_->KMBox->isHidden());
    dialogs_.openFiles.push_back(Fixtures + "three_long.ned");
    form_->SpecifyDistanceFile->click();
    QCOMPARE(dialogs_.shown.last().text, "Number of Distances Incompatible with Input Files\nFile [" +
                                             Fixtures + "three_long.ned] holds 10 lines; 3 nodes need 9.");
    QVERIFY(!form_->ExitAndLoadData->isEnabled());
    QVERIFY(form_->SpecifyDistanceFile->isEnabled());  // the analyst can choose again
    dialogs_.openFiles.push_back(Fixtures + "three.ned");
    form_->SpecifyDistanceFile->click();
    QCOMPARE(form_->DistanceFileLabel->text(), QString("File to Read = three.ned"));
    QVERIFY(!form_->ExtraSites->isEnabled());
    form_->ExitAndLoadData->click();
    QCOMPARE(Texts(dialogs_).last(), QString("I: Largest distance = 9"));
    QCOMPARE(model_.DistanceMatrix.at(2, 3), 4);
    QCOMPARE(finished_->count(), 1);
  }

  void FailedDistanceReadLeavesNoLoadedModel() {
    ChooseDemand(3, Fixtures + "three.net");
    dialogs_.openFiles.push_back(Fixtures + "three_bad.ned");
    form_->SpecifyDistanceFile->click();
    form_->ExitAndLoadData->click();
    QCOMPARE(dialogs_.shown.last().text,
             "Number of Distances Incompatible with Input Files\nFile [" + Fixtures +
                 "three_bad.ned], line 8: the distance \"four\" is not a whole number");
    QVERIFY(!model_.DataLoaded);
    QCOMPARE(int(model_.Numbnodes), 0);
    QVERIFY(model_.FatalError);
    QCOMPARE(finished_->count(), 0);
    QVERIFY(form_->isVisible());
    QCOMPARE(Enabled(), (QList<QWidget*>{form_->DistanceMetric, form_->CancelButton}));
    form_->CancelButton->click();
    QCOMPARE(finished_->count(), 1);
    QCOMPARE(finished_->at(0).at(0).toBool(), false);
  }

  void KilometresForGreatCircle() {
    ChooseDemand(1, Fixtures + "two_cities.grt");
    form_->DistanceItem(0)->click();
    QVERIFY(form_->KMBox->isVisible());
    form_->KMBox->click();
    QCOMPARE(dialogs_.shown.last().text,
             QString("Distances will be computed in KILOMETERS\rBut all message WORDING "
                     "remains in Miles,\rEven though distances are reported in KILOMETERS"));
    form_->ExitAndLoadData->click();
    QVERIFY(model_.UseKilometers);
    QVERIFY(model_.DistanceMatrix.at(1, 2) >= 340 && model_.DistanceMatrix.at(1, 2) <= 346);  // London-Paris
  }

  void TooManyNodesReturnsToTheMenu() {
    QTemporaryDir dir;
    ChooseDemand(0, WriteLines(dir, "big.euc", 301));
    QCOMPARE(dialogs_.shown.last().text, QString("Too Many Nodes in the file ... Try a different file.\rYou "
                                                 "will now be returned to the Main Menu"));
    QCOMPARE(finished_->count(), 1);
    QCOMPARE(finished_->at(0).at(0).toBool(), false);
  }

  void ExactlyThreeHundredLoadsWithoutExtraSites() {
    QTemporaryDir dir;
    ChooseDemand(0, WriteLines(dir, "full.euc", 300));
    QVERIFY(!form_->ExtraSites->isEnabled());
    QVERIFY(form_->CycloneButton->isHidden());
    form_->DistanceItem(0)->click();
    form_->ExitAndLoadData->click();
    QCOMPARE(int(model_.Numbnodes), 300);
    QCOMPARE(model_.MaxDistance, 299);
  }

  void TooManyTotalNodesIgnoresTheSites() {
    QTemporaryDir dir;
    ChooseDemand(0, WriteLines(dir, "many.euc", 200));
    dialogs_.openFiles.push_back(WriteLines(dir, "sites.euc", 101));
    form_->ExtraSites->click();
    QCOMPARE(dialogs_.shown.last().text, QString("Too Many Total Nodes ... Extra Sites Ignored."));
    QVERIFY(form_->ExtraFileLabel->isHidden());
    QVERIFY(form_->ExtraSites->isEnabled());
    dialogs_.openFiles.push_back(WriteLines(dir, "fits.euc", 100));
    form_->ExtraSites->click();
    QCOMPARE(form_->ExtraCountLabel->text(), QString("100 Nodes in file without names"));
    form_->DistanceItem(0)->click();
    form_->ExitAndLoadData->click();
    QCOMPARE(int(model_.Numbnodes), 300);
    QCOMPARE(int(model_.NumDemandNodes), 200);
  }

  void LoneCarriageReturnsEndLines() {
    QTemporaryDir dir;
    ChooseDemand(0, WriteBytes(dir, "cr.euc", "1 0 0 1 1 0\r2 3 0 1 1 0\r3 0 4 1 1 0\r"));
    QCOMPARE(form_->DemandCountLabel->text(), QString("3 Nodes in file without names"));
    QVERIFY(form_->CycloneButton->isVisible());
    form_->DistanceItem(0)->click();
    dialogs_.answers = {false};
    form_->ExitAndLoadData->click();
    QCOMPARE(int(model_.Numbnodes), 3);
    QCOMPARE(model_.DistanceMatrix.at(2, 3), 5);
  }

  void LatitudeOffTheGlobeIsRefusedNamingTheLine() {
    QTemporaryDir dir;
    const QString north = WriteBytes(dir, "north.grt", "1 0 0 1 1 0\n2 10 95 1 1 0\n");
    ChooseDemand(1, north);
    form_->DistanceItem(0)->click();
    form_->ExitAndLoadData->click();
    QCOMPARE(dialogs_.shown.last().text,
             "File [" + north +
                 "], line 2: field 3 (second coordinate) \"95\" is not a latitude; great-circle data need -90 <= Y "
                 "<= 90");
    QVERIFY(!model_.DataLoaded);
    QCOMPARE(finished_->count(), 0);
    QCOMPARE(Enabled(), (QList<QWidget*>{form_->DistanceMetric, form_->CancelButton}));
  }

  void GreatCircleSampleLoads() {
    ChooseDemand(1, Samples + "us_cities.grt");
    form_->PercentDem1->setValue(100);
    form_->DistanceItem(0)->click();
    form_->ExitAndLoadData->click();
    QCOMPARE(int(model_.Numbnodes), 41);
    QVERIFY(model_.NamesPresent);
    QCOMPARE(QString::fromStdString(model_.Node(2).NodeName), QString("Los Angeles"));
    const int newYorkToLosAngeles = model_.DistanceMatrix.at(1, 2);  // about 2,445 miles
    QVERIFY2(newYorkToLosAngeles >= 2435 && newYorkToLosAngeles <= 2455,
             qPrintable(QString::number(newYorkToLosAngeles)));
    const BorderFileResult border = ReadBorderFile((Samples + "us_cities.brd").toStdString());
    QVERIFY(border.ok());
    QCOMPARE(int(border.points.size()), int(*border.declaredCount));
  }

  void NetworkSampleHoldsShortestRoadLengths() {
    ChooseDemand(3, Samples + "valley.net");
    dialogs_.openFiles.push_back(Samples + "valley.ned");
    form_->SpecifyDistanceFile->click();
    form_->ExitAndLoadData->click();
    QCOMPARE(int(model_.Numbnodes), 12);
    const auto truth = ShortestPaths(Fixtures + "valley_roads.txt", 12);
    for (int i = 1; i <= 12; ++i)
      for (int j = 1; j <= 12; ++j) QCOMPARE(long(model_.DistanceMatrix.at(i, j)), truth[i][j]);
  }

  void EuclideanSampleWithCandidateSites() {
    ChooseDemand(0, Samples + "county.euc");
    dialogs_.openFiles.push_back(Samples + "county_sites.euc");
    form_->ExtraSites->click();
    QCOMPARE(form_->SampleDemandData->toPlainText(),
             QString("Line 1 (Dem. Node File) = 1 12 88 420 300 900 <Ashford>\n"
                     "Line 1 (Cand Site File) = S1 50 50 0 0 1100 <Ring Road Depot>"));
    form_->DistanceItem(0)->click();
    form_->ExitAndLoadData->click();
    QCOMPARE(int(model_.Numbnodes), 20);
    QCOMPARE(int(model_.NumDemandNodes), 16);
    QVERIFY(model_.NamesPresent && model_.ExtraNamesPresent);
    QCOMPARE(QString::fromStdString(model_.Node(17).NodeName), QString("Ring Road Depot"));
  }

  void ClosingTheWindowCancels() {
    form_->close();
    QCOMPARE(finished_->count(), 1);
    QCOMPARE(finished_->at(0).at(0).toBool(), false);
  }
};

QTEST_MAIN(LoadDataTest)
#include "LoadDataTest.moc"
