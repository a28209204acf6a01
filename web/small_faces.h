#pragma once

namespace baralune::web {

// The small faces of the 40 cards, 40 x 50 pixels, as top-down R, G, B rows composited over
// white: the pictures a report carries. Generated at build time from assets/cards/small.
inline constexpr int kSmallFaceWidth = 40;
inline constexpr int kSmallFaceHeight = 50;
extern const unsigned char kSmallFaceRgb[40][kSmallFaceWidth * kSmallFaceHeight * 3];

}  // namespace baralune::web
