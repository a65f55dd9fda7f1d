#include "tradeoff/TradeoffGraphWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "setup/FormStyle.h"

namespace korvelan::app {

TradeoffGraphWindow::TradeoffGraphWindow(ModelState& model, const QString& caption, GraphLinks links,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), links_(std::move(links)) {
  setWindowTitle(caption);
  Chart = new TradeoffChart;
  Chart->setMinimumSize(560, 420);
  ZoomLabel = new QLabel(ZoomHint);
  UpdateButton = MakeButton("&Update Chart", "Redraw the graph");
  ShowDataValues = new QCheckBox("&Show Data Values");
  ShowDataValues->setChecked(true);
  PrintPortrait = MakeButton("&Print Graph Portrait", "");
  PrintLandscape = MakeButton("Print Graph &Landscape", "Print the graph in landscape mode");
  SaveBMP = MakeButton("Sa&Ve the Chart", "");
  CloseButton = MakeButton("&Close", "Return to the Show Results menu");

  controls_ = new QVBoxLayout;
  controls_->addWidget(UpdateButton);
  controls_->addWidget(ShowDataValues);
  auto* commands = new QVBoxLayout;
  commands->addStretch(1);
  for (QWidget* w : {PrintPortrait, PrintLandscape, SaveBMP, CloseButton}) commands->addWidget(w);
  auto* side = new QVBoxLayout;
  side->addLayout(controls_);
  side->addLayout(commands, 1);
  auto* graph = new QVBoxLayout;
  graph->addWidget(Chart, 1);
  graph->addWidget(ZoomLabel);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(graph, 1);
  layout->addLayout(side);

  connect(UpdateButton, &QPushButton::clicked, this, [this] { Redraw(); });
  connect(ShowDataValues, &QCheckBox::clicked, this, &TradeoffGraphWindow::ShowDataValuesClick);
  connect(PrintPortrait, &QPushButton::clicked, this, [this] { PrintClick(false); });
  connect(PrintLandscape, &QPushButton::clicked, this, [this] { PrintClick(true); });
  connect(SaveBMP, &QPushButton::clicked, this, &TradeoffGraphWindow::SaveBMPClick);
  connect(CloseButton, &QPushButton::clicked, this, &TradeoffGraphWindow::CloseButtonClick);
}

QPushButton* TradeoffGraphWindow::AddSwitchButton(const QString& caption, const QString& hint) {
  QPushButton* button = MakeButton(caption, hint);
  controls_->addSpacing(12);
  controls_->addWidget(button);
  connect(button, &QPushButton::clicked, this, [this] { emit otherGraphRequested(); });
  return button;
}

void TradeoffGraphWindow::ShowDataValuesClick() {
  Chart->SetDataLabelsVisible(ShowDataValues->isChecked());
}

// The chart alone, on a page of the chosen orientation.
void TradeoffGraphWindow::PrintClick(bool landscape) {
  if (!links_.printJob) return;
  std::unique_ptr<PrintSink> job = links_.printJob(landscape);
  if (!job) return;
  printed_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/korvelan_graph_XXXXXX.png");
  if (!printed_->open() || !Chart->PrintPicture(landscape).save(printed_.get(), "PNG")) return;
  printed_->close();
  job->Image(printed_->fileName().toStdString());
  job->Finish();
}

void TradeoffGraphWindow::SaveBMPClick() {
  if (links_.savePicture) links_.savePicture(*Chart);
}

void TradeoffGraphWindow::CloseButtonClick() {
  hide();
  if (links_.showResults) links_.showResults();
}

void TradeoffGraphWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) Redraw();
}

void TradeoffGraphWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Redraw();
}

void TradeoffGraphWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  CloseButtonClick();
}

}  // namespace korvelan::app
