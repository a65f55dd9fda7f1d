#pragma once
#include <QChartView>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

#include "tradeoff/TradeoffGraphData.h"

class QGraphicsSimpleTextItem;
class QRubberBand;
class QValueAxis;
class QAbstractSeries;

namespace korvelan::app {

// The chart of a tradeoff graph: gradient background, no legend, a bold title,
// a value axis on the left and at the bottom, and data labels in the format
// "#,##0.##" beside the points. Dragging from top left to bottom right zooms
// into the dragged rectangle; dragging from bottom right to top left unzooms.
class TradeoffChart : public QChartView {
  Q_OBJECT
 public:
  explicit TradeoffChart(QWidget* parent = nullptr);

  QValueAxis* LeftAxis() const { return left_; }
  QValueAxis* BottomAxis() const { return bottom_; }

  // Titles and axis ranges of a curve; automatic ends are fitted to `extent`
  // (the points' own range) with round numbers.
  void ApplyFrame(const GraphData& graph, const QList<QPointF>& extent);
  // The labels written beside the points of `series` (one per point given).
  void SetDataLabels(QAbstractSeries* series, const QList<QPointF>& points, bool visible);
  void SetDataLabelsVisible(bool visible);
  bool DataLabelsVisible() const { return labelsVisible_; }
  QStringList DataLabelTexts() const;
  // The labels drawn now, each with its place in the chart: while the points lie
  // close together a label that would overlap one to its left is left out.
  QList<QPair<QString, QRectF>> ShownDataLabels() const;

  // The chart alone as a picture of its size on screen.
  QImage Picture();
  // The chart on a page of the given shape, inside print margins of 15 % left
  // and right and 27 % top and bottom.
  QImage PrintPicture(bool landscape);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void PlaceLabels();
  static void ShowNeededDecimals(QValueAxis* axis);
  static void FitAxis(QValueAxis* axis, const GraphAxis& frame, double low, double high);

  QValueAxis* left_;
  QValueAxis* bottom_;
  QList<QGraphicsSimpleTextItem*> labels_;
  QList<QPointF> labelPoints_;
  QAbstractSeries* labelSeries_ = nullptr;
  bool labelsVisible_ = true;
  QRubberBand* band_;
  QPoint dragStart_;
  bool dragging_ = false;
};

// The zoom hint shown under a tradeoff graph.
inline const char* const ZoomHint =
    "Drag from top left to bottom right to zoom and from bottom right to top left to unzoom";

}  // namespace korvelan::app
