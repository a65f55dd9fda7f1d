#include <gtest/gtest.h>

#include "MapTestModels.h"
#include "map/GeoJson.h"

using namespace korvelan;
using namespace korvelan::testing;

TEST(GeoJson, PointsAndLinesAtThePlottedPositions) {
  ModelState m;
  // Great-circle data of western Europe stored with west longitudes positive:
  // the map (and the file) negate the first coordinate.
  BuildMapModel(m, {{0.1, 51.5, 9, "London \"City\""}, {-2.35, 48.86, 2.5, "Paris"}, {5, 50, 0, ""}}, 2, 1000, 'G');
  OpenMapSites(m, {1}, 'M');
  m.Node(2).AssignedFacility = 1;
  m.Node(2).AssignedDistance = 213;
  EXPECT_EQ(GeoJsonText(m),
            "{\n  \"type\": \"FeatureCollection\",\n  \"features\": [\n"
            "    {\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", \"coordinates\": [-0.1, 51.5]}, "
            "\"properties\": {\"kind\": \"demand node\", \"number\": 1, \"name\": \"London \\\"City\\\"\", "
            "\"demand\": 9, \"facility\": 1, \"distance\": 0}},\n"
            "    {\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", \"coordinates\": [2.35, 48.86]}, "
            "\"properties\": {\"kind\": \"demand node\", \"number\": 2, \"name\": \"Paris\", "
            "\"demand\": 2.5, \"facility\": 1, \"distance\": 213}},\n"
            "    {\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", \"coordinates\": [-0.1, 51.5]}, "
            "\"properties\": {\"kind\": \"site\", \"number\": 1, \"name\": \"London \\\"City\\\"\", "
            "\"demand served\": 11.5}},\n"
            "    {\"type\": \"Feature\", \"geometry\": {\"type\": \"LineString\", \"coordinates\": [[-0.1, 51.5], "
            "[-0.1, 51.5]]}, \"properties\": {\"kind\": \"assignment\", \"node\": 1, \"facility\": 1, "
            "\"distance\": 0}},\n"
            "    {\"type\": \"Feature\", \"geometry\": {\"type\": \"LineString\", \"coordinates\": [[2.35, 48.86], "
            "[-0.1, 51.5]]}, \"properties\": {\"kind\": \"assignment\", \"node\": 2, \"facility\": 1, "
            "\"distance\": 213}}\n  ]\n}\n");
}

TEST(GeoJson, NodeWithoutValidFacilityHasNoLine) {
  ModelState m;
  BuildMapModel(m, {{1, 2, 1, "A"}, {3, 4, 1, "B"}}, 2, 1);
  OpenMapSites(m, {1}, 'M');
  m.Node(2).AssignedFacility = 7;  // outside the table
  const std::string text = GeoJsonText(m);
  EXPECT_NE(text.find("\"number\": 2, \"name\": \"B\", \"demand\": 1, \"facility\": null, \"distance\": null"),
            std::string::npos);
  EXPECT_EQ(text.find("\"node\": 2"), std::string::npos);
  EXPECT_NE(text.find("\"coordinates\": [3, 4]"), std::string::npos);  // Euclidean: plain x, y
}

TEST(GeoJson, PlantLinksOfTheInventoryModel) {
  ModelState m;
  BuildMapModel(m, {{0, 0, 1, "P"}, {4, 3, 1, "A"}, {8, 0, 1, "B"}, {20, 0, 1, "Q"}}, 4, 100);
  OpenMapSites(m, {2, 3}, 'V');
  m.InvLoc.PlantCity[1] = m.InvLoc.PlantCity[4] = 1;
  const std::string link2 =
      "{\"type\": \"Feature\", \"geometry\": {\"type\": \"LineString\", \"coordinates\": [[0, 0], [4, 3]]}, "
      "\"properties\": {\"kind\": \"plant link\", \"plant\": 1, \"site\": 2}}";
  const std::string link3 =
      "{\"type\": \"Feature\", \"geometry\": {\"type\": \"LineString\", \"coordinates\": [[0, 0], [8, 0]]}, "
      "\"properties\": {\"kind\": \"plant link\", \"plant\": 1, \"site\": 3}}";  // 8 from P, 12 from Q
  EXPECT_EQ(PlantToDcGeoJsonText(m), "{\n  \"type\": \"FeatureCollection\",\n  \"features\": [\n    " + link2 +
                                         ",\n    " + link3 + "\n  ]\n}\n");
  EXPECT_NE(GeoJsonText(m).find(link3), std::string::npos);
  m.ReportProblemCode = 'M';
  EXPECT_EQ(GeoJsonText(m).find("plant link"), std::string::npos);
}
