#include "data/Distances.h"

#include <cmath>
#include <limits>
#include <optional>

#include "data/AtomicFile.h"
#include "data/TextLines.h"
#include "solve/QuickSortIndex.h"
#include "solve/TextFormat.h"

namespace korvelan {

namespace {

constexpr double RightAngle = 1.5707963268;
constexpr double StraightAngle = 3.1415926536;

double GreatCircleAngle(double xi, double yi, double xj, double yj) {
  const double k = DegreesToRadians;
  const double ai = yi * k, aj = yj * k;
  const double s = std::cos(ai) * std::cos(aj) * std::cos(xi * k - xj * k) + std::sin(ai) * std::sin(aj);
  return ArcCos(s);
}

std::optional<int32_t> WholeDistance(Extended d) {
  if (!std::isfinite(d) || std::fabs(d) > std::numeric_limits<int32_t>::max()) return std::nullopt;
  const int64_t whole = RoundHalfEven(d);
  if (whole > std::numeric_limits<int32_t>::max() || whole < std::numeric_limits<int32_t>::min())
    return std::nullopt;
  return static_cast<int32_t>(whole);
}

std::string_view TrimBlanks(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The one line-count rule of a distance file: exactly n x n lines, whether the
// file is being chosen or read.
std::string LineCountProblem(const std::string& fileName, size_t lines, int n) {
  if (lines == static_cast<size_t>(n) * static_cast<size_t>(n)) return {};
  return std::string(DistanceCountMessage) + "\nFile [" + fileName + "] holds " + std::to_string(lines) +
         " lines; " + std::to_string(n) + " nodes need " + std::to_string(static_cast<long long>(n) * n) +
         ".";
}

}  // namespace

double ArcCos(double s) {
  if (s == 0) return RightAngle;
  if (s >= 1) return 0;
  if (s <= -1) return StraightAngle;
  const double angle = std::atan(std::sqrt(1 - s * s) / s);
  return s < 0 ? angle + StraightAngle : angle;
}

Extended PointDistance(char metric, Extended earthDiameter, double xi, double yi, double xj, double yj) {
  switch (metric) {
    case 'G':
      if (xi == xj && yi == yj) return 0;
      return GreatCircleAngle(xi, yi, xj, yj) * (earthDiameter * Extended(0.5));
    case 'M':
      return std::fabs(xi - xj) + std::fabs(yi - yj);
    default:
      return std::sqrt((xi - xj) * (xi - xj) + (yi - yj) * (yi - yj));
  }
}

Extended PointDistance(const ModelState& m, int i, int j) {
  if (m.MetricCode == 'N') return m.DistanceMatrix.at(i, j);
  const NodeRecord &a = m.Node(i), &b = m.Node(j);
  return PointDistance(m.MetricCode, m.EarthDiameter, a.XCoord, a.YCoord, b.XCoord, b.YCoord);
}

std::string ComputeDistanceMatrix(const std::vector<LoadedNode>& nodes, char metric, Extended earthDiameter,
                                  NodeMatrix& matrix) {
  const int n = static_cast<int>(nodes.size());
  for (int i = 1; i <= n; ++i) {
    const LoadedNode& a = nodes[i - 1];
    int32_t* row = matrix.row(i);
    for (int j = 1; j <= n; ++j) {
      const LoadedNode& b = nodes[j - 1];
      const std::optional<int32_t> d =
          WholeDistance(PointDistance(metric, earthDiameter, a.XCoord, a.YCoord, b.XCoord, b.YCoord));
      if (!d)
        return "The distance from node " + std::to_string(i) + " to node " + std::to_string(j) +
               " is too large to be stored as a whole number";
      row[j] = *d;
    }
  }
  return {};
}

std::string ReadDistanceText(std::string_view text, const std::string& fileName, int n, NodeMatrix& matrix) {
  const std::vector<std::string_view> lines = SplitLines(text);
  const std::string countProblem = LineCountProblem(fileName, lines.size(), n);
  if (!countProblem.empty()) return countProblem;
  size_t k = 0;
  for (int c = 1; c <= n; ++c) {
    for (int r = 1; r <= n; ++r, ++k) {
      const std::string_view token = TrimBlanks(lines[k]);
      const std::optional<int32_t> d = ParseWhole32(token);
      if (!d)
        return std::string(DistanceCountMessage) + "\n" +
               LineMessage(fileName, static_cast<int>(k + 1), "the distance " + WholeProblem(token));
      if (*d < 0)
        return LineMessage(fileName, static_cast<int>(k + 1),
                           "the distance " + QuotedToken(token) + " is negative; distances cannot be below 0");
      matrix.at(r, c) = *d;
    }
  }
  return {};
}

std::string ReadDistanceFile(const std::string& path, int n, NodeMatrix& matrix) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return std::string(DistanceCountMessage) + "\n" + UnreadableFileMessage(path);
  return ReadDistanceText(*text, path, n, matrix);
}

std::string CheckDistanceFile(const std::string& path, int n) {
  const std::optional<int> lines = CountFileLines(path);
  if (!lines) return std::string(DistanceCountMessage) + "\n" + UnreadableFileMessage(path);
  return LineCountProblem(path, static_cast<size_t>(*lines), n);
}

void BuildNearestOrder(const NodeMatrix& matrix, int n, NodeMatrix& order) {
  std::vector<Extended> keys(NodeSlots);
  for (int i = 1; i <= n; ++i) {
    const int32_t* row = matrix.row(i);
    for (int j = 1; j <= n; ++j) keys[j] = row[j];
    QuickSortIndex(1, n, keys.data(), order.row(i));
  }
}

void BuildNearestOrder(ModelState& m) { BuildNearestOrder(m.DistanceMatrix, m.Numbnodes, m.NearestOrder); }

int32_t LargestDistance(const NodeMatrix& matrix, int n) {
  int32_t largest = 0;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) largest = std::max(largest, matrix.at(i, j));
  return largest;
}

std::string DistanceFileText(const NodeMatrix& matrix, int n, DistanceOrder order) {
  std::string text;
  text.reserve(static_cast<size_t>(n) * n * 8);
  for (int a = 1; a <= n; ++a)
    for (int b = 1; b <= n; ++b) {
      text += std::to_string(order == DistanceOrder::RowByRow ? matrix.at(a, b) : matrix.at(b, a));
      text += '\n';
    }
  return text;
}

std::string SaveDistanceFile(const ModelState& m, const std::string& path) {
  return WriteFileAtomically(path, DistanceFileText(m.DistanceMatrix, m.Numbnodes, DistanceOrder::RowByRow));
}

std::string DistanceFileExtension(char metric) {
  switch (metric) {
    case 'G':
      return "grd";
    case 'M':
      return "mad";
    case 'N':
      return "ned";
    default:
      return "eud";
  }
}

std::string NodeFileExtension(char metric) {
  switch (metric) {
    case 'G':
      return "grt";
    case 'M':
      return "man";
    case 'N':
      return "net";
    default:
      return "euc";
  }
}

}  // namespace korvelan
