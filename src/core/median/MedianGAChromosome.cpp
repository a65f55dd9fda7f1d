// Chromosomes of the p-median genetic algorithm: the sites a run may use, the
// fitness, the overlap of two site lists and the one-cut crossover.
#include <algorithm>

#include "median/MedianGA.h"

namespace korvelan {

GeneticSites SitesOfRun(const ModelState& m) {
  GeneticSites sites;
  for (int j = 1; j <= m.Numbnodes; ++j) {
    const uint8_t status = m.Node(j).SiteStatus;
    if (status == StatusAllowed) sites.drawable.push_back(static_cast<uint16_t>(j));
    if (status == StatusRequired) sites.required.push_back(static_cast<uint16_t>(j));
  }
  return sites;
}

Extended ChromosomeFitness(const ModelState& m, const MedianChromosome& c, int P) {
  std::array<bool, NodeSlots> member{};
  for (int k = 1; k <= P; ++k) member[c.Sites[k]] = true;
  Extended fitness = 0;
  for (int i = 1; i <= m.NumDemandNodes; ++i) {
    // The nearest member is the first one met along the node's nearest order.
    Extended nearest = 1e28L;
    for (int k = 1; k <= m.Numbnodes; ++k) {
      const int s = m.NearestOrder.at(i, k);
      if (s >= 1 && s <= m.Numbnodes && member[s]) {
        nearest = m.DistanceMatrix.at(i, s);
        break;
      }
    }
    fitness += m.Node(i).Demand * nearest;
  }
  return fitness;
}

bool SameChromosome(const MedianChromosome& a, const MedianChromosome& b, int P) {
  return a.Fitness == b.Fitness && std::equal(a.Sites.begin() + 1, a.Sites.begin() + 1 + P, b.Sites.begin() + 1);
}

int DateCompatibility(const MedianChromosome& a, const MedianChromosome& b, int P) {
  const auto& A = a.Sites;
  const auto& B = b.Sites;
  int i = 0, j = 0, last = 0;
  if (B[1] > A[1]) {
    i = 1;
    last = A[1];
  } else if (B[1] < A[1]) {
    j = 1;
    last = B[1];
  } else {
    i = j = 1;
    last = A[1];
  }
  int overlap = 0;
  while (i < P && j < P) {
    const int f = A[i + 1], g = B[j + 1];
    if (i == j) overlap += std::min(f, g) - last;
    if (f <= g) {
      ++i;
      last = f;
    } else {
      ++j;
      last = g;
    }
  }
  return overlap;
}

std::pair<MedianChromosome, MedianChromosome> CrossoverChildren(const MedianChromosome& A, const MedianChromosome& B,
                                                                int P, int threshold) {
  MedianChromosome c1, c2;
  c1.Sites[1] = A.Sites[1];
  c2.Sites[1] = B.Sites[1];
  int sum = 0;
  bool cut = false;
  for (int k = 2; k <= P; ++k) {
    const int gap = std::min(A.Sites[k], B.Sites[k]) - std::max(A.Sites[k - 1], B.Sites[k - 1]);
    if (gap > 0) sum += gap;
    if (sum >= threshold) cut = true;
    c1.Sites[k] = cut ? B.Sites[k] : A.Sites[k];
    c2.Sites[k] = cut ? A.Sites[k] : B.Sites[k];
  }
  return {c1, c2};
}

}  // namespace korvelan
