#pragma once
#include <string>

#include "model/ModelState.h"

namespace korvelan {

// Everything the load form collects before "E&xit and Load Data".
struct LoadRequest {
  char MetricCode = 'E';           // 'E', 'G', 'M' or 'N'
  std::string DemandFileName;      // required
  std::string ExtraSitesFileName;  // optional candidate-site file
  std::string DistanceFileName;    // read when ComputeDistances is false
  double DemandWeight = 1.0;       // W, weight on demand set 1
  bool CircleSites = false;        // generate circle points as extra sites
  bool ComputeDistances = true;    // network distances are always read
  bool UseKilometers = false;      // great-circle distances in kilometres
};

// Loads a whole data set: the demand nodes, the circle points or candidate
// sites, the distance matrix (computed or read), NearestOrder and MaxDistance.
// Files that break the load form's rules (too many lines, circle points not
// offered, a distance file for another node count) are refused, never cut.
// Everything is read and checked first; only a complete data set replaces the
// model (through ResetModel), which then has DataLoaded set and the two
// parameter flags cleared. On failure the model keeps its nodes and data, only
// FatalError is raised, and the returned message names the file, the line and
// the fault. An empty result means success.
std::string LoadDataSet(ModelState& m, const LoadRequest& request);

// The number of nodes the request's files announce: demand lines (at most
// MaxNodes), plus the circle points or the candidate-site lines that still fit.
// The load form checks a chosen distance file against it.
int AnnouncedNodeCount(const LoadRequest& request);

// The load form's refusals, word for word.
inline constexpr const char* TooManyNodesMessage = "Too Many Nodes in the file ... Try a different file.";
inline constexpr const char* TooManyTotalNodesMessage = "Too Many Total Nodes ... Extra Sites Ignored.";

// Why a demand file of this many lines cannot be used: "" when it can, the
// "holds no nodes" text when empty, TooManyNodesMessage above MaxNodes lines.
std::string DemandLinesProblem(const std::string& fileName, int lines);
// Why a candidate-site file cannot join the demand nodes (it is then ignored):
// "" when it can, a "holds no nodes ... Extra Sites Ignored." text when empty,
// TooManyTotalNodesMessage when the two files hold more than MaxNodes lines.
std::string CandidateSitesProblem(const std::string& fileName, int demandLines, int siteLines);

// The rules the load form applies step by step, applied at once to a request
// made in one piece (the batch program). An error refuses the request; a notice
// says that the candidate-site file was dropped as the form drops it (the
// request no longer names it) and how many nodes are used.
struct LoadRulesOutcome {
  std::string error;
  std::string notice;
};
LoadRulesOutcome ApplyLoadFormRules(LoadRequest& request);

// True when the first line of the file holds a name field.
bool FileHasNames(const std::string& path);

}  // namespace korvelan
