#pragma once
#include <QImage>
#include <QSize>

namespace baralune::paint {

// The card face for card index 0..39 as used in the spreads, drawn on a 71 x 96 design grid
// scaled to `size`.
QImage PaintLargeFace(int card, QSize size);
// The face for the report, drawn on a 40 x 50 grid with a simpler layout that stays legible.
QImage PaintSmallFace(int card, QSize size);

}  // namespace baralune::paint
