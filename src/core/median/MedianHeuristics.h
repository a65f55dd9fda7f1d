#pragma once
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// P-median heuristics: greedy adding ("myopic"), one-for-one replacement of
// facilities ("exchange") and relocation inside service areas ("neighbourhood").
// Each operation that changes the solution writes the new average distance into
// CostByCount at the facility count it works with, and adds its progress lines
// unless MedianLinesShown is false.

// Progress lines are added unless the solution comes from a Lagrangian or exact
// procedure (SolutionClass 2) or the genetic algorithm runs the operations.
bool MedianLinesShown(const ModelState& m);

// The three lines of a facility that moved from `from` to `to`, saving the given
// weighted distance: "Node from removed", "Node to replaces it" and the decrease
// of the average distance.
void ReportRelocation(ModelState& m, RunHost& host, int from, int to, Extended saving);

// Greedy adding from scratch: the required and initial sites first, then the site
// of largest saving until P facilities are open or no site saves anything (the
// remaining CostByCount entries then hold the current average distance). Ends with
// LocatedList and NumLocated listing the open sites. The abort of a tradeoff
// curve stops the adding before the next facility (CurveStop.h).
void Myopic(ModelState& m, RunHost& host, int P);

// The closed allowed site (SiteStatus 0) whose opening saves the most weighted
// distance, the lowest-numbered of equal savings; 0 when none saves anything.
// While no site is open the best site is taken even at no saving.
int BestAddition(const ModelState& m);

// Open site s as facility number k: demand nodes strictly closer to s move to it.
void AddMedian(ModelState& m, RunHost& host, int k, int s);

// Passes over the first `count` open sites (never beyond the sites actually open),
// replacing each unrequired one by the closed allowed site of largest positive
// saving, until a pass replaces nothing. Returns whether anything was replaced.
// Leaves the second-closest data valid.
bool Exchange(ModelState& m, RunHost& host, int count);

// Replace open site o by closed site s (saving is the decrease of the total
// weighted distance, for the progress lines); every demand node ends on its
// nearest open site, given valid second-closest data.
void ReplaceMedian(ModelState& m, RunHost& host, int o, int s, int count, Extended saving);

}  // namespace korvelan
