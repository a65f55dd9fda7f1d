#include <filesystem>

#include "CliTestSupport.h"

using namespace clitest;
namespace fs = std::filesystem;

namespace {

const std::string kCities = std::string(KORVELAN_SAMPLES) + "/us_cities.grt";

// Reads the file with Python's JSON reader and checks the rules of RFC 7946 the
// file relies on, then the properties of every feature. Prints "OK" or the fault.
const char* kChecker = R"(import json, sys
doc = json.load(open(sys.argv[1]))
assert doc["type"] == "FeatureCollection", "not a FeatureCollection"
def position(p):
    assert isinstance(p, list) and len(p) == 2 and all(isinstance(v, (int, float)) for v in p), p
    assert -180 <= p[0] <= 180 and -90 <= p[1] <= 90, "longitude, latitude out of range: %r" % p
kinds = {}
demand = {}
for f in doc["features"]:
    assert f["type"] == "Feature"
    g, props = f["geometry"], f["properties"]
    kinds[props["kind"]] = kinds.get(props["kind"], 0) + 1
    if g["type"] == "Point":
        position(g["coordinates"])
    else:
        assert g["type"] == "LineString" and len(g["coordinates"]) >= 2, g
        for p in g["coordinates"]: position(p)
    if props["kind"] == "demand node":
        assert set(props) == {"kind", "number", "name", "demand", "facility", "distance"}, props
        demand[props["number"]] = (g["coordinates"], props)
    elif props["kind"] == "site":
        assert set(props) == {"kind", "number", "name", "demand served"}, props
    else:
        assert props["kind"] == "assignment" and set(props) == {"kind", "node", "facility", "distance"}, props
        node, facility = demand[props["node"]], demand[props["facility"]]
        assert g["coordinates"] == [node[0], facility[0]], "line ends are not the node and its site"
        assert node[1]["facility"] == props["facility"] and node[1]["distance"] == props["distance"]
ny = demand[1]
assert ny[1]["name"] == "New York" and ny[0] == [-74.006, 40.713], "longitude first: %r" % (ny,)
assert ny[1]["demand"] == 8804
print("OK", kinds["demand node"], kinds["site"], kinds["assignment"])
)";

std::string CommandOutput(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

}  // namespace

TEST(CliGeoJson, UsCitiesReadBackByAJsonReaderWithLongitudeFirst) {
  if (std::system("python3 -c 1") != 0) GTEST_SKIP() << "python3 is not installed";
  TestFolder folder;
  const std::string out = folder.Path("cities.geojson");
  const CliResult run = RunCli(folder, "solve --demand " + kCities +
                                           " --coverage 500 --cost-per-mile 1 --problem p-median --algorithm myopic"
                                           " --locate 4 --report " + folder.Path("report.txt") + " --geojson " + out);
  ASSERT_EQ(run.exit, 0) << run.err;
  const std::string checker = folder.Write("check.py", kChecker);
  EXPECT_EQ(CommandOutput("python3 " + checker + " " + out + " 2>&1"), "OK 41 4 41\n");
}

TEST(CliGeoJson, SharesTheOutputChecks) {
  TestFolder folder;
  const std::string out = folder.Path("out.geojson");
  const CliResult same = RunCli(folder, kBase + "--problem p-median --algorithm myopic --locate 2 --report " + out +
                                            " --geojson " + out);
  EXPECT_EQ(same.exit, 2);
  EXPECT_EQ(same.err, "korvelan-cli: --report " + out + " and --geojson " + out + " name the same file\n");
  const std::string missing = folder.Path("missing/out.geojson");
  const CliResult absent = RunCli(folder, kBase + "--problem p-median --algorithm myopic --locate 2 --report " +
                                              folder.Path("r.txt") + " --geojson " + missing);
  EXPECT_EQ(absent.exit, 2);
  EXPECT_EQ(absent.err, "korvelan-cli: --geojson " + missing + ": No such directory [" + folder.Path("missing") +
                            "]\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{});
}
