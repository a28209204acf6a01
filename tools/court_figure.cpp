#include "court_figure.h"

#include <QPainterPath>

namespace baralune::paint {
namespace {

const QColor kPanel(0xFB, 0xF3, 0xDE);
const QColor kGold(0xE2, 0xB3, 0x3C);
const QColor kGoldEdge(0x9A, 0x6F, 0x12);
const QColor kSkin(0xF7, 0xDA, 0xB8);
const QColor kSkinEdge(0x8A, 0x5A, 0x3A);
const QColor kBlueRobe(0x22, 0x40, 0x8C);
const QColor kQueenHair(0xD9, 0xA5, 0x20);
const QColor kJackHair(0x6B, 0x3E, 0x1E);
const QColor kFeature(0x4A, 0x30, 0x20);

// Red suits dress in red, black suits in blue, so the colour of a court still tells its suit.
QColor RobeOf(Suit suit) {
  return InkOf(suit) == kCardRed ? kCardRed : kBlueRobe;
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& edge,
          double edgeWidth) {
  p.setBrush(fill);
  if (edgeWidth > 0) {
    p.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  } else {
    p.setPen(Qt::NoPen);
  }
  p.drawPath(path);
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(QPointF(cx, cy), rx, ry);
  return path;
}

QPainterPath CrownPath(double cx, double base, double halfWidth, double height) {
  const double w = halfWidth, h = height;
  QPainterPath crown;
  crown.moveTo(cx - w, base);
  crown.lineTo(cx - w * 1.1, base - h);
  crown.lineTo(cx - w * 0.5, base - h * 0.5);
  crown.lineTo(cx, base - h * 1.12);
  crown.lineTo(cx + w * 0.5, base - h * 0.5);
  crown.lineTo(cx + w * 1.1, base - h);
  crown.lineTo(cx + w, base);
  crown.closeSubpath();
  return crown;
}

// A beret with a feather, the jack's headwear.
void DrawCap(QPainter& p, double cx, double base, double scale, const QColor& colour) {
  QPainterPath feather;
  feather.moveTo(cx + 2.5 * scale, base - 3 * scale);
  feather.cubicTo(cx + 6 * scale, base - 6 * scale, cx + 9 * scale, base - 7 * scale,
                  cx + 10.5 * scale, base - 10 * scale);
  feather.cubicTo(cx + 8 * scale, base - 5 * scale, cx + 6 * scale, base - 3.5 * scale,
                  cx + 2.5 * scale, base - 1.5 * scale);
  Fill(p, feather, kGold, kGoldEdge, 0.5 * scale);
  QPainterPath cap;
  cap.moveTo(cx - 6.2 * scale, base);
  cap.cubicTo(cx - 7 * scale, base - 5.5 * scale, cx + 7 * scale, base - 5.5 * scale,
              cx + 6.2 * scale, base);
  cap.closeSubpath();
  Fill(p, cap, colour, colour.darker(160), 0.6 * scale);
  QPainterPath band;
  band.addRect(QRectF(cx - 6.2 * scale, base - 1.1 * scale, 12.4 * scale, 1.4 * scale));
  Fill(p, band, kGold, kGoldEdge, 0.4 * scale);
}

// One half of the portrait, the head up, around (0, 0) at the panel's middle line.
void DrawBust(QPainter& p, Suit suit, Court court, double halfWidth, double halfHeight) {
  const QColor robe = RobeOf(suit);
  const QColor robeEdge = robe.darker(170);
  const double headY = -halfHeight + 18.5;
  const double headRx = 5.4, headRy = 6.2;

  if (court == Court::Jack) {
    // A halberd held upright beside the shoulder.
    p.setPen(QPen(kGoldEdge, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(11.5, 0), QPointF(11.5, headY - 6));
    QPainterPath blade;
    blade.moveTo(11.5, headY - 10.5);
    blade.lineTo(13.2, headY - 6);
    blade.lineTo(11.5, headY - 4.5);
    blade.lineTo(9.8, headY - 6);
    blade.closeSubpath();
    Fill(p, blade, QColor(0xD8, 0xD8, 0xD8), QColor(0x60, 0x60, 0x60), 0.5);
  } else {
    // Long hair behind the head, falling to the shoulders.
    QPainterPath hair;
    hair.moveTo(-headRx - 1.8, -11);
    hair.cubicTo(-headRx - 2.8, headY - 3, -headRx - 1.2, headY - headRy - 1.2, 0,
                 headY - headRy - 1.2);
    hair.cubicTo(headRx + 1.2, headY - headRy - 1.2, headRx + 2.8, headY - 3, headRx + 1.8, -11);
    hair.closeSubpath();
    Fill(p, hair, kQueenHair, kGoldEdge, 0.5);
  }

  QPainterPath gown;
  gown.moveTo(-halfWidth + 4.5, 0.5);
  gown.lineTo(-halfWidth + 5, -6);
  gown.quadTo(-halfWidth + 5.5, -11.5, -5, -12);
  gown.lineTo(5, -12);
  gown.quadTo(halfWidth - 5.5, -11.5, halfWidth - 5, -6);
  gown.lineTo(halfWidth - 4.5, 0.5);
  gown.closeSubpath();
  Fill(p, gown, robe, robeEdge, 0.7);
  // Gold trim down the front with buttons.
  QPainterPath front;
  front.moveTo(-2.6, 0.5);
  front.lineTo(-2.2, -11);
  front.lineTo(2.2, -11);
  front.lineTo(2.6, 0.5);
  front.closeSubpath();
  Fill(p, front, kGold, kGoldEdge, 0.5);
  for (double y : {-7.5, -3.5}) Fill(p, Ellipse(0, y, 0.75, 0.75), robe, robe, 0);

  Fill(p, Ellipse(0, -12.5, 2.3, 2.2), kSkin, kSkinEdge, 0.5);  // neck
  QPainterPath collar;
  collar.moveTo(-6, -12.3);
  collar.quadTo(0, -7.8, 6, -12.3);
  collar.quadTo(0, -10.4, -6, -12.3);
  Fill(p, collar, Qt::white, QColor(0x90, 0x90, 0x90), 0.5);
  Fill(p, Ellipse(0, headY, headRx, headRy), kSkin, kSkinEdge, 0.6);
  if (court == Court::Jack) {
    QPainterPath hair;
    hair.moveTo(-headRx - 0.2, headY + 1.5);
    hair.cubicTo(-headRx - 0.9, headY - 4.5, -3, headY - headRy - 0.4, 0, headY - headRy - 0.4);
    hair.cubicTo(3, headY - headRy - 0.4, headRx + 0.9, headY - 4.5, headRx + 0.2, headY + 1.5);
    hair.cubicTo(3.8, headY - 2.6, -3.8, headY - 2.6, -headRx - 0.2, headY + 1.5);
    Fill(p, hair, kJackHair, kJackHair.darker(140), 0.4);
  }
  // Eyes and mouth.
  Fill(p, Ellipse(-2, headY + 0.2, 0.65, 0.7), kFeature, kFeature, 0);
  Fill(p, Ellipse(2, headY + 0.2, 0.65, 0.7), kFeature, kFeature, 0);
  p.setPen(QPen(QColor(0xB0, 0x60, 0x58), 0.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-1.1, headY + 3.2), QPointF(1.1, headY + 3.2));

  if (court == Court::Queen) {
    Fill(p, CrownPath(0, headY - headRy + 1.2, 4.8, 6.4), kGold, kGoldEdge, 0.6);
    Fill(p, Ellipse(0, headY - headRy - 1.4, 0.95, 0.95), robe, robe, 0);
    // A flower held at the breast.
    p.setPen(QPen(QColor(0x3C, 0x7A, 0x3C), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-6, -1.5), QPointF(-9, -8));
    Fill(p, Ellipse(-9.2, -8.6, 1.9, 1.9), Qt::white, kGoldEdge, 0.5);
    Fill(p, Ellipse(-9.2, -8.6, 0.8, 0.8), kGold, kGold, 0);
  } else {
    DrawCap(p, 0, headY - headRy + 2.8, 1.05, robe);
  }
}

}  // namespace

void DrawCourtPanel(QPainter& p, Suit suit, Court court, const QRectF& panel) {
  p.save();
  p.setPen(QPen(kGoldEdge, 0.8));
  p.setBrush(kPanel);
  p.drawRect(panel);
  const QPointF middle = panel.center();
  const double halfWidth = panel.width() / 2, halfHeight = panel.height() / 2;
  for (int half = 0; half < 2; ++half) {
    p.save();
    p.translate(middle);
    p.rotate(180.0 * half);
    p.setClipRect(
        QRectF(-halfWidth + 0.4, -halfHeight + 0.4, panel.width() - 0.8, halfHeight - 0.4));
    DrawBust(p, suit, court, halfWidth, halfHeight);
    // The suit beside the head, as on printed courts.
    p.fillPath(QTransform(6, 0, 0, 6, -halfWidth + 6.5, -halfHeight + 7).map(SuitPath(suit)),
               InkOf(suit));
    p.restore();
  }
  // A gold band where the two halves meet, two pixels so it stays crisp on the middle line.
  p.fillRect(QRectF(panel.left() + 0.5, middle.y() - 1, panel.width() - 1, 2), kGold);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(InkOf(suit), 1.0));
  p.drawRect(panel.adjusted(2, 2, -2, -2));
  p.restore();
}

void DrawSmallCourtPanel(QPainter& p, Suit suit, Court court, const QRectF& panel) {
  p.save();
  p.setPen(QPen(kGoldEdge, 0.8));
  p.setBrush(kPanel);
  p.drawRect(panel);
  // Head and shoulders of the large portrait, shrunk to sit over the pip.
  const double scale = panel.width() / 33;
  const double shown = 30;  // portrait units from above the headwear to the shoulders
  p.save();
  p.setClipRect(
      QRectF(panel.left() + 0.4, panel.top() + 0.4, panel.width() - 0.8, shown * scale + 0.6));
  p.translate(panel.center().x(), panel.top() + 1 + 35 * scale);
  p.scale(scale, scale);
  DrawBust(p, suit, court, 16.5, 38.5);
  p.restore();
  const double size = panel.width() * 0.72;
  p.fillPath(QTransform(size, 0, 0, size, panel.center().x(), panel.bottom() - size / 2 - 2.5)
                 .map(SuitPath(suit)),
             InkOf(suit));
  p.restore();
}

}  // namespace baralune::paint
