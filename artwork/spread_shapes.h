#pragma once
#include <QCoreApplication>

#include "spreads.h"
#include "types.h"

namespace baralune::spread_shape {

// Where the spread display puts things, in twips: the card boxes of each spread (position 1
// first; the engine's table of spreads holds them), its title, and the Gypsy spread's row
// captions. The printed reading lays the cards out from the same places.
using ::baralune::kCardHeight;
using ::baralune::kCardWidth;
using ::baralune::Place;

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
