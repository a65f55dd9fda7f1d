#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvelan {

// A border drawn under the map: an outline of the region as points. A
// coordinate of -999 lifts the pen, so one file may hold several outlines.
struct BorderPoint {
  double x = 0;
  double y = 0;
};

inline constexpr double BorderPenUp = -999;

struct BorderFileResult {
  // The points in the reverse order of the file.
  std::vector<BorderPoint> points;
  // The count line of the file, when it has one.
  std::optional<long long> declaredCount;
  std::string error;  // empty on success; names the file, the line and the fault
  bool ok() const { return error.empty(); }
};

// The border the main menu keeps for the map, with the question state.
struct BorderState {
  bool askForBorder = true;
  std::string fileName;
  std::vector<BorderPoint> points;
  std::optional<long long> declaredCount;
  void Clear() { *this = BorderState{}; }
};

// Reads a border file. The first line is a count line when it holds a single
// whole number without "."; otherwise it is the first data line. Every data
// line holds two reals, x then y; blank lines are skipped.
BorderFileResult ReadBorderText(std::string_view text, const std::string& fileName);
BorderFileResult ReadBorderFile(const std::string& path);

}  // namespace korvelan
