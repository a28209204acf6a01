// Readings computed on two threads at once are the readings computed alone: the engine keeps
// nothing of a reading outside its value. Run under ThreadSanitizer by `make test`.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "reading_value.h"
#include "rtf_writer.h"

namespace baralune {
namespace {

constexpr int kReadings = 1000;

// What a reading gives, in comparable form.
struct Outcome {
  std::vector<CardIndex> hand;
  SpecialFindings special;
  std::string rtf;
  bool operator==(const Outcome&) const = default;
};

// kReadings readings of `spread` in `language`, each from a generator seeded with its number
// and a frozen clock, so that a run is repeatable.
std::vector<Outcome> Readings(SpreadIndex spread, Language language) {
  std::vector<Outcome> outcomes;
  outcomes.reserve(kReadings);
  RandomGenerator random;
  random.SetClock([] { return std::uint64_t{20261208}; });
  for (int i = 0; i < kReadings; ++i) {
    random.Seed(static_cast<std::uint64_t>(i));
    Reading reading = ComputeReading(spread, language, random);
    EXPECT_EQ(reading.spread, spread);
    EXPECT_EQ(reading.language, language);
    outcomes.push_back(
        {std::move(reading.hand), std::move(reading.special), richtext::WriteRtf(reading.report)});
  }
  return outcomes;
}

TEST(ReadingThreadsTest, TwoLanguagesAndSpreadsAtOnceGiveTheReadingsComputedAlone) {
  const std::vector<Outcome> gypsyAlone = Readings(3, Language::English);
  const std::vector<Outcome> horseshoeAlone = Readings(2, Language::Spanish);

  std::vector<Outcome> gypsy, horseshoe;
  std::thread english([&] { gypsy = Readings(3, Language::English); });
  std::thread spanish([&] { horseshoe = Readings(2, Language::Spanish); });
  english.join();
  spanish.join();

  ASSERT_EQ(gypsy.size(), static_cast<std::size_t>(kReadings));
  ASSERT_EQ(horseshoe.size(), static_cast<std::size_t>(kReadings));
  for (int i = 0; i < kReadings; ++i) {
    const auto at = static_cast<std::size_t>(i);
    ASSERT_TRUE(gypsy[at] == gypsyAlone[at]) << "English Gypsy reading " << i;
    ASSERT_TRUE(horseshoe[at] == horseshoeAlone[at]) << "Spanish Horseshoe reading " << i;
  }
  // The seeds give different hands, and the languages stay apart.
  EXPECT_NE(gypsy[0].hand, gypsy[1].hand);
  EXPECT_NE(gypsy[0].rtf.find("Spread Name: "), std::string::npos);
  EXPECT_NE(horseshoe[0].rtf.find("Nombre de la tirada: "), std::string::npos);
}

// The value holds what the report shows: the same cards, and the special interpretations the
// hand earns in the reading's language.
TEST(ReadingThreadsTest, TheValueCarriesItsHandInterpretationsAndReport) {
  const Reading reading = ComputeReading(0, Language::Spanish, {29, 27, 30});
  EXPECT_EQ(reading.hand, (std::vector<CardIndex>{29, 27, 30}));
  EXPECT_TRUE(reading.special.interpretations[0].empty());
  EXPECT_FALSE(reading.special.interpretations[7].empty());
  EXPECT_EQ(reading.special.cards[9], (std::vector<CardIndex>{29, 27}));
  const std::string rtf = richtext::WriteRtf(reading.report);
  EXPECT_NE(rtf.find("\\deflang3082"), std::string::npos);
  EXPECT_NE(rtf.find("Interpretaciones especiales"), std::string::npos);
}

}  // namespace
}  // namespace baralune
