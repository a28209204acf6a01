#pragma once
#include <QImage>
#include <QSize>

namespace baralune::paint {

// The red patterned card back for the spreads, on a 71 x 96 grid scaled to `size`.
QImage PaintCardBack(QSize size);
// The manual tray's back, on a 43 x 58 grid with a coarser pattern than a shrunk large back.
QImage PaintSmallCardBack(QSize size);
// A fan of three cards on a 32 x 32 grid.
QImage PaintProgramIcon(QSize size);
// A pointing hand on a 32 x 32 grid, fingertip at (6, 1).
QImage PaintHandCursor(QSize size);

}  // namespace baralune::paint
