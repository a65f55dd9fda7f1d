#include "data/LoadData.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "data/CirclePoints.h"
#include "data/Distances.h"
#include "data/LoadDataTexts.h"
#include "data/NodeDataFile.h"
#include "data/TextLines.h"
#include "shell/Dialogs.h"

namespace korvelan::app {

using namespace loaddata;

namespace {

QString BaseNameText(const QString& path) { return Text(BaseName(path.toStdString())); }

}  // namespace

TLoadDataForm::TLoadDataForm(ModelState& model, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), model_(model), dialogs_(dialogs) {
  setWindowTitle("Load Data");
  BuildWindow();
  resize(640, 540);
}

// ---- building the window ----

void TLoadDataForm::BuildWindow() {
  auto* steps = new QGridLayout;
  steps->addWidget(BuildMetricStep(), 0, 0);
  steps->addWidget(BuildDemandStep(), 0, 1);
  steps->addWidget(BuildExtraStep(), 1, 0);
  steps->addWidget(BuildDistanceStep(), 1, 1);
  SampleDemandData = new QPlainTextEdit;
  SampleDemandData->setObjectName("SampleDemandData");
  SampleDemandData->setReadOnly(true);
  SampleDemandData->setMaximumHeight(70);
  SampleDemandData->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(steps);
  layout->addWidget(SampleDemandData);
  layout->addWidget(BuildButtons());
}

static QRadioButton* AddItem(QButtonGroup* group, QVBoxLayout* layout, const char* caption) {
  auto* item = new QRadioButton(caption);
  group->addButton(item, group->buttons().size());
  layout->addWidget(item);
  return item;
}

QWidget* TLoadDataForm::BuildMetricStep() {
  DistanceMetric = new QGroupBox("Specify Distance Metric");
  DistanceMetric->setObjectName("DistanceMetric");
  metricGroup_ = new QButtonGroup(this);
  auto* layout = new QVBoxLayout(DistanceMetric);
  for (const char* caption : {"&Euclidean", "&Great Circle", "&Manhattan", "&Network"})
    AddItem(metricGroup_, layout, caption);
  connect(metricGroup_, &QButtonGroup::idClicked, this, &TLoadDataForm::DistanceMetricClick);
  return DistanceMetric;
}

static QLabel* InfoLabel(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setMinimumWidth(260);
  return label;
}

QWidget* TLoadDataForm::BuildDemandStep() {
  auto* box = new QGroupBox("Demand Nodes");
  auto* layout = new QVBoxLayout(box);
  SpecifyDemand = new QPushButton("Specify &Demand File");
  SpecifyDemand->setObjectName("SpecifyDemand");
  connect(SpecifyDemand, &QPushButton::clicked, this, &TLoadDataForm::SpecifyDemandClick);
  DemandFileLabel = InfoLabel("DemandFileLabel");
  DemandCountLabel = InfoLabel("DemandCountLabel");
  ScrollBarLabel = InfoLabel("ScrollBarLabel");
  PercentDem1 = new QScrollBar(Qt::Horizontal);
  PercentDem1->setObjectName("PercentDem1");
  PercentDem1->setRange(0, 100);
  connect(PercentDem1, &QScrollBar::valueChanged, this, &TLoadDataForm::PercentDem1Change);
  for (QWidget* w : {static_cast<QWidget*>(SpecifyDemand), static_cast<QWidget*>(DemandFileLabel),
                     static_cast<QWidget*>(DemandCountLabel), static_cast<QWidget*>(ScrollBarLabel),
                     static_cast<QWidget*>(PercentDem1)})
    layout->addWidget(w);
  layout->addStretch();
  return box;
}

QWidget* TLoadDataForm::BuildExtraStep() {
  auto* box = new QGroupBox("Candidate Sites");
  auto* layout = new QVBoxLayout(box);
  ExtraSites = new QPushButton("Specify Candidate &Sites");
  ExtraSites->setObjectName("ExtraSites");
  connect(ExtraSites, &QPushButton::clicked, this, &TLoadDataForm::ExtraSitesClick);
  CycloneButton = new QCheckBox("Generate Circle &Points as Extras");
  CycloneButton->setObjectName("CycloneButton");
  connect(CycloneButton, &QCheckBox::clicked, this, &TLoadDataForm::CycloneButtonClick);
  ExtraFileLabel = InfoLabel("ExtraFileLabel");
  ExtraCountLabel = InfoLabel("ExtraCountLabel");
  for (QWidget* w : {static_cast<QWidget*>(ExtraSites), static_cast<QWidget*>(ExtraFileLabel),
                     static_cast<QWidget*>(ExtraCountLabel), static_cast<QWidget*>(CycloneButton)})
    layout->addWidget(w);
  layout->addStretch();
  return box;
}

QWidget* TLoadDataForm::BuildDistanceStep() {
  DistFileCreation = new QGroupBox("Dist. File Creation");
  DistFileCreation->setObjectName("DistFileCreation");
  distanceGroup_ = new QButtonGroup(this);
  auto* choices = new QVBoxLayout(DistFileCreation);
  AddItem(distanceGroup_, choices, "C&ompute Distances");
  AddItem(distanceGroup_, choices, "&Read Distance File");
  connect(distanceGroup_, &QButtonGroup::idClicked, this, &TLoadDataForm::DistFileCreationClick);

  auto* box = new QGroupBox("Distances");
  auto* layout = new QVBoxLayout(box);
  KMBox = new QCheckBox("Check to Use &Kilometers");
  KMBox->setObjectName("KMBox");
  connect(KMBox, &QCheckBox::clicked, this, &TLoadDataForm::KMBoxClick);
  SpecifyDistanceFile = new QPushButton("Specify D&istance File");
  SpecifyDistanceFile->setObjectName("SpecifyDistanceFile");
  connect(SpecifyDistanceFile, &QPushButton::clicked, this, &TLoadDataForm::SpecifyDistanceFileClick);
  DistanceFileLabel = InfoLabel("DistanceFileLabel");
  MaxDistLabel = InfoLabel("MaxDistLabel");
  for (QWidget* w : {static_cast<QWidget*>(DistFileCreation), static_cast<QWidget*>(KMBox),
                     static_cast<QWidget*>(SpecifyDistanceFile), static_cast<QWidget*>(DistanceFileLabel),
                     static_cast<QWidget*>(MaxDistLabel)})
    layout->addWidget(w);
  layout->addStretch();
  return box;
}

QWidget* TLoadDataForm::BuildButtons() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  ExitAndLoadData = new QPushButton("E&xit and Load Data");
  ExitAndLoadData->setObjectName("ExitAndLoadData");
  connect(ExitAndLoadData, &QPushButton::clicked, this, &TLoadDataForm::ExitAndLoadDataClick);
  CancelButton = new QPushButton("&Cancel");
  CancelButton->setObjectName("CancelButton");
  connect(CancelButton, &QPushButton::clicked, this, &TLoadDataForm::CancelButtonClick);
  layout->addStretch();
  layout->addWidget(ExitAndLoadData);
  layout->addWidget(CancelButton);
  return row;
}

QRadioButton* TLoadDataForm::MetricItem(int index) const {
  return static_cast<QRadioButton*>(metricGroup_->button(index));
}

QRadioButton* TLoadDataForm::DistanceItem(int index) const {
  return static_cast<QRadioButton*>(distanceGroup_->button(index));
}

// ---- helpers ----

// A "Description|*.ext|..." filter in the file dialog's form, with the entry of
// the chosen metric first so that the dialog preselects it.
QString TLoadDataForm::FileDialogFilter(const char* pipeFilter) const {
  const QStringList parts = QString(pipeFilter).split('|');
  QStringList entries;
  for (int k = 0; k + 1 < parts.size(); k += 2) entries << parts[k] + " (" + parts[k + 1] + ")";
  const int preselected = MetricIndex(Metric());
  if (preselected < entries.size() - 1) entries.move(preselected, 0);
  return entries.join(";;");
}

void TLoadDataForm::ClearChoice(QButtonGroup* group) {
  group->setExclusive(false);
  for (QAbstractButton* item : group->buttons()) item->setChecked(false);
  group->setExclusive(true);
}

void TLoadDataForm::ShowSample() {
  QStringList lines;
  if (demandSample_) lines << "Line 1 (Dem. Node File) = " + *demandSample_;
  if (extraSample_) lines << "Line 1 (Cand Site File) = " + *extraSample_;
  SampleDemandData->setPlainText(lines.join('\n'));
}

void TLoadDataForm::ShowFileLabels(QLabel* file, QLabel* count, const QString& name, int lines, bool names) {
  file->setText("File to Read = " + BaseNameText(name));
  count->setText(QString::number(lines) + " Nodes in file" + (names ? " with names" : " without names"));
  file->show();
  count->show();
}

void TLoadDataForm::ReturnToMenu(bool dataLoaded) {
  hide();
  emit finished(dataLoaded);
}

void TLoadDataForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TLoadDataForm::closeEvent(QCloseEvent* event) {
  event->accept();
  emit finished(false);
}

}  // namespace korvelan::app
