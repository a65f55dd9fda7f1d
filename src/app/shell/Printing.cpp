#include "shell/Printing.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "shell/Dialogs.h"

namespace korvelan::app {

QPrinter& SharedPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

QFont PrintQFont(const PrintFont& font) {
  QFont result(QString::fromStdString(font.family), font.pointSize);
  result.setBold(font.bold);
  if (!QFontDatabase::hasFamily(result.family())) {
    result.setStyleHint(QFont::TypeWriter);
    result.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
  }
  result.setFixedPitch(true);
  return result;
}

QtPrintSink::QtPrintSink(QPrinter& printer) : printer_(printer) {}

QtPrintSink::~QtPrintSink() {
  if (painter_ && painter_->isActive()) painter_->end();
}

bool QtPrintSink::Started() {
  if (painter_ || failed_) return !failed_;
  painter_ = std::make_unique<QPainter>();
  failed_ = !painter_->begin(&printer_);
  y_ = 0;
  return !failed_;
}

// Moves to a new page when the next item would run past the bottom.
void QtPrintSink::MakeRoom(double height) {
  const double pageHeight = printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
  if (y_ > 0 && y_ + height > pageHeight) PageBreak();
}

void QtPrintSink::Line(const std::string& text, const PrintFont& font) {
  if (!Started()) return;
  const QFont qfont(PrintQFont(font), &printer_);
  const QFontMetricsF metrics(qfont, &printer_);
  MakeRoom(metrics.lineSpacing());
  painter_->setFont(qfont);
  painter_->drawText(QPointF(0, y_ + metrics.ascent()), QString::fromStdString(text));
  y_ += metrics.lineSpacing();
}

void QtPrintSink::Image(const std::string& source) {
  if (!Started()) return;
  const QImage image(QString::fromStdString(source));
  if (image.isNull()) {
    failed_ = true;
    return;
  }
  const QRect page = printer_.pageLayout().paintRectPixels(printer_.resolution());
  QSizeF size = image.size();
  size.scale(page.width(), page.height(), Qt::KeepAspectRatio);
  MakeRoom(size.height());
  painter_->drawImage(QRectF(QPointF(0, y_), size), image);
  y_ += size.height();
}

void QtPrintSink::PageBreak() {
  if (!Started()) return;
  failed_ = !printer_.newPage() || failed_;
  y_ = 0;
}

bool QtPrintSink::Finish() {
  if (!Started()) return false;
  return painter_->end() && !failed_;
}

QPrinter* PreparePrinter(Dialogs& dialogs, const QString& jobName) {
  QPrinter& printer = SharedPrinter();
  printer.setDocName(jobName);
  if (QPrinterInfo::availablePrinters().isEmpty() || printer.outputFormat() == QPrinter::PdfFormat) {
    const QString file = dialogs.SaveFile("Print to PDF file", "PDF Files|*.pdf|All Files|*.*", "pdf");
    if (file.isEmpty()) return nullptr;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
  }
  return &printer;
}

std::unique_ptr<QtPrintSink> OpenPrintJob(Dialogs& dialogs, const QString& jobName) {
  QPrinter* printer = PreparePrinter(dialogs, jobName);
  return printer ? std::make_unique<QtPrintSink>(*printer) : nullptr;
}

}  // namespace korvelan::app
