#pragma once
#include <vector>

#include "invloc/InvLocReports.h"
#include "model/ModelState.h"
#include "reports/ReportWindow.h"

class QGridLayout;
class QGroupBox;
class QLabel;

namespace korvelan {
class RunHost;
}

namespace korvelan::app {

class Dialogs;

// "Summary of Location/Inventory Costs", the page after the basic results report for
// the inventory/location model: the total cost by category (left) and by
// objective-function term (right), in colours that pair each term with the
// categories it sums. "&Save Columns" writes the cost of every centre to a ".col" file.
class TTolvanReport : public ReportWindow {
  Q_OBJECT
 public:
  TTolvanReport(ModelState& model, Dialogs& dialogs, RunHost& host, PrintSinkFactory printer,
                QWidget* parent = nullptr);

  QGroupBox* CategoryPanel;
  QGroupBox* TermPanel;
  QPushButton* SaveColumns;

  void Refresh() override;
  void PrintTo(PrintSink& sink) override;
  void SaveColumnsClick();

  const TolvanCostSummary& Shown() const { return summary_; }
  // The value shown beside a label of a panel (0 left, 1 right); empty when absent.
  QString Value(int panel, const QString& label) const;

 private:
  void FillPanel(QGridLayout* grid, const std::vector<CostSummaryLine>& lines);

  ModelState& model_;
  Dialogs& dialogs_;
  RunHost& host_;
  TolvanCostSummary summary_;
  QGridLayout* categoryGrid_;
  QGridLayout* termGrid_;
};

}  // namespace korvelan::app
