#include "setup/ForcedNodesReport.h"

#include "reports/ReportPrinting.h"
#include "solve/PrintSink.h"
#include "solve/TextFormat.h"

namespace korvelan {

namespace {

std::string ReportLine(const ModelState& m, int n) { return IntRight(n, 4) + " " + m.Node(n).NodeName; }

void PrintBlock(PrintSink& sink, const std::string& label, const std::vector<std::string>& lines) {
  const PrintFont plain;
  PrintFont bold;
  bold.bold = true;
  sink.Line(label, bold);
  sink.Line("", plain);
  for (const std::string& line : lines) sink.Line(line, plain);
  if (!lines.empty()) sink.Line("", plain);
}

}  // namespace

ForcedNodesReport BuildForcedNodesReport(const ModelState& m) {
  ForcedNodesReport report;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    const NodeRecord& node = m.Node(n);
    if (IsInitialOnly(node))
      report.initial.push_back(ReportLine(m, n));
    else if (node.SiteStatus == StatusExcluded)
      report.excluded.push_back(ReportLine(m, n));
    else if (node.SiteStatus == StatusRequired)
      report.required.push_back(ReportLine(m, n));
  }
  report.initialLabel = std::to_string(report.initial.size()) + " Nodes Initialized";
  report.requiredLabel = std::to_string(report.required.size()) + " Nodes Forced Into Solution";
  report.excludedLabel = std::to_string(report.excluded.size()) + " Nodes Excluded From Solution";
  return report;
}

void PrintForcedNodesReport(PrintSink& sink, const ForcedNodesReport& report) {
  PrintTitleBlock(sink, "FORCED NODES SUMMARY");
  PrintBlock(sink, report.requiredLabel, report.required);
  PrintBlock(sink, report.excludedLabel, report.excluded);
  PrintBlock(sink, report.initialLabel, report.initial);
}

}  // namespace korvelan
