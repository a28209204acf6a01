#pragma once
#include <QCoreApplication>

#include "spreads.h"
#include "types.h"

namespace baralune::spread_shape {

// Where the spread display puts things, in twips: the card boxes of each spread (position 1
// first) and the Gypsy spread's row captions, both from the engine's table of spreads. The printed
// reading lays the cards out from the same places.
using ::baralune::kCardHeight;
using ::baralune::kCardWidth;
using ::baralune::Place;

// The Gypsy spread's row captions and where they sit; the engine's table holds them in English.
using ::baralune::RowCaption;
using spread_layout::kRomanyRows;
// The captions as the translations know them (context "SpreadDisplay").
[[maybe_unused]] inline constexpr const char* kRowCaptionTexts[] = {
    QT_TRANSLATE_NOOP("SpreadDisplay", "PAST"), QT_TRANSLATE_NOOP("SpreadDisplay", "PRESENT"),
    QT_TRANSLATE_NOOP("SpreadDisplay", "FUTURE")};

// A row caption in the user's language, on screen and on paper alike.
inline QString RowText(const RowCaption& row) {
  return QCoreApplication::translate("SpreadDisplay", row.text);
}

}  // namespace baralune::spread_shape
