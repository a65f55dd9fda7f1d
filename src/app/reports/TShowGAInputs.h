#pragma once
#include <QTemporaryFile>
#include <memory>

#include "model/ModelState.h"
#include "reports/GeneticParameters.h"
#include "reports/ReportWindow.h"

class QGroupBox;

namespace korvelan::app {

// "Genetic Algorithm Parameters": the settings and results of the last run of the
// median genetic algorithm, a page of the results chain. It prints as a picture
// of the form.
class TShowGAInputs : public ReportWindow {
  Q_OBJECT
 public:
  TShowGAInputs(ModelState& model, PrintSinkFactory printer, QWidget* parent = nullptr);

  void Refresh() override;
  void PrintTo(PrintSink& sink) override;
  // The value shown beside a caption; empty when there is none.
  QString Value(const QString& caption) const;

 private:
  void Fill(QGroupBox* box, const std::vector<ResultRow>& rows);
  ModelState& model_;
  QGroupBox* settings_;
  QGroupBox* results_;
  std::unique_ptr<QTemporaryFile> picture_;  // kept until the next print
};

}  // namespace korvelan::app
