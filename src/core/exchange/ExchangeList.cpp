#include "exchange/ExchangeList.h"

#include "solve/TextFormat.h"

namespace korvelan {
namespace {

constexpr const char* Gap = "   ";

std::string Coordinate(double value) { return PadLeft(FormatNumber(value, 9, 2), 9); }

bool Listed(const NodeRecord& site, ExchangeListMode mode) {
  switch (mode) {
    case ExchangeListMode::ClosedSites: return !site.Located;
    case ExchangeListMode::OpenSites: return site.Located;
    case ExchangeListMode::AllSites: break;
  }
  return true;
}

std::string ModeStatusWord(const NodeRecord& site, ExchangeListMode mode) {
  switch (mode) {
    case ExchangeListMode::ClosedSites: return site.SiteStatus != StatusAllowed ? "EXCLUDED" : "ALLOWED ";
    case ExchangeListMode::OpenSites: return site.SiteStatus != StatusAllowed ? "FORCED  " : "LOCATION";
    case ExchangeListMode::AllSites: break;
  }
  return StatusWord(site);
}

}  // namespace

std::string SiteLine(const ModelState& m, int node, const std::string& statusWord, bool withName) {
  const NodeRecord& site = m.Node(node);
  std::string line = IntRight(node, 4) + Gap + statusWord + Gap + Coordinate(site.XCoord) + Gap + Coordinate(site.YCoord);
  if (withName) line += Gap + site.NodeName;
  return line;
}

std::string StatusWord(const NodeRecord& site) {
  if (site.SiteStatus == StatusRequired) return "FORCED  ";
  if (site.SiteStatus == StatusExcluded) return "EXCLUDED";
  return site.Located ? "LOCATION" : "ALLOWED ";
}

std::vector<int> ListedSites(const ModelState& m, ExchangeListMode mode) {
  std::vector<int> sites;
  for (int n = 1; n <= m.Numbnodes; ++n)
    if (Listed(m.Node(n), mode)) sites.push_back(n);
  return sites;
}

std::vector<std::string> ExchangeListLines(const ModelState& m, ExchangeListMode mode) {
  const bool withName = mode != ExchangeListMode::AllSites || m.NamesPresent;
  std::vector<std::string> lines;
  for (int n : ListedSites(m, mode)) lines.push_back(SiteLine(m, n, ModeStatusWord(m.Node(n), mode), withName));
  return lines;
}

int SiteOnLine(const ModelState& m, ExchangeListMode mode, int line) {
  const std::vector<int> sites = ListedSites(m, mode);
  return line >= 1 && line <= static_cast<int>(sites.size()) ? sites[line - 1] : 0;
}

}  // namespace korvelan
