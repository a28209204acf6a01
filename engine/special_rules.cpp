#include "special_rules.h"

#include <algorithm>

#include "catalogue_texts.h"

namespace baralune {

const std::array<SpecialRule, kSpecialRuleCount>& SpecialRules() {
  // The sentences keep their wording exactly ("Knight of Diamond", "Ace of heart").
  static const std::array<SpecialRule, kSpecialRuleCount> rules = {{
      {1,
       {39, 32, 34, 4, 6},
       "The Knight, 3 and 5 of Spades combined with the 5 and 7 of Clubs indicates restlessness "
       "leading to arguments and fights."},
      {2,
       {20, 22, 25, 27},
       "The Ace, 3, 6 and 10 of Hearts denotes the birth of a new life or pregnancy."},
      {3,
       {39, 36, 29, 26},
       "The Knight and 7 of Spades combined with the Knight and 7 of Hearts indicates deceit or "
       "cheating."},
      {4,
       {30, 32, 34, 37, 24},
       "The Ace, 3, 5 and 10 of Spades along with the 5 of Hearts denotes mutual separation or "
       "divorce."},
      {5,
       {33, 34, 35, 36},
       "The 4, 5, 6 and the 7 of Spades indicates job layoff or quitting job."},
      {6,
       {20, 21, 22, 27},
       "The Ace, 2, 3 and the 10 of Hearts indicates a fresh reunion and marriage."},
      {7, {19, 36}, "Knight of Diamond and 7 of Spade denotes worries for a single man."},
      {8,
       {30, 27},
       "Ace of Spades and 10 of Hearts denotes very soon your sadness will fade away."},
      {9,
       {20, 0},
       "Ace of heart and Ace of Clubs denotes that success is on your way and you will be 100% "
       "successful in all your ventures."},
      {10, {29, 27}, "Knight of Hearts and 10 of Hearts represents some positive changes."},
      {11, {15, 26}, "6 of Diamonds and 7 of Hearts denotes early marriage."},
      {12, {5, 36}, "6 of Clubs and 7 of Spades denotes worries related to traveling abroad."},
  }};
  return rules;
}

SpecialFindings FindSpecialInterpretations(const std::vector<CardIndex>& hand, Language language) {
  SpecialFindings findings;
  // Every slot but the spare last one holds a drawn card.
  const std::size_t drawn = hand.empty() ? 0 : hand.size() - 1;
  for (const SpecialRule& rule : SpecialRules()) {
    std::vector<bool> found(rule.cards.size(), false);
    for (std::size_t position = 0; position < drawn; ++position) {
      const auto match = std::find(rule.cards.begin(), rule.cards.end(), hand[position]);
      if (match != rule.cards.end())
        found[static_cast<std::size_t>(match - rule.cards.begin())] = true;
    }
    if (std::all_of(found.begin(), found.end(), [](bool f) { return f; })) {
      const auto slot = static_cast<std::size_t>(rule.number - 1);
      findings.interpretations[slot] =
          language == Language::Spanish ? texts::kSpecialSentencesEs[slot] : rule.sentence;
      findings.cards[slot] = rule.cards;
    }
  }
  return findings;
}

bool SpecialFindings::Any() const {
  return std::any_of(interpretations.begin(), interpretations.end(),
                     [](const std::string& s) { return !s.empty(); });
}

}  // namespace baralune
