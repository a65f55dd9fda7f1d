#include "reports/ReportPrinting.h"

namespace korvelan {

void PrintTitleBlock(PrintSink& sink, const std::string& title) {
  PrintFont titleFont;
  titleFont.pointSize = 18;
  const PrintFont plain;
  sink.Line(title, titleFont);
  sink.Line("", plain);
  sink.Line("", plain);
}

void PrintListReport(PrintSink& sink, const ListReport& report) {
  for (const PrintLine& line : ReportPrintLines(report)) {
    PrintFont font;
    font.pointSize = line.size;
    font.bold = line.bold;
    sink.Line(line.text, font);
  }
}

void PrintBasicResults(PrintSink& sink, const BasicResults& results) {
  PrintTitleBlock(sink, "BASIC RESULTS SUMMARY FORM");
  const PrintFont plain;
  for (const std::string& line : BasicResultsPrintLines(results)) sink.Line(line, plain);
}

}  // namespace korvelan
