#include "covering/Substitution.h"

#include <algorithm>
#include <cmath>

#include "covering/Coverage.h"
#include "solve/TextFormat.h"

namespace korvelan {
namespace {

bool Covers(const NodeRecord& site, uint16_t node) {
  return std::binary_search(site.CoversList.begin(), site.CoversList.end(), node);
}

bool FreeToEnter(const NodeRecord& site) { return site.Located == 0 && IsCandidateSite(site); }

// Decimals of the distance and cost lines: at least two, more for small values.
int ChangeDecimals(Extended value) { return std::max(2, DecimalsFor(10, value)); }

}  // namespace

Extended SoleCoverLoss(const ModelState& m, int site) {
  Extended loss = 0;
  for (uint16_t i : m.Node(site).CoversList)
    if (m.Node(i).NTIMES == 1) loss += m.Node(i).Demand;
  return loss;
}

Extended SwapGain(const ModelState& m, bool lossGiven, int outgoing, int incoming, Extended loss) {
  Extended gain = -(lossGiven ? loss : SoleCoverLoss(m, outgoing));
  const NodeRecord& out = m.Node(outgoing);
  for (uint16_t i : m.Node(incoming).CoversList) {
    const NodeRecord& node = m.Node(i);
    if (node.NTIMES == 0 || (node.NTIMES == 1 && Covers(out, i))) gain += node.Demand;
  }
  return gain;
}

SwapChoice FindBestSwap(const ModelState& m, bool firstImprovement) {
  SwapChoice best;
  for (int position = 1; position <= m.NumLocated; ++position) {
    const int outgoing = m.LocatedList[position];
    if (outgoing == 0 || m.Node(outgoing).SiteStatus == StatusRequired) continue;
    const Extended loss = SoleCoverLoss(m, outgoing);
    for (int incoming = 1; incoming <= m.Numbnodes; ++incoming) {
      const NodeRecord& site = m.Node(incoming);
      if (!FreeToEnter(site) || site.CoverableDemand <= loss) continue;
      const Extended gain = SwapGain(m, true, outgoing, incoming, loss);
      if (gain > best.gain) best = {incoming, outgoing, gain};
    }
    if (firstImprovement && best.gain > MinimumSwapGain) break;
  }
  return best;
}

std::vector<std::string> SwapLines(int outgoing, int incoming, const SwapReport& report) {
  std::vector<std::string> lines;
  lines.push_back("   SUBSTITUTING NODE " + std::to_string(incoming) + " FOR " + std::to_string(outgoing));
  const Extended coverage = report.coverageChange;
  lines.push_back((coverage >= 0 ? "WHICH INCREASES COVERAGE BY " : "WHICH DECREASES COVERAGE BY ") +
                  FormatNumber(std::fabs(coverage), 12, 0));
  if (report.showDistance) {
    const Extended change = report.distanceChange;
    lines.push_back((change > 0 ? "AND DECREASES AVG. DIST. BY " : "AND INCREASES AVG. DIST. BY ") +
                    FormatNumber(std::fabs(change), 16, ChangeDecimals(change)));
  }
  if (report.showCost) {
    const Extended change = report.costChange;
    lines.push_back((change > 0 ? "AND DECREASES TOT. COST BY " : "AND INCREASES TOT. COST BY ") +
                    FormatCurrency(std::fabs(change), 16, ChangeDecimals(change)));
  }
  return lines;
}

void SwapFacilities(ModelState& m, RunHost& host, int outgoing, int incoming, const SwapReport& report) {
  if (m.SolutionClass != 2)
    for (const std::string& line : SwapLines(outgoing, incoming, report)) host.AddProgressLine(line);
  m.Node(outgoing).Located -= 1;
  m.Node(incoming).Located += 1;
  UpdateCoverage(m, host, '-', outgoing);
  UpdateCoverage(m, host, '+', incoming);
  for (int position = 1; position <= m.NumLocated; ++position)
    if (m.LocatedList[position] == outgoing) m.LocatedList[position] = static_cast<uint16_t>(incoming);
  m.ExchangeMade = 1;
}

bool Substitute(ModelState& m, RunHost& host) {
  bool changed = false;
  RebuildLocatedListKeepCount(m);
  for (;;) {
    const SwapChoice swap = FindBestSwap(m, true);
    if (swap.gain <= MinimumSwapGain) break;
    SwapReport report;
    report.coverageChange = swap.gain;
    SwapFacilities(m, host, swap.outgoing, swap.incoming, report);
    changed = true;
  }
  return changed;
}

}  // namespace korvelan
