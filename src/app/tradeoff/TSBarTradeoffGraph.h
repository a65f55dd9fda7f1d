#pragma once
#include "tradeoff/TradeoffGraphWindow.h"

class QAreaSeries;
class QLineSeries;

namespace korvelan::app {

// "Tradeoff Curve in Bar Chart Form": one red bar per point of the curve.
class TTradesBar : public TradeoffGraphWindow {
  Q_OBJECT
 public:
  TTradesBar(ModelState& model, GraphLinks links, QWidget* parent = nullptr);

  QPushButton* ShowLineChart;
  QAreaSeries* Bars;  // every bar as one filled outline standing on the axis

  void Redraw() override;
  // The bars drawn: centre and height of each.
  const std::vector<GraphPoint>& BarValues() const { return bars_; }

 private:
  std::vector<GraphPoint> bars_;
  QLineSeries* tops_;
  QLineSeries* base_;
};

// The outline of bars of the given width standing on 0 at each point's x.
std::vector<GraphPoint> BarOutline(const std::vector<GraphPoint>& bars, double width);
// The width of the bars: 60 % of the narrowest gap between neighbours, or of 1
// when no two bars stand apart.
double BarWidth(const std::vector<GraphPoint>& bars);

}  // namespace korvelan::app
