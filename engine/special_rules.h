#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "language.h"
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

// The special interpretations of one hand. Slot k - 1 belongs to rule k: its sentence and
// cards when the rule fired, otherwise empty.
struct SpecialFindings {
  std::array<std::string, kSpecialRuleCount> interpretations;
  std::array<std::vector<CardIndex>, kSpecialRuleCount> cards;

  bool Any() const;
  bool operator==(const SpecialFindings&) const = default;
};

// Checks rules 1..12 against the drawn positions of `hand` (its last, spare slot is not a
// card); the sentences are in `language`.
SpecialFindings FindSpecialInterpretations(const std::vector<CardIndex>& hand, Language language);

}  // namespace baralune
