#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "types.h"

namespace baralune {

inline constexpr int kSpecialRuleCount = 12;

// A card combination and the sentence it earns when every named card is drawn.
struct SpecialRule {
  int number;                    // 1..12: evaluation and printing order
  std::vector<CardIndex> cards;  // required cards, in table order
  std::string_view sentence;
};

const std::array<SpecialRule, kSpecialRuleCount>& SpecialRules();

// Slot k - 1 belongs to rule k: its sentence when the rule fired in the latest reading,
// otherwise empty. A card list is only meaningful while its slot is filled.
extern std::array<std::string, kSpecialRuleCount> SpecialInterpretations;
extern std::array<std::vector<CardIndex>, kSpecialRuleCount> SpecialCards;

// Empties every interpretation slot; the card lists are left as they are.
void ClearSpecialInterpretations();

// Checks rules 1..12 against the drawn positions of `hand` (its last, spare slot is not a
// card) and fills the slots and card lists of the rules that fire.
void EvaluateSpecialRules(const std::vector<CardIndex>& hand);

bool AnySpecialInterpretation();

}  // namespace baralune
