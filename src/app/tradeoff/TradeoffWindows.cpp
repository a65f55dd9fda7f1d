#include "tradeoff/TradeoffWindows.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "reports/ReportNavigator.h"
#include "setup/StepForms.h"
#include "shell/Dialogs.h"
#include "shell/PictureSaving.h"
#include "shell/Printing.h"
#include "solve/SolveWindows.h"

namespace korvelan::app {

namespace {

// A print job in a chosen orientation; the printer goes back to its own
// orientation when the job ends.
class OrientedPrintJob : public PrintSink {
 public:
  OrientedPrintJob(std::unique_ptr<PrintSink> job, QPageLayout::Orientation previous)
      : job_(std::move(job)), previous_(previous) {}
  ~OrientedPrintJob() override {
    job_.reset();
    SharedPrinter().setPageOrientation(previous_);
  }
  void Line(const std::string& text, const PrintFont& font) override { job_->Line(text, font); }
  void Image(const std::string& source) override { job_->Image(source); }
  void PageBreak() override { job_->PageBreak(); }
  bool Finish() override { return job_->Finish(); }

 private:
  std::unique_ptr<PrintSink> job_;
  QPageLayout::Orientation previous_;
};

PrintSinkFactory TablePrinter(Dialogs& dialogs) {
  return [&dialogs]() -> std::unique_ptr<PrintSink> { return OpenPrintJob(dialogs, "KORVELAN"); };
}

GraphLinks LinksOfGraph(Dialogs& dialogs, StepForms& steps) {
  GraphLinks links;
  links.showResults = [&steps] { steps.results.Open(); };
  links.printJob = OrientedPrinter(dialogs);
  links.savePicture = [&dialogs](TradeoffChart& chart) { SaveChartPicture(dialogs, chart); };
  return links;
}

}  // namespace

QString SaveChartPicture(Dialogs& dialogs, TradeoffChart& chart) {
  return SavePicture(
      dialogs, chart.size(),
      [&chart](QPainter& painter, const QSize& size) { chart.render(&painter, QRectF(QPointF(0, 0), size)); },
      {"Save the Chart", false});
}

std::function<std::unique_ptr<PrintSink>(bool landscape)> OrientedPrinter(Dialogs& dialogs) {
  return [&dialogs](bool landscape) -> std::unique_ptr<PrintSink> {
    QPrinter& printer = SharedPrinter();
    const QPageLayout::Orientation previous = printer.pageLayout().orientation();
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    std::unique_ptr<PrintSink> job = OpenPrintJob(dialogs, "KORVELAN");
    if (!job) {
      printer.setPageOrientation(previous);
      return nullptr;
    }
    return std::make_unique<OrientedPrintJob>(std::move(job), previous);
  };
}

TradeoffWindows::TradeoffWindows(ModelState& model, Dialogs& dialogs, StepForms& steps, SolveWindows& solve)
    : run(model, dialogs, solve.host, steps.link, steps.RunLinks(solve)),
      graph(model, dialogs, LinksOfGraph(dialogs, steps)),
      bars(model, LinksOfGraph(dialogs, steps)),
      coverTable(model, TablePrinter(dialogs)),
      medianTable(model, TablePrinter(dialogs)),
      fixedTable(model, TablePrinter(dialogs)),
      centerMedianTable(model, TablePrinter(dialogs)),
      model_(model),
      steps_(steps) {
  run.hideLagProgress = [&solve] { solve.lagrangian.hide(); };
}

ReportWindow* TradeoffWindows::TableOfCurve() {
  switch (model_.ReportProblemCode) {
    case 'C': return &coverTable;
    case 'M': return &medianTable;
    case 'F': return &fixedTable;
    case 'D': return &centerMedianTable;
    default: return nullptr;
  }
}

void TradeoffWindows::Link(TKorvelanMain::Steps& steps) {
  steps.tradeoffCurves = [this] { run.Open(); };
  run.ShareFirstOpening(steps_.run.FirstOpening());
  ReportNavigator& chain = steps_.results.Navigator();
  chain.AddChoice(ReportPage::TradeoffTable, {&coverTable, &medianTable, &fixedTable, &centerMedianTable},
                  [this] { return TableOfCurve(); });
  ResultsLinks& results = steps_.results.Links();
  results.tradeoffTable = [&chain] { chain.Open(ReportPage::TradeoffTable); };
  results.tradeoffGraph = [this] { graph.OpenFromResults(); };
  QObject::connect(&graph, &TradeoffGraphWindow::otherGraphRequested, &bars, [this] {
    graph.hide();
    bars.show();
    bars.raise();
  });
  QObject::connect(&bars, &TradeoffGraphWindow::otherGraphRequested, &graph, [this] {
    bars.hide();
    graph.show();
    graph.raise();
  });
}

}  // namespace korvelan::app
