#include "reports/ForcedNodesReport.h"

#include "solve/TextFormat.h"

namespace korvelan {

ListReport ForcedNodesReport(const ModelState& m) {
  ListReport r = NamedReport("Forced Nodes", "FORCED NODES SUMMARY");
  std::vector<std::string> required, excluded, initial;
  for (int n = 1; n <= m.Numbnodes; ++n) {
    const NodeRecord& node = m.Node(n);
    const std::string line = IntRight(n, 4) + " " + ReportName(m, n);
    if (node.InInitialSolution == 1 && node.SiteStatus != StatusRequired)
      initial.push_back(line);
    else if (node.SiteStatus == StatusExcluded)
      excluded.push_back(line);
    else if (node.SiteStatus == StatusRequired)
      required.push_back(line);
  }
  r.sections = {{std::to_string(required.size()) + " Nodes Forced Into Solution", required},
                {std::to_string(excluded.size()) + " Nodes Excluded From Solution", excluded},
                {std::to_string(initial.size()) + " Nodes Initialized", initial}};
  return r;
}

std::vector<PrintLine> ForcedNodesPrintLines(const ListReport& report) {
  std::vector<PrintLine> out = {{report.printTitle, 18, false}, {"", 10, false}, {"", 10, false}};
  for (const ReportSection& section : report.sections) {
    out.push_back({section.heading, 10, true});
    out.push_back({"", 10, false});
    for (const std::string& line : section.lines) out.push_back({line, 10, false});
    if (!section.lines.empty()) out.push_back({"", 10, false});
  }
  return out;
}

}  // namespace korvelan
