#include "covering/GreedyCover.h"

#include "covering/Coverage.h"
#include "covering/Substitution.h"
#include "solve/Evaluation.h"
#include "solve/TextFormat.h"
#include "tradeoff/CurveStop.h"

namespace korvelan {
namespace {

void Progress(ModelState& m, RunHost& host, const std::string& line) {
  if (m.SolutionClass != 2) host.AddProgressLine(line);
}

// Dominated sites are set aside unless the analyst asked to keep them.
void PrepareDominance(ModelState& m) {
  if (m.CoverStateChanged) ComputeDominance(m);
  const bool exclude = m.Covering.ExcludeDominatedNodes != 0;
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).Dominated = exclude ? m.Node(j).DominanceMark : 0;
}

void PlacePresetSites(ModelState& m, RunHost& host) {
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const NodeRecord& site = m.Node(j);
    if (site.SiteStatus != StatusRequired && !site.InInitialSolution) continue;
    ++m.NumLocated;
    m.Node(j).Located += 1;
    UpdateCoverage(m, host, '+', j);
    m.CostByCount[m.NumLocated] = CoveredDemand(m);
  }
}

// Adds facilities NumLocated..P; returns false when coverage could grow no more
// or the heuristic abort stopped a tradeoff curve.
bool AddFacilities(ModelState& m, RunHost& host, int P) {
  for (; m.NumLocated <= P; ++m.NumLocated) {
    if (CurveStopRequested(m)) return false;
    Progress(m, host, "***** NOW WORKING ON LOCATION " + std::to_string(m.NumLocated) + " *****");
    ComputeUncoveredGain(m);
    const PickedSite pick = PickBestSite(m, host, m.NumLocated);
    if (!pick.found) return false;
    NodeRecord& best = m.Node(pick.site);
    best.Located += 1;
    UpdateCoverage(m, host, '+', pick.site);
    // A site whose whole reach is its own demand cannot be improved by a swap.
    if (m.DoSubstitution && m.NumLocated > 1 && m.ExchangeEveryIteration && best.Demand != best.CoverableDemand)
      Substitute(m, host);
    m.CostByCount[m.NumLocated] = CoveredDemand(m);
    Progress(m, host, CoveredPercentLine(m));
  }
  return true;
}

}  // namespace

std::string CoveredPercentLine(const ModelState& m) {
  const Extended percent = m.TotalDemand > 0 ? 100 * CoveredDemand(m) / m.TotalDemand : 0;
  return FormatNumber(percent, 10, 4) + " PERCENT OF DEMANDS ARE COVERED";
}

PickedSite PickBestSite(ModelState& m, RunHost& host, int count) {
  Extended best = -1;
  int bestSite = 0;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const NodeRecord& site = m.Node(j);
    if (IsCandidateSite(site) && site.UncoveredGain > best) {
      best = site.UncoveredGain;
      bestSite = j;
    }
  }
  if (best > 0) return {bestSite, true};
  Progress(m, host, "*** " + std::to_string(count - 1) + " FACILITES COVER AS MUCH DEMAND AS POSSIBLE ***");
  return {};
}

void GreedyCover(ModelState& m, RunHost& host, int P) {
  PrepareDominance(m);
  ClearSolution(m);
  m.NumLocated = 0;
  PlacePresetSites(m, host);
  ++m.NumLocated;
  const bool grewToP = AddFacilities(m, host, P);
  --m.NumLocated;
  if (grewToP && m.DoSubstitution && (!m.ExchangeEveryIteration || m.NumLocated == m.PresetCount)) {
    Progress(m, host, "<<< Trying Final Exchanges...Please Hang On >>>");
    Substitute(m, host);
  }
  RebuildLocatedListKeepCount(m);
  m.CostByCount[m.NumLocated] = CoveredDemand(m);
  m.TradeoffExists = 1;
  m.SolutionClass = 0;
}

}  // namespace korvelan
