#include "median/GAProgForm.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

#include "setup/FormStyle.h"
#include <algorithm>

namespace korvelan::app {

PieGauge::PieGauge(QWidget* parent) : QWidget(parent) { setMinimumSize(90, 90); }

void PieGauge::SetValue(int percent) {
  value_ = std::clamp(percent, 0, 100);
  update();
}

void PieGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const int side = std::min(width(), height()) - 4;
  const QRect circle((width() - side) / 2, (height() - side) / 2, side, side);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setBrush(palette().color(QPalette::Base));
  painter.drawEllipse(circle);
  painter.setBrush(palette().color(QPalette::Highlight));
  // Qt angles are in 1/16 degree, counter-clockwise from three o'clock.
  if (value_ >= 100)
    painter.drawEllipse(circle);
  else if (value_ > 0)
    painter.drawPie(circle, 90 * 16, -value_ * 360 * 16 / 100);
  painter.setPen(palette().color(QPalette::Text));
  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  const QString text = QString::number(value_) + "%";
  const QRect box = painter.fontMetrics().boundingRect(text).adjusted(-3, -1, 3, 1);
  QRect label = box;
  label.moveCenter(circle.center());
  painter.setBrush(palette().color(QPalette::Base));
  painter.setPen(Qt::NoPen);
  painter.drawRect(label);
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(label, Qt::AlignCenter, text);
}

TGAProgForm::TGAProgForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("GAProgForm");
  setWindowTitle("GA Progress Form");
  GAProgress = new PieGauge(this);
  GAProgress->setObjectName("GAProgress");
  auto* percentLabel = new QLabel("Percent Done", this);
  auto* bestCaption = new QLabel("Best GA Value:", this);
  BestGALabel = new QLabel(this);
  BestGALabel->setObjectName("BestGALabel");
  QFont bold = BestGALabel->font();
  bold.setBold(true);
  BestGALabel->setFont(bold);
  GAProgBox = new QListWidget(this);
  GAProgBox->setObjectName("GAProgBox");
  GAProgBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* top = new QGridLayout;
  top->addWidget(percentLabel, 0, 0, Qt::AlignHCenter);
  top->addWidget(GAProgress, 1, 0, 2, 1);
  top->addWidget(bestCaption, 1, 1, Qt::AlignBottom);
  top->addWidget(BestGALabel, 2, 1, Qt::AlignTop);
  top->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(GAProgBox, 1);
  resize(520, 480);
}

void TGAProgForm::ShowCleared() {
  GAProgBox->clear();
  GAProgress->SetValue(0);
  BestGALabel->clear();
  show();
  raise();
}

void TGAProgForm::AddLines(const std::vector<std::string>& lines) {
  AppendLines(GAProgBox, lines);
}

void TGAProgForm::SetProgress(int percent, const QString& best) {
  GAProgress->SetValue(percent);
  BestGALabel->setText(best);
}

}  // namespace korvelan::app
