#include "covering/Substitution.h"

#include <algorithm>
#include <array>
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

// The swap gain of every candidate site, split as SwapGain adds it up: the
// uncovered demand a site reaches (independent of the outgoing facility) plus the
// demand that only the outgoing facility covers and the site reaches too. The
// second part is spread over the sites through each such node's CoveredByList, so
// one outgoing facility costs the length of those lists rather than a scan of
// every site's CoversList.
class SwapGains {
 public:
  explicit SwapGains(const ModelState& m) : m_(m) {
    for (int s = 1; s <= m.Numbnodes; ++s)
      if (FreeToEnter(m.Node(s)))
        for (uint16_t i : m.Node(s).CoversList)
          if (m.Node(i).NTIMES == 0) uncovered_[s] += m.Node(i).Demand;
  }
  // Fills the shared part for an outgoing facility (and clears it with add = false).
  void Share(int outgoing, bool add) {
    for (uint16_t i : m_.Node(outgoing).CoversList) {
      const NodeRecord& node = m_.Node(i);
      if (node.NTIMES != 1) continue;
      for (uint16_t s : node.CoveredByList) shared_[s] = add ? shared_[s] + node.Demand : 0;
    }
  }
  Extended Gain(int incoming, Extended loss) const { return -loss + uncovered_[incoming] + shared_[incoming]; }

 private:
  const ModelState& m_;
  std::array<Extended, NodeSlots> uncovered_{};
  std::array<Extended, NodeSlots> shared_{};
};

SwapChoice FindBestSwap(const ModelState& m, bool firstImprovement, bool restrict) {
  SwapChoice best;
  SwapGains gains(m);
  for (int position = 1; position <= m.NumLocated; ++position) {
    const int outgoing = m.LocatedList[position];
    if (outgoing == 0 || m.Node(outgoing).SiteStatus == StatusRequired) continue;
    const Extended loss = SoleCoverLoss(m, outgoing);
    gains.Share(outgoing, true);
    for (int incoming = 1; incoming <= m.Numbnodes; ++incoming) {
      const NodeRecord& site = m.Node(incoming);
      if (!FreeToEnter(site) || site.CoverableDemand <= loss) continue;
      if (restrict && m.Node(outgoing).LagOpen == 1 && site.LagOpen == 0) continue;
      const Extended gain = gains.Gain(incoming, loss);
      if (gain > best.gain) best = {incoming, outgoing, gain};
    }
    gains.Share(outgoing, false);
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
