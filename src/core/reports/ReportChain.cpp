#include "reports/ReportChain.h"

#include <string>
#include <vector>

#include "reports/NodeReports.h"

namespace korvelan {
namespace {

bool IsGeneticMedian(const ModelState& m) { return m.ReportProblemCode == 'M' && m.MedianAlgorithm == 'T'; }

// Every page the current solution shows, in "Next &Report" order.
std::vector<ReportPage> Chain(const ModelState& m) {
  std::vector<ReportPage> pages = {ReportPage::BasicResults};
  if (IsGeneticMedian(m)) pages.push_back(ReportPage::GeneticParameters);
  if (m.ReportProblemCode == 'V')
    pages.insert(pages.end(),
                 {ReportPage::InvLocCostSummary, ReportPage::InvLocParameters, ReportPage::InvLocOrderFrequency});
  pages.insert(pages.end(), {ReportPage::LocationSummary, ReportPage::ExtendedSummary, ReportPage::ForcedNodes});
  if (TradeoffTableAvailable(m)) pages.push_back(ReportPage::TradeoffTable);
  pages.insert(pages.end(), {ReportPage::UncoveredDemands, ReportPage::AssignedDemands, ReportPage::DemandAreaCoverage,
                             ReportPage::CoverageSummary, ReportPage::DominatedNodes, ReportPage::CoverLists,
                             ReportPage::Utilization, ReportPage::Assignment, ReportPage::FixedCost});
  if (NodeToFacilityAvailable(m)) pages.push_back(ReportPage::NodeToFacility);
  return pages;
}

// Position of a page in the chain; a page the chain skips counts from the page before it.
size_t PositionOf(const std::vector<ReportPage>& pages, ReportPage page) {
  size_t best = 0;
  for (size_t k = 0; k < pages.size(); ++k)
    if (static_cast<int>(pages[k]) <= static_cast<int>(page)) best = k;
  return best;
}

}  // namespace

bool TradeoffTableAvailable(const ModelState& m) {
  const char code = m.ReportProblemCode;
  return (code == 'C' || code == 'D' || code == 'F' || code == 'M') && m.TradeoffExists && m.NumLocated > 0;
}

std::string TradeoffUnavailableMessage(const ModelState& m) {
  if (TradeoffTableAvailable(m)) return {};
  const char code = m.ReportProblemCode;
  std::string text = "Tradeoff Curve does not exist... Sorry... ";
  if (code != 'C' && code != 'F' && code != 'M') text += "\nWrong Objective Function... Sorry... ";
  if (!m.TradeoffExists) text += "\nNo Tradeoff Curve Computed... Sorry... ";
  if (m.NumLocated == 0) text += "\nNo Facilities Located... Sorry... ";
  return text;
}

ReportPage NextReport(const ModelState& m, ReportPage page) {
  const std::vector<ReportPage> pages = Chain(m);
  const size_t at = PositionOf(pages, page);
  return pages[(at + 1) % pages.size()];
}

ReportPage PreviousReport(const ModelState& m, ReportPage page) {
  const std::vector<ReportPage> pages = Chain(m);
  const size_t at = PositionOf(pages, page);
  return pages[(at + pages.size() - 1) % pages.size()];
}

}  // namespace korvelan
