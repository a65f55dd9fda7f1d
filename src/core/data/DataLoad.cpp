#include "data/DataLoad.h"

#include <algorithm>
#include <optional>

#include "data/CirclePoints.h"
#include "data/Distances.h"
#include "data/NodeDataFile.h"
#include "data/TextLines.h"

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

std::string StageDemandNodes(const LoadRequest& request, StagedData& staged) {
  staged.demandNames = FileHasNames(request.DemandFileName);
  NodeFileRequest read{NodeFileKind::Demand, staged.demandNames, request.DemandWeight, MaxNodes};
  NodeFileResult demand = ReadNodeDataFile(request.DemandFileName, read);
  if (!demand.ok()) return demand.error;
  if (demand.nodes.empty()) return "File [" + request.DemandFileName + "] holds no nodes";
  staged.nodes = std::move(demand.nodes);
  staged.demandNodes = static_cast<int>(staged.nodes.size());
  return {};
}

std::string StageExtraSites(const LoadRequest& request, StagedData& staged) {
  if (request.CircleSites) {
    std::vector<LoadedNode> points = CirclePoints(staged.nodes, Remaining(staged));
    staged.nodes.insert(staged.nodes.end(), points.begin(), points.end());
    staged.extraNames = true;  // every circle point is named
    return {};
  }
  if (request.ExtraSitesFileName.empty()) return {};
  staged.extraNames = FileHasNames(request.ExtraSitesFileName);
  NodeFileRequest read{NodeFileKind::CandidateSites, staged.extraNames, 0, Remaining(staged)};
  NodeFileResult sites = ReadNodeDataFile(request.ExtraSitesFileName, read);
  if (!sites.ok()) return sites.error;
  staged.nodes.insert(staged.nodes.end(), sites.nodes.begin(), sites.nodes.end());
  return {};
}

Extended EarthDiameterFor(const LoadRequest& request) {
  return request.UseKilometers ? EarthDiameterKilometres : EarthDiameterMiles;
}

bool Computes(const LoadRequest& request) { return request.ComputeDistances && request.MetricCode != 'N'; }

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
  if (!error.empty()) {
    m.FatalError = 1;
    return error;
  }
  Commit(m, request, staged);
  return {};
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
