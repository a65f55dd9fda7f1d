#pragma once
#include "model/ModelState.h"
#include "reports/ReportWindow.h"

class QLabel;
class QListWidget;

namespace korvelan::app {

// The forced-nodes report: required, excluded and initial-solution nodes. It is
// opened from the initial-solution form and is also a page of the results chain.
class TShowForcedNodes : public ReportWindow {
  Q_OBJECT
 public:
  TShowForcedNodes(ModelState& model, PrintSinkFactory printer, QWidget* parent = nullptr);

  QListWidget* ForceNodeBox;
  QListWidget* UnforceNodeBox;
  QListWidget* InitBox;
  QLabel* ForceLabel;
  QLabel* UnforceLabel;
  QLabel* InitLabel;

  void Refresh() override;
  void PrintTo(PrintSink& sink) override;

 private:
  ModelState& model_;
};

}  // namespace korvelan::app
