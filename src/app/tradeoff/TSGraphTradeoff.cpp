#include "tradeoff/TSGraphTradeoff.h"

#include <QCheckBox>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <QScatterSeries>
#include <QVBoxLayout>

#include "shell/Dialogs.h"

namespace korvelan::app {

namespace {

QList<QPointF> ToQt(const std::vector<GraphPoint>& points) {
  QList<QPointF> list;
  for (const GraphPoint& p : points) list << QPointF(p.x, p.y);
  return list;
}

const QColor Navy(0, 0, 128);

}  // namespace

TTrades::TTrades(ModelState& model, Dialogs& dialogs, GraphLinks links, QWidget* parent)
    : TradeoffGraphWindow(model, "Graph of Tradeoff Curves", std::move(links), parent), dialogs_(dialogs) {
  ShowDataValues->setToolTip("Show or hide the data values");
  PrintPortrait->setToolTip("Print the graph in portrait ode");
  Blocked = new QCheckBox("&Blocked");
  Blocked->setToolTip("Use Blocked style if checked");
  Inverted = new QCheckBox("&Inverted Blocked");
  Inverted->setToolTip("Use inverted blocked style if checked; Good for Partial Cov P-Median");
  Controls()->addWidget(Blocked);
  Controls()->addWidget(Inverted);
  SwithButton = AddSwitchButton("&Go to Bar Chart", "Switch to bar chart format");

  Points = new QLineSeries;
  Points->setName("Points");
  QPen pen(Navy);
  pen.setWidth(3);
  Points->setPen(pen);
  PointMarks = new QScatterSeries;
  PointMarks->setName("Point markers");
  PointMarks->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  PointMarks->setMarkerSize(9);
  PointMarks->setColor(Navy);
  PointMarks->setBorderColor(Navy);
  for (QXYSeries* series : {static_cast<QXYSeries*>(Points), static_cast<QXYSeries*>(PointMarks)}) {
    Chart->chart()->addSeries(series);
    series->attachAxis(Chart->LeftAxis());
    series->attachAxis(Chart->BottomAxis());
  }
  connect(Blocked, &QCheckBox::clicked, this, &TTrades::BlockedClick);
  connect(Inverted, &QCheckBox::clicked, this, &TTrades::InvertedClick);
  connect(PointMarks, &QScatterSeries::clicked, this, &TTrades::PointClick);
  connect(PointMarks, &QScatterSeries::hovered, this, [this](const QPointF&, bool over) { PointHovered(over); });
}

void TTrades::OpenFromResults() {
  Blocked->setChecked(true);
  Inverted->setChecked(false);
  show();
  raise();
  activateWindow();
}

void TTrades::Redraw() {
  const GraphData graph = LineGraphData(model_);
  coveringMedian_ = graph.coveringMedian;
  const QList<QPointF> curve = ToQt(graph.points);
  Points->replace(Blocked->isChecked() ? ToQt(StepPoints(graph.points, Inverted->isChecked())) : curve);
  PointMarks->replace(curve);
  Chart->ApplyFrame(graph, curve);
  Chart->SetDataLabels(PointMarks, curve, ShowDataValues->isChecked());
}

void TTrades::BlockedClick() {
  if (!Blocked->isChecked()) Inverted->setChecked(false);
  Redraw();
}

void TTrades::InvertedClick() {
  if (Inverted->isChecked()) Blocked->setChecked(true);
  Redraw();
}

void TTrades::PointHovered(bool over) {
  Chart->viewport()->setCursor(over && coveringMedian_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TTrades::PointClick(const QPointF& at) {
  if (model_.MetricCode == 'N') {
    dialogs_.Warning("Unable to plot solution with Network distance metric\rSorry....");
    return;
  }
  if (model_.ReportProblemCode != 'D') {
    dialogs_.Warning("Unable to show map of solution from this graph.\r\rMap the solution from the Main Menu");
    return;
  }
  const int k = CoveringMedianPointAt(model_, {at.x(), at.y()});
  if (k == 0) {
    dialogs_.Warning("Unable to find indicated point ... try again ...");
    return;
  }
  if (!showSolution) {
    dialogs_.Warning("Unable to show map of solution from this graph.\r\rMap the solution from the Main Menu");
    return;
  }
  hide();
  showSolution(k);
}

}  // namespace korvelan::app
