#pragma once
// The benchmark cases written as mixed-integer programs in LP format, for timing a
// general MIP solver on the same data (bench/exact_families.sh). Only the bench uses it.
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "covering/CoverTarget.h"
#include "model/ModelState.h"

namespace korvelan::bench {

class LpWriter {
 public:
  explicit LpWriter(const char* path) : file_(std::fopen(path, "w")) {}
  ~LpWriter() {
    if (file_) std::fclose(file_);
  }
  bool ok() const { return file_ != nullptr; }
  void Line(const std::string& text) { std::fprintf(file_, "%s\n", text.c_str()); }
  // Terms are written a few per line: LP readers limit the line length.
  void Terms(const std::vector<std::string>& terms) {
    std::string line;
    for (const std::string& t : terms) {
      line += " " + t;
      if (line.size() > 200) {
        Line(line);
        line.clear();
      }
    }
    if (!line.empty()) Line(line);
  }

 private:
  FILE* file_;
};

// Names are printed rather than concatenated (GCC 12 misreads some concatenations at -O3).
inline std::string Var(char kind, int i) {
  char text[32];
  std::snprintf(text, sizeof text, "%c%d", kind, i);
  return text;
}
inline std::string Assign(int i, int j) {
  char text[32];
  std::snprintf(text, sizeof text, "y%d_%d", i, j);
  return text;
}
inline std::string RowName(char kind, int i) { return Var(kind, i) + ":"; }
inline std::string Num(long double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6Lf", v);
  return text;
}

inline bool Covers(const ModelState& m, int i, int j, int64_t distance) {
  return static_cast<int64_t>(m.DistanceMatrix.at(i, j)) * FixedPointScale <= distance;
}

inline std::vector<std::string> CoverTerms(const ModelState& m, int i, int64_t distance) {
  std::vector<std::string> terms;
  for (int j = 1; j <= m.Numbnodes; ++j)
    if (Covers(m, i, j, distance)) terms.push_back(std::string("+ ") + Var('x', j));
  return terms;
}

inline void Binaries(LpWriter& lp, char kind, int count) {
  std::vector<std::string> names;
  for (int j = 1; j <= count; ++j) names.push_back(Var(kind, j));
  lp.Terms(names);
}

// The row "exactly P open sites".
inline void ExactlyP(LpWriter& lp, const ModelState& m, int P) {
  std::vector<std::string> count{"count:"};
  for (int j = 1; j <= m.Numbnodes; ++j) count.push_back(std::string("+ ") + Var('x', j));
  count.push_back("= " + std::to_string(P));
  lp.Terms(count);
}

// Set covering (partial = false) or partial set covering with the run's target.
inline void WriteSetCovering(LpWriter& lp, const ModelState& m, bool partial, double fraction) {
  lp.Line("Minimize");
  std::vector<std::string> objective;
  for (int j = 1; j <= m.Numbnodes; ++j) objective.push_back(std::string("+ ") + Var('x', j));
  lp.Terms(objective);
  lp.Line("Subject To");
  std::vector<std::string> reach;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    if (m.Node(i).Demand <= 0) continue;
    std::vector<std::string> row = CoverTerms(m, i, m.CoverageDistance);
    row.insert(row.begin(), RowName('c', i));
    if (partial) row.push_back(std::string("- ") + Var('z', i));
    row.push_back(partial ? ">= 0" : ">= 1");
    lp.Terms(row);
    reach.push_back(std::string("+ ") + Num(m.Node(i).Demand) + " " + Var('z', i));
  }
  if (partial) {
    reach.insert(reach.begin(), "target:");
    reach.push_back(">= " + Num(FractionTarget(DemandNodeTotal(m), fraction)));
    lp.Terms(reach);
  }
  lp.Line("Binary");
  Binaries(lp, 'x', m.Numbnodes);
  if (partial) Binaries(lp, 'z', m.NumDemandNodes);
  lp.Line("End");
}

inline void WriteMaxCovering(LpWriter& lp, const ModelState& m, int P) {
  lp.Line("Maximize");
  std::vector<std::string> objective;
  for (int i = 1; i <= m.NumDemandNodes; ++i) objective.push_back(std::string("+ ") + Num(m.Node(i).Demand) + " " + Var('z', i));
  lp.Terms(objective);
  lp.Line("Subject To");
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    std::vector<std::string> row = CoverTerms(m, i, m.CoverageDistance);
    row.insert(row.begin(), RowName('c', i));
    row.push_back(std::string("- ") + Var('z', i));
    row.push_back(">= 0");
    lp.Terms(row);
  }
  ExactlyP(lp, m, P);
  lp.Line("Binary");
  Binaries(lp, 'x', m.Numbnodes);
  Binaries(lp, 'z', m.NumDemandNodes);
  lp.Line("End");
}

// P-median (withFixed false) or fixed charge; P < 0 leaves the number free.
inline void WriteAssignment(LpWriter& lp, const ModelState& m, int P, bool withFixed) {
  lp.Line("Minimize");
  std::vector<std::string> objective;
  if (withFixed)
    for (int j = 1; j <= m.Numbnodes; ++j) objective.push_back(std::string("+ ") + Num(m.Node(j).FixedCost) + " " + Var('x', j));
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j = 1; j <= m.Numbnodes; ++j)
      objective.push_back(std::string("+ ") + Num(m.Node(i).Demand * m.DistanceMatrix.at(i, j) * m.CostPerMile) + " " +
                          Assign(i, j));
  lp.Terms(objective);
  lp.Line("Subject To");
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    std::vector<std::string> row{RowName('a', i)};
    for (int j = 1; j <= m.Numbnodes; ++j) row.push_back(std::string("+ ") + Assign(i, j));
    row.push_back("= 1");
    lp.Terms(row);
    for (int j = 1; j <= m.Numbnodes; ++j) lp.Line(Assign(i, j) + " - " + Var('x', j) + " <= 0");
  }
  if (P >= 0) ExactlyP(lp, m, P);
  lp.Line("Binary");
  Binaries(lp, 'x', m.Numbnodes);
  lp.Line("End");
}

// Radius of the farthest-first choice of P sites: at most twice the optimal radius.
inline int FarthestFirstRadius(const ModelState& m, int P) {
  std::vector<int> nearest(m.NumDemandNodes + 1, 1 << 30);
  int site = 1;
  for (int k = 0; k < P; ++k) {
    for (int i = 1; i <= m.NumDemandNodes; ++i) nearest[i] = std::min(nearest[i], m.DistanceMatrix.at(i, site));
    site = static_cast<int>(std::max_element(nearest.begin() + 1, nearest.end()) - nearest.begin());
  }
  return *std::max_element(nearest.begin() + 1, nearest.end());
}

// P-center over the candidate radii between half the farthest-first radius and that
// radius: w_k = 1 when the radius is at most r_k; every node is covered within r_k
// when w_k is 1 (one row per distance at which a node's reach grows).
inline void WritePCenter(LpWriter& lp, const ModelState& m, int P) {
  const int hi = FarthestFirstRadius(m, P);
  const int lo = hi / 2;
  std::set<int> band;
  for (int i = 1; i <= m.NumDemandNodes; ++i)
    for (int j = 1; j <= m.Numbnodes; ++j)
      if (m.DistanceMatrix.at(i, j) >= lo && m.DistanceMatrix.at(i, j) <= hi) band.insert(m.DistanceMatrix.at(i, j));
  const std::vector<int> radii(band.begin(), band.end());
  const int K = static_cast<int>(radii.size());
  lp.Line("Minimize");
  std::vector<std::string> objective{"obj:"};
  for (int k = 0; k + 1 < K; ++k) objective.push_back(std::string("- ") + std::to_string(radii[k + 1] - radii[k]) + " " + Var('w', k + 1));
  lp.Terms(objective);
  lp.Line("Subject To");
  for (int k = 1; k + 1 < K; ++k) lp.Line(Var('w', k) + " - " + Var('w', k + 1) + " <= 0");
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    std::set<int> reachGrows;
    for (int j = 1; j <= m.Numbnodes; ++j) reachGrows.insert(m.DistanceMatrix.at(i, j));
    for (int k = 0; k + 1 < K; ++k) {
      // The row for r_k is needed only where the next radius adds a site to i's reach.
      if (!reachGrows.count(radii[k + 1])) continue;
      std::vector<std::string> row = CoverTerms(m, i, static_cast<int64_t>(radii[k]) * FixedPointScale);
      row.push_back(std::string("- ") + Var('w', k + 1));
      row.push_back(">= 0");
      lp.Terms(row);
    }
    std::vector<std::string> last = CoverTerms(m, i, static_cast<int64_t>(hi) * FixedPointScale);
    last.push_back(">= 1");
    lp.Terms(last);
  }
  ExactlyP(lp, m, P);
  lp.Line("Binary");
  Binaries(lp, 'x', m.Numbnodes);
  Binaries(lp, 'w', K - 1);
  lp.Line("End");
}

// False for a case with no MIP model here (the partial p-center).
inline bool WriteCaseLp(const ModelState& m, char problem, int locate, double fraction, const char* path) {
  if (problem == '%') return false;
  LpWriter lp(path);
  if (!lp.ok()) return false;
  switch (problem) {
    case 'S': WriteSetCovering(lp, m, false, fraction); break;
    case '&': WriteSetCovering(lp, m, true, fraction); break;
    case 'C': WriteMaxCovering(lp, m, locate); break;
    case 'P': WritePCenter(lp, m, locate); break;
    case 'M': WriteAssignment(lp, m, locate, false); break;
    default: WriteAssignment(lp, m, locate, true); break;
  }
  return true;
}

}  // namespace korvelan::bench
