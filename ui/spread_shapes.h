#pragma once
#include <QCoreApplication>
#include <span>

#include "types.h"

namespace baralune::spread_shape {

// Where the spread display puts things, in twips: the card boxes of each spread (position 1
// first), its title, and the Gypsy spread's row captions. The printed reading lays the cards
// out from the same places.
struct Place {
  int left;
  int top;
};

inline constexpr int kCardWidth = 1065;
inline constexpr int kCardHeight = 1440;

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

// The card boxes of a spread; any value past the Horseshoe is the Gypsy spread, as in the
// engine.
inline std::span<const Place> CardPlaces(SpreadIndex spread) {
  switch (spread) {
    case 0:
      return kThreeCard;
    case 1:
      return kNineCard;
    case 2:
      return kHorseshoe;
    default:
      return kRomany;
  }
}

// The Gypsy spread's row captions and where they sit (left, top, width; 270 high).
struct RowCaption {
  const char* text;
  int left;
  int top;
  int width;
};
inline constexpr RowCaption kRomanyRows[] = {
    {QT_TRANSLATE_NOOP("SpreadDisplay", "PAST"), 5130, 720, 735},
    {QT_TRANSLATE_NOOP("SpreadDisplay", "PRESENT"), 4860, 2880, 1275},
    {QT_TRANSLATE_NOOP("SpreadDisplay", "FUTURE"), 4950, 5040, 1095}};

// A row caption in the user's language, on screen and on paper alike.
inline QString RowText(const RowCaption& row) {
  return QCoreApplication::translate("SpreadDisplay", row.text);
}

}  // namespace baralune::spread_shape
