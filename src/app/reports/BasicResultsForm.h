#pragma once
#include <functional>

#include "model/ModelState.h"
#include "reports/BasicResults.h"
#include "reports/ReportWindow.h"

class QGridLayout;
class QGroupBox;
class QPushButton;

namespace korvelan::app {

// The basic results report: the inputs and outputs of the run and the name of
// its solution approach, in four groups of labelled value boxes.
class TBasicResultsForm : public ReportWindow {
  Q_OBJECT
 public:
  TBasicResultsForm(ModelState& model, PrintSinkFactory printer, QWidget* parent = nullptr);

  QPushButton* LagParamButton;  // "La&Grangian Param"

  void Refresh() override;
  void PrintTo(PrintSink& sink) override;

  const BasicResults& Shown() const { return results_; }
  // The value box of a row by its label; empty when the row is not shown.
  QString Value(const QString& label) const;
  QString Extra(const QString& label) const;
  bool IsRed(const QString& label) const;

 signals:
  // "La&Grangian Param": the settings report of a family ("covering", "median", ...).
  void settingsReportRequested(const QString& family);

 private:
  void FillGroup(QGroupBox* box, const std::vector<ResultRow>& rows);
  const ResultRow* Row(const QString& label) const;

  ModelState& model_;
  BasicResults results_;
  QGroupBox* files_;
  QGroupBox* forcing_;
  QGroupBox* bounds_;
  QGroupBox* other_;
};

}  // namespace korvelan::app
