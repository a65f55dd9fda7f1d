#pragma once
#include <QImage>
#include <QRectF>
#include <QWidget>
#include <array>
#include <optional>

#include "map/MapScene.h"

class QPainter;

namespace korvelan::app {

using SeriesVisibility = std::array<bool, MapSeriesCount>;

// Where one drawing of a scene puts things: the title band, the plot area with
// its data window, and the legend entries (one check box per series).
class MapLayout {
 public:
  // zoom: the data window chosen by dragging; none shows everything.
  MapLayout(const QRectF& area, const MapScene& scene, const SeriesVisibility& visible,
            const std::optional<QRectF>& zoom);

  QPointF ToPixel(double x, double y) const;
  QPointF ToData(const QPointF& pixel) const;
  QRectF PlotRect() const { return plot_; }
  QRectF DataWindow() const { return window_; }
  QRectF LegendEntry(int series) const { return legend_[series]; }

 private:
  QRectF plot_;
  QRectF window_;  // x left to right, y bottom to top
  double scale_ = 1;
  QPointF origin_;
  std::array<QRectF, MapSeriesCount> legend_;
};

// Draws the scene (title, series, legend) into the area. Used for the window,
// the printer and every saved picture, so they all show the same map.
void PaintMap(QPainter& painter, const QRectF& area, const MapScene& scene, const SeriesVisibility& visible,
              const std::optional<QRectF>& zoom);

// The chart of the map window: zoom by dragging from top left to bottom right,
// back to the whole map by dragging from bottom right to top left (a green
// rectangle follows the mouse), a click on a legend entry hides or shows its
// series, a click on a drawn point reports its plotted coordinates.
class MapView : public QWidget {
  Q_OBJECT
 public:
  explicit MapView(QWidget* parent = nullptr);

  void SetScene(MapScene scene);
  const MapScene& Scene() const { return scene_; }
  const SeriesVisibility& Visible() const { return visible_; }
  void SetSeriesVisible(int series, bool visible);
  const std::optional<QRectF>& Zoom() const { return zoom_; }
  void ResetZoom();
  MapLayout Layout() const;
  // The picture of the map at a size (for saving and printing).
  void Render(QPainter& painter, const QRectF& area) const;

 signals:
  // A drawn point (for an arrow, its start) was clicked: its plotted coordinates.
  void pointClicked(double x, double y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  MapScene scene_;
  SeriesVisibility visible_;
  std::optional<QRectF> zoom_;
  std::optional<QPointF> dragStart_;
  QImage picture_;  // the drawn map, until something changes it
  QPointF dragNow_;
  void Click(const QPointF& at);
  void Redraw();
  std::optional<QPointF> PointNear(const QPointF& at) const;
};

}  // namespace korvelan::app
