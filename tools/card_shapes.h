#pragma once
#include <QColor>
#include <QPainterPath>
#include <QString>

namespace baralune::paint {

enum class Suit { Clubs, Diamonds, Hearts, Spades };

// Card index k is suit k / 10 and offset k % 10: 1 .. 7, then the courts Sota (10), Rey (12)
// and Caballo (11), as the catalogue names them Ten, Queen and Knight.
inline constexpr int kCardCount = 40;
inline Suit SuitOf(int card) {
  return static_cast<Suit>(card / 10);
}
inline int OffsetOf(int card) {
  return card % 10;
}
inline bool IsCourt(int offset) {
  return offset >= 7;
}
// The number a Spanish card carries in its corners: 1 .. 7, 10, 12, 11.
int SpanishRank(int offset);
inline QString RankText(int offset) {
  return QString::number(SpanishRank(offset));
}

QColor InkOf(Suit suit);
inline const QColor kCardRed(0xC8, 0x10, 0x2E);
inline const QColor kCardBlack(0x1A, 0x1A, 0x1A);

// The suit symbol filled in a box 1 wide and 1 high centred on the origin; scale it to size.
QPainterPath SuitPath(Suit suit);

// Rank text as a filled outline, strokes drawn on a glyph grid `height` units high and
// `stroke` units thick, with its top edge at y = 0 and centred on x = 0.
QPainterPath RankOutline(const QString& text, double height, double stroke);

}  // namespace baralune::paint
