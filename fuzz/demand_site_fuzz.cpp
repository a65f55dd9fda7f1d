// Demand and candidate-site lines, then everything a load derives from them:
// circle points and the three computed metrics. Refusals are well-formed messages.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/CirclePoints.h"
#include "data/Distances.h"
#include "data/NodeDataFile.h"
#include "ReaderMessages.h"

using namespace korvelan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double weight = size > 0 ? data[0] / 255.0 : 1.0;
  for (const NodeFileKind kind : {NodeFileKind::Demand, NodeFileKind::CandidateSites}) {
    const char metric = size > 1 ? "EGMN"[data[1] % 4] : 'E';
    const NodeFileResult result = ReadNodeDataText(text, "fuzz", {kind, true, weight, MaxNodes, metric});
    fuzzing::CheckReaderMessage(result.error, text);
    if (!result.ok() || result.nodes.empty()) continue;
    for (const LoadedNode& node : result.nodes) {
      fuzzing::Require(node.Demand >= 0);
      if (metric == 'G') fuzzing::Require(std::fabs(node.XCoord) <= 180 && std::fabs(node.YCoord) <= 90);
    }
    std::vector<LoadedNode> nodes = result.nodes;
    if (CirclePointsOffered(static_cast<int>(nodes.size()))) {
      const std::vector<LoadedNode> points = CirclePoints(nodes, MaxNodes - static_cast<int>(nodes.size()));
      nodes.insert(nodes.end(), points.begin(), points.end());
    }
    for (const char metric : {'E', 'G', 'M'}) {
      NodeMatrix matrix;
      if (!ComputeDistanceMatrix(nodes, metric, EarthDiameterMiles, matrix).empty()) continue;
      NodeMatrix order;
      BuildNearestOrder(matrix, static_cast<int>(nodes.size()), order);
    }
  }
  return 0;
}
