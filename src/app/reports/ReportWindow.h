#pragma once
#include <QWidget>
#include <functional>
#include <memory>

#include "solve/PrintSink.h"

class QPushButton;
class QVBoxLayout;

namespace korvelan::app {

// Makes the print job of a "&Print Form" command: the printer in the program,
// a recording sink in the tests.
using PrintSinkFactory = std::function<std::unique_ptr<PrintSink>()>;

// A page of the report chain: a body filled from the model every time the page
// is shown, and the four commands every report has. The chain decides where
// "Next &Report" and "&Last Report" lead.
class ReportWindow : public QWidget {
  Q_OBJECT
 public:
  ReportWindow(const QString& caption, PrintSinkFactory printer, QWidget* parent = nullptr);

  QPushButton* CancelButton;
  QPushButton* NextButton;
  QPushButton* LastButton;
  QPushButton* PrintButton;

  // Fill the page from the model state.
  virtual void Refresh() = 0;
  // Write the page to a print job.
  virtual void PrintTo(PrintSink& sink) = 0;
  void PrintClick();
  // The navigation buttons are shown only when the page is part of the results chain.
  void SetNavigationVisible(bool visible);

 signals:
  void cancelRequested();
  void nextRequested();
  void lastRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // The layout the page puts its own controls into, above the commands.
  QVBoxLayout* Body() const { return body_; }

 private:
  PrintSinkFactory printer_;
  QVBoxLayout* body_;
};

}  // namespace korvelan::app
