#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/Dialogs.h"
#include "shell/Printing.h"

using namespace korvelan;
using namespace korvelan::app;

class ShellPrintTest : public QObject {
  Q_OBJECT
 private slots:
  void listPrintsToAPdfFile();
  void missingFontFallsBackToFixedPitch();
  void noPrinterAsksForAPdfFileAndCancelPrintsNothing();
  void fileFiltersInDialogForm();
};

void ShellPrintTest::listPrintsToAPdfFile() {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString file = dir.filePath("list.pdf");
  printer.setOutputFileName(file);
  std::vector<std::string> lines;
  for (int k = 0; k < 150; ++k) lines.push_back("LINE " + std::to_string(k));  // more than one page
  QtPrintSink sink(printer);
  QVERIFY(PrintList(sink, "FORCED NODES SUMMARY", "Nodes", lines, 150));
  QFile pdf(file);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  QVERIFY(bytes.startsWith("%PDF"));
  const auto pages = bytes.count("/Type /Page") - bytes.count("/Type /Pages");
  QVERIFY(pages >= 2);  // 155 lines of 10 points do not fit on one page
}

void ShellPrintTest::missingFontFallsBackToFixedPitch() {
  const QFont font = PrintQFont({"Monospac821 DL", 18, true});
  QCOMPARE(font.pointSize(), 18);
  QVERIFY(font.bold());
  if (!QFontDatabase::hasFamily("Monospac821 DL")) {
    QCOMPARE(font.styleHint(), QFont::TypeWriter);
    const QFontMetrics metrics(font);  // every glyph as wide as any other
    QCOMPARE(metrics.horizontalAdvance("iiiii"), metrics.horizontalAdvance("WWWWW"));
  }
}

void ShellPrintTest::noPrinterAsksForAPdfFileAndCancelPrintsNothing() {
  if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed here");
  ScriptedDialogs dialogs;
  QVERIFY(OpenPrintJob(dialogs, "Report") == nullptr);  // the save dialog was cancelled
  QCOMPARE(dialogs.saveTitles, QStringList{"Print to PDF file"});
  QTemporaryDir dir;
  dialogs.saveFiles = {dir.filePath("report.pdf")};
  auto job = OpenPrintJob(dialogs, "Report");
  QVERIFY(job != nullptr);
  job->Line("REPORT", {});
  QVERIFY(job->Finish());
  QVERIFY(QFile::exists(dir.filePath("report.pdf")));
}

void ShellPrintTest::fileFiltersInDialogForm() {
  struct Case { const char* given; const char* expected; };
  const Case cases[] = {
      {"Border File|*.brd|All Files|*.*", "Border File (*.brd);;All Files (*.*)"},
      {"Forced Node Files|*.FOR", "Forced Node Files (*.FOR)"},
      {"Text (*.txt)", "Text (*.txt)"},
  };
  for (const Case& c : cases) QCOMPARE(QtFileFilter(c.given), QString(c.expected));
}

QTEST_MAIN(ShellPrintTest)
#include "ShellPrintTest.moc"
