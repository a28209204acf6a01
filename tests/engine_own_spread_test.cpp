#include <gtest/gtest.h>

#include <string>

#include "catalogue.h"
#include "reading_value.h"
#include "rtf_writer.h"
#include "spread_definition.h"

namespace baralune {
namespace {

// A reader's spread has the report of the four: defined with the 3 Card Spread's own texts it
// gives that spread's report to the byte, in either language, special interpretations included.
// (The Gypsy spread alone gives a card's description first.)
TEST(OwnSpreadTest, ReadsLikeTheFourInEitherLanguage) {
  for (Language language : {Language::English, Language::Spanish}) {
    const std::vector<CardIndex> hand = {29, 27, 30};  // fires two rules
    const Reading known = ComputeReading(0, language, hand);
    const Reading own = ComputeReading(DefinitionOf(0, language), language, hand);
    SCOPED_TRACE(LanguageCode(language));
    ASSERT_TRUE(own.own);
    EXPECT_EQ(own.spread, kOwnSpread);
    EXPECT_TRUE(own.special.Any());
    EXPECT_EQ(richtext::WriteRtf(own.report), richtext::WriteRtf(known.report));
  }
}

TEST(OwnSpreadTest, ReportCarriesTheReadersTextsAndParagraphs) {
  SpreadDefinition spread;
  spread.name = "Año nuevo";
  spread.description = {"First paragraph.", "Second paragraph."};
  spread.positions = {{"Card 1: the year behind.", {600, 720}},
                      {"Card 2: the year ahead.", {2000, 720}}};
  const Reading reading = ComputeReading(spread, Language::Spanish, {0, 39});
  const std::string text = richtext::EncodeUtf8(reading.report.chars);
  EXPECT_NE(text.find("Año nuevo\nFirst paragraph.\nSecond paragraph.\n"), std::string::npos);
  EXPECT_NE(text.find("Posición 2: \nCard 2: the year ahead."), std::string::npos);
  EXPECT_EQ(text.find("Posición 3"), std::string::npos);
}

TEST(OwnSpreadTest, CheckRefusesWhatCannotBeShown) {
  using Kind = SpreadProblem::Kind;
  const SpreadDefinition sound = DefinitionOf(3, Language::English);  // 21 cards, edge to edge
  EXPECT_EQ(CheckSpread(sound), std::nullopt);

  auto problem = [&](auto change) {
    SpreadDefinition spread = sound;
    change(spread);
    return CheckSpread(spread);
  };
  EXPECT_EQ(problem([](auto& s) { s.positions.push_back(s.positions.back()); })->kind,
            Kind::TooManyPositions);
  EXPECT_EQ(problem([](auto& s) { s.positions.clear(); })->kind, Kind::NoPositions);
  EXPECT_EQ(problem([](auto& s) { s.positions[4].place.left += 200; }),
            (SpreadProblem{Kind::Overlap, 5, 6}));
  EXPECT_EQ(problem([](auto& s) { s.positions[20].place.left = 8000; }),
            (SpreadProblem{Kind::Overlap, 20, 21}));
  EXPECT_EQ(problem([](auto& s) { s.positions[20].place.left = kSpreadAreaRight - 1000; }),
            (SpreadProblem{Kind::Outside, 21}));
  EXPECT_EQ(problem([](auto& s) { s.positions[2].place.top = 2147483000; }),
            (SpreadProblem{Kind::Outside, 3}));
  EXPECT_EQ(problem([](auto& s) { s.positions[0].place.left = -1; }),
            (SpreadProblem{Kind::Outside, 1}));
  EXPECT_EQ(problem([](auto& s) { s.name = std::string(100000, 'x'); })->kind, Kind::NameTooLong);
  EXPECT_EQ(problem([](auto& s) { s.name = "  "; })->kind, Kind::NoName);
  for (const char* bad : {"a\x07", "a\nb",
                          "\xE2\x80\xAE"
                          "evil",
                          "\xC3", "\xC0\xAF", "\xED\xA0\x80"}) {
    EXPECT_EQ(problem([&](auto& s) { s.positions[1].text = bad; }),
              (SpreadProblem{Kind::BadText, 2}))
        << bad;
  }
  EXPECT_EQ(problem([](auto& s) { s.description.assign(21, "x"); })->kind, Kind::TooManyParagraphs);
  EXPECT_EQ(problem([](auto& s) {
              s.rowCaptions = {{"PAST", 10000, 720, 735}};
            })->kind,
            Kind::CaptionOutside);
  // 60 characters of two bytes each are within the limit.
  EXPECT_EQ(problem([](auto& s) {
              s.name.clear();
              for (int i = 0; i < 60; ++i) s.name += "ñ";
            }),
            std::nullopt);
}

}  // namespace
}  // namespace baralune
