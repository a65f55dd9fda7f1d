#include "map/GeoJson.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "map/MapGeometry.h"
#include "map/MapLabels.h"
#include "solve/JsonText.h"

namespace korvelan {

namespace {

std::string Position(const MapPoint& p) { return "[" + JsonReal(p.x) + ", " + JsonReal(p.y) + "]"; }

std::string Feature(const std::string& geometry, const std::string& properties) {
  return "    {\"type\": \"Feature\", \"geometry\": " + geometry + ", \"properties\": {" + properties + "}}";
}

std::string PointGeometry(const MapPoint& p) { return "{\"type\": \"Point\", \"coordinates\": " + Position(p) + "}"; }

std::string LineGeometry(const MapPoint& a, const MapPoint& b) {
  return "{\"type\": \"LineString\", \"coordinates\": [" + Position(a) + ", " + Position(b) + "]}";
}

std::string Property(const std::string& key, const std::string& rawValue) { return JsonQuoted(key) + ": " + rawValue; }

std::string NodeProperties(const ModelState& m, const char* kind, int n) {
  return Property("kind", JsonQuoted(kind)) + ", " + Property("number", std::to_string(n)) + ", " +
         Property("name", JsonQuoted(m.Node(n).NodeName));
}

std::vector<Extended> DemandServed(const ModelState& m) {
  std::vector<Extended> served(NodeSlots, 0);
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    if (ValidFacility(m, m.Node(i).AssignedFacility)) served[m.Node(i).AssignedFacility] += m.Node(i).Demand;
  return served;
}

void AddDemandNodes(const ModelState& m, double sign, std::vector<std::string>& features) {
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const NodeRecord& node = m.Node(i);
    const bool assigned = ValidFacility(m, node.AssignedFacility);
    features.push_back(Feature(
        PointGeometry(PlottedPosition(m, i, sign)),
        NodeProperties(m, "demand node", i) + ", " + Property("demand", JsonReal(node.Demand)) + ", " +
            Property("facility", assigned ? std::to_string(node.AssignedFacility) : "null") + ", " +
            Property("distance", assigned ? std::to_string(node.AssignedDistance) : "null")));
  }
}

void AddSites(const ModelState& m, double sign, std::vector<std::string>& features) {
  const std::vector<Extended> served = DemandServed(m);
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (m.Node(j).Located)
      features.push_back(Feature(PointGeometry(PlottedPosition(m, j, sign)),
                                 NodeProperties(m, "site", j) + ", " + Property("demand served", JsonReal(served[j]))));
}

void AddAssignments(const ModelState& m, double sign, std::vector<std::string>& features) {
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    const int f = m.Node(i).AssignedFacility;
    if (!ValidFacility(m, f)) continue;
    features.push_back(Feature(LineGeometry(PlottedPosition(m, i, sign), PlottedPosition(m, f, sign)),
                               Property("kind", "\"assignment\"") + ", " + Property("node", std::to_string(i)) +
                                   ", " + Property("facility", std::to_string(f)) + ", " +
                                   Property("distance", std::to_string(m.Node(i).AssignedDistance))));
  }
}

void AddPlantLinks(const ModelState& m, double sign, std::vector<std::string>& features) {
  if (m.ReportProblemCode != 'V') return;
  const std::vector<uint8_t> plants = PlantCityMarks(m);
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const int p = m.Node(j).Located ? NearestPlantCity(m, plants, j) : 0;
    if (p == 0) continue;
    features.push_back(Feature(LineGeometry(PlottedPosition(m, p, sign), PlottedPosition(m, j, sign)),
                               Property("kind", "\"plant link\"") + ", " + Property("plant", std::to_string(p)) +
                                   ", " + Property("site", std::to_string(j))));
  }
}

std::string Collection(const std::vector<std::string>& features) {
  std::string text = "{\n  \"type\": \"FeatureCollection\",\n  \"features\": [";
  for (std::size_t k = 0; k < features.size(); ++k) text += (k ? ",\n" : "\n") + features[k];
  return text + (features.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace

std::string GeoJsonText(const ModelState& m) {
  const double sign = MapXSign(m, false);
  std::vector<std::string> features;
  AddDemandNodes(m, sign, features);
  AddSites(m, sign, features);
  AddAssignments(m, sign, features);
  AddPlantLinks(m, sign, features);
  return Collection(features);
}

std::string PlantToDcGeoJsonText(const ModelState& m) {
  std::vector<std::string> features;
  AddPlantLinks(m, MapXSign(m, false), features);
  return Collection(features);
}

bool IsGeoJsonName(const std::string& fileName) {
  const std::string suffix = ".geojson";
  if (fileName.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), fileName.end() - static_cast<long>(suffix.size()),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace korvelan
