#pragma once
#include <cstdint>
#include <functional>
#include <random>

namespace baralune {

// The one pseudo-random generator Baralune shares between the card draw, the picture numbers
// and the start-up choice of advertisement.
class RandomGenerator {
 public:
  // Ticks of a clock; any monotonic or wall-clock count with a fine resolution will do.
  using Clock = std::function<std::uint64_t()>;

  RandomGenerator();

  // Next uniform value in [0, 1), single precision. It is a multiple of 2^-24, so it is
  // exactly representable and never rounds up to 1.
  float Next();

  // Mixes the clock's current reading into the generator's state. The previous state takes
  // part, so two reseeds within the same clock tick still lead to different sequences.
  void ReseedFromClock();

  // Replaces the state outright; for tests and benchmarks that want a repeatable sequence.
  void Seed(std::uint64_t seed);

  // Replaces the clock read by ReseedFromClock (tests freeze it); null restores the real one.
  void SetClock(Clock clock);

 private:
  std::mt19937_64 engine_;
  Clock clock_;
};

RandomGenerator& SharedRandom();

}  // namespace baralune
