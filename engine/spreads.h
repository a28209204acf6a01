#pragma once
#include <span>
#include <string_view>

#include "types.h"

namespace baralune {

// Where a spread display puts a card box, in twips from the display's top left corner.
struct Place {
  int left;
  int top;
  bool operator==(const Place&) const = default;
};

inline constexpr int kCardWidth = 1065;
inline constexpr int kCardHeight = 1440;

namespace spread_layout {
inline constexpr Place kThreeCard[] = {{3645, 720}, {4965, 720}, {6285, 720}};
inline constexpr Place kNineCard[] = {{3645, 720},  {4965, 720},  {6285, 720},
                                      {3645, 2280}, {4965, 2280}, {6285, 2280},
                                      {3645, 3840}, {4965, 3840}, {6285, 3840}};
inline constexpr Place kHorseshoe[] = {{1425, 720},  {2625, 2320}, {3825, 3920}, {5025, 5520},
                                       {6225, 3920}, {7425, 2320}, {8505, 720}};
inline constexpr Place kRomany[] = {
    {1365, 1110}, {2565, 1110}, {3765, 1110}, {4965, 1110}, {6165, 1110}, {7365, 1110},
    {8565, 1110}, {1365, 3270}, {2565, 3270}, {3765, 3270}, {4965, 3270}, {6165, 3270},
    {7365, 3270}, {8565, 3270}, {1365, 5430}, {2565, 5430}, {3765, 5430}, {4965, 5430},
    {6165, 5430}, {7365, 5430}, {8565, 5430}};
}  // namespace spread_layout

// A caption of a row of cards, in English (the editions translate it), and where it sits in
// twips: left, top and width; every caption is kRowCaptionHeight high.
struct RowCaption {
  const char* text;
  int left;
  int top;
  int width;
};
inline constexpr int kRowCaptionHeight = 270;

namespace spread_layout {
// The Gypsy spread's rows, each caption just above its row.
inline constexpr RowCaption kRomanyRows[] = {
    {"PAST", 5130, 720, 735}, {"PRESENT", 4860, 2880, 1275}, {"FUTURE", 4950, 5040, 1095}};
}  // namespace spread_layout

// The fixed facts of a spread. The names are the English edition's; the catalogue holds each
// language's (see catalogue.h), found by the spread's key.
struct Spread {
  std::string_view key;           // stays the same in every language
  std::string_view listText;      // as offered in the main window's list
  int cards;                      // positions
  std::string_view reportName;    // in the report and the spread display
  std::span<const Place> places;  // one card box per position, position 1 first
  bool descriptionFirst;          // the report gives a card's description before its keywords
  bool rowCaptions;               // the spread display and the printed reading caption its rows
};

inline constexpr Spread kSpreads[kSpreadCount] = {
    {"three_card", "Past, Present, Future", 3, "3 Card Spread", spread_layout::kThreeCard, false,
     false},
    {"nine_card", "9 Card Layout", 9, "9 Card Spread", spread_layout::kNineCard, false, false},
    {"horseshoe", "Horseshoe Spread", 7, "Horseshoe Spread", spread_layout::kHorseshoe, false,
     false},
    {"gypsy", "Gypsy Spread", 21, "Gypsy / Romany Spread", spread_layout::kRomany, true, true},
};

// The most positions any spread has.
inline constexpr int kMostPositions = [] {
  int most = 0;
  for (const Spread& spread : kSpreads) most = spread.cards > most ? spread.cards : most;
  return most;
}();
static_assert(
    [] {
      for (const Spread& spread : kSpreads) {
        if (spread.places.size() != static_cast<std::size_t>(spread.cards)) return false;
      }
      return true;
    }(),
    "one card box per position");

inline constexpr bool IsKnownSpread(SpreadIndex spread) {
  return spread >= 0 && spread < kSpreadCount;
}

// The spread of a number; any unknown number is taken for the Gypsy spread, as the windows
// always have.
inline constexpr const Spread& SpreadOf(SpreadIndex spread) {
  return kSpreads[IsKnownSpread(spread) ? spread : kSpreadCount - 1];
}

}  // namespace baralune
