#include "exchange/ExchangeSearch.h"

#include "covering/Substitution.h"
#include "fixed/FixedExchange.h"
#include "median/MedianHeuristics.h"
#include "solve/Evaluation.h"

namespace korvelan {
namespace {

// A distance or cost saving counts as an improvement from this size on.
constexpr Extended MinimumSaving = 0.01L;

// The best pair of the model's own search and whether it improves the model's measure.
struct ModelPair {
  int open = 0;
  int closed = 0;
  Extended value = 0;
  bool improves = false;
};

ModelPair FromSwapPair(const SwapPair& p) {
  return {p.openSite, p.closedSite, p.saving, p.closedSite != 0 && p.saving >= MinimumSaving};
}

ModelPair BestModelPair(ModelState& m, char code, bool restrict) {
  switch (code) {
    case 'C': {
      const SwapChoice c = FindBestSwap(m, false, restrict);
      return {c.outgoing, c.incoming, c.gain, c.incoming != 0 && c.gain > MinimumSwapGain};
    }
    case 'M': return FromSwapPair(BestSwapPair(m, restrict));
    case 'F': return FromSwapPair(fixed_best_swap_pair(m, restrict));
    default: return {};
  }
}

// The pair with all three measures; the searched one as the search found it.
ExchangeProposal ProposalFor(ModelState& m, char code, const ModelPair& pair) {
  ExchangeProposal p = EvaluateExchange(m, pair.open, pair.closed);
  if (code == 'F') p.costSaving = pair.value;
  return p;
}

bool RunModelExchange(ModelState& m, RunHost& host, char code) {
  switch (code) {
    case 'C': return Substitute(m, host);
    case 'M': return Exchange(m, host, m.NumLocated);
    case 'F': return fixed_exchange(m, host);
    default: return false;
  }
}

}  // namespace

bool ExchangeSearchOffered(char problemCode) { return KeepsCostByCount(problemCode); }

SwapPair fixed_best_swap_pair(ModelState& m, bool restrict) {
  return BestSwapPairBy(m, restrict, [&m](int o, int s, Extended distanceSaving) {
    return FixedSwapCostSaving(m, distanceSaving, o, s);
  });
}

std::optional<ExchangeProposal> FindBestExchange(ModelState& m) {
  const char code = m.ReportProblemCode;
  const ModelPair pair = BestModelPair(m, code, false);
  if (!pair.improves) return std::nullopt;
  return ProposalFor(m, code, pair);
}

bool TryAllExchanges(ModelState& m, RunHost& host) {
  const char code = m.ReportProblemCode;
  ListOpenSites(m);
  if (!RunModelExchange(m, host, code)) return false;
  // Swapped covering sites keep their old assignment until it is redone here.
  AssignAllToNearest(m, host);
  m.SecondFacilityValid = 0;
  ListOpenSites(m);
  RecordModelMeasure(m, code);
  m.ExchangeMade = 1;
  return true;
}

bool LimitedExchange(ModelState& m, RunHost& host, int limit) {
  const char code = m.ReportProblemCode;
  ListOpenSites(m);
  for (int j = 1; j <= m.Numbnodes; ++j) m.Node(j).LagOpen = m.Node(j).Located ? 1 : 0;
  int replaced = 0;
  bool changed = false;
  for (;;) {
    const ModelPair pair = BestModelPair(m, code, replaced >= limit);
    if (!pair.improves) break;
    // Each exchange is reported on the model's own measure.
    MakeExchange(m, host, ProposalFor(m, code, pair), {code == 'M', code == 'F'});
    replaced += m.Node(pair.open).LagOpen - m.Node(pair.closed).LagOpen;
    changed = true;
  }
  RecordModelMeasure(m, code);
  return changed;
}

void FinishExchanges(ModelState& m) {
  if (m.ExchangeMade) {
    m.SolutionClass = 1;
    m.DemandWeightedDistance = AssignToNearest(m);
  }
  CountStatuses(m);
}

}  // namespace korvelan
