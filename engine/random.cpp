#include "random.h"

#include <chrono>

namespace baralune {

namespace {

std::uint64_t SystemTicks() {
  return static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// SplitMix64 finaliser: spreads every input bit over the whole word.
std::uint64_t Mix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

}  // namespace

RandomGenerator::RandomGenerator() : engine_(Mix(SystemTicks())), clock_(SystemTicks) {}

float RandomGenerator::Next() {
  constexpr float kScale = 1.0f / 16777216.0f;  // 2^-24
  return static_cast<float>(engine_() >> 40) * kScale;
}

void RandomGenerator::ReseedFromClock() {
  engine_.seed(Mix(engine_() ^ Mix(clock_())));
}

void RandomGenerator::Seed(std::uint64_t seed) {
  engine_.seed(seed);
}

void RandomGenerator::SetClock(Clock clock) {
  clock_ = clock ? std::move(clock) : SystemTicks;
}

RandomGenerator& SharedRandom() {
  static RandomGenerator generator;
  return generator;
}

}  // namespace baralune
