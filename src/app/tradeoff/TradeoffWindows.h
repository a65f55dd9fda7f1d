#pragma once
#include <functional>

#include "model/ModelState.h"
#include "shell/MainUnit.h"
#include "tradeoff/RunTradeoff.h"
#include "tradeoff/TSBarTradeoffGraph.h"
#include "tradeoff/TSGraphTradeoff.h"
#include "tradeoff/TradeoffTableForms.h"

namespace korvelan::app {

class Dialogs;
class StepForms;
struct SolveWindows;

// The windows of the tradeoff curves, created once: the run form, the line graph
// and the bar chart, and the table of each curve. `Link` plugs them into the
// main menu ("&Tradeoff Curves"), the results form ("&Tradeoff Curve", "&Graph
// Tradeoff Curve" and the report chain) and the run windows.
class TradeoffWindows {
 public:
  TradeoffWindows(ModelState& model, Dialogs& dialogs, StepForms& steps, SolveWindows& solve);

  void Link(TKorvelanMain::Steps& steps);

  TRunTradeoffForm run;
  TTrades graph;
  TTradesBar bars;
  TCoverTradeoff coverTable;
  TMedianTradeoff medianTable;
  TFixedTradeoff fixedTable;
  TCenterMedianTradeoff centerMedianTable;

 private:
  ReportWindow* TableOfCurve();
  ModelState& model_;
  StepForms& steps_;
};

// "Sa&Ve the Chart": the chart's picture in a file the analyst names (bitmap,
// metafiles, PNG, SVG or PDF by its extension). Returns the file written.
QString SaveChartPicture(Dialogs& dialogs, TradeoffChart& chart);

// Prints on the program's printer in the given orientation.
std::function<std::unique_ptr<PrintSink>(bool landscape)> OrientedPrinter(Dialogs& dialogs);

}  // namespace korvelan::app
