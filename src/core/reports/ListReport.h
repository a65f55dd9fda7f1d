#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// A text report as its form shows it: one or more lists, each with a heading,
// and message lines below them.
struct ReportSection {
  std::string heading;
  std::vector<std::string> lines;
};

struct ListReport {
  std::string caption;     // caption of the report form
  std::string printTitle;  // title of the printout
  std::vector<ReportSection> sections;
  std::vector<std::string> messages;
  // "Note:  Coverage values do not reflect actual assignments" where it applies.
  std::string coverageWarning;
};

// The printout of a report: title line, two empty lines, then for each list its
// heading, an empty line and its lines; then the message lines (two empty lines
// before the first) and the coverage warning (after one empty line).
struct PrintLine {
  std::string text;
  int size = 10;
  bool bold = false;
};
std::vector<PrintLine> ReportPrintLines(const ListReport& report);

// The warning shown by the coverage-based reports for a hand-changed solution of
// the integrated inventory/location model.
std::string CoverageWarning(const ModelState& m);

// True when the data set has any non-zero fixed cost.
bool HasFixedCosts(const ModelState& m);

// Number style with a precision and decimals, right-aligned in width (0: not padded).
std::string ReportNumber(Extended x, int precision, int decimals, int width = 0);
// Number style with the decimals DecimalsFor gives for `digits` digits.
std::string ReportNumberDec(Extended x, int precision, int digits);
// An empty report with its caption and print title.
ListReport NamedReport(const char* caption, const char* printTitle);

// Label of node n in reports: its name when it is shown by name, else empty.
std::string ReportName(const ModelState& m, int n);

}  // namespace korvelan
