#include "reports/TradeoffFile.h"

#include <algorithm>
#include <vector>

#include "solve/TextFormat.h"

namespace korvelan {

namespace {

std::string Label(const std::string& label) { return PadRight(label, 42) + "= "; }

std::string Fixed(Extended x, int width, int decimals) { return PadLeft(FormatFixed(x, 18, decimals), width); }

// x per unit of total demand (0 without demand).
Extended PerDemand(const ModelState& m, Extended x) { return m.TotalDemand != 0 ? x / m.TotalDemand : 0; }

void AddFiles(std::vector<std::string>& lines, const ModelState& m, const ProgramStamp& program) {
  lines.push_back(Label("PROGRAM NAME") + program.path);
  lines.push_back(Label("PROGRAM DATE AND TIME") + program.date + " at " + program.time);
  lines.push_back(Label("VERSION NUMBER") + program.version);
  lines.push_back(Label("INPUT FILE NAME") + m.DemandFileName);
  if (!m.ExtraSitesFileName.empty()) lines.push_back(Label("SECONDARY FILE NAME") + m.ExtraSitesFileName);
  if (!m.DistanceFileName.empty()) lines.push_back(Label("DISTANCE FILE NAME") + m.DistanceFileName);
  if (!m.InitialSolutionFileName.empty()) lines.push_back(Label("INITIAL FILE NAME") + m.InitialSolutionFileName);
  lines.emplace_back();
}

void AddCounts(std::vector<std::string>& lines, const ModelState& m) {
  Extended loaded = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) loaded += m.Node(i).LoadedDemand;
  lines.push_back(Label("TOTAL DEMAND") + FormatNumber(loaded, 12, DecimalsFor(12, m.TotalDemand)));
  lines.push_back(Label("NUMBER DEMAND POINTS") + IntRight(m.NumDemandNodes, 5));
  lines.push_back(Label("NUMBER OF OTHER POINTS") + IntRight(m.Numbnodes - m.NumDemandNodes, 5));
  lines.push_back(Label("NUMBER OF POINTS FORCED INTO SOLUTION") + IntRight(m.ForcedCount, 5));
  lines.push_back(Label("NUMBER OF POINTS FORCED OUT OF SOLUTION") + IntRight(m.ExcludedCount, 5));
  lines.push_back(Label("NUMBER OF POINTS IN INITIAL SOLUTION") + IntRight(m.InitialCount, 5));
  lines.push_back(Label("NUMBER OF INITIAL OR FORCED IN POINTS") + IntRight(m.PresetCount, 5));
  if (m.PresetCount == 0) return;
  lines.emplace_back();
  for (const char* box : {"+---------------------------------------------+",
                          "|   SOME NODES ARE FORCED INTO SOLUTION OR    |",
                          "|   ARE INITIALIZED IN THE SOLUTION.          |",
                          "|   INTERPRET RESULTS WITH CAUTION.           |",
                          "+---------------------------------------------+"})
    lines.emplace_back(box);
}

void AddTable(std::vector<std::string>& lines, const ModelState& m) {
  const int last = m.NumLocated;
  const auto& cost = m.CostByCount;
  switch (m.ReportProblemCode) {
    case 'C': {
      lines.insert(lines.end(), {"NO.     TRADEOFF      PERCENT", "---     --------      -------"});
      const int d = DecimalsFor(12, cost[last]);
      for (int k = 1; k <= last; ++k)
        lines.push_back(IntRight(k, 3) + " " + Fixed(cost[k], 12, d) + " " + Fixed(PerDemand(m, cost[k]) * 100, 12, 8));
      break;
    }
    case 'M': {
      lines.insert(lines.end(), {"NO.     AVERAGE DISTANCE", "---     ----------------"});
      const int d = DecimalsFor(10, cost[1]);
      for (int k = 1; k <= last; ++k) lines.push_back(IntRight(k, 3) + " " + Fixed(cost[k], 20, d));
      break;
    }
    case 'F': {
      lines.insert(lines.end(), {"NO.     ---TOTAL COST---", "---     ----------------"});
      const int d = DecimalsFor(10, std::max(cost[1], cost[last]));
      for (int k = 1; k <= last; ++k) lines.push_back(IntRight(k, 3) + " " + Fixed(cost[k], 20, d));
      break;
    }
    case 'D': {
      lines.insert(lines.end(), {" NO.    AVG DISTANCE    PERCENT COV      WEIGHT   ",
                                 " ---    ------------    -----------    -----------"});
      int n = 0;
      for (const TradeoffPoint& p : m.Tradeoff.TradeoffList)
        lines.push_back(IntRight(++n, 4) + "    " + PadLeft(FormatNumber(PerDemand(m, p.FirstValue), 10, 2), 12) +
                        "    " + PadLeft(FormatNumber(PerDemand(m, p.SecondValue * 100), 10, 3), 11) + "    " +
                        PadLeft(FormatNumber(p.PointWeight, 10, 3), 11));
      break;
    }
    default: break;  // other curves have no table here
  }
}

}  // namespace

std::string TradeoffFileRefusal(const ModelState& m) {
  return !m.TradeoffExists || m.NumLocated == 0 ? "TRADEOFF CURVE DOES NOT EXIST...SORRY" : "";
}

std::string TradeoffFileExtension(char reportProblemCode) {
  switch (reportProblemCode) {
    case 'C': return "COV";
    case 'M': return "MED";
    case 'F': return "FIX";
    case 'D': return "OMT";
    default: return "CRV";
  }
}

std::string TradeoffFileText(const ModelState& m, const ProgramStamp& program) {
  std::vector<std::string> lines;
  AddFiles(lines, m, program);
  AddCounts(lines, m);
  lines.emplace_back();
  AddTable(lines, m);
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string TradeoffSavedMessage(const std::string& name) { return "Tradeoff Information saved in file " + name; }

}  // namespace korvelan
