#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "catalogue.h"
#include "catalogue_texts.h"

namespace baralune {
namespace {

// Code points of a UTF-8 text.
std::size_t Characters(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
  return count;
}

struct Opening {
  std::string_view start;
  std::size_t length;
};

constexpr Opening kCardOpenings[kDeckSize] = {
    {"The card says that you should take all possible", 308},
    {"All your plans and aspirations will revolve around your", 309},
    {"Some magical incidents can leave you awe-struck. Indications are", 293},
    {"The card says that you must be prepared to", 325},
    {"The sign signifies an unfortunate phase when you will", 293},
    {"There will be changes in your immediate surroundings. Do", 304},
    {"The seven of Bastos signify that you can enjoy", 298},
    {"The sign indicates that you may come across an", 355},
    {"This sign points toward a dark-haired man with complexion", 391},
    {"This is a mysterious sign that points towards somebody", 263},
    {"The sign indicates a celebration time for you. You", 305},
    {"The card says that at present the going can", 299},
    {"Are you feeling tired of the daily chores and", 318},
    {"The card says that you will receive some gift", 254},
    {"The five of Oros indicates that you should pay", 304},
    {"This can be a confusing period for you. Insignificant", 321},
    {"This is one of the most favorable cards of", 300},
    {"You can meet a rich and influential woman who", 307},
    {"You can meet a rich and influential man who", 308},
    {"Be prepared to welcome a guest from a far-off", 277},
    {"This playing card indicates that something or someone from", 281},
    {"This card signifies that you will be blessed by", 304},
    {"This is an auspicious sign that says that it", 282},
    {"If you are blessed with the gift of the", 321},
    {"This can be a tricky period when lots of", 291},
    {"You are surely to be struck by cupid's arrow.", 297},
    {"Have you been experiencing setbacks in your life lately?", 298},
    {"A woman with light complexion and dark hair is", 328},
    {"The card points toward a lightly complexioned man with", 252},
    {"This sign points to a highly whimsical and moody", 331},
    {"This is a good time for court cases and", 282},
    {"This playing card signifies that your mind will be", 307},
    {"This can be a difficult phase in your life.", 256},
    {"Have you been neglecting your health for some time", 280},
    {"Be alert to guard against some harm caused by", 299},
    {"This is not a favorable time for you. You", 295},
    {"The playing card indicates that you may experience a", 305},
    {"The sign indicates that you may come across an", 332},
    {"This sign points toward a dark-haired man, a brother", 322},
    {"The card says that instead of scattering around, your", 313},
};

constexpr Opening kSpreadOpenings[kSpreadCount] = {
    {"The 3 cards spread is such a type of spread", 296},
    {"The 9cards spread is such a type of spread which", 268},
    {"This particular spread is one of the best spreads to", 218},
    {"This spread is being practiced by people for more than", 554},
};

// The English edition's tables, under the names the report gives them.
const Catalogue& English() {
  return CatalogueIn(Language::English);
}
const auto& CardName = English().cardName;
const auto& CardKeywords = English().cardKeywords;
const auto& CardTimePeriod = English().cardTimePeriod;
const auto& CardDescription = English().cardDescription;
const auto& SpreadDescription = English().spreadDescription;
const auto& ThreeCardPositions = English().positions[0];
const auto& NineCardPositions = English().positions[1];
const auto& HorseshoePositions = English().positions[2];
const auto& RomanyPositions = English().positions[3];

class CatalogueTest : public ::testing::Test {};

TEST_F(CatalogueTest, DescriptionsHaveTheirOpeningsAndLengths) {
  for (int k = 0; k < kDeckSize; ++k) {
    SCOPED_TRACE("card " + std::to_string(k));
    const std::string& text = CardDescription[k];
    EXPECT_TRUE(text.starts_with(kCardOpenings[k].start));
    EXPECT_EQ(Characters(text), kCardOpenings[k].length);
    // Only card 25 (and the Ace of Diamonds' name) may leave ASCII, and only for an e-acute.
    const bool ascii = Characters(text) == text.size();
    EXPECT_EQ(ascii, k != 25);
  }
  EXPECT_NE(CardDescription[25].find("\xC3\xA9"), std::string::npos);
  for (int s = 0; s < kSpreadCount; ++s) {
    SCOPED_TRACE("spread " + std::to_string(s));
    EXPECT_TRUE(SpreadDescription[s].starts_with(kSpreadOpenings[s].start));
    EXPECT_EQ(Characters(SpreadDescription[s]), kSpreadOpenings[s].length);
  }
}

TEST_F(CatalogueTest, GypsyDescriptionIsAParagraphThenOneLineBreakThenItsClosingSentence) {
  const std::string& text = SpreadDescription[3];
  const auto breakAt = text.find("\r\n");
  ASSERT_EQ(breakAt, 479u);
  EXPECT_EQ(text.find('\r', breakAt + 1), std::string::npos);
  EXPECT_EQ(text.find('\n', breakAt + 2), std::string::npos);
  EXPECT_EQ(text.substr(breakAt + 2),
            "In order to generate a reading, the cards need to be placed side by side.");
  for (int s = 0; s < 3; ++s)
    EXPECT_EQ(SpreadDescription[s].find_first_of("\r\n"), std::string::npos);
}

TEST_F(CatalogueTest, NamesKeepTheirQuirks) {
  EXPECT_EQ(CardName[3], "Four of Clubs  (Cuatro)");
  EXPECT_EQ(CardName[4], "Five of Clubs  (Cinco)");
  EXPECT_EQ(CardName[10], "Ace of Diamonds (As/El Or\xC3\xA9)");
  EXPECT_EQ(CardName[30], "Ace of Spades");
  EXPECT_EQ(CardKeywords[32], CardKeywords[35]);
  int doubleSpaced = 0;
  for (int k = 0; k < kDeckSize; ++k) doubleSpaced += CardName[k].find("  ") != std::string::npos;
  EXPECT_EQ(doubleSpaced, 2);
}

TEST_F(CatalogueTest, TimePeriodFollowsSuitAndSpanishRankNumbering) {
  const char* seasons[] = {"the spring season.", "fall.", "the summer season.",
                           "the winter season."};
  const char* weeks[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "10th", "12th", "11th"};
  for (int k = 0; k < kDeckSize; ++k) {
    EXPECT_EQ(CardTimePeriod[k], std::string(weeks[k % 10]) + " week of " + seasons[k / 10])
        << "card " << k;
  }
}

TEST_F(CatalogueTest, SpareSlotsStayEmptyAndOutOfRangeIsRefused) {
  EXPECT_EQ(CardName[40], "");
  EXPECT_EQ(CardKeywords[40], "");
  EXPECT_EQ(CardTimePeriod[40], "");
  EXPECT_EQ(CardDescription[40], "");
  EXPECT_THROW(CardName[41], std::out_of_range);
  EXPECT_THROW(CardDescription[-1], std::out_of_range);
  EXPECT_EQ(ThreeCardPositions[3], "");
  EXPECT_EQ(NineCardPositions[9], "");
  EXPECT_EQ(HorseshoePositions[7], "");
  EXPECT_EQ(RomanyPositions[21], "");
  EXPECT_THROW(RomanyPositions[22], std::out_of_range);
}

TEST_F(CatalogueTest, PositionMeaningsAreNumberedFromOne) {
  EXPECT_EQ(PositionMeaning(0, 3, Language::English),
            "Card 3 indicates the final outcome or result.");
  EXPECT_EQ(PositionMeaning(2, 5, Language::English),
            "Card 5  tells you about the different hindrances or obstacles which you have to "
            "overcome.");
  EXPECT_EQ(PositionMeaning(3, 7, Language::English), "Card 7: represent the past.");
  EXPECT_EQ(PositionMeaning(3, 8, Language::English), "Card 8: represent the present.");
  EXPECT_EQ(PositionMeaning(3, 14, Language::English), "Card 14: represent the present.");
  EXPECT_EQ(PositionMeaning(3, 15, Language::English), "Card 15: reflects the future.");
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    for (int p = 1; p <= SpreadOf(s).cards; ++p) {
      EXPECT_TRUE(
          PositionMeaning(s, p, Language::English).starts_with("Card " + std::to_string(p)));
    }
  }
}

TEST_F(CatalogueTest, EachLanguageIsBuiltOnceAndKeptApart) {
  EXPECT_EQ(&CatalogueIn(Language::English), &English());
  EXPECT_NE(&CatalogueIn(Language::Spanish), &English());
  EXPECT_EQ(CatalogueIn(Language::Spanish).cardName[17], "Sota de Oros");
  EXPECT_EQ(CardName[17], "Ten of Diamonds (Sota)");
  EXPECT_EQ(CardName[40], "");
}

TEST(SpreadTest, CardCountsFallBackToTwentyOne) {
  EXPECT_EQ(SpreadOf(0).cards, 3);
  EXPECT_EQ(SpreadOf(1).cards, 9);
  EXPECT_EQ(SpreadOf(2).cards, 7);
  EXPECT_EQ(SpreadOf(3).cards, 21);
  EXPECT_EQ(SpreadOf(4).cards, 21);
  EXPECT_EQ(SpreadOf(-1).cards, 21);
}

}  // namespace
}  // namespace baralune
