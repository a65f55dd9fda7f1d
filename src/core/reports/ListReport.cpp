#include "reports/ListReport.h"

#include "solve/TextFormat.h"

namespace korvelan {

std::vector<PrintLine> ReportPrintLines(const ListReport& report) {
  std::vector<PrintLine> out;
  out.push_back({report.printTitle, 18, false});
  out.push_back({"", 10, false});
  out.push_back({"", 10, false});
  for (const ReportSection& section : report.sections) {
    out.push_back({section.heading, 10, true});
    out.push_back({"", 10, false});
    for (const std::string& line : section.lines) out.push_back({line, 10, false});
  }
  for (size_t k = 0; k < report.messages.size(); ++k) {
    if (k == 0) {
      out.push_back({"", 10, false});
      out.push_back({"", 10, false});
    }
    out.push_back({report.messages[k], 10, false});
  }
  if (!report.coverageWarning.empty()) {
    out.push_back({"", 10, false});
    out.push_back({report.coverageWarning, 10, false});
  }
  return out;
}

std::string CoverageWarning(const ModelState& m) {
  if (m.ReportProblemCode == 'V' && m.SolutionClass == 1) return "Note:  Coverage values do not reflect actual assignments";
  return {};
}

bool HasFixedCosts(const ModelState& m) {
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).FixedCost != 0) return true;
  return false;
}

std::string ReportNumber(Extended x, int precision, int decimals, int width) {
  return PadLeft(FormatNumber(x, precision, decimals), width);
}

std::string ReportNumberDec(Extended x, int precision, int digits) {
  return FormatNumber(x, precision, DecimalsFor(digits, x));
}

ListReport NamedReport(const char* caption, const char* printTitle) {
  ListReport r;
  r.caption = caption;
  r.printTitle = printTitle;
  return r;
}

std::string ReportName(const ModelState& m, int n) { return ShowsName(m, n) ? m.Node(n).NodeName : std::string(); }

}  // namespace korvelan
