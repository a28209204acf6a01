#pragma once
#include <QtGlobal>

namespace baralune {

// The artwork comes painted at its own size and at twice it. A screen with a device pixel
// ratio of 1.5 or more gets the double size: scaled down to the screen it stays sharper than
// the single size blown up. Below 1.5 the single size is the closer fit and the lighter one.
inline constexpr qreal kDoubleArtworkFromRatio = 1.5;

inline bool WantsDoubleArtwork(qreal devicePixelRatio) {
  return devicePixelRatio >= kDoubleArtworkFromRatio;
}

}  // namespace baralune
