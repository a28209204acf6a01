#pragma once
#include <QImage>

namespace baralune {

// Artwork other than the card faces, loaded once from the program's resources. Given the
// device pixel ratio of the screen it goes to, each returns from 1.5 up (see artwork_scale.h)
// the picture painted at twice the pixels, marked with ratio 2: its logical size stays the
// one noted here.
const QImage& CardBackImage(qreal devicePixelRatio = 1);       // 71 x 96, for the spreads
const QImage& SmallCardBackImage(qreal devicePixelRatio = 1);  // 43 x 58, for the manual tray
const QImage& ProgramIconImage(qreal devicePixelRatio = 1);    // 32 x 32
// 32 x 32, for link labels (hot spot near the fingertip, at (6, 1) in logical pixels)
const QImage& HandCursorImage(qreal devicePixelRatio = 1);

}  // namespace baralune
