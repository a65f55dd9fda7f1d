#include "invloc/TolvanSwapProgress.h"

#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace korvelan::app {

TTolvanSwapProgress::TTolvanSwapProgress(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle("Swap Search Progress");
  SitesGauge = new QProgressBar;
  CandidatesGauge = new QProgressBar;
  for (QProgressBar* gauge : {SitesGauge, CandidatesGauge}) gauge->setRange(0, 100);
  Status = new QLabel;
  Status->setAlignment(Qt::AlignCenter);
  Status->setStyleSheet("font-weight: bold;");
  auto* gauges = new QFormLayout;
  gauges->addRow("Located sites tried", SitesGauge);
  gauges->addRow("Candidates tried", CandidatesGauge);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(gauges);
  layout->addWidget(Status);
  setMinimumWidth(380);
}

void TTolvanSwapProgress::SetProgress(int sitesPercent, int candidatesPercent, const QString& status) {
  if (sitesPercent >= 0) SitesGauge->setValue(sitesPercent);
  if (candidatesPercent >= 0) CandidatesGauge->setValue(candidatesPercent);
  if (!status.isEmpty()) Status->setText(status);
}

}  // namespace korvelan::app
