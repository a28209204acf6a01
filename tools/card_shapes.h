#pragma once
#include <QColor>
#include <QPainterPath>
#include <QString>

namespace baralune::paint {

enum class Suit { Clubs, Diamonds, Hearts, Spades };

// Card index k is suit k / 10 and offset k % 10 (Ace, 2 .. 7, 10, Queen, Jack).
inline constexpr int kCardCount = 40;
inline Suit SuitOf(int card) {
  return static_cast<Suit>(card / 10);
}
inline int OffsetOf(int card) {
  return card % 10;
}
inline bool IsCourt(int offset) {
  return offset >= 8;
}
// The corner index of an offset: "A", "2" .. "7", "10", "Q", "J".
QString RankText(int offset);
// Number of pips on a pip card (Ace 1 .. Seven 7, Ten 10).
int PipCount(int offset);

QColor InkOf(Suit suit);
inline const QColor kCardRed(0xC8, 0x10, 0x2E);
inline const QColor kCardBlack(0x1A, 0x1A, 0x1A);

// The suit symbol filled in a box 1 wide and 1 high centred on the origin; scale it to size.
QPainterPath SuitPath(Suit suit);

// Rank text as a filled outline, strokes drawn on a glyph grid `height` units high and
// `stroke` units thick, with its top edge at y = 0 and centred on x = 0.
QPainterPath RankOutline(const QString& text, double height, double stroke);

}  // namespace baralune::paint
