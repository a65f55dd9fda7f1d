#pragma once
#include <string>

#include "reports/BasicResults.h"
#include "reports/ListReport.h"
#include "solve/PrintSink.h"

namespace korvelan {

// Every text report starts its printout the same way: the title at size 18,
// then two empty lines at size 10.
void PrintTitleBlock(PrintSink& sink, const std::string& title);

// A list report as its printout lays it out (see ReportPrintLines).
void PrintListReport(PrintSink& sink, const ListReport& report);

// The basic results report: "BASIC RESULTS SUMMARY FORM" and its rows.
void PrintBasicResults(PrintSink& sink, const BasicResults& results);

}  // namespace korvelan
