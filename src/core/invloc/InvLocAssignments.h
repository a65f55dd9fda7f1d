#pragma once
// Forced assignments of the integrated inventory/location model: which distribution
// centre serves each demand node, changed by hand, read from an assignment file
// (".ass"), or moved to the nearest centre. Any change makes the solution a manual
// one (SolutionClass 1).
#include <string>
#include <vector>

#include "model/ModelState.h"
#include "model/Types.h"

namespace korvelan {

class RunHost;

// The located sites in ascending node order.
std::vector<int> LocatedSites(const ModelState& m);

// "&Demand Node List": number (4) and, when names are present, " " + name.
std::vector<std::string> DemandNodeLines(const ModelState& m);

// "Facility &List" of demand node i: first the site serving it, then the other
// located sites by ascending distance from i (ties by node number).
struct FacilityList {
  std::vector<int> sites;  // the site of each line
  std::vector<std::string> lines;
};
FacilityList FacilityListOf(const ModelState& m, int demandNode);

// The instruction above the lists, and whether the solution's assignments may be
// changed here (only for the inventory/location model).
bool AssignmentsEditable(const ModelState& m);
std::string AssignmentInstruction(const ModelState& m);
inline constexpr const char* UnableToReassignMessage = "Unable to reassign demand nodes with current objective function";

// Demand node i served from `site`. A site other than the one serving it now makes
// the solution manual. Returns false (nothing changed) when the site is not located.
bool AssignDemandNode(ModelState& m, int demandNode, int site);

// The assignment file: one line per located site, ascending: the site, then the
// demand nodes it serves, each followed by one blank.
std::string AssignmentFileText(const ModelState& m);

enum class AssignmentReadMode {
  SameLocations,    // "&Read Assignments (same locations)": the file's sites must be located
  ForceFacilities,  // "&Force Facilities and Assignments": the file's sites become the solution
};

// Reads an assignment file's text and applies it when it is valid as a whole: every
// facility a located site (or, when forcing, a node 1..Numbnodes, read by its absolute
// value), every demand node 1..NumDemandNodes named exactly once. A file that breaks a
// rule is refused with its warning and the solution is left as it was. A text that is
// no list of whole numbers shows the read-error notice. Returns true when applied.
bool ReadAssignmentText(ModelState& m, RunHost& host, const std::string& name, const std::string& text,
                        AssignmentReadMode mode);
// The same for a file on disk (an unreadable file shows the read-error notice).
bool ReadAssignmentFile(ModelState& m, RunHost& host, const std::string& name, AssignmentReadMode mode);

// Every demand node to its nearest located site (strictly nearer replaces, sites in
// ascending order); returns the number of demand nodes that moved.
int AssignToClosestFacilities(ModelState& m);

// "Force &Closest Facility Assignments": values the solution, moves every demand node
// to its nearest located site, values it again and asks whether to keep the change;
// No puts the assignment back. Returns true when a changed assignment was kept.
bool ForceClosestAssignments(ModelState& m, RunHost& host);
// The question it asks.
std::string ClosestAssignmentQuestion(Extended current, Extended closest);

}  // namespace korvelan
