#include <gtest/gtest.h>

#include <set>

#include "reading.h"
#include "special_rules.h"

namespace baralune {
namespace {

// A hand as the draw leaves it: the drawn cards, then the spare slot.
std::vector<CardIndex> HandOf(std::vector<CardIndex> cards) {
  cards.push_back(0);
  return cards;
}

std::vector<int> FiredRules() {
  std::vector<int> fired;
  for (int k = 0; k < kSpecialRuleCount; ++k) {
    if (!SpecialInterpretations[static_cast<std::size_t>(k)].empty()) fired.push_back(k + 1);
  }
  return fired;
}

std::vector<int> Evaluate(std::vector<CardIndex> cards) {
  ClearSpecialInterpretations();
  EvaluateSpecialRules(HandOf(std::move(cards)));
  return FiredRules();
}

TEST(SpecialRulesTest, TableNamesOnlyRealDistinctCards) {
  for (const SpecialRule& rule : SpecialRules()) {
    const std::set<CardIndex> distinct(rule.cards.begin(), rule.cards.end());
    EXPECT_EQ(distinct.size(), rule.cards.size()) << "rule " << rule.number;
    EXPECT_TRUE(rule.cards.size() == 2 || rule.cards.size() == 4 || rule.cards.size() == 5)
        << "rule " << rule.number << " names " << rule.cards.size() << " cards";
    for (CardIndex c : rule.cards) {
      EXPECT_GE(c, 0) << "rule " << rule.number;
      EXPECT_LT(c, kDeckSize) << "rule " << rule.number;
    }
  }
  EXPECT_EQ(SpecialRules()[6].sentence,
            "Knight of Diamond and 7 of Spade denotes worries for a single man.");
}

TEST(SpecialRulesTest, ThreeCardHandsFireTheSmallRules) {
  EXPECT_EQ(Evaluate({29, 27, 3}), std::vector<int>{10});
  EXPECT_EQ(Evaluate({29, 27, 30}), (std::vector<int>{8, 10}));
  EXPECT_EQ(SpecialCards[7], (std::vector<CardIndex>{30, 27}));
  EXPECT_EQ(SpecialCards[9], (std::vector<CardIndex>{29, 27}));
  EXPECT_EQ(SpecialInterpretations[7],
            "Ace of Spades and 10 of Hearts denotes very soon your sadness will fade away.");
}

TEST(SpecialRulesTest, HeartsHandFiresBothHeartRulesAndTheKnightRule) {
  EXPECT_EQ(Evaluate({20, 21, 22, 25, 27, 1, 2}), (std::vector<int>{2, 6}));
  EXPECT_EQ(Evaluate({20, 21, 22, 25, 27, 29, 2}), (std::vector<int>{2, 6, 10}));
}

TEST(SpecialRulesTest, FirstAndLastPositionsCountAndTheSpareSlotDoesNot) {
  EXPECT_EQ(Evaluate({20, 5, 6, 7, 8, 9, 0}), std::vector<int>{9});
  // Ace of Clubs is card 0, the spare slot's value: it must not complete rule 9.
  EXPECT_TRUE(Evaluate({20, 5, 6}).empty());
}

TEST(SpecialRulesTest, OneMissingCardLeavesTheRuleEmptyAndItsOldCardsAlone) {
  EXPECT_EQ(Evaluate({39, 32, 34, 4, 6, 1, 2}), std::vector<int>{1});
  ClearSpecialInterpretations();
  EvaluateSpecialRules(HandOf({39, 32, 34, 4, 1, 2, 3}));
  EXPECT_TRUE(SpecialInterpretations[0].empty());
  EXPECT_EQ(SpecialCards[0], (std::vector<CardIndex>{39, 32, 34, 4, 6}));
}

TEST(SpecialRulesTest, ClearingForgetsTheEarlierReading) {
  Evaluate({29, 27, 30});
  EXPECT_TRUE(AnySpecialInterpretation());
  EXPECT_TRUE(Evaluate({1, 2, 3}).empty());
  EXPECT_FALSE(AnySpecialInterpretation());
}

TEST(SpecialRulesTest, AFullHandCanFireEveryRuleOnceInOrder) {
  const std::vector<int> all =
      Evaluate({39, 32, 34, 4, 6, 20, 22, 25, 27, 36, 29, 26, 30, 37, 24, 33, 35, 21, 19, 0, 15});
  EXPECT_EQ(all.size(), 11u);  // 21 positions cannot also hold the Six of Clubs for rule 12
  const std::vector<int> withTwelve = Evaluate(
      {39, 32, 34, 4, 6, 20, 22, 25, 27, 36, 29, 26, 30, 37, 24, 33, 35, 21, 19, 0, 15, 5});
  EXPECT_EQ(withTwelve, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

}  // namespace
}  // namespace baralune
