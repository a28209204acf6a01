#pragma once
#include <QImage>

namespace baralune {

// Artwork other than the card faces, loaded once from the program's resources.
const QImage& CardBackImage();       // 71 x 96, for the spread layouts
const QImage& SmallCardBackImage();  // 43 x 58, for the manual tray
const QImage& ProgramIconImage();    // 32 x 32
const QImage& HandCursorImage();     // 32 x 32, for link labels (hot spot near the fingertip)

}  // namespace baralune
