#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/NodeDataFile.h"
#include "model/ModelState.h"

namespace korvelan {

// Great-circle constants: degrees to radians, and the earth's diameter in miles
// and in kilometres.
inline constexpr double DegreesToRadians = 0.0174532925199;
inline constexpr Extended EarthDiameterMiles = 7918;
inline constexpr Extended EarthDiameterKilometres = 12742.81128L;

// The exact text of a distance file that does not fit the nodes.
inline constexpr const char* DistanceCountMessage = "Number of Distances Incompatible with Input Files";

// Arc cosine by the arc tangent: pi/2 at 0, 0 from 1 up, pi from -1 down,
// otherwise atan(sqrt(1 - s^2) / s), plus pi when s < 0.
double ArcCos(double s);

// The real distance between two points by metric 'E' Euclidean, 'G' great
// circle (x = longitude, y = latitude in degrees) or 'M' Manhattan.
Extended PointDistance(char metric, Extended earthDiameter, double xi, double yi, double xj, double yj);
// The same for loaded nodes i and j; for 'N' the matrix entry itself.
Extended PointDistance(const ModelState& m, int i, int j);

// Fills rows and columns 1..n with the whole number nearest to each point
// distance (halves to even), every ordered pair and the diagonal included.
// Returns an error when a distance does not fit 32 bits.
std::string ComputeDistanceMatrix(const std::vector<LoadedNode>& nodes, char metric, Extended earthDiameter,
                                  NodeMatrix& matrix);

// Reads n x n whole numbers, one per line, column by column: the first n lines
// are d(1,1), d(2,1), ..., d(n,1). The file must hold exactly n x n lines. On a
// wrong line count or a bad line the error starts with DistanceCountMessage and
// names the line; a negative distance is refused naming its line. Entries are
// unusable after an error.
std::string ReadDistanceText(std::string_view text, const std::string& fileName, int n, NodeMatrix& matrix);
std::string ReadDistanceFile(const std::string& path, int n, NodeMatrix& matrix);

// The test made when a distance file is chosen: its line count must be n x n.
// Returns an empty text when it fits, otherwise the message to show.
std::string CheckDistanceFile(const std::string& path, int n);

// Row i of `order` lists 1..n sorted by ascending matrix[i][j] with the index
// quicksort on extended keys.
void BuildNearestOrder(const NodeMatrix& matrix, int n, NodeMatrix& order);
void BuildNearestOrder(ModelState& m);

// The largest entry of rows and columns 1..n (0 when n is 0).
int32_t LargestDistance(const NodeMatrix& matrix, int n);

// The distance file text: one whole number per line, LF line ends, row by row
// (d(1,1), d(1,2), ...) or column by column (d(1,1), d(2,1), ...).
enum class DistanceOrder { RowByRow, ColumnByColumn };
std::string DistanceFileText(const NodeMatrix& matrix, int n, DistanceOrder order);

// Writes the model's matrix row by row, replacing the file atomically; returns
// the error, or an empty text on success.
std::string SaveDistanceFile(const ModelState& m, const std::string& path);

// "eud", "grd", "mad", "ned" (distance files) and "euc", "grt", "man", "net"
// (demand and candidate-site files) by metric code.
std::string DistanceFileExtension(char metric);
std::string NodeFileExtension(char metric);

}  // namespace korvelan
