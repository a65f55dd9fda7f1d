#pragma once
#include <optional>

#include "exchange/ExchangeMoves.h"
#include "median/MedianServices.h"
#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// The exchanges the system finds for the maximum covering ('C'), p-median ('M')
// and fixed-charge ('F') models, judged by the measure of the model last solved
// (ReportProblemCode).

// True for the models whose exchanges the system can search.
bool ExchangeSearchOffered(char problemCode);

// The (open o, closed s) pair with the largest total-cost saving over every open
// site that is not required and every closed site that is not excluded (o
// ascending, then s; the first of equal pairs wins). The search starts from -10,
// so a pair that worsens the cost by less than 10 is still returned. With
// restrict set, a pair whose o has LagOpen = 1 while s has LagOpen = 0 is
// skipped. closedSite = openSite = 0 when no pair qualifies.
SwapPair fixed_best_swap_pair(ModelState& m, bool restrict);

// The best exchange for the last model, with its three measures, when it improves
// the solution: covered demand by more than 0.01 ('C'), weighted distance ('M') or
// total cost ('F') by at least 0.01.
std::optional<ExchangeProposal> FindBestExchange(ModelState& m);

// Every improving exchange, one after another, until none is left (substitution
// for 'C', the median exchange for 'M', the fixed-charge exchange for 'F').
// Returns whether the solution changed; every demand node then is at its nearest
// open site.
bool TryAllExchanges(ModelState& m, RunHost& host);

// Improving exchanges while at most `limit` sites of the starting solution are
// replaced net: the starting sites are marked in LagOpen; once `limit` of them
// are gone, only exchanges that replace no further starting site are made.
// Returns whether the solution changed.
bool LimitedExchange(ModelState& m, RunHost& host, int limit);

// Closing the form: a changed solution becomes a hand-made one (SolutionClass 1)
// with its weighted distance stored; the status counts are brought up to date.
void FinishExchanges(ModelState& m);

}  // namespace korvelan
