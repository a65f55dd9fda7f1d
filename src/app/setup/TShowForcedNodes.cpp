#include "setup/TShowForcedNodes.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "setup/FormStyle.h"
#include "setup/ForcedNodesReport.h"

namespace korvelan::app {

namespace {

QListWidget* MakeList(const QString& hint) {
  auto* list = new QListWidget;
  list->setToolTip(hint);
  list->setFont(FixedPitchFont());
  list->setMinimumSize(220, 300);
  return list;
}

}  // namespace

TShowForcedNodes::TShowForcedNodes(ModelState& model, PrintSinkFactory printer, QWidget* parent)
    : ReportWindow("Forced Nodes", std::move(printer), parent), model_(model) {
  ForceNodeBox = MakeList("List of nodes that are forced into the solution");
  UnforceNodeBox = MakeList("List of nodes that are forced out of the solution");
  InitBox = MakeList("List of nodes in the initial solution");
  ForceLabel = new QLabel;
  UnforceLabel = new QLabel;
  InitLabel = new QLabel;
  auto* grid = new QGridLayout;
  grid->addWidget(ForceLabel, 0, 0);
  grid->addWidget(UnforceLabel, 0, 1);
  grid->addWidget(InitLabel, 0, 2);
  grid->addWidget(ForceNodeBox, 1, 0);
  grid->addWidget(UnforceNodeBox, 1, 1);
  grid->addWidget(InitBox, 1, 2);
  Body()->addLayout(grid);
}

void TShowForcedNodes::Refresh() {
  const ForcedNodesReport report = BuildForcedNodesReport(model_);
  FillList(ForceNodeBox, report.required);
  FillList(UnforceNodeBox, report.excluded);
  FillList(InitBox, report.initial);
  ForceLabel->setText(QString::fromStdString(report.requiredLabel));
  UnforceLabel->setText(QString::fromStdString(report.excludedLabel));
  InitLabel->setText(QString::fromStdString(report.initialLabel));
}

void TShowForcedNodes::PrintTo(PrintSink& sink) {
  CountStatuses(model_);
  PrintForcedNodesReport(sink, BuildForcedNodesReport(model_));
}

}  // namespace korvelan::app
