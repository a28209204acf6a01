#pragma once
#include <QColor>
#include <QPainter>
#include <QPointF>

#include "card_shapes.h"

namespace baralune::paint {

// The Spanish suits behind the card indices' suits: Oros (coins) for Diamonds, Copas (cups) for
// Hearts, Espadas (swords) for Spades and Bastos (cudgels) for Clubs.

// The colour that fills most of a suit's emblem: gold coins, red cups, blue blades, green
// cudgels, so the suit shows even where the shape is too small to read.
QColor EmblemColour(Suit suit);
// The darker ink of a suit's outlines, corner numbers and frame.
QColor SuitInk(Suit suit);
// Coins and cups are about as wide as high; swords and cudgels are long and narrow.
bool IsLongEmblem(Suit suit);

// The suit's emblem standing upright, `height` high, centred on `centre`; `tilt` in degrees
// turns it clockwise (the courts hold swords and cudgels slanted).
void DrawEmblem(QPainter& painter, Suit suit, QPointF centre, double height, double tilt = 0);

}  // namespace baralune::paint
