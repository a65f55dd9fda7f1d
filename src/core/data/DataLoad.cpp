#include "data/DataLoad.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "data/CirclePoints.h"
#include "data/Distances.h"
#include "data/NodeDataFile.h"
#include "data/TextLines.h"
#include "model/Totals.h"

namespace korvelan {

namespace {

// A data set read and checked, not yet part of the model.
struct StagedData {
  std::vector<LoadedNode> nodes;
  int demandNodes = 0;
  bool demandNames = false;
  bool extraNames = false;
  NodeMatrix distances;
  NodeMatrix nearest;
};

int Remaining(const StagedData& staged) { return MaxNodes - static_cast<int>(staged.nodes.size()); }

// The demand-file rule with the facts a reader of a message needs.
std::string DemandFileError(const std::string& fileName, int lines) {
  const std::string problem = DemandLinesProblem(fileName, lines);
  if (problem != TooManyNodesMessage) return problem;
  return problem + "\nFile [" + fileName + "] holds " + std::to_string(lines) + " lines; at most " +
         std::to_string(MaxNodes) + " nodes can be loaded.";
}

// One node file read whole: its lines are counted by the rule first, then read.
struct WholeNodeFile {
  std::string error;
  std::string text;
  int lines = 0;
};

WholeNodeFile ReadNodeFileText(const std::string& path) {
  std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return {UnreadableFileMessage(path), {}, 0};
  const int lines = static_cast<int>(SplitLines(*text).size());
  return {{}, std::move(*text), lines};
}

std::string StageDemandNodes(const LoadRequest& request, StagedData& staged) {
  const WholeNodeFile file = ReadNodeFileText(request.DemandFileName);
  if (!file.error.empty()) return file.error;
  const std::string problem = DemandFileError(request.DemandFileName, file.lines);
  if (!problem.empty()) return problem;
  staged.demandNames = LineHasName(FirstLineOf(file.text));
  NodeFileRequest read{NodeFileKind::Demand, staged.demandNames, request.DemandWeight, MaxNodes,
                       request.MetricCode};
  NodeFileResult demand = ReadNodeDataText(file.text, request.DemandFileName, read);
  if (!demand.ok()) return demand.error;
  staged.nodes = std::move(demand.nodes);
  staged.demandNodes = static_cast<int>(staged.nodes.size());
  return {};
}

std::string StageCandidateSites(const LoadRequest& request, StagedData& staged) {
  const WholeNodeFile file = ReadNodeFileText(request.ExtraSitesFileName);
  if (!file.error.empty()) return file.error;
  const std::string problem = CandidateSitesProblem(request.ExtraSitesFileName, staged.demandNodes, file.lines);
  if (!problem.empty()) return problem;
  staged.extraNames = LineHasName(FirstLineOf(file.text));
  NodeFileRequest read{NodeFileKind::CandidateSites, staged.extraNames, 0, Remaining(staged), request.MetricCode};
  NodeFileResult sites = ReadNodeDataText(file.text, request.ExtraSitesFileName, read);
  if (!sites.ok()) return sites.error;
  staged.nodes.insert(staged.nodes.end(), sites.nodes.begin(), sites.nodes.end());
  return {};
}

std::string StageExtraSites(const LoadRequest& request, StagedData& staged) {
  if (request.CircleSites) {
    const std::string problem = CirclePointsProblem(request.MetricCode, staged.demandNodes);
    if (!problem.empty()) return problem;
    std::vector<LoadedNode> points = CirclePoints(staged.nodes, Remaining(staged));
    staged.nodes.insert(staged.nodes.end(), points.begin(), points.end());
    staged.extraNames = true;  // every circle point is named
    return {};
  }
  if (request.ExtraSitesFileName.empty()) return {};
  return StageCandidateSites(request, staged);
}

Extended EarthDiameterFor(const LoadRequest& request) {
  return request.UseKilometers ? EarthDiameterKilometres : EarthDiameterMiles;
}

bool Computes(const LoadRequest& request) { return request.ComputeDistances && request.MetricCode != 'N'; }

std::string StageTotals(const StagedData& staged) {
  Extended demand = 0;
  Extended fixed = 0;
  for (const LoadedNode& node : staged.nodes) {
    demand += node.Demand;
    fixed += std::fabs(node.FixedCost);
  }
  return DataTotalsProblem(demand, fixed, LargestDistance(staged.distances, static_cast<int>(staged.nodes.size())));
}

std::string StageDistances(const LoadRequest& request, StagedData& staged) {
  const int n = static_cast<int>(staged.nodes.size());
  const std::string error = Computes(request)
                                ? ComputeDistanceMatrix(staged.nodes, request.MetricCode,
                                                        EarthDiameterFor(request), staged.distances)
                                : ReadDistanceFile(request.DistanceFileName, n, staged.distances);
  if (!error.empty()) return error;
  BuildNearestOrder(staged.distances, n, staged.nearest);
  return {};
}

void CommitNodes(ModelState& m, const StagedData& staged) {
  const int n = static_cast<int>(staged.nodes.size());
  Extended total = 0;
  for (int k = 1; k <= n; ++k) {
    InitNodeRecord(m, k);
    const LoadedNode& loaded = staged.nodes[k - 1];
    NodeRecord& node = m.Node(k);
    node.XCoord = loaded.XCoord;
    node.YCoord = loaded.YCoord;
    node.Demand = node.LoadedDemand = loaded.Demand;
    node.FixedCost = loaded.FixedCost;
    node.NodeName = loaded.NodeName;
    if (k <= staged.demandNodes) total += loaded.Demand;
  }
  m.Numbnodes = static_cast<uint16_t>(n);
  m.NumDemandNodes = static_cast<uint16_t>(staged.demandNodes);
  m.TotalDemand = total;
}

void CommitRequest(ModelState& m, const LoadRequest& request) {
  m.MetricCode = request.MetricCode;
  m.DemandFileName = request.DemandFileName;
  m.ExtraSitesFileName = request.CircleSites ? std::string() : request.ExtraSitesFileName;
  m.DistanceFileName = Computes(request) ? std::string() : request.DistanceFileName;
  m.DemandWeight = request.DemandWeight;
  m.CircleSites = request.CircleSites;
  m.ComputeDistances = Computes(request);
  m.UseKilometers = request.UseKilometers && request.MetricCode == 'G';
  m.EarthDiameter = m.UseKilometers ? EarthDiameterKilometres : EarthDiameterMiles;
}

void Commit(ModelState& m, const LoadRequest& request, StagedData& staged) {
  ResetModel(m);
  CommitNodes(m, staged);
  CommitRequest(m, request);
  const bool hasExtras = staged.nodes.size() > static_cast<size_t>(staged.demandNodes);
  const bool extraFileChosen = request.CircleSites || !request.ExtraSitesFileName.empty();
  m.ExtraNamesPresent = hasExtras && staged.extraNames;
  m.NamesPresent = staged.demandNames && (!extraFileChosen || staged.extraNames);
  m.DistanceMatrix = std::move(staged.distances);
  m.NearestOrder = std::move(staged.nearest);
  m.MaxDistance = LargestDistance(m.DistanceMatrix, m.Numbnodes);
  m.DataLoaded = 1;
  m.CoverageDistanceSet = 0;
  m.CostPerMileSet = 0;
}

}  // namespace

bool FileHasNames(const std::string& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return false;
  const std::vector<std::string_view> lines = SplitLines(*text);
  return !lines.empty() && LineHasName(lines.front());
}

std::string LoadDataSet(ModelState& m, const LoadRequest& request) {
  StagedData staged;
  std::string error = StageDemandNodes(request, staged);
  if (error.empty()) error = StageExtraSites(request, staged);
  if (error.empty()) error = StageDistances(request, staged);
  if (error.empty()) error = StageTotals(staged);
  if (!error.empty()) {
    m.FatalError = 1;
    return error;
  }
  Commit(m, request, staged);
  return {};
}

std::string DemandLinesProblem(const std::string& fileName, int lines) {
  if (lines == 0) return "File [" + fileName + "] holds no nodes";
  if (lines > MaxNodes) return TooManyNodesMessage;
  return {};
}

std::string CandidateSitesProblem(const std::string& fileName, int demandLines, int siteLines) {
  if (siteLines == 0) return "File [" + fileName + "] holds no nodes ... Extra Sites Ignored.";
  if (demandLines + siteLines > MaxNodes) return TooManyTotalNodesMessage;
  return {};
}

namespace {

// The candidate-site step: a file the form would ignore is dropped from the request.
LoadRulesOutcome ApplyCandidateSitesRule(LoadRequest& request, int demandLines) {
  const std::string& sites = request.ExtraSitesFileName;
  const std::optional<int> siteLines = CountFileLines(sites);
  if (!siteLines) return {UnreadableFileMessage(sites), {}};
  const std::string problem = CandidateSitesProblem(sites, demandLines, *siteLines);
  if (problem.empty()) return {};
  LoadRulesOutcome outcome;
  outcome.notice = problem + "\n" + std::to_string(demandLines) + " demand nodes of [" + request.DemandFileName +
                   "] are used; the " + std::to_string(*siteLines) + " lines of [" + sites + "] are not.";
  request.ExtraSitesFileName.clear();
  return outcome;
}

}  // namespace

LoadRulesOutcome ApplyLoadFormRules(LoadRequest& request) {
  const std::optional<int> demandLines = CountFileLines(request.DemandFileName);
  if (!demandLines) return {UnreadableFileMessage(request.DemandFileName), {}};
  LoadRulesOutcome outcome{DemandFileError(request.DemandFileName, *demandLines), {}};
  if (outcome.error.empty() && request.CircleSites)
    outcome.error = CirclePointsProblem(request.MetricCode, *demandLines);
  if (outcome.error.empty() && !request.CircleSites && !request.ExtraSitesFileName.empty())
    outcome = ApplyCandidateSitesRule(request, *demandLines);
  if (outcome.error.empty() && !Computes(request))
    outcome.error = CheckDistanceFile(request.DistanceFileName, AnnouncedNodeCount(request));
  return outcome;
}

int AnnouncedNodeCount(const LoadRequest& request) {
  const int demandLines = std::min(CountFileLines(request.DemandFileName).value_or(0), MaxNodes);
  if (request.CircleSites) {
    NodeFileResult demand =
        ReadNodeDataFile(request.DemandFileName, {NodeFileKind::Demand, false, 1.0, MaxNodes});
    return demandLines + static_cast<int>(CirclePoints(demand.nodes, MaxNodes - demandLines).size());
  }
  if (request.ExtraSitesFileName.empty()) return demandLines;
  const int siteLines = CountFileLines(request.ExtraSitesFileName).value_or(0);
  return demandLines + std::min(siteLines, MaxNodes - demandLines);
}

}  // namespace korvelan
