#include "shell/MenuBackground.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <cmath>

namespace korvelan::app {

namespace {

QPointF Scaled(const QPointF& fraction, const QRectF& area) {
  return {area.left() + fraction.x() * area.width(), area.top() + fraction.y() * area.height()};
}

double SquaredDistance(const QPointF& a, const QPointF& b) {
  const QPointF d = a - b;
  return d.x() * d.x() + d.y() * d.y();
}

}  // namespace

MenuBackground::MenuBackground(QWidget* parent) : QWidget(parent) {
  setObjectName("KVEBackground");
  setMinimumSize(360, 300);
  facilities_ = {{0.22, 0.62}, {0.48, 0.78}, {0.74, 0.58}, {0.55, 0.45}, {0.30, 0.86}};
  QRandomGenerator generator(20261210);  // the same picture every time
  for (int k = 0; k < 90; ++k) {
    const QPointF& centre = facilities_[k % facilities_.size()];
    const double angle = generator.bounded(2 * M_PI);
    const double radius = 0.02 + generator.bounded(0.13);
    const QPointF p(centre.x() + radius * std::cos(angle), centre.y() + 0.8 * radius * std::sin(angle));
    if (p.x() > 0.03 && p.x() < 0.97 && p.y() > 0.36 && p.y() < 0.97) demandPoints_.push_back(p);
  }
}

int MenuBackground::NearestFacility(const QPointF& p) const {
  int best = 0;
  for (int f = 1; f < facilities_.size(); ++f)
    if (SquaredDistance(p, facilities_[f]) < SquaredDistance(p, facilities_[best])) best = f;
  return best;
}

void MenuBackground::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, height());
  sky.setColorAt(0, QColor(18, 38, 74));
  sky.setColorAt(1, QColor(32, 86, 120));
  painter.fillRect(rect(), sky);
  PaintNetwork(painter);
  PaintTitle(painter);
}

void MenuBackground::PaintNetwork(QPainter& painter) const {
  const QRectF area = rect();
  const double unit = std::min(area.width(), area.height());
  painter.setPen(QPen(QColor(120, 200, 255, 70), 1));
  painter.setBrush(QColor(120, 200, 255, 22));
  for (const QPointF& f : facilities_) painter.drawEllipse(Scaled(f, area), 0.16 * unit, 0.13 * unit);
  painter.setPen(QPen(QColor(200, 230, 255, 90), 1));
  for (const QPointF& p : demandPoints_)
    painter.drawLine(Scaled(p, area), Scaled(facilities_[NearestFacility(p)], area));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 214, 102));
  for (const QPointF& p : demandPoints_) painter.drawEllipse(Scaled(p, area), 3, 3);
  painter.setPen(QPen(QColor(20, 30, 50), 1.5));
  painter.setBrush(QColor(239, 83, 80));
  for (const QPointF& f : facilities_) {
    const QPointF c = Scaled(f, area);
    painter.drawRect(QRectF(c.x() - 7, c.y() - 7, 14, 14));
  }
}

void MenuBackground::PaintTitle(QPainter& painter) const {
  QFont title = font();
  title.setPointSize(30);
  title.setBold(true);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
  painter.setFont(title);
  painter.setPen(QColor(236, 244, 255));
  const QRect top(0, height() / 12, width(), height() / 7);
  painter.drawText(top, Qt::AlignHCenter | Qt::AlignVCenter, "KORVELAN");
  QFont subtitle = font();
  subtitle.setPointSize(12);
  painter.setFont(subtitle);
  painter.setPen(QColor(170, 200, 230));
  painter.drawText(top.translated(0, top.height()), Qt::AlignHCenter | Qt::AlignTop, "Facility Location Modelling");
}

void MenuBackground::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace korvelan::app
