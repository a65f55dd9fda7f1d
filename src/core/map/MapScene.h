#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace korvelan {

struct MapColour {
  int r = 0, g = 0, b = 0;
  bool operator==(const MapColour&) const = default;
};

inline constexpr MapColour MapRed{255, 0, 0};
inline constexpr MapColour MapBlue{0, 0, 255};
inline constexpr MapColour MapGreen{0, 128, 0};
inline constexpr MapColour MapPurple{128, 0, 128};
inline constexpr MapColour MapTeal{0, 128, 128};
inline constexpr MapColour MapGray{128, 128, 128};
inline constexpr MapColour MapNavy{0, 0, 128};

// A point of a series at plotted coordinates, with its label text and colour.
// A label of one blank shows nothing.
struct MapMark {
  double x = 0, y = 0;
  std::string label;
  MapColour colour;
  int node = 0;  // the node drawn here
};

// A segment with a head at its end point.
struct MapArrow {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  MapColour colour;
  int node = 0;  // the node at the start; 0 for the border
};

// The six series of the map, in drawing order.
enum MapSeriesId { BorderSeries, AssignmentSeries, DemandSeries, SiteSeries, PlantAssignments, Plants, MapSeriesCount };

struct MapSeries {
  std::string name;  // shown in the legend
  bool arrows = false;
  std::vector<MapMark> marks;
  std::vector<MapArrow> lines;
};

// Everything one drawing of the map shows: the series, the chart title and the
// summary list at the left.
struct MapScene {
  MapScene();
  std::array<MapSeries, MapSeriesCount> series;
  std::vector<std::string> title;  // lines, the first may be empty
  MapColour titleColour = MapBlue;
  int titleSize = 10;
  std::vector<std::string> summary;  // the lines of SolutionBox
  int selectedSummaryLine = 0;
  // Demand labels of the relative-demand and coverage maps: blue, size 8.
  MapColour demandLabelColour = MapBlue;
  int demandLabelSize = 0;  // 0: the series' own size
  bool plantOutline = false;
  bool gaugeVisible = false;  // "% Complete Generating Graph" (coverage map)
  long long coverageLinks = 0;

  MapSeries& operator[](MapSeriesId id) { return series[id]; }
  const MapSeries& operator[](MapSeriesId id) const { return series[id]; }
  // Every drawn item of the six series is empty.
  bool Empty() const;
};

}  // namespace korvelan
