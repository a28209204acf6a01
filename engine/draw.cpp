#include "draw.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace baralune {

CardIndex CandidateCard(float r) {
  const double product = std::floor(static_cast<double>(kDeckSize) * static_cast<double>(r));
  return static_cast<CardIndex>(std::clamp(product, 0.0, kDeckSize - 1.0));
}

std::vector<CardIndex> DrawHand(int n, RandomGenerator& random) {
  // More positions than cards could never be filled with distinct cards.
  if (n < 0 || n > kDeckSize) throw std::invalid_argument("hand size outside 0..40");
  std::vector<CardIndex> hand(static_cast<std::size_t>(n) + 1, 0);
  for (int e = 0; e < n; ++e) {
    random.ReseedFromClock();
    CardIndex candidate = CandidateCard(random.Next());
    for (int i = 0; i < e;) {
      if (hand[static_cast<std::size_t>(i)] == candidate) {
        candidate = CandidateCard(random.Next());
        i = 0;
      } else {
        ++i;
      }
    }
    hand[static_cast<std::size_t>(e)] = candidate;
  }
  return hand;
}

}  // namespace baralune
