#include "spread_arrangements.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "spread_definition.h"

namespace baralune {

namespace {

constexpr int kGap = 120;  // between neighbouring cards
constexpr int kCentreX = (kSpreadAreaLeft + kSpreadAreaRight) / 2;
constexpr int kCentreY = (kSpreadAreaTop + kSpreadAreaBottom) / 2;

// The gap between `across` cards side by side: the usual one, or less where the room is
// narrow for them.
double GapAcross(int across) {
  if (across <= 1) return kGap;
  const int room = kSpreadAreaRight - kSpreadAreaLeft - across * kCardWidth;
  return std::clamp(room / (across - 1.0), 0.0, static_cast<double>(kGap));
}

// The card whose centre is at (x, y), on whole pixels.
Place Centred(double x, double y) {
  const auto pixel = [](double twips) { return static_cast<int>(std::lround(twips / 15)) * 15; };
  return {pixel(x - kCardWidth / 2.0), pixel(y - kCardHeight / 2.0)};
}

// `count` cards in rows of at most `perRow`, each row centred, the rows centred as a block.
std::vector<Place> InRows(int count, int perRow) {
  std::vector<Place> places;
  const int rows = (count + perRow - 1) / perRow;
  const double rowStep = kCardHeight + 2 * kGap;
  for (int row = 0; row < rows; ++row) {
    const int inRow = std::min(perRow, count - row * perRow);
    const double y = kCentreY + (row - (rows - 1) / 2.0) * rowStep;
    for (int i = 0; i < inRow; ++i) {
      places.push_back(
          Centred(kCentreX + (i - (inRow - 1) / 2.0) * (kCardWidth + GapAcross(perRow)), y));
    }
  }
  return places;
}

}  // namespace

std::vector<Place> Arrange(Arrangement arrangement, int count) {
  std::vector<Place> places;
  if (count <= 0) return places;
  switch (arrangement) {
    case Arrangement::Row:
      return InRows(count, count);
    case Arrangement::Rows: {
      const int rows = count <= 3 ? 1 : count <= 8 ? 2 : 3;
      return InRows(count, (count + rows - 1) / rows);
    }
    case Arrangement::Cross: {
      // The first card at the centre, then one above and one below it, then the arm across
      // grows outwards, left and right in turn.
      places.push_back(Centred(kCentreX, kCentreY));
      const double down = kCardHeight + kGap;
      const int widest = 1 + 2 * ((count - 2) / 2);  // cards in the arm across
      const double across = kCardWidth + GapAcross(widest);
      for (int i = 1; i < count; ++i) {
        if (i <= 2) {
          places.push_back(Centred(kCentreX, kCentreY + (i == 1 ? -down : down)));
        } else {
          const int step = (i - 1) / 2;
          places.push_back(Centred(kCentreX + (i % 2 == 1 ? -step : step) * across, kCentreY));
        }
      }
      return places;
    }
    case Arrangement::Circle: {
      // Clockwise from the top, on the widest ellipse the room allows.
      const double rx = (kSpreadAreaRight - kSpreadAreaLeft - kCardWidth) / 2.0;
      const double ry = (kSpreadAreaBottom - kSpreadAreaTop - kCardHeight) / 2.0;
      for (int i = 0; i < count; ++i) {
        const double angle = 2 * std::numbers::pi * i / count;
        places.push_back(Centred(kCentreX + rx * std::sin(angle), kCentreY - ry * std::cos(angle)));
      }
      return places;
    }
    case Arrangement::Horseshoe: {
      // Across the room, the ends high and the middle low, like the horseshoe of the four.
      const double step = kCardWidth + GapAcross(count);
      const double span = (count - 1) * step / 2.0;
      const double depth = kSpreadAreaBottom - kSpreadAreaTop - kCardHeight - 2 * kGap;
      for (int i = 0; i < count; ++i) {
        const double x = (i - (count - 1) / 2.0) * step;
        const double fromMiddle = span > 0 ? std::abs(x) / span : 0;
        places.push_back(
            Centred(kCentreX + x, kCentreY + depth / 2 - depth * fromMiddle * fromMiddle));
      }
      return places;
    }
  }
  return places;
}

}  // namespace baralune
