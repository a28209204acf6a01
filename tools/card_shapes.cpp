#include "card_shapes.h"

#include <QPainterPathStroker>
#include <QTransform>

namespace baralune::paint {

int SpanishRank(int offset) {
  static constexpr int kRanks[] = {1, 2, 3, 4, 5, 6, 7, 10, 12, 11};
  return kRanks[offset];
}

QColor InkOf(Suit suit) {
  return suit == Suit::Diamonds || suit == Suit::Hearts ? kCardRed : kCardBlack;
}

namespace {

QPainterPath Heart() {
  QPainterPath p;
  p.moveTo(0, -0.27);
  p.cubicTo(-0.03, -0.44, -0.16, -0.5, -0.26, -0.5);
  p.cubicTo(-0.41, -0.5, -0.5, -0.38, -0.5, -0.23);
  p.cubicTo(-0.5, 0.04, -0.2, 0.2, 0, 0.5);
  p.cubicTo(0.2, 0.2, 0.5, 0.04, 0.5, -0.23);
  p.cubicTo(0.5, -0.38, 0.41, -0.5, 0.26, -0.5);
  p.cubicTo(0.16, -0.5, 0.03, -0.44, 0, -0.27);
  p.closeSubpath();
  return p;
}

QPainterPath Diamond() {
  // Slightly concave sides, narrower than high, as printed on cards.
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.quadTo(0.17, -0.2, 0.41, 0);
  p.quadTo(0.17, 0.2, 0, 0.5);
  p.quadTo(-0.17, 0.2, -0.41, 0);
  p.quadTo(-0.17, -0.2, 0, -0.5);
  p.closeSubpath();
  return p;
}

// The flared stem shared by spades and clubs, from the joint down to the foot.
void AddStem(QPainterPath& p, double joint) {
  p.moveTo(-0.05, joint);
  p.quadTo(-0.06, 0.42, -0.2, 0.5);
  p.lineTo(0.2, 0.5);
  p.quadTo(0.06, 0.42, 0.05, joint);
  p.closeSubpath();
}

QPainterPath Spade() {
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.cubicTo(-0.2, -0.22, -0.5, -0.08, -0.5, 0.14);
  p.cubicTo(-0.5, 0.3, -0.39, 0.38, -0.27, 0.38);
  p.cubicTo(-0.16, 0.38, -0.08, 0.33, -0.03, 0.25);
  p.lineTo(0.03, 0.25);
  p.cubicTo(0.08, 0.33, 0.16, 0.38, 0.27, 0.38);
  p.cubicTo(0.39, 0.38, 0.5, 0.3, 0.5, 0.14);
  p.cubicTo(0.5, -0.08, 0.2, -0.22, 0, -0.5);
  p.closeSubpath();
  AddStem(p, 0.2);
  p.setFillRule(Qt::WindingFill);
  return p.simplified();
}

QPainterPath Club() {
  QPainterPath p;
  const double r = 0.235;
  p.addEllipse(QPointF(0, -0.265), r, r);
  p.addEllipse(QPointF(-0.265, 0.105), r, r);
  p.addEllipse(QPointF(0.265, 0.105), r, r);
  // Fill the gap between the three leaves.
  p.addEllipse(QPointF(0, 0.02), 0.14, 0.16);
  AddStem(p, 0.12);
  p.setFillRule(Qt::WindingFill);
  return p.simplified();
}

// Glyph strokes on a grid 1 high with the top at 0; returns the centre-line path and advance.
struct Glyph {
  QPainterPath strokes;
  double width = 0.6;
};

Glyph GlyphFor(QChar c) {
  Glyph g;
  QPainterPath& p = g.strokes;
  switch (c.toLatin1()) {
    case 'A':
      p.moveTo(0, 1);
      p.lineTo(0.32, 0);
      p.lineTo(0.64, 1);
      p.moveTo(0.13, 0.66);
      p.lineTo(0.51, 0.66);
      g.width = 0.64;
      break;
    case '1':
      p.moveTo(0.02, 0.2);
      p.lineTo(0.24, 0.02);
      p.lineTo(0.24, 1);
      g.width = 0.3;
      break;
    case '0':
      p.addEllipse(QRectF(0, 0, 0.56, 1));
      g.width = 0.56;
      break;
    case '2':
      p.moveTo(0.04, 0.24);
      p.cubicTo(0.07, 0.07, 0.18, 0, 0.31, 0);
      p.cubicTo(0.47, 0, 0.58, 0.1, 0.58, 0.27);
      p.cubicTo(0.58, 0.47, 0.4, 0.6, 0.03, 1);
      p.lineTo(0.62, 1);
      g.width = 0.62;
      break;
    case '3':
      p.moveTo(0.04, 0.18);
      p.cubicTo(0.08, 0.06, 0.18, 0, 0.3, 0);
      p.cubicTo(0.46, 0, 0.56, 0.1, 0.56, 0.24);
      p.cubicTo(0.56, 0.38, 0.45, 0.46, 0.3, 0.46);
      p.lineTo(0.2, 0.46);
      p.moveTo(0.3, 0.46);
      p.cubicTo(0.49, 0.46, 0.6, 0.57, 0.6, 0.72);
      p.cubicTo(0.6, 0.89, 0.47, 1, 0.3, 1);
      p.cubicTo(0.18, 1, 0.08, 0.95, 0.02, 0.85);
      g.width = 0.6;
      break;
    case '4':
      p.moveTo(0.46, 1);
      p.lineTo(0.46, 0);
      p.lineTo(0.02, 0.68);
      p.lineTo(0.64, 0.68);
      g.width = 0.64;
      break;
    case '5':
      p.moveTo(0.56, 0);
      p.lineTo(0.11, 0);
      p.lineTo(0.07, 0.45);
      p.cubicTo(0.15, 0.4, 0.22, 0.38, 0.31, 0.38);
      p.cubicTo(0.49, 0.38, 0.6, 0.5, 0.6, 0.68);
      p.cubicTo(0.6, 0.88, 0.47, 1, 0.29, 1);
      p.cubicTo(0.18, 1, 0.08, 0.95, 0.02, 0.87);
      g.width = 0.6;
      break;
    case '6':
      p.moveTo(0.54, 0.07);
      p.cubicTo(0.47, 0.02, 0.4, 0, 0.32, 0);
      p.cubicTo(0.12, 0, 0.03, 0.22, 0.03, 0.66);
      p.addEllipse(QRectF(0.03, 0.36, 0.56, 0.64));
      g.width = 0.6;
      break;
    case '7':
      p.moveTo(0.01, 0);
      p.lineTo(0.6, 0);
      p.lineTo(0.22, 1);
      g.width = 0.6;
      break;
    case 'Q':
      p.addEllipse(QRectF(0, 0, 0.64, 1));
      p.moveTo(0.36, 0.72);
      p.lineTo(0.66, 1.06);
      g.width = 0.66;
      break;
    case 'J':
      p.moveTo(0.22, 0);
      p.lineTo(0.56, 0);
      p.moveTo(0.46, 0);
      p.lineTo(0.46, 0.72);
      p.cubicTo(0.46, 0.9, 0.37, 1, 0.24, 1);
      p.cubicTo(0.13, 1, 0.05, 0.93, 0.02, 0.8);
      g.width = 0.56;
      break;
    default:
      break;
  }
  return g;
}

}  // namespace

QPainterPath SuitPath(Suit suit) {
  switch (suit) {
    case Suit::Clubs:
      return Club();
    case Suit::Diamonds:
      return Diamond();
    case Suit::Hearts:
      return Heart();
    case Suit::Spades:
      return Spade();
  }
  return {};
}

QPainterPath RankOutline(const QString& text, double height, double stroke) {
  const double gap = 0.1;
  QPainterPath line;
  double x = 0;
  for (const QChar c : text) {
    const Glyph g = GlyphFor(c);
    line.addPath(QTransform::fromTranslate(x, 0).map(g.strokes));
    x += g.width + gap;
  }
  // Keep the strokes' outer edges inside the box `height` high.
  const double grid = height - stroke;
  const double width = x - gap;
  QPainterPath scaled = QTransform(grid, 0, 0, grid, -width * grid / 2, stroke / 2).map(line);
  QPainterPathStroker stroker;
  stroker.setWidth(stroke);
  stroker.setCapStyle(Qt::FlatCap);
  stroker.setJoinStyle(Qt::MiterJoin);
  // The 4's sharp top would otherwise spike far above the number's box.
  stroker.setMiterLimit(1.5);
  QPainterPath outline = stroker.createStroke(scaled);
  outline.setFillRule(Qt::WindingFill);
  return outline;
}

}  // namespace baralune::paint
