#pragma once
#include <cstdint>

#include "model/Types.h"

namespace korvelan {

// Settings of the p-median genetic algorithm, with their defaults. ResetModel
// restores them except the target value and its switch, which only "Res&Tore
// Defaults" puts back.
struct MedianGASettings {
  int32_t PopSize = 50;           // members of every generation, 20..250
  int32_t InitPopSize = 150;      // random pool the first generation is picked from, PopSize..300
  int32_t Generations = 200;      // at most this many generations, the initial one included
  int32_t GenNoImp = 50;          // stop after this many generations without a better best
  Extended Compatibility = 0.1L;  // a date needs a compatibility above this
  int32_t Dates = 10;             // dates gathered per father, 1..10
  Extended MutationProb = 0.25L;  // chance that a child mutates
  int32_t RandomNoSeed = 9873573; // generator state at the start of a run
  int32_t ImproveNumber = 0;      // members improved by a heuristic in every bred generation
  char ImpType = 'N';             // improvement: 'N' neighbourhood search, 'E' exchange
  char FatherSelection = 'F';     // 'R' rank wheel, 'F' fitness wheel
  char DateSelection = 'F';
  char MotherSelection = 'F';     // kept for the form; no step of the run reads it
  uint8_t GAUseTarget = 0;        // stop as soon as the best fitness reaches TargetEdit
  Extended TargetEdit = 0;
};

// What the last run leaves for the parameters report.
struct MedianGARunRecord {
  int32_t GAGeneration = 0;  // generations of the run, the initial one counted
  double GAStartTime = 0;    // clock readings at the start and the end of the run
  double GAEndTime = 0;
};

// Leaving the population size pulls the settings that depend on it along:
// InitPopSize at least PopSize, Dates at most PopSize / 5, ImproveNumber at most PopSize.
inline void FollowPopulationSize(MedianGASettings& s) {
  if (s.InitPopSize < s.PopSize) s.InitPopSize = s.PopSize;
  if (s.PopSize / 5 < s.Dates) s.Dates = s.PopSize / 5;
  if (s.PopSize < s.ImproveNumber) s.ImproveNumber = s.PopSize;
}

}  // namespace korvelan
