#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Types.h"

namespace korvelan {

// One node of the problem: a demand point, a candidate facility site, or both.
// Every field is zero (lists empty, name empty) when a record is created.
struct NodeRecord {
  std::array<int32_t, NodeSlots> AssignVector{};  // inventory Lagrangian: 0/1 assignment row
  std::string NodeName;                           // at most 39 characters
  int32_t NTIMES = 0;     // located facilities within the coverage distance (demand nodes)
  uint8_t Located = 0;    // 1 when a facility is open here
  double XCoord = 0.0;    // longitude in degrees for great-circle data
  double YCoord = 0.0;    // latitude in degrees for great-circle data
  Extended FixedCost = 0;
  Extended Demand = 0;
  Extended LoadedDemand = 0;
  Extended UncoveredGain = 0;
  uint8_t Dominated = 0;
  uint8_t DominanceMark = 0;
  uint8_t SiteStatus = StatusAllowed;  // 0 allowed, 1 required, 255 excluded
  Extended CoverableDemand = 0;
  uint8_t InInitialSolution = 0;
  Extended LagBenefit = 0;
  Extended LagMultiplier = 0;
  Extended LagDirection = 0;
  int32_t LagOpen = 0;
  int32_t LagCount = 0;
  int32_t LagSaved = 0;
  uint16_t AssignedFacility = 0;
  int32_t AssignedDistance = 0;
  uint16_t SecondFacility = 0;
  int32_t SecondDistance = 0;
  Extended AssignedWeightedDistance = 0;
  Extended AssignedDemand = 0;
  uint16_t CoverCount = 0;
  std::vector<uint16_t> CoversList;     // demand nodes this site covers, ascending
  std::vector<uint16_t> CoveredByList;  // sites that cover this demand node, ascending

  // The status read as a signed byte: -1 excluded, 0 allowed, 1 required.
  int SignedStatus() const { return static_cast<int8_t>(SiteStatus); }
};

}  // namespace korvelan
