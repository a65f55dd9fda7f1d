#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "model/Types.h"

namespace korvelan {

// Demand files and candidate-site files share one line format: blank-separated
// fields "label x y d1 d2 fixedcost [name]", one node per line, no header.
enum class NodeFileKind { Demand, CandidateSites };

// A node as read from a file, before it joins the node table.
struct LoadedNode {
  double XCoord = 0;
  double YCoord = 0;
  Extended Demand = 0;  // d1 x W + d2 x (1 - W); 0 for candidate sites
  Extended FixedCost = 0;
  std::string NodeName;  // UTF-8, at most MaxNameCharacters characters
};

inline constexpr size_t MaxNameCharacters = 39;

// True when the line holds a seventh field: after its first six blank-separated
// tokens something other than blanks remains. A file has names when its first
// line does.
bool LineHasName(std::string_view line);

// The stored form of a name field: leading blanks and '<', trailing blanks and
// '>' removed, read as UTF-8 (Latin-1 otherwise), cut to 39 characters.
std::string NameFromField(std::string_view field);

struct NodeFileRequest {
  NodeFileKind kind = NodeFileKind::Demand;
  bool readNames = false;     // store field 7 as the node's name
  double demandWeight = 1.0;  // W, the weight on demand set 1
  int maxNodes = MaxNodes;    // reading stops after this many lines
  char metric = 'E';          // 'G': coordinates are a longitude and a latitude
};

struct NodeFileResult {
  std::vector<LoadedNode> nodes;
  std::string error;  // empty on success; names the file, the line and the fault
  bool ok() const { return error.empty(); }
};

// Reads node lines from text (fileName is used in messages only). On the first
// bad line the result holds no nodes and the error. Besides numbers, a line is
// refused for a negative demand (fields 4 and 5 of a demand line) and, for
// great-circle data, for a longitude outside -180..180 or a latitude outside
// -90..90. Fixed costs may be negative (a subsidy); other coordinates are free.
NodeFileResult ReadNodeDataText(std::string_view text, const std::string& fileName,
                                const NodeFileRequest& request);
NodeFileResult ReadNodeDataFile(const std::string& path, const NodeFileRequest& request);

// The first line of a text, as shown in the load form's sample box.
std::string FirstLineOf(std::string_view text);

}  // namespace korvelan
