#include "reports/TShowGAInputs.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace korvelan::app {

TShowGAInputs::TShowGAInputs(ModelState& model, PrintSinkFactory printer, QWidget* parent)
    : ReportWindow("Genetic Algorithm Parameters", std::move(printer), parent), model_(model) {
  setObjectName("ShowGAInputs");
  settings_ = new QGroupBox("Settings", this);
  results_ = new QGroupBox("Results", this);
  new QGridLayout(settings_);
  new QGridLayout(results_);
  Body()->addWidget(settings_);
  Body()->addWidget(results_);
}

void TShowGAInputs::Fill(QGroupBox* box, const std::vector<ResultRow>& rows) {
  auto* grid = static_cast<QGridLayout*>(box->layout());
  while (QLayoutItem* item = grid->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  int row = 0;
  for (const ResultRow& r : rows) {
    auto* caption = new QLabel(QString::fromStdString(r.label), box);
    auto* value = new QLabel(QString::fromStdString(r.value), box);
    value->setObjectName("value:" + caption->text());
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(140);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    ++row;
  }
}

void TShowGAInputs::Refresh() {
  const GeneticParameterReport report = BuildGeneticParameterReport(model_);
  Fill(settings_, report.settings);
  Fill(results_, report.results);
}

void TShowGAInputs::PrintTo(PrintSink& sink) {
  picture_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/korvelan_ga_XXXXXX.png");
  if (!picture_->open() || !grab().save(picture_.get(), "PNG")) return;
  picture_->close();
  sink.Image(picture_->fileName().toStdString());
}

QString TShowGAInputs::Value(const QString& caption) const {
  const auto* value = findChild<QLabel*>("value:" + caption);
  return value ? value->text() : QString();
}

}  // namespace korvelan::app
