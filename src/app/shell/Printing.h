#pragma once
#include <QFont>
#include <QString>
#include <memory>

#include "solve/PrintSink.h"

class QPainter;
class QPrinter;

namespace korvelan::app {

class Dialogs;

// The program's one printer: "&Print Setup" configures it and every print job uses it.
QPrinter& SharedPrinter();

// The font a print line asks for; when the named family is not installed, a
// fixed-pitch family found by the TypeWriter style hint takes its place.
QFont PrintQFont(const PrintFont& font);

// A print job on a QPrinter: lines flow down the page and continue on the next.
class QtPrintSink : public PrintSink {
 public:
  explicit QtPrintSink(QPrinter& printer);
  ~QtPrintSink() override;
  void Line(const std::string& text, const PrintFont& font) override;
  void Image(const std::string& source) override;
  void PageBreak() override;
  bool Finish() override;

 private:
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  double y_ = 0;
  bool failed_ = false;
  bool Started();
  void MakeRoom(double height);
};

// The shared printer made ready for a job that draws on it directly. Without an
// installed printer the job goes to a PDF file named in the save dialog; null
// when that dialog is cancelled.
QPrinter* PreparePrinter(Dialogs& dialogs, const QString& jobName);

// Starts a print job on the shared printer. Without an installed printer the
// job becomes a PDF file whose name the save dialog asks for; null when cancelled.
std::unique_ptr<QtPrintSink> OpenPrintJob(Dialogs& dialogs, const QString& jobName);

}  // namespace korvelan::app
