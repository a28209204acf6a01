#pragma once
#include <string_view>

#include "language.h"
#include "text_table.h"
#include "types.h"

namespace baralune {

// Card tables: slots 0..39 hold the card with that index; slot 40 stays empty.
extern TextTable<41> CardName;
extern TextTable<41> CardKeywords;
extern TextTable<41> CardTimePeriod;
extern TextTable<41> CardDescription;

// One description per spread index.
extern TextTable<4> SpreadDescription;

// Position meanings: slot p - 1 holds position p; the last slot stays empty.
extern TextTable<4> ThreeCardPositions;
extern TextTable<10> NineCardPositions;
extern TextTable<8> HorseshoePositions;
extern TextTable<22> RomanyPositions;

// Fills every table from the literals of the catalogue's language (see language.h). Calling
// it again gives the same contents.
void LoadCatalogue();

// The fixed facts of a spread.
struct Spread {
  std::string_view listText;    // as offered in the main window's list
  int cards;                    // positions
  std::string_view reportName;  // in the report and the spread display
};
inline constexpr Spread kSpreads[kSpreadCount] = {
    {"Past, Present, Future", 3, "3 Card Spread"},
    {"9 Card Layout", 9, "9 Card Spread"},
    {"Horseshoe Spread", 7, "Horseshoe Spread"},
    {"Gypsy Spread", 21, "Gypsy / Romany Spread"},
};

// A known spread's names in the catalogue's language, or in `language`; kSpreads holds the
// English ones.
std::string_view SpreadListText(SpreadIndex spread);
std::string_view SpreadReportName(SpreadIndex spread);
std::string_view SpreadReportName(SpreadIndex spread, Language language);

// Positions of a spread: 3, 9 and 7 for spreads 0, 1 and 2; 21 for any other value.
int CardCount(SpreadIndex spread);
bool IsKnownSpread(SpreadIndex spread);

// Meaning of position p (1-based) of a known spread, from its position table.
const std::string& PositionMeaning(SpreadIndex spread, int position);

}  // namespace baralune
