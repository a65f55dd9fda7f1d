#pragma once
#include <QPointF>
#include <QVector>
#include <QWidget>

namespace korvelan::app {

// The picture that covers the menu's work area until parameters are set: demand
// points served by a few facilities with their coverage circles. A click on it
// is reported; the menu decides what it means.
class MenuBackground : public QWidget {
  Q_OBJECT
 public:
  explicit MenuBackground(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Positions as fractions of the width and height, fixed once.
  QVector<QPointF> demandPoints_;
  QVector<QPointF> facilities_;
  int NearestFacility(const QPointF& p) const;
  void PaintNetwork(class QPainter& painter) const;
  void PaintTitle(class QPainter& painter) const;
};

}  // namespace korvelan::app
