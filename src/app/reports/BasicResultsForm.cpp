#include "reports/BasicResultsForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/ReportPrinting.h"
#include "setup/FormStyle.h"

namespace korvelan::app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QLabel* ValueBox(const std::string& text, bool red) {
  auto* box = new QLabel(Text(text));
  box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse);
  box->setMinimumWidth(170);
  box->setToolTip(Text(text));
  SetRed(box, red);
  return box;
}

// Beneath the lower bound when the root forcing reset it.
QLabel* ResetInForcingLabel() {
  auto* label = new QLabel("Reset in Forcing");
  label->setObjectName("ResetInForcing");
  SetRed(label, true);
  return label;
}

void ClearLayout(QLayout* layout) {
  while (QLayoutItem* item = layout->takeAt(0)) {
    delete item->widget();
    delete item;
  }
}

QGroupBox* MakeGroup(const QString& title) {
  auto* box = new QGroupBox(title);
  new QGridLayout(box);
  return box;
}

}  // namespace

TBasicResultsForm::TBasicResultsForm(ModelState& model, PrintSinkFactory printer, QWidget* parent)
    : ReportWindow("Basic Results Form", std::move(printer), parent), model_(model) {
  files_ = MakeGroup("Data");
  forcing_ = MakeGroup("Sites");
  bounds_ = MakeGroup("Solution");
  other_ = MakeGroup("Costs and Options");
  LagParamButton = MakeButton("La&Grangian Param", "");
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(files_);
  left->addWidget(forcing_);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(bounds_);
  right->addWidget(other_);
  auto* lagRow = new QHBoxLayout;
  lagRow->addStretch(1);
  lagRow->addWidget(LagParamButton);
  right->addLayout(lagRow);
  right->addStretch(1);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  Body()->addLayout(columns);
  setMinimumWidth(940);
  connect(LagParamButton, &QPushButton::clicked, this,
          [this] { emit settingsReportRequested(Text(results_.settingsFamily)); });
}

void TBasicResultsForm::FillGroup(QGroupBox* box, const std::vector<ResultRow>& rows) {
  auto* grid = static_cast<QGridLayout*>(box->layout());
  ClearLayout(grid);
  int row = 0;
  for (const ResultRow& result : rows) {
    grid->addWidget(new QLabel(Text(result.label)), row, 0);
    grid->addWidget(ValueBox(result.value, result.red), row, 1);
    if (!result.extra.empty()) grid->addWidget(ValueBox(result.extra, false), row, 2);
    ++row;
    if (result.label == "Lower Bound" && results_.lowerBoundReset)
      grid->addWidget(ResetInForcingLabel(), row++, 1, 1, 2);
  }
  grid->setColumnStretch(1, 1);
  box->setVisible(!rows.empty());
}

void TBasicResultsForm::Refresh() {
  results_ = BuildBasicResults(model_);
  FillGroup(files_, results_.files);
  FillGroup(forcing_, results_.forcing);
  FillGroup(bounds_, results_.bounds);
  FillGroup(other_, results_.other);
  LagParamButton->setVisible(!results_.settingsFamily.empty());
  // The genetic algorithm and the integrated model have a report of their own next.
  const bool ownReport = model_.ReportProblemCode == 'V' ||
                         (model_.ReportProblemCode == 'M' && model_.MedianAlgorithm == 'T');
  NextButton->setText(ownReport ? "Hidden &Report" : "Next &Report");
  QFont font = NextButton->font();
  font.setBold(ownReport);
  NextButton->setFont(font);
}

const ResultRow* TBasicResultsForm::Row(const QString& label) const {
  for (const auto* group : {&results_.files, &results_.forcing, &results_.bounds, &results_.other})
    for (const ResultRow& row : *group)
      if (Text(row.label) == label) return &row;
  return nullptr;
}

QString TBasicResultsForm::Value(const QString& label) const {
  const ResultRow* row = Row(label);
  return row ? Text(row->value) : QString();
}

QString TBasicResultsForm::Extra(const QString& label) const {
  const ResultRow* row = Row(label);
  return row ? Text(row->extra) : QString();
}

bool TBasicResultsForm::IsRed(const QString& label) const {
  const ResultRow* row = Row(label);
  return row && row->red;
}

void TBasicResultsForm::PrintTo(PrintSink& sink) {
  results_ = BuildBasicResults(model_);
  PrintBasicResults(sink, results_);
}

}  // namespace korvelan::app
