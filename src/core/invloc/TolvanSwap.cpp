// The swap search at the end of a tree node: one open site replaced by a closed one,
// every node greedily reassigned, applied while it lowers the node's upper bound.
#include <algorithm>
#include <cmath>

#include "invloc/TolvanSolver.h"

namespace korvelan {
namespace {

// A candidate c for replacing the open site r.
bool IsCandidate(const ModelState& m, const TolvanSolution& s, int r, int c, bool neighbourhood) {
  if (c == r || m.Node(c).Located || !IsFreeSite(m, c)) return false;
  // The neighbourhood of r: the demand nodes it serves.
  return !neighbourhood || (c <= m.NumDemandNodes && s.assign[c] == r);
}

int Percent(int done, int all) { return all > 0 ? done * 100 / all : 100; }

int FreeLocatedCount(const ModelState& m) {
  int count = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) count += m.Node(j).Located && IsFreeSite(m, j);
  return count;
}

// The cheapest replacement of r, or a solution of value LagInfinity when r has none.
TolvanSolution BestReplacement(const ModelState& m, RunHost& host, const TolvanSearch& search, int r, int target,
                               bool neighbourhood, bool showProgress) {
  const TolvanSolution& current = search.nodeSolution;
  TolvanSolution best;
  best.value = LagInfinity;
  int candidates = 0;
  for (int c = 1; c <= m.Numbnodes; ++c) candidates += IsCandidate(m, current, r, c, neighbourhood);
  int tried = 0;
  for (int c = 1; c <= m.Numbnodes; ++c) {
    if (!IsCandidate(m, current, r, c, neighbourhood)) continue;
    TolvanSolution trial = TolvanSwapEvaluation(m, search, current, r, c, target);
    if (trial.value < best.value) best = std::move(trial);
    if (showProgress) host.SetSwapProgress(-1, Percent(++tried, candidates), "");
  }
  return best;
}

// One pass over the open free sites; true when a swap was applied.
bool SwapPass(ModelState& m, RunHost& host, TolvanSearch& search, int target, bool neighbourhood) {
  const bool showProgress = m.InvLoc.ShowExchangeProgress != 0;
  const int sites = FreeLocatedCount(m);
  int done = 0;
  bool applied = false;
  for (int r = 1; r <= m.Numbnodes; ++r) {
    if (!m.Node(r).Located || !IsFreeSite(m, r)) continue;
    const TolvanSolution best = BestReplacement(m, host, search, r, target, neighbourhood, showProgress);
    const Extended upper = search.NodeUpperBound;
    const bool found = best.value < upper && upper - best.value > 1e-12L * std::fabs(upper);
    if (found) {
      InstallTolvanSolution(m, search, best);
      applied = true;
    }
    if (showProgress) {
      host.SetSwapProgress(Percent(++done, sites), 100, found ? "FOUND SWAP" : "DID NOT FIND SWAP");
      host.Delay(0, 200);
    }
  }
  return applied;
}

}  // namespace

TolvanSolution TolvanSwapEvaluation(const ModelState& m, const TolvanSearch& search, const TolvanSolution& s,
                                    int r, int c, int target) {
  TolvanSolution trial;
  trial.open = s.open;
  std::replace(trial.open.begin(), trial.open.end(), r, c);
  std::sort(trial.open.begin(), trial.open.end());
  TolvanAssignGreedily(m, search, trial, false);
  TolvanCloseUnusedSites(m, trial, target);
  TolvanEvaluate(m, search, trial);
  return trial;
}

void TolvanSwapSearch(ModelState& m, RunHost& host, TolvanSearch& search, int target, bool neighbourhood) {
  if (!search.nodeHasSolution) return;
  const bool showProgress = m.InvLoc.ShowExchangeProgress != 0;
  if (showProgress) host.ShowSwapProgress(true);
  while (!m.AbortRequested && SwapPass(m, host, search, target, neighbourhood)) {
    TolvanSolution s = search.nodeSolution;
    TolvanAssignmentSearch(m, search, s, target);
    InstallTolvanSolution(m, search, s);
  }
  if (showProgress) host.ShowSwapProgress(false);
}

}  // namespace korvelan
