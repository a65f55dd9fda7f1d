#pragma once
#include <string>
#include <vector>

#include "model/ModelState.h"

namespace korvelan {

// The lines of the exchange form's site list and the sites behind them.

// What the list shows: every node, only the closed sites (the site to add of a
// manual exchange) or only the open sites (the site to drop).
enum class ExchangeListMode { AllSites, ClosedSites, OpenSites };

// One list line: the node number right-aligned in 4, the status word of 8, the
// coordinates in number style (2 decimals) right-aligned in 9, three blanks
// between fields, and the name when withName is set.
std::string SiteLine(const ModelState& m, int node, const std::string& statusWord, bool withName);

// "FORCED  ", "LOCATION", "ALLOWED " or "EXCLUDED" for the list of every node.
std::string StatusWord(const NodeRecord& site);

// The sites the list of a mode shows, in node order.
std::vector<int> ListedSites(const ModelState& m, ExchangeListMode mode);

// The list lines of a mode: every node with its status (names when loaded);
// closed sites as "EXCLUDED"/"ALLOWED " and open sites as "FORCED  "/"LOCATION",
// both always with the name.
std::vector<std::string> ExchangeListLines(const ModelState& m, ExchangeListMode mode);

// The site on line `line` (1-based) of a mode's list; 0 when there is no such line.
int SiteOnLine(const ModelState& m, ExchangeListMode mode, int line);

}  // namespace korvelan
