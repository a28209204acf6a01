#pragma once
#include <QImage>
#include <QRectF>
#include <QSize>

#include "card_shapes.h"

namespace baralune::paint {

// The Spanish face for card index 0..39 as used in the spreads, drawn on a 71 x 96 design grid
// scaled to `size`: the number in two corners, the pips or the court figure, and the frame.
QImage PaintLargeFace(int card, QSize size);
// The face for the report, drawn on a 40 x 50 grid: the number, one big emblem or the court
// figure, and the frame.
QImage PaintSmallFace(int card, QSize size);

// The frame line inside the card's edge, on each grid. Its top and bottom edges are broken by
// the pintas, gaps that tell the suit at a glance: none for Oros, one for Copas, two for
// Espadas, three for Bastos, spread evenly along the edge.
inline const QRectF kLargeFrame(4.5, 4.5, 62, 87);
inline const QRectF kSmallFrame(2.5, 2.5, 35, 45);
int PintaCount(Suit suit);

}  // namespace baralune::paint
