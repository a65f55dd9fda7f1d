#include "tradeoff/TSBarTradeoffGraph.h"

#include <QAreaSeries>
#include <QCheckBox>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace korvelan::app {

std::vector<GraphPoint> BarOutline(const std::vector<GraphPoint>& bars, double width) {
  std::vector<GraphPoint> outline;
  for (const GraphPoint& bar : bars) {
    const double left = bar.x - width / 2;
    const double right = bar.x + width / 2;
    outline.insert(outline.end(), {{left, 0}, {left, bar.y}, {right, bar.y}, {right, 0}});
  }
  return outline;
}

double BarWidth(const std::vector<GraphPoint>& bars) {
  std::vector<double> xs;
  for (const GraphPoint& bar : bars) xs.push_back(bar.x);
  std::sort(xs.begin(), xs.end());
  double gap = 0;
  for (size_t i = 1; i < xs.size(); ++i) {
    const double d = xs[i] - xs[i - 1];
    if (d > 0 && (gap == 0 || d < gap)) gap = d;
  }
  return 0.6 * (gap > 0 ? gap : 1.0);
}

TTradesBar::TTradesBar(ModelState& model, GraphLinks links, QWidget* parent)
    : TradeoffGraphWindow(model, "Tradeoff Curve in Bar Chart Form", std::move(links), parent) {
  ShowDataValues->setToolTip("Show/hide the data values");
  PrintPortrait->setToolTip("Print the graph in portrait mode");
  ShowLineChart = AddSwitchButton("&Go to Line Chart", "Switch to line chart format");
  tops_ = new QLineSeries(this);
  base_ = new QLineSeries(this);
  Bars = new QAreaSeries(tops_, base_);
  Bars->setName("Bars");
  Bars->setColor(Qt::red);
  Bars->setBorderColor(QColor(128, 0, 0));
  Chart->chart()->addSeries(Bars);
  Bars->attachAxis(Chart->LeftAxis());
  Bars->attachAxis(Chart->BottomAxis());
}

void TTradesBar::Redraw() {
  const GraphData graph = BarGraphData(model_);
  bars_ = graph.points;
  const double width = BarWidth(bars_);
  QList<QPointF> outline;
  for (const GraphPoint& p : BarOutline(bars_, width)) outline << QPointF(p.x, p.y);
  tops_->replace(outline);
  base_->replace(outline.isEmpty() ? QList<QPointF>{} : QList<QPointF>{{outline.first().x(), 0}, {outline.last().x(), 0}});
  QList<QPointF> tops;
  for (const GraphPoint& bar : bars_) tops << QPointF(bar.x, bar.y);
  QList<QPointF> extent = outline;
  extent << QPointF(outline.isEmpty() ? 0 : outline.first().x(), 0);
  Chart->ApplyFrame(graph, extent);
  Chart->SetDataLabels(Bars, tops, ShowDataValues->isChecked());
}

}  // namespace korvelan::app
