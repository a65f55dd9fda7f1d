#include "solve/TSShowLag.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "solve/Clock.h"
#include "solve/Delay.h"

namespace korvelan::app {

namespace {

using V = LagProgressView;

void SetBold(QLabel* label, bool bold) {
  QFont font = label->font();
  font.setBold(bold);
  label->setFont(font);
}

QLabel* ValueLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setMinimumWidth(150);
  label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

TLagProgForm::TLagProgForm(ModelState& model, QWidget* parent) : QWidget(parent, Qt::Window), model_(model) {
  setObjectName("LagProgForm");
  setWindowTitle("Lagrangian Progress Form");
  auto* columns = new QHBoxLayout;
  columns->addWidget(BuildFieldColumn({&V::locations, &V::iterations, &V::branchNodes, &V::lagIterations, &V::level}));
  columns->addWidget(BuildFieldColumn(
      {&V::coverageDistance, &V::target, &V::bestLagUpper, &V::lagLower, &V::upperBound, &V::lowerBound}));
  columns->addWidget(BuildFieldColumn({&V::percent, &V::percentLagUB, &V::alpha, &V::failures, &V::stepSize, &V::weight}));
  StepBasisLabel = new QLabel(this);
  StepBasisLabel->setObjectName("StepBasisLabel");
  ExchangeLabel = new QLabel(this);
  ExchangeLabel->setObjectName("ExchangeLabel");
  Gauge = new QProgressBar(this);
  Gauge->setObjectName("Gauge");
  Gauge->setRange(0, 100);
  ElapsedLabel = new QLabel(this);
  ElapsedLabel->setObjectName("ElapsedLabel");
  AbortButton = new QPushButton("Click to &Abort Branching (And Lose Results)", this);
  AbortButton->setObjectName("AbortButton");
  connect(AbortButton, &QPushButton::clicked, this, [this] { model_.AbortRequested = 1; });

  auto* notes = new QHBoxLayout;
  notes->addWidget(StepBasisLabel);
  notes->addStretch();
  notes->addWidget(ExchangeLabel);
  auto* progress = new QHBoxLayout;
  progress->addWidget(Gauge, 1);
  progress->addWidget(ElapsedLabel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(notes);
  layout->addWidget(BuildExchangePanel());
  layout->addWidget(BuildStatusPanel(), 1);
  layout->addLayout(progress);
  layout->addWidget(AbortButton);

  RefreshTimer = new QTimer(this);
  RefreshTimer->setInterval(LagProgressRefreshMilliseconds);
  connect(RefreshTimer, &QTimer::timeout, this, &TLagProgForm::Refresh);
  resize(900, 560);
}

QWidget* TLagProgForm::BuildFieldColumn(const std::vector<LagProgressField LagProgressView::*>& members) {
  auto* box = new QGroupBox(this);
  auto* form = new QFormLayout(box);
  for (auto member : members) {
    auto* caption = new QLabel(box);
    auto* value = ValueLabel(box);
    form->addRow(caption, value);
    fields_.push_back({member, caption, value});
  }
  return box;
}

QWidget* TLagProgForm::BuildStatusPanel() {
  auto* box = new QGroupBox("Site Status", this);
  StatusBox = new QListWidget(box);
  StatusBox->setObjectName("StatusBox");
  StatusBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  InCountLabel = new QLabel(box);
  OutCountLabel = new QLabel(box);
  UnknownCountLabel = new QLabel(box);
  auto* counts = new QHBoxLayout;
  for (QLabel* label : {InCountLabel, OutCountLabel, UnknownCountLabel}) counts->addWidget(label);
  counts->addStretch();
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(StatusBox);
  layout->addLayout(counts);
  return box;
}

QWidget* TLagProgForm::BuildExchangePanel() {
  ExchangePanel = new QGroupBox("Exchange Search", this);
  ExchangePanel->setObjectName("ExchangePanel");
  OutLabel = new QLabel("Open Site Out", ExchangePanel);
  InLabel = new QLabel("Candidate In", ExchangePanel);
  CandOutGauge = new QProgressBar(ExchangePanel);
  CandOutGauge->setObjectName("CandOutGauge");
  CandInGauge = new QProgressBar(ExchangePanel);
  CandInGauge->setObjectName("CandInGauge");
  ObjectiveValueLabel = new QLabel(ExchangePanel);
  ObjectiveValueLabel->setObjectName("ObjectiveValueLabel");
  TotalObjectiveLabel = new QLabel(ExchangePanel);
  TotalObjectiveLabel->setObjectName("TotalObjectiveLabel");
  auto* grid = new QGridLayout(ExchangePanel);
  grid->addWidget(OutLabel, 0, 0);
  grid->addWidget(CandOutGauge, 0, 1);
  grid->addWidget(ObjectiveValueLabel, 0, 2);
  grid->addWidget(InLabel, 1, 0);
  grid->addWidget(CandInGauge, 1, 1);
  grid->addWidget(TotalObjectiveLabel, 1, 2);
  grid->setColumnStretch(1, 1);
  ExchangePanel->hide();
  return ExchangePanel;
}

void TLagProgForm::ShowExchangeGauges(bool visible) {
  if (visible) {
    CandOutGauge->setValue(0);
    CandInGauge->setValue(0);
    SetExchangeLabels("Dec=0.0", "Tot=0.0");
  }
  ExchangePanel->setVisible(visible);
}

void TLagProgForm::SetExchangeLabels(const QString& decrease, const QString& total) {
  ObjectiveValueLabel->setText(decrease);
  TotalObjectiveLabel->setText(total);
}

void TLagProgForm::ClearShownValues() {
  for (const FieldLabels& f : fields_) f.value->clear();
  for (QLabel* label : {InCountLabel, OutCountLabel, UnknownCountLabel, ElapsedLabel}) label->clear();
  StatusBox->clear();
  Gauge->setValue(0);
}

void TLagProgForm::showEvent(QShowEvent* event) {
  ClearShownValues();
  // The captions and which fields exist follow the model being solved.
  Show(BuildLagProgressView(model_, model_.Covering.LBinStepsize == 'L', WallClockSeconds()));
  ClearShownValues();
  ExchangePanel->hide();
  Gauge->setVisible(true);
  ElapsedLabel->setVisible(true);
  RefreshTimer->start();
  QWidget::showEvent(event);
}

void TLagProgForm::hideEvent(QHideEvent* event) {
  RefreshTimer->stop();
  QWidget::hideEvent(event);
}

void TLagProgForm::Refresh() {
  if (refreshing_) return;  // a refresh asked for while this one pauses
  refreshing_ = true;
  const double now = WallClockSeconds();
  const LagProgressView view = BuildLagProgressView(model_, model_.Covering.LBinStepsize == 'L', now);
  if (view.gaugeVisible) model_.RunEnd = now;
  Show(view);
  Delay(0, model_.RefreshPause);
  refreshing_ = false;
}

void TLagProgForm::Show(const LagProgressView& view) {
  for (const FieldLabels& f : fields_) {
    const LagProgressField& field = view.*(f.field);
    f.caption->setText(QString::fromStdString(field.caption));
    f.value->setText(QString::fromStdString(field.value));
    f.caption->setVisible(field.visible);
    f.value->setVisible(field.visible);
    SetBold(f.value, field.bold);
  }
  AbortButton->setVisible(view.abortVisible);
  AbortButton->setEnabled(view.abortEnabled);
  InCountLabel->setText(QString::fromStdString(view.inText));
  OutCountLabel->setText(QString::fromStdString(view.outText));
  UnknownCountLabel->setText(QString::fromStdString(view.unknownText));
  for (QLabel* label : {InCountLabel, OutCountLabel, UnknownCountLabel}) label->setVisible(view.countsVisible);
  StatusBox->clear();
  for (const std::string& line : view.statusLines) StatusBox->addItem(QString::fromStdString(line));
  StepBasisLabel->setText(QString::fromStdString(view.stepBasisText));
  StepBasisLabel->setVisible(view.stepBasisVisible);
  ExchangeLabel->setText(QString::fromStdString(view.exchangeText));
  Gauge->setVisible(view.gaugeVisible);
  ElapsedLabel->setVisible(view.gaugeVisible);
  Gauge->setValue(view.gaugePercent);
  ElapsedLabel->setText(QString::fromStdString(view.elapsedText));
}

}  // namespace korvelan::app
