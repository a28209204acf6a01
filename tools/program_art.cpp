#include "program_art.h"

#include <QPainterPath>
#include <cmath>

#include "canvas.h"
#include "card_shapes.h"
#include "spanish_suits.h"

namespace baralune::paint {
namespace {

const QColor kBackDeep(0x8E, 0x12, 0x1E);
const QColor kBackLight(0xD6, 0x40, 0x4A);

// Harlequin diamonds in two reds, each light one with a dark eye, over the inner field, with a
// lighter frame line. The columns are fitted to the field and centred so the pattern is the same
// turned over.
void DrawBackPattern(QPainter& p, const QRectF& field, double targetCell) {
  const int columns = std::max(3, static_cast<int>(std::lround(field.width() / targetCell)));
  const double cw = field.width() / columns;
  const double ch = cw * 1.25;
  const int rows = static_cast<int>(std::ceil(field.height() / ch / 2)) + 1;
  const double radius = cw * 0.3;
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(kBackDeep);
  p.drawRoundedRect(field, radius, radius);
  p.setClipRect(field.adjusted(1, 1, -1, -1));
  const QPointF mid = field.center();
  const double inset = std::min(0.8, cw * 0.09);
  for (int j = -2 * rows; j <= 2 * rows; ++j) {
    for (int i = -columns; i <= columns; ++i) {
      // Diamonds sit on the half-cell lattice where i + j is even, touching at their tips.
      if ((i + j) % 2 != 0) continue;
      const QPointF c(mid.x() + i * cw / 2, mid.y() + j * ch / 2);
      QPainterPath diamond;
      diamond.moveTo(c.x(), c.y() - ch / 2 + inset);
      diamond.lineTo(c.x() + cw / 2 - inset, c.y());
      diamond.lineTo(c.x(), c.y() + ch / 2 - inset);
      diamond.lineTo(c.x() - cw / 2 + inset, c.y());
      diamond.closeSubpath();
      p.setBrush(kBackLight);
      p.drawPath(diamond);
      p.setBrush(kBackDeep);
      p.drawEllipse(c, cw * 0.11, cw * 0.11);
    }
  }
  p.restore();
  p.setPen(QPen(kBackLight, std::max(0.8, cw * 0.1)));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(field.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

// A small card of the icon fan, `w` by `h` with its bottom centre at the origin; a negative
// card shows the back.
void DrawFanCard(QPainter& p, double w, double h, int card, bool front) {
  const QRectF body(-w / 2, -h, w, h);
  p.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.9));
  p.setBrush(Qt::white);
  p.drawRoundedRect(body, 1.8, 1.8);
  if (card < 0) {
    const QRectF field = body.adjusted(1.8, 1.8, -1.8, -1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(kBackDeep);
    p.drawRect(field);
    p.save();
    p.setClipRect(field);
    p.setPen(QPen(kBackLight, 0.9));
    for (double d = -h; d < h; d += 3.2) {
      p.drawLine(QPointF(field.left() + d, field.top()),
                 QPointF(field.left() + d + h, field.bottom()));
      p.drawLine(QPointF(field.right() - d, field.top()),
                 QPointF(field.right() - d - h, field.bottom()));
    }
    p.restore();
    return;
  }
  // The suit's emblem as the faces draw it: whole on the front card, high on the left, where
  // the fan leaves it seen, on the others.
  const Suit suit = SuitOf(card);
  const double height = front ? h * 0.62 : h * 0.42;
  const QPointF at = front ? QPointF(0, -h / 2) : QPointF(-w * 0.2, -h * 0.7);
  DrawEmblem(p, suit, at, height);
}

// A back drawn on its own grid; the border is whole grid units so the field starts on a pixel
// edge and stays crisp.
struct BackDesign {
  QSizeF grid;
  double radius;
  double border;
  double cell;
};

QImage PaintBack(QSize size, const BackDesign& design) {
  QImage image = NewCanvas(size);
  QPainter p;
  BeginOnGrid(p, image, design.grid);
  DrawCardBody(p, design.grid, design.radius);
  const double b = design.border;
  DrawBackPattern(p, QRectF(b, b, design.grid.width() - 2 * b, design.grid.height() - 2 * b),
                  design.cell);
  p.end();
  return image;
}

}  // namespace

QImage PaintCardBack(QSize size) {
  return PaintBack(size, BackDesign{QSizeF(71, 96), 4, 4, 8.5});
}

QImage PaintSmallCardBack(QSize size) {
  return PaintBack(size, BackDesign{QSizeF(43, 58), 3, 3, 7.5});
}

QImage PaintProgramIcon(QSize size) {
  QImage image = NewCanvas(size);
  QPainter p;
  BeginOnGrid(p, image, QSizeF(32, 32));
  const QPointF pivot(16, 34);
  const struct {
    double angle;
    int card;
  } fan[] = {{-22, -1}, {0, 30}, {22, 10}};  // a back, the As de Espadas, the As de Oros
  for (const auto& c : fan) {
    p.save();
    p.translate(pivot);
    p.rotate(c.angle);
    p.translate(0, -5);
    DrawFanCard(p, 13, 21, c.card, &c == &fan[2]);
    p.restore();
  }
  p.end();
  return image;
}

QImage PaintHandCursor(QSize size) {
  QImage image = NewCanvas(size);
  QPainter p;
  BeginOnGrid(p, image, QSizeF(32, 32));
  QPainterPath hand;
  hand.moveTo(4.5, 15);
  hand.lineTo(4.5, 3.5);
  hand.cubicTo(4.5, 0.8, 8.5, 0.8, 8.5, 3.5);  // index fingertip, top near (6.5, 1.5)
  hand.lineTo(8.5, 12);
  hand.cubicTo(8.5, 9.6, 12.5, 9.6, 12.5, 12);
  hand.lineTo(12.5, 12.8);
  hand.cubicTo(12.5, 10.6, 16.5, 10.6, 16.5, 12.8);
  hand.lineTo(16.5, 13.8);
  hand.cubicTo(16.5, 11.8, 20.5, 11.8, 20.5, 13.8);
  hand.lineTo(20.5, 21);
  hand.cubicTo(20.5, 24, 19.2, 25.5, 18, 26.5);
  hand.lineTo(18, 29.5);
  hand.lineTo(8, 29.5);
  hand.lineTo(8, 27);
  hand.cubicTo(6, 25, 3.5, 22, 1.2, 18.4);
  hand.cubicTo(0.2, 16.8, 1.6, 14.8, 3.2, 16);
  hand.lineTo(4.5, 17.2);
  hand.closeSubpath();
  p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawPath(hand);
  // Creases between the folded fingers.
  p.drawLine(QPointF(12.5, 12.8), QPointF(12.5, 16));
  p.drawLine(QPointF(16.5, 13.8), QPointF(16.5, 16.5));
  p.end();
  return image;
}

}  // namespace baralune::paint
