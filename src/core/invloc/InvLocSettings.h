#pragma once
#include <array>
#include <cstdint>

#include "model/Types.h"

namespace korvelan {

// The fourteen inputs of the integrated inventory/location model, as the parameter
// form edits them (the edit box of each in brackets). Defaults are the member
// initialisers; ranges are in InvLocModel.h (TolvanParameterTable).
struct TolvanParameters {
  double DemandPerPopulation = 0.000003;  // daily demand per unit of loaded demand (tolvDemPerPopEdit)
  double LeadTime = 5;                    // L, days (LeadTimeEdit)
  double VarianceToMean = 1;              // VM (Var2MeanEdit)
  double ZAlpha = 1.96;                   // z (ZAlphaEdit)
  double HoldingCost = 100;               // h, per unit per year (HoldingCostEdit)
  double OrderCost = 250;                 // F, per order at a DC (FixedCostEdit)
  double TransportWeight = 1;             // theta (TransCostEdit)
  double InventoryWeight = 1;             // beta (InvCostEdit)
  double DeliveryRate = 0.01;             // R, dollars per demand-mile of local delivery (tolvDollarEdit)
  double DaysPerYear = 365;               // Y (DaysPerYearEdit)
  double ShipConstant = 10;               // a0, fixed cost of a shipment to a DC (FixedShipEdit)
  double ShipMileage = 0;                 // a1, its cost per mile from the plant (FixedDistanceEdit)
  double UnitConstant = 5;                // b0, shipping cost per unit of demand (UnitFixedEdit)
  double UnitMileage = 0;                 // b1, its cost per mile from the plant (UnitDistanceEdit)
};

// Data derived from the parameters, the plant cities and the distances
// (ComputeTolvanDerivedData). Indexed by site number 1..Numbnodes.
struct TolvanDerived {
  std::array<Extended, NodeSlots> PlantDistance{};     // p(j): distance from the nearest plant city
  std::array<Extended, NodeSlots> ShipFixedCost{};     // a0 + a1 p(j) (a0 without plant cities)
  std::array<Extended, NodeSlots> ShipUnitCost{};      // b0 + b1 p(j) (b0 without plant cities)
  std::array<Extended, NodeSlots> CycleStockFactor{};  // K(j) = sqrt(Y 2 beta h (F + theta ShipFixedCost(j)))
  Extended SafetyFactor = 0;                           // beta h z
};

// Settings of the integrated inventory/location model: its own Lagrangian settings
// (the others it shares with the fixed-charge family, FixedSettings), its parameters,
// the plant cities, the derived data and the incumbent of the last run.
// Every member carries its default; ResetModel restores a default-constructed record.
struct InvLocSettings {
  // --- Lagrangian settings of this model ---
  int32_t TolvanNoIter = 400;          // iteration limit below the root
  int32_t TolvanRootNodeValue = 1200;  // iteration limit at the root
  int32_t TolvanFailures = 12;         // failures before halving alpha, below the root
  int32_t TolvanRootFail = 36;         // the same at the root
  uint8_t ShowExchangeProgress = 0;    // the swap-search progress window
  uint8_t DoBoundingBox = 1;           // Lagrangian upper bounding (keeps a previous incumbent)

  // --- model inputs ---
  TolvanParameters Parameters;
  // PlantCity[i] = 1 when demand node i is a selected plant city.
  std::array<uint8_t, NodeSlots> PlantCity{};

  // --- derived data and run state ---
  TolvanDerived Derived;
  // AssignedFacility of every demand node in the best solution of the run.
  std::array<uint16_t, NodeSlots> IncumbentAssignment{};
  // The best solution of the last run (its sites and IncumbentAssignment): the starting
  // incumbent of a run that keeps it, evaluated afresh with the current inputs.
  std::array<uint8_t, NodeSlots> KeptLocated{};
  uint8_t KeptSolution = 0;
};

}  // namespace korvelan
