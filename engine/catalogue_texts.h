#pragma once
#include <array>
#include <string_view>

namespace baralune::texts {

// Prose of the card and spread descriptions, UTF-8.
extern const std::array<std::string_view, 40> kCardDescriptions;
extern const std::array<std::string_view, 4> kSpreadDescriptions;

// The short facts of a card, as the report lists them.
struct CardFactsText {
  std::string_view name;
  std::string_view keywords;
  std::string_view timePeriod;
};

// The Spanish edition, UTF-8, slot for slot the same cards and spreads as the English.
extern const std::array<CardFactsText, 40> kCardFactsEs;
extern const std::array<std::string_view, 40> kCardDescriptionsEs;
extern const std::array<std::string_view, 4> kSpreadDescriptionsEs;
// Slot k - 1 holds the sentence of special rule k.
extern const std::array<std::string_view, 12> kSpecialSentencesEs;

}  // namespace baralune::texts
