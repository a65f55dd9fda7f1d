#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/Dialogs.h"
#include "shell/PictureSaving.h"

using namespace korvelan::app;

namespace {

// A red square on white with a blue diagonal: enough to tell the kinds apart.
void DrawSample(QPainter& painter, const QSize& size) {
  painter.fillRect(QRect(10, 10, 30, 30), QColor(255, 0, 0));
  painter.setPen(QPen(QColor(0, 0, 255), 2));
  painter.drawLine(QPoint(0, size.height() - 1), QPoint(size.width() - 1, 0));
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 U32(const QByteArray& b, int at) {
  return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 | quint32(quint8(b[at + 3])) << 24;
}

}  // namespace

class MapPictureSavingTest : public QObject {
  Q_OBJECT
 private slots:
  void eachExtensionWritesItsKind_data();
  void eachExtensionWritesItsKind();
  void bitmapsHoldTheDrawing();
  void svgIsVector();
  void cancelledDialogSavesNothingAndSaysNothing();
  void otherExtensionIsRefused();
  void failedWriteIsReportedAndKeepsTheOldFile();
};

void MapPictureSavingTest::eachExtensionWritesItsKind_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("magic");
  QTest::addColumn<int>("offset");
  QTest::newRow("bmp") << "map.bmp" << QByteArray("BM") << 0;
  QTest::newRow("BMP upper case") << "map.BMP" << QByteArray("BM") << 0;
  QTest::newRow("png") << "map.png" << QByteArray("\x89PNG\r\n\x1a\n") << 0;
  QTest::newRow("emf") << "map.emf" << QByteArray(" EMF") << 40;
  QTest::newRow("wmf") << "map.wmf" << QByteArray("\xD7\xCD\xC6\x9A") << 0;
  QTest::newRow("svg") << "map.svg" << QByteArray("<?xml") << 0;
  QTest::newRow("pdf") << "map.pdf" << QByteArray("%PDF-") << 0;
}

void MapPictureSavingTest::eachExtensionWritesItsKind() {
  QFETCH(QString, name);
  QFETCH(QByteArray, magic);
  QFETCH(int, offset);
  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  const QString path = dir.filePath(name);
  dialogs.saveFiles = {path};
  QCOMPARE(SavePicture(dialogs, QSize(120, 80), DrawSample, {"Save the Map", false}), path);
  QCOMPARE(dialogs.saveTitles, QStringList{"Save the Map"});
  QCOMPARE(dialogs.shown.size(), 1);
  QCOMPARE(dialogs.shown[0].kind, 'I');
  QCOMPARE(dialogs.shown[0].text, "File saved as <" + path + ">");
  const QByteArray bytes = Contents(path);
  QCOMPARE(bytes.mid(offset, magic.size()), magic);
  QCOMPARE(dir.path(), QFileInfo(path).path());
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});  // no temporary left behind
}

void MapPictureSavingTest::bitmapsHoldTheDrawing() {
  QTemporaryDir dir;
  for (const char* name : {"a.bmp", "a.png"}) {
    const QString path = dir.filePath(name);
    QVERIFY(WritePicture(path, QSize(120, 80), DrawSample).isEmpty());
    const QImage image(path);
    QCOMPARE(image.size(), QSize(120, 80));
    QCOMPARE(image.pixelColor(20, 20), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(100, 70), QColor(Qt::white));
  }
  // The metafiles carry the same bitmap: its size in the frame of the EMF header.
  const QString emf = dir.filePath("a.emf");
  QVERIFY(WritePicture(emf, QSize(120, 80), DrawSample).isEmpty());
  const QByteArray bytes = Contents(emf);
  QCOMPARE(U32(bytes, 48), quint32(bytes.size()));
  QCOMPARE(U32(bytes, 16), 119u);
  QCOMPARE(U32(bytes, 20), 79u);
}

void MapPictureSavingTest::svgIsVector() {
  QTemporaryDir dir;
  const QString path = dir.filePath("a.svg");
  QVERIFY(WritePicture(path, QSize(120, 80), DrawSample).isEmpty());
  const QByteArray svg = Contents(path);
  QVERIFY(svg.contains("<svg"));
  QVERIFY(svg.contains("viewBox=\"0 0 120 80\""));
  QVERIFY(!svg.contains("<image"));  // drawn, not pasted as a bitmap
  QVERIFY(svg.contains("#ff0000"));
  QVERIFY(svg.contains("#0000ff"));
  const QString pdf = dir.filePath("a.pdf");
  QVERIFY(WritePicture(pdf, QSize(120, 80), DrawSample).isEmpty());
  QVERIFY(Contents(pdf).contains("/MediaBox [0 0 120.000000 80.000000]"));
}

void MapPictureSavingTest::cancelledDialogSavesNothingAndSaysNothing() {
  ScriptedDialogs dialogs;
  QVERIFY(SavePicture(dialogs, QSize(50, 50), DrawSample).isEmpty());
  QCOMPARE(dialogs.saveTitles.size(), 1);
  QVERIFY(dialogs.shown.isEmpty());
}

void MapPictureSavingTest::otherExtensionIsRefused() {
  QTemporaryDir dir;
  for (const char* name : {"map.jpg", "map", "map.bmp.txt"}) {
    ScriptedDialogs dialogs;
    const QString path = dir.filePath(name);
    dialogs.saveFiles = {path};
    QVERIFY(SavePicture(dialogs, QSize(50, 50), DrawSample).isEmpty());
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].kind, 'W');
    QCOMPARE(dialogs.shown[0].text, "File not saved ... invalid extension on file name <" + path + ">");
    QVERIFY(!QFile::exists(path));
  }
}

void MapPictureSavingTest::failedWriteIsReportedAndKeepsTheOldFile() {
  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  dialogs.saveFiles = {dir.filePath("missing/map.png")};
  QVERIFY(SavePicture(dialogs, QSize(50, 50), DrawSample).isEmpty());
  QCOMPARE(dialogs.shown.size(), 1);
  QCOMPARE(dialogs.shown[0].kind, 'E');
  QCOMPARE(dialogs.shown[0].text, QString("Error in SaveBMPClick"));
  // A drawing that throws halfway leaves the file that was there.
  const QString kept = dir.filePath("kept.bmp");
  QVERIFY(WritePicture(kept, QSize(50, 50), DrawSample).isEmpty());
  const QByteArray before = Contents(kept);
  dialogs.shown.clear();
  dialogs.saveFiles = {kept};
  const PictureRenderer failing = [](QPainter&, const QSize&) { throw std::runtime_error("no map"); };
  QVERIFY(SavePicture(dialogs, QSize(50, 50), failing).isEmpty());
  QCOMPARE(dialogs.shown.size(), 1);
  QCOMPARE(dialogs.shown[0].text, QString("Error in SaveBMPClick"));
  QCOMPARE(Contents(kept), before);
}

QTEST_MAIN(MapPictureSavingTest)
#include "MapPictureSavingTest.moc"
