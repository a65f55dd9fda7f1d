#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Changes the analyst makes by hand to the current solution: add a site, delete a
// site, exchange an open site for a closed one. Every change is described on
// three measures at once: covered demand, average distance and, when a cost per
// mile has been entered, total cost.

// The messages of the exchange form ("\r" is a line break).
inline constexpr const char* SelectNodeText = "You must select a node";
inline constexpr const char* NoActionText = "No action will be taken";
inline constexpr const char* LastFacilityText =
    "Only one facility remains in the solution.\rYou cannot delete the last facility.  Sorry!";
inline constexpr const char* MakeChangeQuestion = "Do you want to make this change?";
inline constexpr const char* NoImprovementText = "No exchange was found that improves the solution.  Sorry....";
inline constexpr const char* PickAnotherAddText = "Please select another node to ADD or CANCEL EXCHANGE.";
inline constexpr const char* PickAnotherDropText = "Please select another node to DROP or CANCEL EXCHANGE.";
inline constexpr const char* ConstantWarning =
    "Exchanges etc. will be evaluated WITHOUT using the constant for distances greater than coverage "
    "distance\rDo you want to proceed?";
inline constexpr const char* CloseToReturnText = "Click CLOSE to return to Main Menu...";
inline constexpr const char* InvalidNumericText = "Invalid numeric input";
std::string ExcludedAddQuestion(int n);
std::string ForcedDeleteQuestion(int n);
std::string AlreadyOpenWarning(int n);
std::string NoFacilityText(int n);
std::string ExcludedExchangeWarning(int n);
std::string ForcedExchangeWarning(int n);
std::string ExchangeLimitWarning(int numLocated);

// The three measures of the current solution: covered demand, average distance
// and total cost (0 without a cost per mile).
struct ExchangeMeasures {
  Extended covered = 0;
  Extended average = 0;
  Extended cost = 0;
};
ExchangeMeasures CurrentMeasures(const ModelState& m);

// The measure a model keeps per number of facilities in CostByCount: covered
// demand for 'C', average distance for 'M', total cost for 'F'.
bool KeepsCostByCount(char problemCode);
void RecordModelMeasure(ModelState& m, char problemCode);

// The open sites, in node order, become LocatedList[1..NumLocated]; NumLocated is
// their number. The form works on the sites that are really open, whatever count
// the last run was asked for.
void ListOpenSites(ModelState& m);

// Open closed site n; returns the message lines. The last model's CostByCount
// entry for the new number of facilities takes the new measure.
std::vector<std::string> AddSite(ModelState& m, RunHost& host, int n);
// Close open site n; returns the message lines.
std::vector<std::string> DeleteSite(ModelState& m, RunHost& host, int n);

// An exchange: open site `open` out, closed site `closed` in, with the decrease of
// the total cost, the decrease of the total weighted distance and the change of
// covered demand it brings.
struct ExchangeProposal {
  int open = 0;
  int closed = 0;
  Extended costSaving = 0;
  Extended distanceSaving = 0;
  Extended coverageChange = 0;
};
// The proposal of a manual exchange: every change evaluated on the current solution.
ExchangeProposal EvaluateExchange(ModelState& m, int open, int closed);
// The lines that describe a proposal.
std::vector<std::string> ProposalLines(const ModelState& m, const ExchangeProposal& p);
// Which changes the progress lines of an exchange report besides the coverage.
struct ExchangeLines {
  bool distance = true;
  bool cost = true;
};
// Make the exchange: the sites swap (with the chosen progress lines), every demand
// node goes to its nearest open site.
void MakeExchange(ModelState& m, RunHost& host, const ExchangeProposal& p, ExchangeLines lines);
// The exchange of the form's proposals: distance line, cost line with a cost per mile.
void MakeExchange(ModelState& m, RunHost& host, const ExchangeProposal& p);

}  // namespace korvelan
