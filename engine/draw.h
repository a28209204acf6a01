#pragma once
#include <vector>

#include "random.h"
#include "types.h"

namespace baralune {

// A candidate card from one uniform value: floor(40 * r), 0..39.
CardIndex CandidateCard(float r);

// Draws n distinct cards into slots 0..n-1 of a hand of n + 1 slots; slot n stays 0.
// The generator is reseeded from the clock once before each position; a repeated candidate
// is redrawn without reseeding and checked again from slot 0.
std::vector<CardIndex> DrawHand(int n, RandomGenerator& random = SharedRandom());

}  // namespace baralune
