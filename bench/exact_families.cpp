// Every exact method on data families that analysts meet (random Manhattan points,
// a street grid, a raster with patterned weights, an equal-weight lattice, random
// Euclidean points). One case per run, so that a driver can limit each with
// `timeout` and time a MIP solver beside it (bench/exact_families.sh):
//   bench_exact_families list                    the case names
//   bench_exact_families run FAMILY CASE         solve, print one result line
//   bench_exact_families lp FAMILY CASE FILE     write the case as a MIP in LP format
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "exact_families.h"
#include "exact_families_lp.h"
#include "solve/Granularity.h"
#include "solve/SolveModel.h"

namespace korvelan::bench {
namespace {

struct Case {
  const char* name;
  char problem;
  int coverageChoice;  // index into the family's coverage distances
  int locate;          // P, or the fixed-charge number (-1 optimises it)
};

const Case kCases[] = {
    {"sc-A", 'S', 0, 0},   {"sc-B", 'S', 1, 0},   {"psc-A", '&', 0, 0}, {"psc-B", '&', 1, 0},
    {"pc-10", 'P', 0, 10}, {"pc-20", 'P', 0, 20}, {"ppc-10", '%', 0, 10}, {"ppc-20", '%', 0, 20},
    {"mc-10", 'C', 0, 10}, {"pm-10", 'M', 0, 10}, {"pm-30", 'M', 0, 30}, {"fc-free", 'F', 0, -1},
    {"fc-10", 'F', 0, 10},
};

constexpr double PartialFraction = 0.9;

const Case* FindCase(const char* name) {
  for (const Case& c : kCases)
    if (std::strcmp(c.name, name) == 0) return &c;
  return nullptr;
}

const Family* FindFamily(const std::vector<Family>& families, const char* name) {
  for (const Family& f : families)
    if (f.name == name) return &f;
  return nullptr;
}

void Prepare(ModelState& m, const Case& c) {
  m.ProblemCode = c.problem;
  m.SolutionClass = 2;
  m.ShowLagProgress = 0;
  m.MedianAlgorithm = 'L';
  m.FixedAlgorithm = 'L';
  m.NumberToLocate = static_cast<uint16_t>(std::max(c.locate, 0));
  m.FixedNumberToLocate = c.locate;
  m.CoverTypeCode = c.problem == '&' || c.problem == '%' ? 'F' : ' ';
  m.CoverFraction = PartialFraction;
}

// The objective of the installed solution and whether the run proved it optimal.
struct Outcome {
  long double objective = 0;
  long double bound = 0;
  bool proven = false;
};

// The grain of the objective (see solve/Granularity.h): bounds within one grain of
// the solution prove it optimal.
Extended ObjectiveGrain(const ModelState& m, char problem) {
  if (problem == 'C') return DemandGrain(m);
  GrainFinder finder;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j = 1; j <= m.Numbnodes; ++j) finder.Add(m.Node(i).Demand * m.DistanceMatrix.at(i, j) * m.CostPerMile);
  if (problem == 'F')
    for (int j = 1; j <= m.Numbnodes; ++j) finder.Add(m.Node(j).FixedCost);
  return finder.Grain();
}

Outcome Evaluate(const ModelState& m, const Case& c) {
  const bool exact = m.FatalError == 0 && m.SolutionClass == 2;
  const Extended grain = ObjectiveGrain(m, c.problem);
  switch (c.problem) {
    case 'S':
    case '&':
      return {static_cast<long double>(m.NumLocated), static_cast<long double>(m.NumLocated), exact};
    case 'P':
    case '%': {
      const long double radius = static_cast<long double>(m.CoverageDistance) / FixedPointScale;
      return {radius, radius, exact};
    }
    case 'C':
      return {m.RunLowerBound, m.RunUpperBound,
              exact && RoundDownToGrain(m.RunUpperBound, grain) <= m.RunLowerBound + 1e-9L};
    case 'M':
      return {m.MedianUpperTotal, m.MedianLowerTotal,
              exact && RoundUpToGrain(m.MedianLowerTotal, grain) >= m.MedianUpperTotal - 1e-9L};
    default:
      return {m.RunUpperBound, m.RunLowerBound,
              exact && RoundUpToGrain(m.RunLowerBound, grain) >= m.RunUpperBound - 1e-9L};
  }
}

int RunCase(const Family& f, const Case& c, const std::filesystem::path& folder) {
  ModelState m;
  if (!LoadFamily(m, f, folder, f.coverage[c.coverageChoice])) return 1;
  Prepare(m, c);
  HeadlessRunHost host;
  const std::clock_t cpuStart = std::clock();
  const auto wallStart = std::chrono::steady_clock::now();
  SolveModel(m, host);
  const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  const Outcome o = Evaluate(m, c);
  std::printf("%-10s %-7s %12.2Lf %12.2Lf %8d %9d %8.3f %8.3f %s\n", f.name.c_str(), c.name, o.objective, o.bound,
              m.RunBranchNodes, m.RunIterations, cpu, wall, o.proven ? "proven" : "NOT-PROVEN");
  return 0;
}

int WriteLp(const Family& f, const Case& c, const std::filesystem::path& folder, const char* file) {
  ModelState m;
  if (!LoadFamily(m, f, folder, f.coverage[c.coverageChoice])) return 1;
  Prepare(m, c);
  return WriteCaseLp(m, c.problem, c.locate, PartialFraction, file) ? 0 : 1;
}

}  // namespace
}  // namespace korvelan::bench

int main(int argc, char** argv) {
  using namespace korvelan::bench;
  const std::vector<Family> families = Families();
  if (argc >= 2 && std::strcmp(argv[1], "list") == 0) {
    for (const Family& f : families)
      for (const Case& c : kCases) std::printf("%s %s\n", f.name.c_str(), c.name);
    return 0;
  }
  const bool run = argc == 4 && std::strcmp(argv[1], "run") == 0;
  const bool lp = argc == 5 && std::strcmp(argv[1], "lp") == 0;
  const Family* family = argc >= 4 ? FindFamily(families, argv[2]) : nullptr;
  const Case* c = argc >= 4 ? FindCase(argv[3]) : nullptr;
  if (!(run || lp) || !family || !c) {
    std::fprintf(stderr, "usage: %s list | run FAMILY CASE | lp FAMILY CASE FILE\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "korvelan-exact-families";
  std::filesystem::create_directories(folder);
  return run ? RunCase(*family, *c, folder) : WriteLp(*family, *c, folder, argv[4]);
}
