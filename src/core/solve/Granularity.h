#pragma once
// Objective granularity. When every term of an objective is a whole multiple of some
// g (whole distances, whole demands and fixed costs, a whole cost per mile), every
// solution's value is a multiple of g too: a bound can be rounded to the next
// multiple of g on its side without excluding any solution. With one term that is
// not whole the grain is 0 and nothing is rounded.
#include "model/ModelState.h"

namespace korvelan {

// Accumulates the terms of an objective and gives their grain.
class GrainFinder {
 public:
  void Add(Extended term);
  // The largest g dividing every term added; 0 when some term is not a whole
  // number (or too large to be exact), or no term was nonzero.
  Extended Grain() const { return fractional_ ? 0 : static_cast<Extended>(grain_); }

 private:
  int64_t grain_ = 0;
  bool fractional_ = false;
};

// The grain of covered demand: the grain of the demand nodes' demands.
Extended DemandGrain(const ModelState& m);

// The smallest multiple of grain at or above a lower bound on a minimised objective
// (the bound itself when grain is 0). A bound a hair above a multiple, within the
// rounding of its arithmetic, stays at that multiple.
Extended RoundUpToGrain(Extended lowerBound, Extended grain);
// The largest multiple of grain at or below an upper bound on a maximised objective.
Extended RoundDownToGrain(Extended upperBound, Extended grain);

}  // namespace korvelan
