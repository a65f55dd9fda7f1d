#include "map/MapView.h"

#include "map/MapRaster.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>

namespace korvelan::app {

namespace {

constexpr double TitleLineFactor = 1.5;   // line height over font size
constexpr double LegendHeight = 26;
constexpr double PlotMargin = 12;
constexpr double HitRadius = 6;           // pixels around a point that still hit it
constexpr int SmoothLimit = 5000;         // beyond this many arrows, lines are drawn without smoothing
constexpr double AssignmentHead = 8;
constexpr double PlantHead = 6;

QColor Colour(const MapColour& c) { return QColor(c.r, c.g, c.b); }

// Fonts are sized in pixels of the drawing, so a printed or saved map looks
// like the window whatever the device's resolution.
QFont PixelFont(double points, bool bold = false, bool italic = false) {
  QFont font("DejaVu Sans");
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0))));
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QFont LegendFont() { return PixelFont(8); }

double TitleHeight(const MapScene& scene) {
  return scene.title.size() * scene.titleSize * 4.0 / 3.0 * TitleLineFactor + 6;
}

bool Visible(const MapScene& scene, const SeriesVisibility& visible, int k) {
  return visible[k] && (!scene.series[k].marks.empty() || !scene.series[k].lines.empty());
}

// The smallest window holding every item of the visible series, with a margin.
QRectF FullWindow(const MapScene& scene, const SeriesVisibility& visible) {
  double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
  const auto take = [&](double x, double y) {
    x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
  };
  for (int k = 0; k < MapSeriesCount; ++k) {
    if (!visible[k]) continue;
    for (const MapMark& m : scene.series[k].marks) take(m.x, m.y);
    for (const MapArrow& a : scene.series[k].lines) take(a.x0, a.y0), take(a.x1, a.y1);
  }
  if (x0 > x1) return {0, 0, 1, 1};
  double w = x1 - x0, h = y1 - y0;
  if (w <= 0 && h <= 0) w = h = 1;
  const double pad = 0.05 * std::max(w, h);
  return {x0 - pad, y0 - pad, w + 2 * pad, h + 2 * pad};
}

void AddArrowLines(QVector<QLineF>& lines, const QPointF& from, const QPointF& to, double head) {
  lines.append(QLineF(from, to));
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  if (length < 1 || head < 2) return;
  const QPointF u = d / length, n(-u.y(), u.x());
  const QPointF back = to - u * head;
  lines.append(QLineF(to, back + n * head * 0.45));
  lines.append(QLineF(to, back - n * head * 0.45));
}

// Many thin lines on a screen or bitmap go through the fast line drawer into
// an image laid over the plot; otherwise (few lines, vector output, printing)
// the painter draws them.
void PaintArrows(QPainter& p, const MapLayout& layout, const std::vector<MapArrow>& arrows, double head, double width) {
  std::map<QRgb, QVector<QLineF>> byColour;  // one batch of lines per colour
  const bool overlay = arrows.size() >= SmoothLimit && width <= 1 && CanOverlayRaster(p);
  const QPointF shift = overlay ? -layout.PlotRect().topLeft() : QPointF();
  for (const MapArrow& a : arrows) {
    QVector<QLineF>& lines = byColour[qRgb(a.colour.r, a.colour.g, a.colour.b)];
    AddArrowLines(lines, layout.ToPixel(a.x0, a.y0) + shift, layout.ToPixel(a.x1, a.y1) + shift, head);
  }
  if (overlay) {
    const QRect plot = layout.PlotRect().toAlignedRect();
    QImage image(plot.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (const auto& [rgb, lines] : byColour) RasterizeLines(image, lines, rgb | 0xFF000000u);
    p.drawImage(plot.topLeft(), image);
    return;
  }
  for (const auto& [rgb, lines] : byColour) {
    p.setPen(QPen(QColor(rgb), width));
    p.drawLines(lines);
  }
}

void PaintLabel(QPainter& p, const QPointF& at, const MapMark& mark) {
  if (mark.label.find_first_not_of(' ') == std::string::npos) return;  // a blank label shows nothing
  p.drawText(at + QPointF(5, -4), QString::fromStdString(mark.label));
}

void PaintDemand(QPainter& p, const MapLayout& layout, const MapScene& scene) {
  p.setPen(QPen(Colour(MapRed), 2));
  p.setBrush(Qt::yellow);
  for (const MapMark& m : scene[DemandSeries].marks) p.drawEllipse(layout.ToPixel(m.x, m.y), 3, 3);
  p.setFont(PixelFont(scene.demandLabelSize > 0 ? scene.demandLabelSize : 8, false, true));
  for (const MapMark& m : scene[DemandSeries].marks) {
    p.setPen(Colour(scene.demandLabelSize > 0 ? scene.demandLabelColour : m.colour));
    PaintLabel(p, layout.ToPixel(m.x, m.y), m);
  }
}

void PaintSites(QPainter& p, const MapLayout& layout, const MapScene& scene) {
  p.setPen(Qt::NoPen);
  for (const MapMark& m : scene[SiteSeries].marks) {
    const QPointF c = layout.ToPixel(m.x, m.y);
    p.fillRect(QRectF(c - QPointF(4, 4), QSizeF(8, 8)), Colour(m.colour));
  }
  p.setFont(PixelFont(8, true));
  p.setPen(Colour(MapNavy));
  for (const MapMark& m : scene[SiteSeries].marks) PaintLabel(p, layout.ToPixel(m.x, m.y), m);
}

void PaintPlants(QPainter& p, const MapLayout& layout, const MapScene& scene) {
  p.setPen(scene.plantOutline ? QPen(Colour(MapPurple), 2) : QPen(Qt::NoPen));
  p.setBrush(Colour(MapPurple));
  for (const MapMark& m : scene[Plants].marks) {
    const QPointF c = layout.ToPixel(m.x, m.y);
    const QPointF diamond[4] = {c + QPointF(0, -5), c + QPointF(5, 0), c + QPointF(0, 5), c + QPointF(-5, 0)};
    p.drawPolygon(diamond, 4);
  }
}

void PaintTitle(QPainter& p, const QRectF& area, const MapScene& scene) {
  p.setFont(PixelFont(scene.titleSize, true));
  p.setPen(Colour(scene.titleColour));
  const double line = scene.titleSize * 4.0 / 3.0 * TitleLineFactor;
  for (std::size_t k = 0; k < scene.title.size(); ++k)
    p.drawText(QRectF(area.left(), area.top() + 4 + k * line, area.width(), line), Qt::AlignCenter,
               QString::fromStdString(scene.title[k]));
}

void PaintLegendSymbol(QPainter& p, int k, const QRectF& r) {
  const QPointF c = r.center();
  switch (k) {
    case DemandSeries:
      p.setPen(QPen(Colour(MapRed), 2));
      p.setBrush(Qt::yellow);
      p.drawEllipse(c, 3, 3);
      break;
    case SiteSeries: p.fillRect(QRectF(c - QPointF(4, 4), QSizeF(8, 8)), Colour(MapGreen)); break;
    case Plants:
      p.setPen(QPen(Colour(MapPurple), 2));
      p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
      break;
    default: {
      const MapColour colour = k == BorderSeries ? MapGray : k == PlantAssignments ? MapTeal : MapRed;
      p.setPen(QPen(Colour(colour), 2));
      p.drawLine(QPointF(r.left(), c.y()), QPointF(r.right(), c.y()));
    }
  }
}

void PaintLegend(QPainter& p, const MapLayout& layout, const MapScene& scene, const SeriesVisibility& visible) {
  p.setFont(LegendFont());
  for (int k = 0; k < MapSeriesCount; ++k) {
    const QRectF entry = layout.LegendEntry(k);
    const QRectF box(entry.left(), entry.center().y() - 5, 10, 10);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(box);
    if (visible[k]) p.drawText(box, Qt::AlignCenter, "x");
    PaintLegendSymbol(p, k, QRectF(box.right() + 4, box.top(), 16, 10));
    p.setPen(Qt::black);
    p.drawText(QRectF(box.right() + 24, entry.top(), entry.width(), entry.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromStdString(scene.series[k].name));
  }
}

}  // namespace

MapLayout::MapLayout(const QRectF& area, const MapScene& scene, const SeriesVisibility& visible,
                     const std::optional<QRectF>& zoom) {
  const double top = area.top() + TitleHeight(scene);
  const double bottom = area.bottom() - LegendHeight;
  plot_ = QRectF(QPointF(area.left() + PlotMargin, top), QPointF(area.right() - PlotMargin, bottom - 4));
  if (plot_.width() < 1 || plot_.height() < 1) plot_ = QRectF(plot_.topLeft(), QSizeF(1, 1));
  window_ = zoom ? *zoom : FullWindow(scene, visible);
  scale_ = std::min(plot_.width() / window_.width(), plot_.height() / window_.height());
  origin_ = plot_.center();
  const QFontMetricsF metrics(LegendFont());
  double width = 0;
  std::array<double, MapSeriesCount> widths{};
  for (int k = 0; k < MapSeriesCount; ++k)
    width += widths[k] = 10 + 28 + metrics.horizontalAdvance(QString::fromStdString(scene.series[k].name)) + 14;
  double x = area.center().x() - width / 2;
  for (int k = 0; k < MapSeriesCount; ++k) {
    legend_[k] = QRectF(x, bottom, widths[k], LegendHeight);
    x += widths[k];
  }
}

QPointF MapLayout::ToPixel(double x, double y) const {
  return {origin_.x() + (x - window_.center().x()) * scale_, origin_.y() - (y - window_.center().y()) * scale_};
}

QPointF MapLayout::ToData(const QPointF& pixel) const {
  return {window_.center().x() + (pixel.x() - origin_.x()) / scale_,
          window_.center().y() - (pixel.y() - origin_.y()) / scale_};
}

void PaintMap(QPainter& painter, const QRectF& area, const MapScene& scene, const SeriesVisibility& visible,
              const std::optional<QRectF>& zoom) {
  const MapLayout layout(area, scene, visible, zoom);
  painter.save();
  painter.fillRect(area, Qt::white);
  std::size_t arrows = 0;
  for (const MapSeries& s : scene.series) arrows += s.lines.size();
  painter.setRenderHint(QPainter::Antialiasing, arrows < SmoothLimit);
  painter.setClipRect(layout.PlotRect());
  if (Visible(scene, visible, BorderSeries)) PaintArrows(painter, layout, scene[BorderSeries].lines, 0, 1);
  if (Visible(scene, visible, AssignmentSeries))
    PaintArrows(painter, layout, scene[AssignmentSeries].lines, AssignmentHead, 1);
  if (Visible(scene, visible, PlantAssignments))
    PaintArrows(painter, layout, scene[PlantAssignments].lines, PlantHead, 2);
  painter.setRenderHint(QPainter::Antialiasing);
  if (Visible(scene, visible, DemandSeries)) PaintDemand(painter, layout, scene);
  if (Visible(scene, visible, SiteSeries)) PaintSites(painter, layout, scene);
  if (Visible(scene, visible, Plants)) PaintPlants(painter, layout, scene);
  painter.setClipping(false);
  PaintTitle(painter, area, scene);
  PaintLegend(painter, layout, scene, visible);
  painter.restore();
}

MapView::MapView(QWidget* parent) : QWidget(parent) {
  visible_.fill(true);
  setMouseTracking(false);
  setMinimumSize(400, 300);
  setCursor(Qt::PointingHandCursor);
}

void MapView::SetScene(MapScene scene) {
  scene_ = std::move(scene);
  Redraw();
}

void MapView::SetSeriesVisible(int series, bool visible) {
  visible_[series] = visible;
  Redraw();
}

void MapView::ResetZoom() {
  zoom_.reset();
  Redraw();
}

void MapView::Redraw() {
  picture_ = QImage();
  update();
}

MapLayout MapView::Layout() const { return MapLayout(QRectF(rect()), scene_, visible_, zoom_); }

void MapView::Render(QPainter& painter, const QRectF& area) const { PaintMap(painter, area, scene_, visible_, zoom_); }

// The map is drawn once into a picture of the window's size; repaints (the
// zoom rectangle following the mouse, a window passing over) reuse it.
void MapView::paintEvent(QPaintEvent*) {
  if (picture_.size() != size()) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    QPainter picturePainter(&picture_);
    Render(picturePainter, QRectF(rect()));
  }
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
  if (dragStart_) {
    painter.setPen(QPen(Colour(MapGreen), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(*dragStart_, dragNow_).normalized());
  }
}

void MapView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragStart_ = event->position();
  dragNow_ = event->position();
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragStart_) return;
  dragNow_ = event->position();
  update();
}

// Dragging down and right zooms into the rectangle; dragging up and left shows
// the whole map again; a press and release in (nearly) one place is a click.
void MapView::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragStart_ || event->button() != Qt::LeftButton) return;
  const QPointF start = *dragStart_, end = event->position();
  dragStart_.reset();
  const QPointF move = end - start;
  if (std::abs(move.x()) < 4 && std::abs(move.y()) < 4) {
    update();
    Click(start);
    return;
  }
  if (move.x() > 0 && move.y() > 0) {
    const MapLayout layout = Layout();
    const QPointF a = layout.ToData(start), b = layout.ToData(end);
    zoom_ = QRectF(QPointF(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                   QPointF(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    Redraw();
  } else if (move.x() < 0 && move.y() < 0) {
    ResetZoom();
  }
  update();
}

void MapView::Click(const QPointF& at) {
  const MapLayout layout = Layout();
  for (int k = 0; k < MapSeriesCount; ++k)
    if (layout.LegendEntry(k).contains(at)) {
      SetSeriesVisible(k, !visible_[k]);
      return;
    }
  if (const std::optional<QPointF> point = PointNear(at)) emit pointClicked(point->x(), point->y());
}

// The nearest drawn point of the visible node series (marks first, then the
// starts of the assignment arrows) within reach of the click.
std::optional<QPointF> MapView::PointNear(const QPointF& at) const {
  const MapLayout layout = Layout();
  std::optional<QPointF> best;
  double bestDistance = HitRadius;
  const auto consider = [&](double x, double y) {
    const QPointF d = layout.ToPixel(x, y) - at;
    const double distance = std::hypot(d.x(), d.y());
    if (distance <= bestDistance) bestDistance = distance, best = QPointF(x, y);
  };
  for (int k : {DemandSeries, SiteSeries, Plants})
    if (visible_[k])
      for (const MapMark& m : scene_.series[k].marks) consider(m.x, m.y);
  if (best) return best;
  for (int k : {AssignmentSeries, PlantAssignments})
    if (visible_[k])
      for (const MapArrow& a : scene_.series[k].lines) consider(a.x0, a.y0);
  return best;
}

}  // namespace korvelan::app
