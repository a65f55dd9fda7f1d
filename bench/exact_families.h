#pragma once
// Data families for the exact-method benchmark: each family is written as a demand
// file in the program's own format ("label x y d1 d2 fixedcost") and loaded the way
// the load form loads it, so the distances are the program's own.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "data/DataLoad.h"
#include "model/CoverageLists.h"
#include "model/ModelState.h"

namespace korvelan::bench {

struct FamilyPoint {
  int x = 0;
  int y = 0;
  int demand = 0;
  int fixedCost = 0;
};

struct Family {
  std::string name;
  char metric = 'M';              // 'M' Manhattan, 'E' Euclidean
  std::vector<FamilyPoint> points;
  int coverage[2] = {0, 0};       // two coverage distances for the covering cases
};

inline std::vector<FamilyPoint> RandomPoints(unsigned seed, int n, int side, int maxDemand, int minFixed,
                                             int maxFixed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> coord(0, side), demand(1, maxDemand), fixed(minFixed, maxFixed);
  std::vector<FamilyPoint> points(n);
  for (FamilyPoint& p : points) {
    p.x = coord(rng);
    p.y = coord(rng);
    p.demand = demand(rng);
    p.fixedCost = fixed(rng);
  }
  return points;
}

// rows x columns points `spacing` apart; demand and fixed cost chosen per cell.
template <typename Demand, typename Fixed>
std::vector<FamilyPoint> GridPoints(int rows, int columns, int spacing, Demand demand, Fixed fixed) {
  std::vector<FamilyPoint> points;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) points.push_back({c * spacing, r * spacing, demand(r, c), fixed(r, c)});
  return points;
}

inline std::vector<Family> Families() {
  std::mt19937 streetRng(7);
  std::uniform_int_distribution<int> streetDemand(1, 50);
  std::vector<Family> families;
  // 300 random points, Manhattan distances, whole weights 1-50.
  families.push_back({"random-man", 'M', RandomPoints(300, 300, 1000, 50, 500, 1500), {200, 150}});
  // A street grid of 15 x 20 crossings one block (100) apart, measured along streets.
  families.push_back({"street", 'M',
                      GridPoints(15, 20, 100, [&](int, int) { return streetDemand(streetRng); },
                                 [](int, int) { return 1000; }),
                      {300, 200}});
  // A 15 x 20 raster of cells 10 apart, weights in a repeating pattern, equal fixed costs.
  families.push_back({"raster", 'E',
                      GridPoints(15, 20, 10, [](int r, int c) { return 1 + (3 * r + 5 * c) % 7 * 4; },
                                 [](int, int) { return 250; }),
                      {30, 20}});
  // 210 lattice points 5 apart, every demand 10, every fixed cost 100: serving a
  // neighbour costs half a site, so many solutions tie.
  families.push_back({"lattice", 'M',
                      GridPoints(14, 15, 5, [](int, int) { return 10; }, [](int, int) { return 100; }),
                      {15, 10}});
  // 300 towns 3 apart along a highway, every demand 10, every fixed cost 100: the
  // sites of the optimum repeat every third town and many near-optimal ones tie.
  families.push_back({"corridor", 'M', GridPoints(1, 300, 3, [](int, int) { return 10; }, [](int, int) { return 100; }),
                      {30, 12}});
  // Random points with Euclidean distances, for comparison.
  families.push_back({"random-euc", 'E', RandomPoints(301, 300, 1000, 100, 200, 3000), {200, 150}});
  return families;
}

inline std::string WriteFamily(const Family& f, const std::filesystem::path& folder) {
  const std::string path = (folder / (f.name + (f.metric == 'M' ? ".man" : ".euc"))).string();
  FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return {};
  int label = 0;
  for (const FamilyPoint& p : f.points)
    std::fprintf(file, "%d %d %d %d 0 %d\n", ++label, p.x, p.y, p.demand, p.fixedCost);
  std::fclose(file);
  return path;
}

// Loads the family through the load path; cost per mile 1, the given coverage.
inline bool LoadFamily(ModelState& m, const Family& f, const std::filesystem::path& folder, int coverage) {
  LoadRequest request;
  request.MetricCode = f.metric;
  request.DemandFileName = WriteFamily(f, folder);
  const std::string error = LoadDataSet(m, request);
  if (!error.empty()) {
    std::fprintf(stderr, "%s: %s\n", f.name.c_str(), error.c_str());
    return false;
  }
  m.CostPerMile = 1;
  m.CostPerMileSet = 1;
  m.CoverageDistance = static_cast<int64_t>(coverage) * FixedPointScale;
  m.CoverageDistanceSet = 1;
  BuildCoverageLists(m);
  RestoreDemands(m);
  CountStatuses(m);
  return true;
}

}  // namespace korvelan::bench
