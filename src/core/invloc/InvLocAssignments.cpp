#include "invloc/InvLocAssignments.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>
#include <sstream>

#include "data/TextLines.h"
#include "invloc/InvLocReports.h"
#include "median/AssignmentRelaxation.h"
#include "solve/Evaluation.h"
#include "solve/NodeFiles.h"
#include "solve/QuickSortIndex.h"
#include "solve/RunHost.h"
#include "solve/TextFormat.h"

namespace korvelan {

namespace {

constexpr const char* UnableToAssign = "UNABLE TO ASSIGN DEMANDS TO FACILITIES IN FILE";

// " " + name, when the data set carries names.
std::string NameSuffix(const ModelState& m, int n, int width) {
  if (!m.NamesPresent) return {};
  return " " + (width > 0 ? PadRight(m.Node(n).NodeName, width) : m.Node(n).NodeName);
}

std::string FacilityLine(const ModelState& m, int demandNode, int site, const std::string& lead) {
  return lead + IntRight(site, 4) + NameSuffix(m, site, 25) + " Dist = " +
         std::to_string(m.DistanceMatrix.at(demandNode, site));
}

// One line of an assignment file: the facility and its demand nodes.
struct AssignmentLine {
  long long facility = 0;
  std::vector<long long> demandNodes;
};

struct ParsedFile {
  std::vector<AssignmentLine> lines;
  std::string problem;  // why the text is no list of whole numbers; empty when it is
};

ParsedFile ParseAssignmentText(const std::string& text) {
  ParsedFile parsed;
  int lineNumber = 0;
  for (std::string_view line : SplitLines(text)) {
    ++lineNumber;
    std::istringstream words{std::string(line)};
    std::string word;
    std::vector<long long> numbers;
    while (words >> word) {
      long long value = 0;
      const char* end = word.data() + word.size();
      const auto [stop, error] = std::from_chars(word.data(), end, value);
      if (error != std::errc() || stop != end) {
        parsed.problem = "Line " + std::to_string(lineNumber) + ": \"" + word + "\" is not a node number";
        return parsed;
      }
      numbers.push_back(value);
    }
    if (numbers.empty()) continue;
    parsed.lines.push_back({numbers.front(), {numbers.begin() + 1, numbers.end()}});
  }
  return parsed;
}

std::string FacilityRefusal(long long node, const std::string& name, AssignmentReadMode mode) {
  const char* why = mode == AssignmentReadMode::ForceFacilities ? "But it is not a valid facility number ... "
                                                                  : "But it is not a facility ... ";
  return "Node " + std::to_string(node) + " used as a facility in file " + name + "\n" + why + "\n" + UnableToAssign;
}

// The facility a line names, or nothing when the mode does not accept it.
std::optional<int> FacilityOf(const ModelState& m, long long number, AssignmentReadMode mode) {
  if (mode == AssignmentReadMode::ForceFacilities) {
    const long long node = number < 0 ? -number : number;
    if (node >= 1 && node <= m.Numbnodes) return static_cast<int>(node);
    return std::nullopt;
  }
  if (number >= 1 && number <= m.Numbnodes && m.Node(static_cast<int>(number)).Located)
    return static_cast<int>(number);
  return std::nullopt;
}

// The facility of every demand node (index = node), or nothing when a demand node
// is out of range, named twice or left out.
std::optional<std::vector<int>> ServingSites(const ModelState& m, const std::vector<AssignmentLine>& lines,
                                             const std::vector<int>& facilities) {
  std::vector<int> served(m.NumDemandNodes + 1, 0);
  for (size_t k = 0; k < lines.size(); ++k)
    for (long long node : lines[k].demandNodes) {
      if (node < 1 || node > m.NumDemandNodes || served[node] != 0) return std::nullopt;
      served[node] = facilities[k];
    }
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (served[i] == 0) return std::nullopt;
  return served;
}

void LocateOnly(ModelState& m, const std::vector<int>& facilities) {
  for (int n = 1; n <= m.Numbnodes; ++n) {
    m.Node(n).SiteStatus = StatusAllowed;
    m.Node(n).Located = 0;
  }
  // A facility named on two lines is one facility.
  for (int site : facilities) {
    m.Node(site).SiteStatus = StatusRequired;
    m.Node(site).Located = 1;
  }
  RebuildLocatedList(m);
  CountStatuses(m);
}

}  // namespace

std::vector<int> LocatedSites(const ModelState& m) {
  std::vector<int> sites;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) sites.push_back(j);
  return sites;
}

std::vector<std::string> DemandNodeLines(const ModelState& m) {
  std::vector<std::string> lines;
  for (int i = 1; i <= m.NumDemandNodes; ++i) lines.push_back(IntRight(i, 4) + NameSuffix(m, i, 0));
  return lines;
}

FacilityList FacilityListOf(const ModelState& m, int demandNode) {
  FacilityList list;
  if (demandNode < 1 || demandNode > m.NumDemandNodes) return list;
  const int serving = m.Node(demandNode).AssignedFacility;
  list.sites.push_back(serving);
  list.lines.push_back(serving >= 1 && serving <= m.Numbnodes ? FacilityLine(m, demandNode, serving, " ASS TO: ")
                                                               : " ASS TO: " + IntRight(serving, 4));
  std::vector<int> others;
  for (int site : LocatedSites(m))
    if (site != serving) others.push_back(site);
  std::stable_sort(others.begin(), others.end(), [&](int a, int b) {
    return m.DistanceMatrix.at(demandNode, a) < m.DistanceMatrix.at(demandNode, b);
  });
  for (int site : others) {
    list.sites.push_back(site);
    list.lines.push_back(FacilityLine(m, demandNode, site, std::string(9, ' ')));
  }
  return list;
}

bool AssignmentsEditable(const ModelState& m) { return m.ReportProblemCode == 'V'; }

std::string AssignmentInstruction(const ModelState& m) {
  if (AssignmentsEditable(m))
    return "Click on Facility in Facility List to ASSIGN it to the demand node highlighted in the Demand Node List";
  return "Panels below show current assignments.  They cannot be changed with this objective function.  SORRY.";
}

bool AssignDemandNode(ModelState& m, int demandNode, int site) {
  if (demandNode < 1 || demandNode > m.NumDemandNodes || site < 1 || site > m.Numbnodes || !m.Node(site).Located)
    return false;
  NodeRecord& node = m.Node(demandNode);
  if (node.AssignedFacility == site) return true;
  node.AssignedFacility = static_cast<uint16_t>(site);
  node.AssignedDistance = m.DistanceMatrix.at(demandNode, site);
  m.SecondFacilityValid = 0;
  m.SolutionClass = 1;
  return true;
}

std::string AssignmentFileText(const ModelState& m) {
  std::string text;
  for (int site : LocatedSites(m)) {
    text += std::to_string(site) + " ";
    for (int i = 1; i <= m.NumDemandNodes; ++i)
      if (m.Node(i).AssignedFacility == site) text += std::to_string(i) + " ";
    text += "\n";
  }
  return text;
}

bool ReadAssignmentText(ModelState& m, RunHost& host, const std::string& name, const std::string& text,
                        AssignmentReadMode mode) {
  const ParsedFile parsed = ParseAssignmentText(text);
  if (!parsed.problem.empty()) {
    ReadErrorNotice(host, name, parsed.problem);
    return false;
  }
  std::vector<int> facilities;
  for (const AssignmentLine& line : parsed.lines) {
    const std::optional<int> facility = FacilityOf(m, line.facility, mode);
    if (!facility) {
      host.Warning(FacilityRefusal(line.facility, name, mode));
      return false;
    }
    facilities.push_back(*facility);
  }
  const std::optional<std::vector<int>> served = ServingSites(m, parsed.lines, facilities);
  if (!served) {
    host.Warning(std::string("Some Demand Nodes not assigned ... \nOr Invalid Demand Node numbers read ... \n") +
                 UnableToAssign);
    return false;
  }
  if (mode == AssignmentReadMode::ForceFacilities) LocateOnly(m, facilities);
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    m.Node(i).AssignedFacility = static_cast<uint16_t>((*served)[i]);
    m.Node(i).AssignedDistance = m.DistanceMatrix.at(i, (*served)[i]);
  }
  RebuildCoverageCounts(m, host);
  m.SecondFacilityValid = 0;
  m.SolutionClass = 1;
  host.Information("File read and nodes reassigned ok ... ");
  return true;
}

bool ReadAssignmentFile(ModelState& m, RunHost& host, const std::string& name, AssignmentReadMode mode) {
  const std::optional<std::string> text = ReadWholeFile(name);
  if (!text) {
    ReadErrorNotice(host, name);
    return false;
  }
  return ReadAssignmentText(m, host, name, *text, mode);
}

int AssignToClosestFacilities(ModelState& m) {
  int moved = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NearestSite nearest = NearestLocated(m, i);
    if (nearest.site == 0) continue;
    NodeRecord& node = m.Node(i);
    if (node.AssignedFacility != nearest.site) ++moved;
    node.AssignedFacility = static_cast<uint16_t>(nearest.site);
    node.AssignedDistance = nearest.distance;
  }
  if (moved > 0) m.SecondFacilityValid = 0;
  return moved;
}

std::string ClosestAssignmentQuestion(Extended current, Extended closest) {
  const Extended percent = current == 0 ? 0 : 100 * (closest - current) / current;
  return "Current TOTAL Cost = " + FormatNumber(current, 15, 2) + "\nClosest TOTAL Cost = " +
         FormatNumber(closest, 15, 2) + "\n\nCost Difference    = " + FormatNumber(closest - current, 15, 2) +
         "\n\nPercent Difference = " + FormatNumber(percent, 10, 6) + "\n\nDo you want to make the change?";
}

bool ForceClosestAssignments(ModelState& m, RunHost& host) {
  const TolvanCosts current = TolvanTotalCost(m, "TolvForceAssignments");
  const std::string warning =
      DemandMismatchWarning("TolvForceAssignments", current.assignedDemand, current.dailyTotal, 1e-4L);
  if (!warning.empty()) host.Warning(warning);
  std::vector<std::pair<uint16_t, int32_t>> kept;
  for (int i = 1; i <= m.NumDemandNodes; ++i) kept.emplace_back(m.Node(i).AssignedFacility, m.Node(i).AssignedDistance);
  const int moved = AssignToClosestFacilities(m);
  const TolvanCosts closest = TolvanTotalCost(m, "TolvForceAssignments");
  if (host.Confirm(ClosestAssignmentQuestion(current.total, closest.total))) {
    if (moved > 0) m.SolutionClass = 1;
    return moved > 0;
  }
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    m.Node(i).AssignedFacility = kept[i - 1].first;
    m.Node(i).AssignedDistance = kept[i - 1].second;
  }
  return false;
}

}  // namespace korvelan
