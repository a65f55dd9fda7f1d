#pragma once
#include <vector>

#include "model/ModelState.h"
#include "reports/BasicResults.h"

namespace korvelan {

// The parameters report of the median genetic algorithm ("Genetic Algorithm
// Parameters"): the settings the run used and what it gave.
struct GeneticParameterReport {
  // Population Size ... Date Selection Rule, then "Target Value Used:" or
  // "Target Value NOT Used:" with the target.
  std::vector<ResultRow> settings;
  // Solution Time (Sec.), Actual # Iterations, Total Distance, Average Distance.
  std::vector<ResultRow> results;
};

GeneticParameterReport BuildGeneticParameterReport(const ModelState& m);

}  // namespace korvelan
