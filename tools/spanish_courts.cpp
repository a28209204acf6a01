#include "spanish_courts.h"

#include <QPainterPath>
#include <algorithm>

#include "spanish_suits.h"

namespace baralune::paint {
namespace {

// The figures are drawn on a grid 50 wide and 90 high. Their clothes keep clear of the four
// emblem colours, so a court's suit shows only in what it holds.
constexpr double kGridWidth = 50, kGridHeight = 90;

const QColor kSkin(0xF7, 0xDA, 0xB8);
const QColor kSkinEdge(0x7A, 0x4A, 0x4A);
const QColor kLine(0x3A, 0x2A, 0x20);
const QColor kHair(0x6B, 0x3E, 0x1E);
const QColor kPageTunic(0x6B, 0x4C, 0x9A);
const QColor kHose(0x70, 0x70, 0x78);
const QColor kCap(0x8B, 0x1A, 0x1A);
const QColor kKingRobe(0x5A, 0x2D, 0x82);
const QColor kErmine(0xFF, 0xFF, 0xFF);
const QColor kCrown(0xF4, 0xD8, 0x80);
const QColor kBeard(0xB8, 0xB0, 0xA8);
const QColor kHorse(0xD9, 0xCB, 0xB0);
const QColor kHorseEdge(0x6B, 0x50, 0x30);
const QColor kMane(0x4A, 0x32, 0x20);
const QColor kRiderCoat(0xA0, 0x48, 0x70);

void Fill(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& edge = kLine,
          double width = 0.7) {
  p.setBrush(fill);
  p.setPen(QPen(edge, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(QPointF(cx, cy), rx, ry);
  return path;
}

QPainterPath Rect(double x, double y, double w, double h) {
  QPainterPath path;
  path.addRect(QRectF(x, y, w, h));
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

void DrawFace(QPainter& p, double cx, double cy, double r) {
  Fill(p, Ellipse(cx, cy, r * 0.9, r), kSkin, kSkinEdge, 0.6);
  Fill(p, Ellipse(cx - r * 0.35, cy - r * 0.05, r * 0.12, r * 0.14), kLine, kLine, 0);
  Fill(p, Ellipse(cx + r * 0.35, cy - r * 0.05, r * 0.12, r * 0.14), kLine, kLine, 0);
}

// Round emblems are held up in the hand; swords and cudgels rest slanted on the shoulder.
void DrawHeld(QPainter& p, Suit suit, QPointF hand, double roundSize, double longSize,
              double tilt) {
  if (IsLongEmblem(suit)) {
    DrawEmblem(p, suit, QPointF(hand.x(), hand.y() - longSize * 0.25), longSize, tilt);
  } else {
    DrawEmblem(p, suit, QPointF(hand.x(), hand.y() - roundSize * 0.55), roundSize);
  }
  Fill(p, Ellipse(hand.x(), hand.y(), 2.2, 2.2), kSkin, kSkinEdge, 0.5);
}

void DrawSota(QPainter& p, Suit suit) {
  // Legs and shoes under a flared tunic.
  Fill(p, Rect(18, 56, 5, 27), kHose);
  Fill(p, Rect(27, 56, 5, 27), kHose);
  Fill(p, Ellipse(19.5, 84.5, 4, 2), kLine);
  Fill(p, Ellipse(30.5, 84.5, 4, 2), kLine);
  Fill(p, Polygon({{15, 24}, {35, 24}, {39, 58}, {11, 58}}), kPageTunic);
  Fill(p, Rect(13.5, 40, 23, 2.5), kCrown);
  // The free arm hangs; the other is raised to the emblem.
  Fill(p, Polygon({{15, 25}, {19, 27}, {14, 46}, {10, 45}}), kPageTunic);
  Fill(p, Ellipse(12, 47.5, 2.2, 2.2), kSkin, kSkinEdge, 0.5);
  Fill(p, Polygon({{33, 25}, {36, 24}, {42, 34}, {39, 36}}), kPageTunic);
  Fill(p, Rect(22.5, 19, 5, 5), kSkin, kSkinEdge, 0.5);
  Fill(p, Ellipse(25, 13, 7, 7.5), kHair, kHair);
  DrawFace(p, 25, 14.5, 6);
  // A flat cap with a feather.
  Fill(p, Ellipse(25, 8, 8, 2.8), kCap);
  QPainterPath feather;
  feather.moveTo(29, 7);
  feather.cubicTo(33, 3, 36, 2, 38, 0.8);
  feather.cubicTo(36, 4, 33, 6, 29, 8);
  Fill(p, feather, kCrown, kLine, 0.4);
  DrawHeld(p, suit, QPointF(41, 35), 15, 40, 18);
}

void DrawRey(QPainter& p, Suit suit) {
  // A long robe with an ermine front and hem, a cape over the shoulders.
  Fill(p, Polygon({{16, 25}, {34, 25}, {41, 86}, {9, 86}}), kKingRobe);
  Fill(p, Polygon({{23, 26}, {27, 26}, {29, 86}, {21, 86}}), kErmine, kLine, 0.5);
  Fill(p, Rect(9.5, 82, 31, 4), kErmine, kLine, 0.5);
  Fill(p, Polygon({{14, 26}, {36, 26}, {38, 36}, {12, 36}}), kCap);
  Fill(p, Polygon({{15, 27}, {18, 29}, {17, 50}, {13, 50}}), kKingRobe);
  Fill(p, Ellipse(15, 51.5, 2.2, 2.2), kSkin, kSkinEdge, 0.5);
  Fill(p, Polygon({{33, 27}, {36, 27}, {42, 42}, {39, 44}}), kKingRobe);
  Fill(p, Rect(22.5, 20, 5, 6), kSkin, kSkinEdge, 0.5);
  DrawFace(p, 25, 15, 6);
  QPainterPath beard;
  beard.moveTo(19.8, 15.5);
  beard.cubicTo(20, 23, 23, 27, 25, 27.5);
  beard.cubicTo(27, 27, 30, 23, 30.2, 15.5);
  beard.cubicTo(28, 19, 22, 19, 19.8, 15.5);
  Fill(p, beard, kBeard, kLine, 0.5);
  // The crown: a band with three points, each tipped with a ball.
  Fill(p,
       Polygon({{18.5, 10}, {17.5, 2.5}, {21.5, 6}, {25, 0.8}, {28.5, 6}, {32.5, 2.5}, {31.5, 10}}),
       kCrown);
  for (const double x : {17.5, 25.0, 32.5}) Fill(p, Ellipse(x, x == 25 ? 0.8 : 2.5, 1, 1), kCap);
  DrawHeld(p, suit, QPointF(41, 43), 16, 44, 12);
}

void DrawCaballo(QPainter& p, Suit suit) {
  // The horse, walking to the right: tail, legs, body, neck and head.
  QPainterPath tail;
  tail.moveTo(9, 55);
  tail.cubicTo(3, 58, 3, 68, 5, 76);
  tail.cubicTo(7, 70, 8, 62, 11, 58);
  Fill(p, tail, kMane, kMane, 0.5);
  for (const double x : {12.0, 17.5, 30.0, 35.5}) {
    const double lift = x == 35.5 ? 4 : 0;  // one forefoot raised
    Fill(p, Rect(x, 64, 3.2, 19 - lift), kHorse, kHorseEdge);
    Fill(p, Rect(x - 0.2, 82 - lift, 3.6, 2.5), kLine, kLine, 0.5);
  }
  Fill(p, Ellipse(24, 60, 16, 8.5), kHorse, kHorseEdge);
  Fill(p, Polygon({{32, 56}, {37, 49}, {43, 37}, {47, 41}, {41, 57}}), kHorse, kHorseEdge);
  Fill(p, Polygon({{36, 50}, {42, 38}, {43.5, 36}, {39, 52}}), kMane, kMane, 0.5);
  QPainterPath head;
  head.moveTo(42, 35);
  head.lineTo(45, 33);
  head.lineTo(50, 44);
  head.lineTo(47, 46.5);
  head.lineTo(43, 41);
  head.closeSubpath();
  Fill(p, head, kHorse, kHorseEdge);
  Fill(p, Polygon({{43.5, 34}, {44, 30}, {45.5, 33.5}}), kHorse, kHorseEdge);
  Fill(p, Ellipse(45, 37.5, 0.7, 0.7), kLine, kLine, 0);
  // A saddle cloth, and the rider on it.
  Fill(p, Polygon({{16, 52}, {31, 52}, {30, 63}, {17, 63}}), kCap);
  Fill(p, Polygon({{21, 50}, {27, 50}, {28, 68}, {23, 68}}), kHose);
  Fill(p, Ellipse(25.5, 69, 3, 1.6), kLine);
  Fill(p, Polygon({{18, 31}, {30, 31}, {31, 53}, {17, 53}}), kRiderCoat);
  Fill(p, Polygon({{19, 32}, {21, 35}, {14, 40}, {12, 37}}), kRiderCoat);
  Fill(p, Polygon({{28, 33}, {30, 35}, {36, 44}, {33, 45}}), kRiderCoat);
  Fill(p, Ellipse(34.5, 45, 2, 2), kSkin, kSkinEdge, 0.5);
  Fill(p, Rect(22, 26, 4, 5), kSkin, kSkinEdge, 0.5);
  DrawFace(p, 24, 22, 5.2);
  // A broad-brimmed hat.
  Fill(p, Ellipse(24, 17.5, 8.5, 2), kKingRobe);
  Fill(p, Ellipse(24, 15.5, 4.5, 3.5), kKingRobe);
  DrawHeld(p, suit, QPointF(11, 37.5), 14, 34, -20);
}

}  // namespace

void DrawCourtFigure(QPainter& p, Suit suit, Court court, const QRectF& box) {
  const double scale = std::min(box.width() / kGridWidth, box.height() / kGridHeight);
  p.save();
  p.translate(box.center().x() - kGridWidth * scale / 2,
              box.center().y() - kGridHeight * scale / 2);
  p.scale(scale, scale);
  switch (court) {
    case Court::Sota:
      DrawSota(p, suit);
      break;
    case Court::Caballo:
      DrawCaballo(p, suit);
      break;
    case Court::Rey:
      DrawRey(p, suit);
      break;
  }
  p.restore();
}

}  // namespace baralune::paint
