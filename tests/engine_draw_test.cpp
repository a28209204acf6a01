#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <set>

#include "draw.h"

namespace baralune {
namespace {

// A clock as coarse as an old system timer: it moves once every `callsPerTick` readings.
RandomGenerator::Clock CoarseClock(int callsPerTick) {
  return [calls = std::uint64_t{0}, callsPerTick]() mutable {
    return 1'000'000 + calls++ / static_cast<std::uint64_t>(callsPerTick);
  };
}

TEST(DrawTest, HandsHoldDistinctCardsAndASpareZeroSlot) {
  RandomGenerator random;
  random.Seed(7);
  for (int n : {3, 9, 7, 21}) {
    for (int round = 0; round < 200; ++round) {
      const auto hand = DrawHand(n, random);
      ASSERT_EQ(hand.size(), static_cast<std::size_t>(n) + 1);
      EXPECT_EQ(hand[static_cast<std::size_t>(n)], 0);
      const std::set<CardIndex> distinct(hand.begin(), hand.end() - 1);
      EXPECT_EQ(distinct.size(), static_cast<std::size_t>(n));
      EXPECT_GE(*distinct.begin(), 0);
      EXPECT_LE(*distinct.rbegin(), kDeckSize - 1);
    }
  }
  EXPECT_THROW(DrawHand(41, random), std::invalid_argument);
}

TEST(DrawTest, CandidatesCoverTheDeckAndNeverReachForty) {
  EXPECT_EQ(CandidateCard(0.0f), 0);
  EXPECT_EQ(CandidateCard(std::nextafter(1.0f, 0.0f)), 39);
  EXPECT_EQ(CandidateCard(0.025f), 1);
  RandomGenerator random;
  random.Seed(11);
  float highest = 0;
  for (int i = 0; i < 2'000'000; ++i) {
    const float r = random.Next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    highest = std::max(highest, r);
  }
  EXPECT_GT(highest, 0.999f);
}

// Per position, every card must turn up about equally often. A reseed that replaced the state
// with a function of a coarse clock, or a candidate off by one, fails this bound.
TEST(DrawTest, EachPositionIsUniformOverTheDeck) {
  constexpr int kHands = 8000;
  constexpr int kPositions = 21;
  RandomGenerator random;
  random.Seed(2024);
  random.SetClock(CoarseClock(500));
  std::array<std::array<int, kDeckSize>, kPositions> counts{};
  for (int h = 0; h < kHands; ++h) {
    const auto hand = DrawHand(kPositions, random);
    for (int p = 0; p < kPositions; ++p) ++counts[p][static_cast<std::size_t>(hand[p])];
  }
  const double expected = static_cast<double>(kHands) / kDeckSize;
  for (int p = 0; p < kPositions; ++p) {
    double chiSquare = 0;
    for (int count : counts[p]) chiSquare += (count - expected) * (count - expected) / expected;
    // 39 degrees of freedom: 95 lies far beyond the 99.99th percentile (about 77).
    EXPECT_LT(chiSquare, 95.0) << "position " << p + 1;
  }
}

TEST(DrawTest, ReadingsWithinOneClockTickAreIndependent) {
  RandomGenerator random;
  random.Seed(5);
  random.SetClock([] { return std::uint64_t{42}; });
  std::set<std::vector<CardIndex>> hands;
  for (int i = 0; i < 50; ++i) hands.insert(DrawHand(21, random));
  EXPECT_EQ(hands.size(), 50u);
}

TEST(DrawTest, SeparateGeneratorsWithTheSameSeedAndClockRepeat) {
  RandomGenerator a, b;
  a.Seed(99);
  b.Seed(99);
  a.SetClock(CoarseClock(1));
  b.SetClock(CoarseClock(1));
  EXPECT_EQ(DrawHand(21, a), DrawHand(21, b));
}

}  // namespace
}  // namespace baralune
