#include "reports/ReportWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "setup/FormStyle.h"

namespace korvelan::app {

ReportWindow::ReportWindow(const QString& caption, PrintSinkFactory printer, QWidget* parent)
    : QWidget(parent, Qt::Window), printer_(std::move(printer)) {
  setWindowTitle(caption);
  CancelButton = MakeButton("&Cancel", "");
  LastButton = MakeButton("&Last Report", "");
  NextButton = MakeButton("Next &Report", "");
  PrintButton = MakeButton("&Print Form", "");
  body_ = new QVBoxLayout;
  auto* commands = new QHBoxLayout;
  commands->addWidget(PrintButton);
  commands->addStretch(1);
  commands->addWidget(LastButton);
  commands->addWidget(NextButton);
  commands->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body_, 1);
  layout->addLayout(commands);
  connect(CancelButton, &QPushButton::clicked, this, [this] { emit cancelRequested(); });
  connect(NextButton, &QPushButton::clicked, this, [this] { emit nextRequested(); });
  connect(LastButton, &QPushButton::clicked, this, [this] { emit lastRequested(); });
  connect(PrintButton, &QPushButton::clicked, this, &ReportWindow::PrintClick);
}

void ReportWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) Refresh();
}

void ReportWindow::closeEvent(QCloseEvent* event) {
  // Closing the window is "&Cancel": the page is hidden and the chain goes back.
  event->ignore();
  emit cancelRequested();
}

void ReportWindow::PrintClick() {
  if (!printer_) return;
  std::unique_ptr<PrintSink> sink = printer_();
  if (!sink) return;
  PrintTo(*sink);
  sink->Finish();
}

void ReportWindow::SetNavigationVisible(bool visible) {
  NextButton->setVisible(visible);
  LastButton->setVisible(visible);
}

}  // namespace korvelan::app
