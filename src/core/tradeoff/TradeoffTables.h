#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"
#include "solve/PrintSink.h"

namespace korvelan {

// The tables of a traced curve as their windows show them.

// The covering ('C'), median ('M') and fixed-charge ('F') tables: one line per
// facility count 1..NumLocated from CostByCount.
struct TradeoffTableText {
  std::string caption;                // window caption
  std::string heading;                // column heading label
  std::string printTitle;             // title of the printout
  std::vector<std::string> lines;     // the list
  std::vector<std::string> warnings;  // the two warning labels; empty when they are hidden
};
TradeoffTableText CoverTradeoffTable(const ModelState& m);
TradeoffTableText MedianTradeoffTable(const ModelState& m);
TradeoffTableText FixedTradeoffTable(const ModelState& m);
// The table of ProblemCode ('C', 'M' or 'F').
TradeoffTableText TradeoffTableFor(const ModelState& m);
// "&Print Form": the title at size 18; at size 10 two empty lines, the heading in
// bold, an empty line, the lines; then the warnings (two empty lines before them);
// ends the job and returns its success.
bool PrintTradeoffTable(PrintSink& sink, const TradeoffTableText& table);

// The covering-median table ('D'): one row per point of TradeoffList.
struct CenterMedianTableText {
  std::string caption;                  // "Covering Median Tradeoff"
  std::string heading;                  // column heading label
  std::string noFacilities;             // NoFacilitiesLabel
  std::string coverageDistance;         // CovDistLabel
  std::vector<std::string> rows;        // ResultsBox
  std::vector<std::string> measures;    // ICPValueBox
};
CenterMedianTableText CenterMedianTradeoffTable(const ModelState& m);
// LocationsBox for the row chosen (0-based): the open sites of that point.
std::vector<std::string> CenterMedianLocations(const ModelState& m, int row);
// LocationLabel once a row is chosen.
std::string CenterMedianLocationCaption();
// The printout, as one job; selectedRow -1 when no row is chosen. Returns its success.
bool PrintCenterMedianTable(PrintSink& sink, const CenterMedianTableText& table, int selectedRow,
                            const std::vector<std::string>& locations);

}  // namespace korvelan
