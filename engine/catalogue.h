#pragma once
#include <array>
#include <string>
#include <string_view>

#include "language.h"
#include "spreads.h"
#include "text_table.h"
#include "types.h"

namespace baralune {

// The texts of one language's edition: built once, then only read, so any number of readings
// may use them at the same time.
struct Catalogue {
  // Card tables: slots 0..39 hold the card with that index; slot 40 stays empty.
  TextTable<41> cardName;
  TextTable<41> cardKeywords;
  TextTable<41> cardTimePeriod;
  TextTable<41> cardDescription;

  // One description per spread index.
  TextTable<4> spreadDescription;

  // Position meanings, one table per spread index: slot p - 1 holds position p; the slots past
  // the spread's last position stay empty.
  std::array<TextTable<kMostPositions + 1>, kSpreadCount> positions;

  // Meaning of position p (1-based) of a known spread; empty just past its last position.
  const std::string& PositionMeaning(SpreadIndex spread, int position) const;
};

// The catalogue of `language`.
const Catalogue& CatalogueIn(Language language);

// A known spread's names in `language`.
std::string_view SpreadListText(SpreadIndex spread, Language language);
std::string_view SpreadReportName(SpreadIndex spread, Language language);

// Meaning of position p (1-based) of a known spread, in `language`.
const std::string& PositionMeaning(SpreadIndex spread, int position, Language language);

}  // namespace baralune
