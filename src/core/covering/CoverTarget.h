#pragma once
// The coverage target of the set-covering and p-center searches, and the demand
// transformation of the "number of nodes" target.
#include "model/ModelState.h"

namespace korvelan {

// Sum of Demand over the demand nodes, added in node order (the same order in which
// the covered demand of a solution is added, so that covering every node meets it).
Extended DemandNodeTotal(const ModelState& m);

// Demand that a fraction of the total demand requires: the smallest whole number not
// below total x fraction, but never more than the total itself (a fractional total
// demand could otherwise never be reached).
Extended FractionTarget(Extended total, double fraction);

// The 'N' target: each demand node i weighs 100000 + i for the run, so that the
// covered demand reaches K x 100000 + K(K+1)/2 exactly when at least K nodes are
// covered. Returns that target.
Extended NodeCountTarget(int nodesToCover);

// Sets the target of a run. Full models (partial = false): CoverTypeCode := blank and
// the total demand. Partial models: CoverTypeCode to upper case, then the 'F' or 'N'
// target; for 'N' the demands are saved in SavedDemand and replaced (put them back
// with a DemandRestorer).
Extended FixCoverTarget(ModelState& m, bool partial);

// Puts the demands saved in SavedDemand back when it goes out of scope, for a run
// whose demands were replaced by the 'N' transformation (and only then).
class DemandRestorer {
 public:
  explicit DemandRestorer(ModelState& m) : m_(m), active_(m.CoverTypeCode == 'N') {}
  DemandRestorer(const DemandRestorer&) = delete;
  DemandRestorer& operator=(const DemandRestorer&) = delete;
  ~DemandRestorer() { Restore(); }
  void Restore();

 private:
  ModelState& m_;
  bool active_;
};

}  // namespace korvelan
