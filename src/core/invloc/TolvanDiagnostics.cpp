// The listing that explains a relaxed solution after a negative gap: the multipliers,
// the benefits of the open and closed sites, and for every open site the walk over
// its sorted nodes that chose its relaxed assignment.
#include "invloc/TolvanSolver.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

std::string Num(Extended x) { return FormatNumber(x, 15, 4); }

void AddMultipliers(const TolvanSearch& search, std::vector<std::string>& lines) {
  lines.push_back("UI Values below");
  Extended total = 0;
  for (int i = 1; i <= search.relax.demandNodes; ++i) {
    const Extended u = search.relax.multiplier[i];
    total += u;
    lines.push_back("Node " + std::to_string(i) + " UI Value = " + Num(u));
  }
  lines.push_back("TOTAL OF ALL UI TERMS = " + Num(total));
}

void AddBenefits(const ModelState& m, const TolvanSearch& search, std::vector<std::string>& lines) {
  const AssignmentRelaxation& r = search.relax;
  lines.push_back("UI Sort Values Below");
  const auto siteLine = [&](int j) {
    return "Node " + std::to_string(j) + " UI_sort = " + Num(r.siteValue[j]) + " FC = " + Num(m.Node(j).FixedCost);
  };
  Extended included = 0;
  for (int j = 1; j <= r.nodes; ++j) {
    if (!r.open[j]) continue;
    included += r.siteValue[j];
    lines.push_back(siteLine(j));
  }
  Extended multipliers = 0;
  for (int i = 1; i <= r.demandNodes; ++i) multipliers += r.multiplier[i];
  lines.push_back("TOTAL OF ALL UI SORT FOR INCLUDED NODE = " + Num(included));
  lines.push_back("TOTAL OF UI and UI SORT TERMS = " + Num(multipliers + included));
  for (int j = 1; j <= r.nodes; ++j)
    if (!r.open[j]) lines.push_back(siteLine(j));
}

std::string Column(Extended x) { return PadLeft(FormatNumber(x, 13, 4), 14); }

void AddSiteWalk(const ModelState& m, const TolvanSearch& search, int j, std::vector<std::string>& lines) {
  lines.push_back("Results for node " + std::to_string(j));
  lines.push_back("BI TERM FACTOR = " + FormatNumber(search.concave[j], 20, 6));
  lines.push_back("Node  Dem.  ---DEMANDS---  --TOT. DEM.--  ---NODE BI---  ---TOT. BI---  ---OBJ FCN--- BEST");
  Extended best = 0;
  const int length = TolvanPrefixWalk(m, search, j, best, [&](const TolvanPrefixStep& at) {
    lines.push_back(IntRight(at.node, 4) + "  " + IntRight(static_cast<long long>(m.Node(at.node).LoadedDemand), 4) +
                    Column(at.demand) + " " + Column(at.totalDemand) + " " + Column(at.reduced) + " " +
                    Column(at.totalReduced) + " " + Column(at.value) + (at.best ? " <===" : ""));
  });
  const Extended fixed = m.Node(j).FixedCost;
  lines.push_back("Best Objective Function = " + Num(best));
  lines.push_back("Adding Fixed Cost  = " + Num(best + fixed));
  lines.push_back("UI Sort            = " + Num(search.relax.siteValue[j]));
  lines.push_back("Best Index = " + std::to_string(length));
  lines.push_back("Corrected Sum = " + Num(best + fixed - search.relax.siteValue[j]));
}

}  // namespace

std::vector<std::string> TolvanDiagnosticListing(const ModelState& m, const TolvanSearch& search, Extended lower,
                                                 Extended upper) {
  std::vector<std::string> lines{"=================================================="};
  AddMultipliers(search, lines);
  AddBenefits(m, search, lines);
  for (int j = 1; j <= search.relax.nodes; ++j)
    if (search.relax.open[j]) AddSiteWalk(m, search, j, lines);
  lines.push_back("Lower Bound   = " + Num(lower));
  lines.push_back("Upper Bound   = " + Num(upper));
  return lines;
}

}  // namespace korvelan
