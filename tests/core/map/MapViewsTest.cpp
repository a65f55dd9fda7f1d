#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "MapTestModels.h"
#include "map/MapChoice.h"
#include "map/MapGeometry.h"
#include "map/MapViews.h"

using namespace korvelan;
using namespace korvelan::testing;

namespace {

// Three demand nodes and a candidate-only site; coverage distance 5.
// Sites 1 and 4 open: 1 serves itself and node 2 (distance 5), 4 serves node 3 (distance 3).
void FourNodes(ModelState& m, char code = 'M', int coverage = 5) {
  BuildMapModel(m, {{0, 0, 10, "Alpha"}, {3, 4, 20, "Beta"}, {10, 0, 30, "Gamma"}, {10, 3, 0, "Delta"}}, 3, coverage);
  m.Node(1).FixedCost = 100;
  m.Node(4).FixedCost = 50;
  m.DemandFileName = "main.euc";
  OpenMapSites(m, {1, 4}, code);
}

std::vector<int> ArrowNodes(const MapScene& scene) {
  std::vector<int> nodes;
  for (const MapArrow& a : scene[AssignmentSeries].lines) nodes.push_back(a.node);
  return nodes;
}

std::vector<std::string> LabelsAt(const MapScene& scene, MapSeriesId id, int node) {
  std::vector<std::string> labels;
  for (const MapMark& mark : scene[id].marks)
    if (mark.node == node) labels.push_back(mark.label);
  return labels;
}

}  // namespace

TEST(MapSign, GreatCircleInTheBoxesIsNegatedAndInvertingUndoesIt) {
  struct Case {
    char metric;
    double x0, y0, x1, y1;
    double sign, inverted;
  };
  const Case cases[] = {
      {'G', -25, 28, 17, 62, -1, 1},      // box B, bounds inclusive
      {'G', 49, -4, 174, 78, -1, 1},      // box A
      {'G', -25.01, 30, 10, 50, 1, -1},   // just outside box B
      {'G', -122, 30, -71, 47, 1, -1},    // true longitudes of the United States
      {'E', -25, 28, 17, 62, 1, -1},      // Euclidean: drawn as it is, mirrored when inverted
      {'M', 50, 0, 170, 70, 1, -1},
  };
  for (const Case& c : cases) {
    ModelState m;
    BuildMapModel(m, {{c.x0, c.y0, 1, ""}, {c.x1, c.y1, 1, ""}}, 2, 1, c.metric);
    EXPECT_EQ(MapXSign(m, false), c.sign) << c.metric << " " << c.x0;
    EXPECT_EQ(MapXSign(m, true), c.inverted) << c.metric << " " << c.x0;
    EXPECT_EQ(PlottedPosition(m, 2, MapXSign(m, false)).x, c.sign * c.x1);
  }
}

TEST(MapBorder, MinusNineNineNineLiftsThePen) {
  const std::vector<BorderPoint> border = {{1, 2}, {3, 4}, {5, 6}, {-999, 0}, {7, 8}, {9, 10}, {11, -999}, {12, 13}};
  const std::vector<MapArrow> arrows = BorderArrows(border, -1.0);
  ASSERT_EQ(arrows.size(), 3u);
  const double expected[3][4] = {{-1, 2, -3, 4}, {-3, 4, -5, 6}, {-7, 8, -9, 10}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(arrows[k].x0, expected[k][0]);
    EXPECT_EQ(arrows[k].y0, expected[k][1]);
    EXPECT_EQ(arrows[k].x1, expected[k][2]);
    EXPECT_EQ(arrows[k].y1, expected[k][3]);
    EXPECT_EQ(arrows[k].colour, MapGray);
  }
}

TEST(MapSolution, SummaryLinesForEveryProblemCode) {
  struct Case {
    char code;
    int solutionClass;
    std::string caption, objective;
  };
  const Case cases[] = {
      {'C', 0, "MAX COVERING", "60.00"},         {'C', 2, "MAX COVERING", "55.00"},
      {'M', 0, "MEDIAN OBJECTIVE", "3.17"},      {'M', 2, "MEDIAN OBJECTIVE", "3.50"},
      {'F', 0, "UNCAP FIXED CHARGE", "530.00"},  {'F', 2, "UNCAP FIXED CHARGE", "3.50"},
      {'S', 2, "SET COVERING OBJECTIVE", "2"},   {'&', 2, "PARTIAL SET COVERING", "2"},
      {'P', 2, "P-CENTER OBJECTIVE", "5.00"},    {'%', 2, "PARTIAL P-CENTER OBJ.", "5.00"},
      {'V', 2, "Brask INV./LOC. MODEL", "3.50"},
  };
  for (const Case& c : cases) {
    ModelState m;
    FourNodes(m, c.code);
    m.SolutionClass = static_cast<uint8_t>(c.solutionClass);
    m.RunLowerBound = 55;
    m.RunUpperBound = 3.5;
    m.CostPerMile = 2;
    const MapScene scene = SolutionMap(m, BorderState{}, MapSettings{});
    const std::vector<std::string> expected = {c.caption,       "O.F. = " + c.objective, "# Facilities = 2",
                                               "MAIN FILE = main.euc", "DIST. FILE = computed", "AVG DIST = 3.17",
                                               "COV DIST = 5.00",      "% COVERED = 100.000%"};
    EXPECT_EQ(scene.summary, expected) << c.code;
    EXPECT_EQ(scene.title, (std::vector<std::string>{"Map of Solution", c.caption})) << c.code;
    EXPECT_EQ(scene.titleColour, MapBlue);
  }
}

TEST(MapSolution, FileLinesAndCustomTitle) {
  ModelState m;
  FourNodes(m);
  m.DistanceFileName = "main.eud";
  m.ExtraSitesFileName = "sites.euc";
  for (const std::string path : {"C:\\maps\\region.brd", "/home/a/region.brd"}) {
    BorderState border;
    border.fileName = path;
    MapSettings settings;
    settings.title = "Depots";
    const MapScene scene = SolutionMap(m, border, settings);
    EXPECT_EQ(std::vector<std::string>(scene.summary.begin() + 4, scene.summary.begin() + 7),
              (std::vector<std::string>{"DIST. FILE = main.eud", "EXTRA FILE = sites.euc", "BORD. FILE = region.brd"}));
    EXPECT_EQ(scene.title, (std::vector<std::string>{"", "Depots"}));
  }
}

TEST(MapSolution, OwnFacilityHasNoArrowAndABlankLabel) {
  ModelState m;
  FourNodes(m);
  MapSettings settings;
  settings.labels.demand = 1;  // numbers
  settings.labels.site = 2;    // names
  const MapScene scene = SolutionMap(m, BorderState{}, settings);
  EXPECT_EQ(ArrowNodes(scene), (std::vector<int>{2, 3}));
  for (const MapArrow& a : scene[AssignmentSeries].lines) EXPECT_EQ(a.colour, MapRed);
  EXPECT_EQ(LabelsAt(scene, DemandSeries, 1), std::vector<std::string>{" "});
  EXPECT_EQ(LabelsAt(scene, DemandSeries, 2), std::vector<std::string>{"2"});
  EXPECT_EQ(LabelsAt(scene, SiteSeries, 1), std::vector<std::string>{"Alpha"});
  EXPECT_EQ(LabelsAt(scene, SiteSeries, 4), std::vector<std::string>{"Delta"});
  const MapArrow& toSite = scene[AssignmentSeries].lines[1];
  EXPECT_EQ(std::vector<double>({toSite.x0, toSite.y0, toSite.x1, toSite.y1}), std::vector<double>({10, 0, 10, 3}));
}

TEST(MapSolution, UncoveredAndDefiningArrowsAndLabels) {
  ModelState m;
  FourNodes(m, 'M', 4);  // node 2 at distance 5 is beyond 4
  MapSettings settings;
  settings.labels.demand = 4;  // uncovered names
  MapScene scene = SolutionMap(m, BorderState{}, settings);
  ASSERT_EQ(ArrowNodes(scene), (std::vector<int>{2, 3}));
  EXPECT_EQ(scene[AssignmentSeries].lines[0].colour, MapBlue);
  EXPECT_EQ(scene[AssignmentSeries].lines[1].colour, MapRed);
  EXPECT_EQ(LabelsAt(scene, DemandSeries, 2), (std::vector<std::string>{"Beta", " "}));
  EXPECT_EQ(scene[DemandSeries].marks[1].colour, MapBlue);  // beyond: blue label

  ModelState p;
  FourNodes(p, 'P', 5);  // node 2 at exactly the radius defines it
  scene = SolutionMap(p, BorderState{}, MapSettings{});
  ASSERT_EQ(ArrowNodes(scene), (std::vector<int>{2, 3}));
  EXPECT_EQ(scene[AssignmentSeries].lines[0].colour, MapGreen);
  EXPECT_EQ(scene[DemandSeries].marks[1].colour, MapRed);  // within: red label
}

TEST(MapSolution, FacilityOutsideTheTableIsNeverDrawn) {
  ModelState m;
  FourNodes(m);
  m.Node(2).AssignedFacility = 0;
  m.Node(3).AssignedFacility = 999;
  const MapScene scene = SolutionMap(m, BorderState{}, MapSettings{});
  EXPECT_TRUE(scene[AssignmentSeries].lines.empty());
  EXPECT_EQ(scene[DemandSeries].marks.size(), 3u);
  const std::string info = NodeInformationText(m, 3, false);
  EXPECT_NE(info.find("Assigned to facility 999  \r"), std::string::npos);
}

TEST(MapCoverage, CountsEveryLinkIncludingZeroLengthSelfLinks) {
  ModelState m;
  FourNodes(m);
  long long pairs = 0, selfLinks = 0;  // straight from the distances
  for (int j = 1; j <= m.Numbnodes; ++j)
    for (int d = 1; d <= m.NumDemandNodes; ++d)
      if (WithinCoverage(m.CoverageDistance, m.DistanceMatrix.at(d, j))) pairs += 1, selfLinks += d == j;
  ASSERT_EQ(selfLinks, 3);
  std::vector<int> percents;
  const MapScene scene = CoverageMap(m, BorderState{}, MapSettings{}, [&](int p) { percents.push_back(p); });
  EXPECT_EQ(scene.coverageLinks, pairs);
  EXPECT_EQ(scene[AssignmentSeries].lines.size(), static_cast<std::size_t>(pairs));
  EXPECT_EQ(scene.summary, (std::vector<std::string>{"Map of Coverage Relationships", "MAIN FILE = main.euc",
                                                     "COV DIST = 5.00", "DIST. FILE = computed",
                                                     std::to_string(pairs) + " 1-way Coverage Links"}));
  EXPECT_EQ(scene.title, (std::vector<std::string>{"Map of Coverage Relationships",
                                                   "COV DIST = 5.00   DIST. FILE = computed"}));
  EXPECT_EQ(percents, (std::vector<int>{25, 50, 75, 100}));
  const auto zeroLength = std::count_if(scene[AssignmentSeries].lines.begin(), scene[AssignmentSeries].lines.end(),
                                        [](const MapArrow& a) { return a.x0 == a.x1 && a.y0 == a.y1; });
  EXPECT_EQ(zeroLength, selfLinks);
  EXPECT_TRUE(scene.gaugeVisible);
}

TEST(MapRelativeDemand, BarsScaleByTheLargestDemandAndVanishWhenAllAreZero) {
  ModelState m;
  FourNodes(m);
  MapScene scene = RelativeDemandMap(m, BorderState{}, MapSettings{});
  ASSERT_EQ(scene[AssignmentSeries].lines.size(), 3u);
  const double heights[3] = {10.0 / 30 * 4 / 1.5, 20.0 / 30 * 4 / 1.5, 4 / 1.5};
  for (int k = 0; k < 3; ++k) {
    const MapArrow& bar = scene[AssignmentSeries].lines[k];
    EXPECT_EQ(bar.x1, bar.x0);
    EXPECT_NEAR(bar.y1 - bar.y0, heights[k], 1e-12);
    EXPECT_EQ(bar.colour, MapPurple);
  }
  EXPECT_EQ(scene.summary, (std::vector<std::string>{"Map of the Relative Demands", "MAIN FILE = main.euc",
                                                     "DIST. FILE = computed"}));
  EXPECT_EQ(scene.title, (std::vector<std::string>{"Map of Relative Demands", ""}));
  for (int i = 1; i <= 3; ++i) m.Node(i).Demand = 0;
  scene = RelativeDemandMap(m, BorderState{}, MapSettings{});
  EXPECT_TRUE(scene[AssignmentSeries].lines.empty());
  EXPECT_EQ(scene[SiteSeries].marks.size(), 2u);
}

TEST(MapNodeInformation, MatchesSignedPlottedCoordinates) {
  ModelState m;
  BuildMapModel(m, {{5, 1, 1, "East"}, {-5, 1, 1, "West"}}, 2, 1);
  EXPECT_EQ(NodeAtPlotted(m, 1.0, -5, 1), 2);
  EXPECT_EQ(NodeAtPlotted(m, 1.0, 5, 1), 1);
  EXPECT_EQ(NodeAtPlotted(m, -1.0, -5, 1), 1);  // inverted map: node 1 is drawn at -5
  EXPECT_EQ(NodeAtPlotted(m, 1.0, 5, -1), 0);
}

TEST(MapNodeInformation, CandidateSiteServesItselfWithoutChangingTheModel) {
  ModelState m;
  FourNodes(m);
  const NodeRecord before = m.Node(4);
  EXPECT_EQ(NodeInformationText(m, 4, false),
            "Node 4\rDelta\r\rLongitude = 10.000\rLatitude = 3.000\r\rDemand = 0.000\r\rNot covered\r\r"
            "Demand node FACILITY \rFixed cost = 50.00\r\rAssigned to facility 4  Delta\rAt a distance of 0.00");
  EXPECT_EQ(m.Node(4).AssignedFacility, before.AssignedFacility);
  EXPECT_EQ(m.Node(4).AssignedDistance, before.AssignedDistance);
  EXPECT_EQ(NodeInformationText(m, 2, true),
            "Node 2\rBeta\r\rLongitude = 3.000\rLatitude = 4.000\r\rDemand = 20.000\r\rCovered\r\r"
            "Demand node PLANT \r\r\rAssigned to facility 1  Alpha\rAt a distance of 5.00");
}

TEST(MapTradeoff, ChoosingLineKRestoresTheKthPointOnNearestSites) {
  ModelState m;
  FourNodes(m, 'D');
  ClearSolution(m);
  auto point = [](std::set<int> sites, Extended first, Extended second, Extended weight) {
    TradeoffPoint p;
    p.FirstValue = first, p.SecondValue = second, p.PointWeight = weight;
    p.PointLocated.assign(NodeSlots, 0);
    for (int j : sites) p.PointLocated[j] = 1;
    return p;
  };
  m.Tradeoff.TradeoffList = {point({2}, 360, 30, 0), point({1, 4}, 190, 60, 10000)};
  HeadlessRunHost host;
  EXPECT_FALSE(ChooseTradeoffSolution(m, host, 0));
  EXPECT_FALSE(ChooseTradeoffSolution(m, host, 3));
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(m.Node(j).Located, 0);  // nothing restored

  const auto choice = ChooseTradeoffSolution(m, host, 2);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->shownSolutionNumber, 2);
  EXPECT_EQ(choice->chosenCoveredDemand, 60);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(m.Node(j).Located, j == 1 || j == 4) << j;
  Extended weighted = 0;
  for (int i = 1; i <= 3; ++i) {  // every demand node on its nearest open site, by brute force
    const int f = m.Node(i).AssignedFacility;
    EXPECT_EQ(m.Node(i).AssignedDistance, std::min(m.DistanceMatrix.at(i, 1), m.DistanceMatrix.at(i, 4)));
    EXPECT_EQ(m.DistanceMatrix.at(i, f), m.Node(i).AssignedDistance);
    weighted += m.Node(i).Demand * m.Node(i).AssignedDistance;
  }
  EXPECT_EQ(m.DemandWeightedDistance, weighted);

  MapSettings settings;
  settings.selectedLine = 2;
  settings.shownSolutionNumber = choice->shownSolutionNumber;
  settings.chosenCoveredDemand = choice->chosenCoveredDemand;
  const MapScene scene = SolutionMap(m, BorderState{}, settings);
  EXPECT_EQ(scene.title, (std::vector<std::string>{"Map of Solution 2",
                                                   "COVERING MEDIAN TRADEOFF w/ Avg. = 3.17   % Cov. = 100.00"}));
  EXPECT_EQ(std::vector<std::string>(scene.summary.begin(), scene.summary.begin() + 3),
            (std::vector<std::string>{"COVERING MEDIAN TRADEOFF", "   1  50.00000  /  6.000  /  0.0",
                                      "   2  100.00000  /  3.167  /  10,000.0"}));
  EXPECT_EQ(scene.selectedSummaryLine, 2);
  EXPECT_EQ(ArrowNodes(scene), (std::vector<int>{2, 3}));
}

TEST(MapTradeoff, NoLineChosenShowsOnlyTheInvitation) {
  ModelState m;
  FourNodes(m, 'D');
  MapScene scene = SolutionMap(m, BorderState{}, MapSettings{});
  EXPECT_TRUE(scene.Empty());
  EXPECT_EQ(scene.title, std::vector<std::string>{SelectSolutionTitle});
  EXPECT_EQ(scene.titleColour, MapRed);
  EXPECT_EQ(scene.titleSize, 16);
  MapSettings titled;
  titled.title = "Curve";
  EXPECT_EQ(SolutionMap(m, BorderState{}, titled).title, std::vector<std::string>{"Curve"});
}

TEST(MapInventory, PlantCitiesReplaceSitesInTheLabelsAndFeedEveryOpenSite) {
  ModelState m;
  FourNodes(m, 'V');
  m.InvLoc.PlantCity[2] = 1;
  MapSettings settings;
  settings.labels.demand = 1;
  settings.labels.site = 2;
  const MapScene scene = SolutionMap(m, BorderState{}, settings);
  // Node 1 is open but not a plant city: it is numbered; the plant city keeps a blank label.
  EXPECT_EQ(LabelsAt(scene, DemandSeries, 1), std::vector<std::string>{"1"});
  EXPECT_EQ(LabelsAt(scene, DemandSeries, 2), std::vector<std::string>{" "});
  ASSERT_EQ(scene[PlantAssignments].lines.size(), 2u);
  for (const MapArrow& a : scene[PlantAssignments].lines) {
    EXPECT_EQ(a.colour, MapTeal);
    EXPECT_EQ(std::vector<double>({a.x0, a.y0}), std::vector<double>({3, 4}));  // from the plant city
  }
  EXPECT_EQ(scene[PlantAssignments].lines[1].x1, 10);  // to site 4
  EXPECT_EQ(LabelsAt(scene, Plants, 2), std::vector<std::string>{"Beta"});
  EXPECT_TRUE(scene.plantOutline);
  EXPECT_EQ(NodeInformationText(m, 2, BuildNodeMarks(m).plant[2] != 0).find("Demand node PLANT \r") != std::string::npos,
            true);

  m.InvLoc.PlantCity[2] = 0;  // no plant city: no plant series
  const MapScene plain = SolutionMap(m, BorderState{}, settings);
  EXPECT_TRUE(plain[PlantAssignments].lines.empty());
  EXPECT_TRUE(plain[Plants].marks.empty());
}
