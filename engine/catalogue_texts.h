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

// A spread's name as the main window lists it and as the report and the spread display title it.
struct SpreadNamesText {
  std::string_view listText;
  std::string_view reportName;
};
extern const std::array<SpreadNamesText, 4> kSpreadNamesEs;

// Position meanings, position p in slot p - 1. The Gypsy spread's are built from the pieces:
// prefix, number, then the row's ending.
extern const std::array<std::string_view, 3> kThreeCardPositionsEs;
extern const std::array<std::string_view, 9> kNineCardPositionsEs;
extern const std::array<std::string_view, 7> kHorseshoePositionsEs;
struct RomanyPositionWords {
  std::string_view prefix;
  std::string_view past;
  std::string_view present;
  std::string_view future;
};
extern const RomanyPositionWords kRomanyPositionsEs;

}  // namespace baralune::texts
