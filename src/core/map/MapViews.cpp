#include "map/MapViews.h"

#include <algorithm>
#include <cmath>

#include "map/MapGeometry.h"
#include "solve/Evaluation.h"
#include "solve/TextFormat.h"

namespace korvelan {

namespace {

// A share of the total demand; 0 when there is no demand at all.
Extended PerDemand(const ModelState& m, Extended value) { return m.TotalDemand != 0 ? value / m.TotalDemand : 0; }

Extended CoverageValue(const ModelState& m) { return static_cast<Extended>(m.CoverageDistance) / FixedPointScale; }

Extended CoveredByNtimes(const ModelState& m) {
  Extended covered = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (m.Node(i).NTIMES > 0) covered += m.Node(i).Demand;
  return covered;
}

std::string ObjectiveText(const ModelState& m) {
  const bool exact = m.SolutionClass == 2;
  switch (m.ReportProblemCode) {
    case 'C': return FormatNumber(exact ? m.RunLowerBound : CoveredByNtimes(m), 15, 2);
    case 'M': return FormatNumber(exact ? m.RunUpperBound : PerDemand(m, m.DemandWeightedDistance), 15, 2);
    case 'F':
      return FormatNumber(exact ? m.RunUpperBound : WeightedDistanceOfAssignment(m) * m.CostPerMile + LocatedFixedCost(m),
                          15, 2);
    case 'S':
    case '&': return std::to_string(m.NumLocated);
    case 'P':
    case '%': return FormatNumber(CoverageValue(m), 15, 2);
    case 'V': return FormatNumber(m.RunUpperBound, 15, 2);
    default: return {};
  }
}

std::vector<std::string> TradeoffLines(const ModelState& m) {
  std::vector<std::string> lines;
  int n = 0;
  for (const TradeoffPoint& point : m.Tradeoff.TradeoffList)
    lines.push_back(IntRight(++n, 4) + "  " + FormatNumber(PerDemand(m, point.SecondValue) * 100, 10, 5) + "  /  " +
                    FormatNumber(PerDemand(m, point.FirstValue), 10, 3) + "  /  " +
                    FormatNumber(point.PointWeight, 10, 1));
  return lines;
}

std::string DistanceFileLine(const ModelState& m) {
  return "DIST. FILE = " + (m.DistanceFileName.empty() ? std::string("computed") : m.DistanceFileName);
}

// "DIST. FILE", "EXTRA FILE" and "BORD. FILE" lines, the last two when they apply.
void AddOtherFileLines(const ModelState& m, const BorderState& border, std::vector<std::string>& lines) {
  lines.push_back(DistanceFileLine(m));
  if (!m.ExtraSitesFileName.empty()) lines.push_back("EXTRA FILE = " + m.ExtraSitesFileName);
  if (!border.fileName.empty()) lines.push_back("BORD. FILE = " + BorderShortName(border.fileName));
}

std::vector<std::string> CustomTitle(const std::string& title) { return {"", title}; }

bool SolutionShown(const ModelState& m, const MapSettings& settings) {
  if (m.ReportProblemCode != 'D') return true;
  return settings.selectedLine > 0 &&
         static_cast<int>(m.Tradeoff.TradeoffList.size()) >= settings.selectedLine;
}

void AddMark(MapScene& scene, MapSeriesId id, const MapPoint& at, const std::string& label, MapColour colour, int node) {
  scene[id].marks.push_back({at.x, at.y, label, colour, node});
}

void AddArrow(MapScene& scene, MapSeriesId id, const MapPoint& from, const MapPoint& to, MapColour colour, int node) {
  scene[id].lines.push_back({from.x, from.y, to.x, to.y, colour, node});
}

std::vector<std::string> SolutionTitle(const ModelState& m, const MapSettings& settings) {
  if (!settings.title.empty()) return CustomTitle(settings.title);
  if (m.ReportProblemCode != 'D') return {"Map of Solution", MapModelCaption(m.ReportProblemCode)};
  return {"Map of Solution " + std::to_string(settings.shownSolutionNumber),
          "COVERING MEDIAN TRADEOFF w/ Avg. = " + FormatNumber(PerDemand(m, m.DemandWeightedDistance), 15, 2) +
              "   % Cov. = " + FormatNumber(PerDemand(m, settings.chosenCoveredDemand) * 100, 15, 2)};
}

void DrawDemandNodes(const ModelState& m, const MapSettings& settings, const MapNodeMarks& marks, double sign,
                     MapScene& scene) {
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const DemandNodeClass c = ClassifyDemandNode(m, i, settings.labels.defining);
    const int f = m.Node(i).AssignedFacility;
    const bool arrow = ValidFacility(m, f) && f != i;
    const MapPoint at = PlottedPosition(m, i, sign);
    const MapColour labelColour = c.within ? MapRed : MapBlue;
    if (arrow) {
      const MapPoint to = PlottedPosition(m, f, sign);
      if (c.covered && !c.defining) AddArrow(scene, AssignmentSeries, at, to, MapRed, i);
      if (!c.covered) AddArrow(scene, AssignmentSeries, at, to, MapBlue, i);
      if (c.defining) AddArrow(scene, AssignmentSeries, at, to, MapGreen, i);
    }
    for (const std::string& label : SolutionDemandLabels(m, i, c, settings.labels, marks.site[i] != 0))
      AddMark(scene, DemandSeries, at, label, labelColour, i);
  }
}

std::vector<int> OpenSites(const ModelState& m) {
  std::vector<int> sites;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located) sites.push_back(j);
  return sites;
}

void DrawPlants(const ModelState& m, const MapSettings& settings, const MapNodeMarks& marks,
                const std::vector<int>& sites, double sign, MapScene& scene) {
  if (m.ReportProblemCode != 'V' || std::none_of(marks.plant.begin(), marks.plant.end(), [](uint8_t p) { return p; }))
    return;
  for (int j : sites)
    if (const int p = NearestPlantCity(m, marks.plant, j))
      AddArrow(scene, PlantAssignments, PlottedPosition(m, p, sign), PlottedPosition(m, j, sign), MapTeal, p);
  scene.plantOutline = settings.labels.site != 0;
  for (int p = 1; p <= m.NumDemandNodes; ++p)
    if (marks.plant[p])
      AddMark(scene, Plants, PlottedPosition(m, p, sign), SiteModeLabel(m, p, settings.labels.site), MapPurple, p);
}

void DrawSolution(const ModelState& m, const BorderState& border, const MapSettings& settings, MapScene& scene) {
  const double sign = MapXSign(m, settings.invert);
  scene[BorderSeries].lines = BorderArrows(border.points, sign);
  scene.title = SolutionTitle(m, settings);
  const MapNodeMarks marks = BuildNodeMarks(m);
  const std::vector<int> sites = OpenSites(m);
  DrawDemandNodes(m, settings, marks, sign, scene);
  for (int j : sites)
    for (const std::string& label : SiteLabels(m, j, settings.labels, marks.plant[j] != 0))
      AddMark(scene, SiteSeries, PlottedPosition(m, j, sign), label, MapGreen, j);
  DrawPlants(m, settings, marks, sites, sign, scene);
}

void AddSolutionLines(const ModelState& m, std::vector<std::string>& lines) {
  lines.push_back("AVG DIST = " + FormatNumber(PerDemand(m, m.DemandWeightedDistance), 15, 2));
  lines.push_back("COV DIST = " + FormatNumber(CoverageValue(m), 15, 2));
  lines.push_back("% COVERED = " + FormatNumber(PerDemand(m, CoveredByNtimes(m)) * 100, 7, 3) + "%");
}

// Located sites by the site mode alone (relative-demand and coverage maps).
void DrawSitesByMode(const ModelState& m, const MapSettings& settings, double sign, MapScene& scene) {
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located)
      AddMark(scene, SiteSeries, PlottedPosition(m, j, sign), SiteModeLabel(m, j, settings.labels.site), MapGreen, j);
}

void AddOverlayLabels(const ModelState& m, const MapSettings& settings, const MapNodeMarks& marks, double sign, int i,
                      MapScene& scene) {
  for (const std::string& label : OverlayLabels(m, i, settings.labels, marks.site[i] != 0))
    AddMark(scene, DemandSeries, PlottedPosition(m, i, sign), label, MapBlue, i);
}

}  // namespace

std::string MapModelCaption(char code) {
  switch (code) {
    case 'C': return "MAX COVERING";
    case 'M': return "MEDIAN OBJECTIVE";
    case 'F': return "UNCAP FIXED CHARGE";
    case 'S': return "SET COVERING OBJECTIVE";
    case '&': return "PARTIAL SET COVERING";
    case 'P': return "P-CENTER OBJECTIVE";
    case '%': return "PARTIAL P-CENTER OBJ.";
    case 'V': return "Brask INV./LOC. MODEL";
    case 'D': return "COVERING MEDIAN TRADEOFF";
    default: return {};
  }
}

std::string BorderShortName(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

MapScene SolutionMap(const ModelState& m, const BorderState& border, const MapSettings& settings) {
  MapScene scene;
  std::vector<std::string>& lines = scene.summary;
  const std::string caption = MapModelCaption(m.ReportProblemCode);
  if (!caption.empty()) lines.push_back(caption);
  if (m.ReportProblemCode == 'D') {
    const std::vector<std::string> curve = TradeoffLines(m);
    lines.insert(lines.end(), curve.begin(), curve.end());
  } else if (!caption.empty()) {
    lines.push_back("O.F. = " + ObjectiveText(m));
  }
  lines.push_back("# Facilities = " + std::to_string(m.NumLocated));
  lines.push_back("MAIN FILE = " + m.DemandFileName);
  AddOtherFileLines(m, border, lines);
  if (SolutionShown(m, settings)) {
    AddSolutionLines(m, lines);
    DrawSolution(m, border, settings, scene);
  } else {
    scene.title = {settings.title.empty() ? SelectSolutionTitle : settings.title};
    scene.titleColour = MapRed;
    scene.titleSize = 16;
  }
  if (m.ReportProblemCode == 'D' && static_cast<int>(lines.size()) >= settings.selectedLine)
    scene.selectedSummaryLine = settings.selectedLine;
  return scene;
}

MapScene RelativeDemandMap(const ModelState& m, const BorderState& border, const MapSettings& settings) {
  MapScene scene;
  scene.summary = {"Map of the Relative Demands", "MAIN FILE = " + m.DemandFileName};
  AddOtherFileLines(m, border, scene.summary);
  const double sign = MapXSign(m, settings.invert);
  scene.title = {settings.title.empty() ? std::string("Map of Relative Demands") : settings.title, ""};
  scene.demandLabelSize = 8;
  scene[BorderSeries].lines = BorderArrows(border.points, sign);
  Extended maxDemand = 0;
  double minY = 0, maxY = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    maxDemand = std::max(maxDemand, m.Node(i).Demand);
    minY = i == 1 ? m.Node(i).YCoord : std::min(minY, m.Node(i).YCoord);
    maxY = i == 1 ? m.Node(i).YCoord : std::max(maxY, m.Node(i).YCoord);
  }
  const MapNodeMarks marks = BuildNodeMarks(m);
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const MapPoint at = PlottedPosition(m, i, sign);
    if (maxDemand > 0) {  // with every demand 0 there is nothing to scale the bars by
      const double height = static_cast<double>(m.Node(i).Demand / maxDemand) * (maxY - minY) / 1.5;
      AddArrow(scene, AssignmentSeries, at, {at.x, at.y + height}, MapPurple, i);
    }
    AddOverlayLabels(m, settings, marks, sign, i, scene);
  }
  DrawSitesByMode(m, settings, sign, scene);
  return scene;
}

MapScene CoverageMap(const ModelState& m, const BorderState& border, const MapSettings& settings,
                     const std::function<void(int)>& progress) {
  MapScene scene;
  scene.gaugeVisible = true;
  const std::string coverage = "COV DIST = " + FormatNumber(CoverageValue(m), 10, 2);
  scene.summary = {"Map of Coverage Relationships", "MAIN FILE = " + m.DemandFileName, coverage};
  AddOtherFileLines(m, border, scene.summary);
  const double sign = MapXSign(m, settings.invert);
  scene.title = settings.title.empty()
                    ? std::vector<std::string>{"Map of Coverage Relationships", coverage + "   " + DistanceFileLine(m)}
                    : CustomTitle(settings.title);
  scene.demandLabelSize = 8;
  scene[BorderSeries].lines = BorderArrows(border.points, sign);
  const MapNodeMarks marks = BuildNodeMarks(m);
  std::vector<MapArrow>& links = scene[AssignmentSeries].lines;
  links.reserve(m.CoverListLength > 0 ? static_cast<std::size_t>(m.CoverListLength) : 0);
  for (int j = 1; j <= m.Numbnodes; ++j) {
    if (progress) progress(static_cast<int>(RoundHalfEven(100.0L * j / m.Numbnodes)));
    const MapPoint site = PlottedPosition(m, j, sign);
    for (const uint16_t d : m.Node(j).CoversList)
      if (d >= 1 && d <= m.Numbnodes) AddArrow(scene, AssignmentSeries, site, PlottedPosition(m, d, sign), MapPurple, j);
    AddOverlayLabels(m, settings, marks, sign, j, scene);
  }
  scene.coverageLinks = static_cast<long long>(links.size());
  scene.summary.push_back(std::to_string(scene.coverageLinks) + " 1-way Coverage Links");
  DrawSitesByMode(m, settings, sign, scene);
  return scene;
}

}  // namespace korvelan
