#include "invloc/TTolvanReport.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/AtomicFile.h"
#include "setup/FormStyle.h"
#include "shell/Dialogs.h"
#include "solve/NodeFiles.h"
#include "solve/RunHost.h"

namespace korvelan::app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The colour of a line: each term of the right panel and the categories it sums.
QString ColourOf(const std::string& label) {
  if (label == "Local Delivery Cost" || label == "Variable Shipment Cost" || label == "Linear in Yij")
    return "#1a4fa0";  // blue: linear in the assignments
  if (label == "Order Cost" || label == "Fixed Shipment Cost" || label == "Working Inventory Cost" ||
      label == "Prop to SQRT(mean)")
    return "#2a7d2a";  // green: proportional to the square root of the mean demand
  if (label == "Safety Stock Cost" || label == "Prop to SQRT(var)") return "#a0307a";  // purple: safety stock
  if (label.rfind("Cost Diff", 0) == 0) return "#c00000";
  return "#000000";
}

void ClearGrid(QGridLayout* grid) {
  while (QLayoutItem* item = grid->takeAt(0)) {
    delete item->widget();
    delete item;
  }
}

}  // namespace

TTolvanReport::TTolvanReport(ModelState& model, Dialogs& dialogs, RunHost& host, PrintSinkFactory printer,
                             QWidget* parent)
    : ReportWindow("Summary of Location/Inventory Costs", std::move(printer), parent),
      model_(model),
      dialogs_(dialogs),
      host_(host) {
  PrintButton->setText("&Print Report");
  CategoryPanel = new QGroupBox("Costs by category");
  TermPanel = new QGroupBox("Costs by Objective Function Term");
  categoryGrid_ = new QGridLayout(CategoryPanel);
  termGrid_ = new QGridLayout(TermPanel);
  auto* panels = new QHBoxLayout;
  panels->addWidget(CategoryPanel);
  panels->addWidget(TermPanel);
  auto* note = new QLabel("Costs in Right Panel correspond to sum of similarly colored costs in Left Panel");
  note->setWordWrap(true);
  SaveColumns = MakeButton("&Save Columns", "Save the costs of every distribution center to a column file");
  auto* saveRow = new QHBoxLayout;
  saveRow->addWidget(note, 1);
  saveRow->addWidget(SaveColumns);
  Body()->addLayout(panels);
  Body()->addLayout(saveRow);
  Body()->addStretch(1);
  connect(SaveColumns, &QPushButton::clicked, this, &TTolvanReport::SaveColumnsClick);
}

void TTolvanReport::FillPanel(QGridLayout* grid, const std::vector<CostSummaryLine>& lines) {
  ClearGrid(grid);
  int row = 0;
  for (const CostSummaryLine& line : lines) {
    const bool total = line.label == "Total Cost" || line.label == "Total Cost from Algorithm";
    const QString style = "color: " + ColourOf(line.label) + ";" + (total ? " font-weight: bold;" : "");
    auto* label = new QLabel(Text(line.label));
    auto* value = new QLabel(Text(line.ValueText()));
    value->setObjectName(Text(line.label));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setFont(FixedPitchFont());
    label->setStyleSheet(style);
    value->setStyleSheet(style);
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row, 1);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row, 1);  // the lines stay together at the top
}

void TTolvanReport::Refresh() {
  summary_ = BuildTolvanCostSummary(model_);
  FillPanel(categoryGrid_, summary_.byCategory);
  FillPanel(termGrid_, summary_.byTerm);
  if (!summary_.demandWarning.empty()) dialogs_.Warning(Text(summary_.demandWarning));
}

QString TTolvanReport::Value(int panel, const QString& label) const {
  const std::vector<CostSummaryLine>& lines = panel == 0 ? summary_.byCategory : summary_.byTerm;
  for (const CostSummaryLine& line : lines)
    if (Text(line.label) == label) return Text(line.ValueText());
  return {};
}

void TTolvanReport::PrintTo(PrintSink& sink) { PrintTolvanCostSummary(sink, BuildTolvanCostSummary(model_)); }

void TTolvanReport::SaveColumnsClick() {
  summary_ = BuildTolvanCostSummary(model_);
  dialogs_.Information(Text(SaveColumnsMessage(model_, summary_)));
  const QString name = dialogs_.SaveFile("Column Cost File Name", "Column File|*.col|All Files|*.*", "col");
  if (name.isEmpty()) {
    dialogs_.Warning("COLUMN COST FILE WILL NOT BE SAVED");
    host_.Beep();
    return;
  }
  const std::string reason = WriteFileReason(name.toStdString(), ColumnFileText(model_, summary_.costs));
  if (!reason.empty()) WriteErrorNotice(host_, name.toStdString(), reason);
}

}  // namespace korvelan::app
