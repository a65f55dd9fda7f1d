#pragma once
// Texts and item numbers shared by the parts of the load-data form.
#include <QString>
#include <cstring>
#include <string>

namespace korvelan::app::loaddata {

// Metric items in the order of the metric choice.
inline constexpr const char* MetricCodes = "EGMN";
// Items of the distance choice.
inline constexpr int ComputeItem = 0;
inline constexpr int ReadItem = 1;

inline constexpr const char* DemandFilter =
    "Euclidean Distance  Data File|*.euc|Great Circle Distance Data File|*.grt|Manhattan Distance Data "
    "File|*.man|Network Distance Data File|*.net|All Files|*.*";
inline constexpr const char* ExtraFilter =
    "Euclidean Distance Extra File|*.euc|Great Circle Distance Extra File|*.grt|Manhattan Distance Extra "
    "File|*.man|Network Distance Extra File|*.net|All Files|*.*";
inline constexpr const char* DistanceFilter =
    "Euclidean Distance File|*.eud|Great Circle Distance File|*.grd|Manhattan Distance File|*.mad|Network "
    "Distance File|*.ned|All Files|*.*";

inline int MetricIndex(char metric) {
  const char* found = metric ? std::strchr(MetricCodes, metric) : nullptr;
  return found ? static_cast<int>(found - MetricCodes) : 0;
}

inline QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace korvelan::app::loaddata
