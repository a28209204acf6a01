#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "reading.h"
#include "special_rules.h"

namespace baralune {
namespace {

// Records what a reading does to the display and where pictures go in the report.
class RecordingWindows : public ReadingWindows, SpreadDisplay, ReportPictures {
 public:
  richtext::RichTextBox& ReportBox() override { return box; }
  SpreadDisplay* ObtainSpreadDisplay() override {
    ++obtained;
    return this;
  }
  ReportPictures* CardPictures() override { return this; }

  void PlaceCardPicture(SpreadIndex spread, int position, CardIndex card) override {
    events.push_back("place " + std::to_string(spread) + " " + std::to_string(position) + " " +
                     std::to_string(card) + " at " + std::to_string(box.Length()));
  }
  void BringLayoutToFront(SpreadIndex spread) override {
    events.push_back("front " + std::to_string(spread));
  }
  void InsertCardPicture(richtext::RichTextBox& target, CardIndex card) override {
    EXPECT_EQ(&target, &box);
    EXPECT_EQ(target.SelLength(), 0u);
    EXPECT_EQ(target.SelStart(), target.Length());
    pictures.push_back(card);
    events.push_back("picture " + std::to_string(card));
  }

  richtext::RichTextBox box;
  std::vector<std::string> events;
  std::vector<CardIndex> pictures;
  int obtained = 0;
};

HandDrawer Fixed(std::vector<CardIndex> cards) {
  return [cards](int) {
    auto hand = cards;
    hand.push_back(0);
    return hand;
  };
}

TEST(ReadingTest, DisplayAndPicturesAreFilledPositionByPosition) {
  RecordingWindows windows;
  RunReading(0, windows, Fixed({29, 27, 30}));
  ASSERT_EQ(windows.obtained, 1);
  ASSERT_EQ(windows.events.size(), 3u * 2 + 1 + 4);
  EXPECT_TRUE(windows.events[0].starts_with("place 0 1 29 at "));
  EXPECT_EQ(windows.events[1], "picture 29");
  EXPECT_TRUE(windows.events[2].starts_with("place 0 2 27 at "));
  EXPECT_TRUE(windows.events[4].starts_with("place 0 3 30 at "));
  EXPECT_EQ(windows.events[6], "front 0");
  // Rules 8 then 10, each with its cards in table order.
  EXPECT_EQ(windows.pictures, (std::vector<CardIndex>{29, 27, 30, 30, 27, 29, 27}));
}

TEST(ReadingTest, ASecondReadingReplacesTheFirstCompletely) {
  RecordingWindows windows;
  RunReading(3, windows, Fixed({39, 32, 34, 4,  6,  36, 29, 26, 30, 37, 24,
                                33, 35, 19, 27, 20, 0,  15, 21, 22, 25}));
  EXPECT_TRUE(AnySpecialInterpretation());
  RunReading(0, windows, Fixed({1, 2, 3}));
  EXPECT_FALSE(AnySpecialInterpretation());
  const std::string text = windows.box.Text();
  EXPECT_EQ(text.find("Gypsy"), std::string::npos);
  EXPECT_EQ(text.find("Position 4"), std::string::npos);
  EXPECT_EQ(text.find("Special Interpretation(s)"), std::string::npos);
  EXPECT_EQ(Hand, (std::vector<CardIndex>{1, 2, 3, 0}));
}

TEST(ReadingTest, RandomReadingsDrawDistinctIndependentHands) {
  RecordingWindows windows;
  std::set<std::vector<CardIndex>> hands;
  for (SpreadIndex spread = 0; spread < kSpreadCount; ++spread) {
    for (int i = 0; i < 5; ++i) {
      RunReading(spread, windows);
      ASSERT_EQ(Hand.size(), static_cast<std::size_t>(SpreadOf(spread).cards) + 1);
      EXPECT_EQ(std::set<CardIndex>(Hand.begin(), Hand.end() - 1).size(),
                static_cast<std::size_t>(SpreadOf(spread).cards));
      hands.insert(Hand);
    }
  }
  EXPECT_EQ(hands.size(), 20u);
}

TEST(ReadingTest, TheSpreadIndexIsOnlyRead) {
  RecordingWindows windows;
  const SpreadIndex spread = 2;
  RunReading(spread, windows);
  EXPECT_EQ(spread, 2);
  EXPECT_EQ(CatalogueIn(Language::English).cardName[0], "Ace of Clubs (Ace)");
}

}  // namespace
}  // namespace baralune
