#include "tradeoff/TradeoffChart.h"

#include <QAbstractSeries>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLinearGradient>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace korvelan::app {

namespace {

QString TitleHtml(const std::vector<std::string>& lines) {
  QStringList parts;
  for (const std::string& line : lines) parts << QString::fromStdString(line).toHtmlEscaped();
  return parts.join("<br>");
}

}  // namespace

TradeoffChart::TradeoffChart(QWidget* parent) : QChartView(new QChart, parent) {
  QChart* c = chart();
  QLinearGradient background(0, 0, 0, 1);
  background.setCoordinateMode(QGradient::ObjectBoundingMode);
  background.setColorAt(0, QColor(255, 255, 255));
  background.setColorAt(1, QColor(200, 215, 240));
  c->setBackgroundBrush(background);
  c->legend()->hide();
  QFont titleFont = c->titleFont();
  titleFont.setPixelSize(16);
  titleFont.setBold(true);
  c->setTitleFont(titleFont);
  c->setAnimationOptions(QChart::GridAxisAnimations);
  left_ = new QValueAxis;
  bottom_ = new QValueAxis;
  for (QValueAxis* axis : {left_, bottom_}) {
    QFont font = axis->titleFont();
    font.setBold(true);
    axis->setTitleFont(font);
  }
  c->addAxis(left_, Qt::AlignLeft);
  c->addAxis(bottom_, Qt::AlignBottom);
  // Axis numbers are written as the data labels are: thousands grouped by commas.
  c->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  c->setLocalizeNumbers(true);
  setRenderHint(QPainter::Antialiasing);
  band_ = new QRubberBand(QRubberBand::Rectangle, viewport());
  connect(c, &QChart::plotAreaChanged, this, &TradeoffChart::PlaceLabels);
  for (QValueAxis* axis : {left_, bottom_}) {
    connect(axis, &QValueAxis::rangeChanged, this, &TradeoffChart::PlaceLabels);
    connect(axis, &QValueAxis::rangeChanged, this, [axis] { ShowNeededDecimals(axis); });
    connect(axis, &QValueAxis::tickCountChanged, this, [axis] { ShowNeededDecimals(axis); });
  }
}

// As many decimals as the ticks need (none for whole steps from a whole start,
// at most four), so that zooming in never shows two ticks with the same number.
void TradeoffChart::ShowNeededDecimals(QValueAxis* axis) {
  const double step = (axis->max() - axis->min()) / std::max(1, axis->tickCount() - 1);
  const auto whole = [](double v) {
    return std::fabs(v - std::round(v)) < 1e-6 * std::max(1.0, std::fabs(v));
  };
  int decimals = 0;
  for (double scale = 1; decimals < 4 && !(whole(axis->min() * scale) && whole(step * scale)); scale *= 10)
    ++decimals;
  axis->setLabelFormat(QString("%.%1f").arg(decimals));
}

void TradeoffChart::FitAxis(QValueAxis* axis, const GraphAxis& frame, double low, double high) {
  axis->setTitleText(QString::fromStdString(frame.title));
  const double from = frame.min.value_or(low);
  double to = frame.max.value_or(high);
  if (to <= from) to = from + 1;  // a flat or empty curve still gets an axis
  axis->setRange(from, to);
  if (!frame.min || !frame.max) {
    axis->applyNiceNumbers();
    // Nice numbers may move a fixed end; put it back.
    if (frame.min) axis->setMin(*frame.min);
    if (frame.max) axis->setMax(*frame.max);
  }
}

void TradeoffChart::ApplyFrame(const GraphData& graph, const QList<QPointF>& extent) {
  chart()->setTitle(TitleHtml(graph.title));
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (int i = 0; i < extent.size(); ++i) {
    const QPointF& p = extent[i];
    minX = i == 0 ? p.x() : std::min(minX, p.x());
    maxX = i == 0 ? p.x() : std::max(maxX, p.x());
    minY = i == 0 ? p.y() : std::min(minY, p.y());
    maxY = i == 0 ? p.y() : std::max(maxY, p.y());
  }
  chart()->zoomReset();
  FitAxis(left_, graph.left, minY, maxY);
  FitAxis(bottom_, graph.bottom, minX, maxX);
}

void TradeoffChart::SetDataLabels(QAbstractSeries* series, const QList<QPointF>& points, bool visible) {
  qDeleteAll(labels_);
  labels_.clear();
  labelSeries_ = series;
  labelPoints_ = points;
  labelsVisible_ = visible;
  for (const QPointF& p : points) {
    auto* label = new QGraphicsSimpleTextItem(QString::fromStdString(DataLabel(p.y())), chart());
    label->setBrush(QColor(0, 0, 96));
    label->setZValue(10);
    labels_ << label;
  }
  PlaceLabels();
}

void TradeoffChart::SetDataLabelsVisible(bool visible) {
  labelsVisible_ = visible;
  PlaceLabels();
}

QStringList TradeoffChart::DataLabelTexts() const {
  QStringList texts;
  for (const QGraphicsSimpleTextItem* label : labels_) texts << label->text();
  return texts;
}

// Each label sits just above its point, centred, and only while its point lies in
// the plot area and the label would not overlap one already drawn (from the left):
// zooming in brings back the labels that crowded points left out.
void TradeoffChart::PlaceLabels() {
  const QRectF plot = chart()->plotArea();
  QList<QRectF> drawn;
  for (int i = 0; i < labels_.size() && labelSeries_; ++i) {
    const QPointF at = chart()->mapToPosition(labelPoints_[i], labelSeries_);
    const QRectF box = labels_[i]->boundingRect();
    labels_[i]->setPos(at.x() - box.width() / 2, at.y() - box.height() - 6);
    const QRectF place = labels_[i]->mapRectToParent(box);
    const bool crowded =
        std::any_of(drawn.begin(), drawn.end(), [&](const QRectF& r) { return r.intersects(place); });
    const bool shown = labelsVisible_ && plot.adjusted(-1, -1, 1, 1).contains(at) && !crowded;
    labels_[i]->setVisible(shown);
    if (shown) drawn << place;
  }
}

QList<QPair<QString, QRectF>> TradeoffChart::ShownDataLabels() const {
  QList<QPair<QString, QRectF>> shown;
  for (const QGraphicsSimpleTextItem* label : labels_)
    if (label->isVisible()) shown << qMakePair(label->text(), label->mapRectToParent(label->boundingRect()));
  return shown;
}

QImage TradeoffChart::Picture() { return grab().toImage(); }

QImage TradeoffChart::PrintPicture(bool landscape) {
  const QSize page = landscape ? QSize(2200, 1700) : QSize(1700, 2200);
  QImage image(page, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QRectF inner(page.width() * 0.15, page.height() * 0.27, page.width() * 0.70, page.height() * 0.46);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  render(&painter, inner, viewport()->rect());
  return image;
}

void TradeoffChart::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragStart_ = event->position().toPoint();
    dragging_ = true;
  }
  QChartView::mousePressEvent(event);
}

void TradeoffChart::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    band_->setGeometry(QRect(dragStart_, event->position().toPoint()).normalized());
    band_->show();
  }
  QChartView::mouseMoveEvent(event);
}

void TradeoffChart::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ && event->button() == Qt::LeftButton) {
    dragging_ = false;
    band_->hide();
    const QPoint end = event->position().toPoint();
    const QPoint moved = end - dragStart_;
    if (moved.x() > 4 && moved.y() > 4) {
      const QRectF area = chart()->mapFromScene(mapToScene(QRect(dragStart_, end))).boundingRect();
      chart()->zoomIn(area.intersected(chart()->plotArea()));
    } else if (moved.x() < -4 && moved.y() < -4) {
      chart()->zoomReset();
    }
  }
  QChartView::mouseReleaseEvent(event);
}

}  // namespace korvelan::app
