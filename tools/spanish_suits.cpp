#include "spanish_suits.h"

#include <QPainterPath>

namespace baralune::paint {
namespace {

const QColor kGold(0xE8, 0xB0, 0x20);
const QColor kGoldInk(0x8A, 0x55, 0x00);
const QColor kCupRed(0xD0, 0x20, 0x30);
const QColor kCupInk(0x70, 0x08, 0x10);
const QColor kBlade(0x30, 0x60, 0xC0);
const QColor kBladeInk(0x10, 0x25, 0x60);
const QColor kCudgel(0x4C, 0x8A, 0x2C);
const QColor kCudgelInk(0x24, 0x48, 0x10);
// Hilts, rims and knots: a paler yellow than the coins, so no suit but Oros shows their gold.
const QColor kTrim(0xF4, 0xD8, 0x80);

// The emblems are drawn on a unit box: 1 high, centred on the origin. Edges are 0.05 wide.
constexpr double kEdge = 0.05;

void Fill(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& edge,
          double width = kEdge) {
  p.setBrush(fill);
  p.setPen(QPen(edge, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

QPainterPath Circle(double cx, double cy, double r) {
  QPainterPath path;
  path.addEllipse(QPointF(cx, cy), r, r);
  return path;
}

// A gold coin with a rim and a four-petalled rose at its heart.
void DrawCoin(QPainter& p) {
  Fill(p, Circle(0, 0, 0.47), kGold, kGoldInk, 0.06);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGoldInk, 0.04));
  p.drawEllipse(QPointF(0, 0), 0.36, 0.36);
  QPainterPath rose;
  for (int k = 0; k < 4; ++k) {
    QPainterPath petal;
    petal.addEllipse(QPointF(0, -0.12), 0.06, 0.11);
    rose.addPath(QTransform().rotate(45 + 90 * k).map(petal));
  }
  p.setBrush(kGold);
  p.setPen(QPen(kGoldInk, 0.03));
  p.drawPath(rose);
}

// A chalice: a deep bowl on a knotted stem and a wide foot.
void DrawCup(QPainter& p) {
  QPainterPath bowl;
  bowl.moveTo(-0.36, -0.42);
  bowl.cubicTo(-0.36, -0.05, -0.2, 0.1, 0, 0.12);
  bowl.cubicTo(0.2, 0.1, 0.36, -0.05, 0.36, -0.42);
  bowl.closeSubpath();
  QPainterPath stem;
  stem.addRect(QRectF(-0.06, 0.1, 0.12, 0.26));
  QPainterPath foot;
  foot.moveTo(-0.06, 0.34);
  foot.quadTo(-0.1, 0.44, -0.3, 0.47);
  foot.lineTo(0.3, 0.47);
  foot.quadTo(0.1, 0.44, 0.06, 0.34);
  foot.closeSubpath();
  Fill(p, foot, kCupRed, kCupInk);
  Fill(p, stem, kTrim, kCupInk);
  Fill(p, Circle(0, 0.22, 0.09), kTrim, kCupInk);  // the knot
  Fill(p, bowl, kCupRed, kCupInk);
  QPainterPath rim;
  rim.addEllipse(QPointF(0, -0.42), 0.37, 0.07);
  Fill(p, rim, kTrim, kCupInk);
}

// A straight sword, point up: a broad blue blade, a cross guard, a grip and a round pommel.
void DrawSword(QPainter& p) {
  QPainterPath blade;
  blade.moveTo(0, -0.5);
  blade.lineTo(0.085, -0.38);
  blade.lineTo(0.085, 0.17);
  blade.lineTo(-0.085, 0.17);
  blade.lineTo(-0.085, -0.38);
  blade.closeSubpath();
  Fill(p, blade, kBlade, kBladeInk);
  QPainterPath guard;
  guard.addRoundedRect(QRectF(-0.2, 0.16, 0.4, 0.07), 0.03, 0.03);
  Fill(p, guard, kTrim, kBladeInk);
  QPainterPath grip;
  grip.addRect(QRectF(-0.045, 0.23, 0.09, 0.17));
  Fill(p, grip, kCupInk, kBladeInk);
  Fill(p, Circle(0, 0.43, 0.055), kTrim, kBladeInk);
}

// A knotty cudgel, thick end up, with the stubs of cut branches along it.
void DrawCudgel(QPainter& p) {
  // The stubs first: the club's outline then runs over their roots.
  for (const auto& [x, y] : {std::pair{-0.18, -0.22}, {0.16, 0.12}}) {
    QPainterPath stub;
    stub.addEllipse(QPointF(x, y), 0.065, 0.045);
    Fill(p, stub, kCudgel, kCudgelInk);
  }
  QPainterPath club;
  club.moveTo(-0.07, 0.49);
  club.cubicTo(-0.1, 0.2, -0.15, -0.1, -0.15, -0.38);
  club.cubicTo(-0.15, -0.5, 0.15, -0.5, 0.15, -0.38);
  club.cubicTo(0.15, -0.1, 0.1, 0.2, 0.07, 0.49);
  club.closeSubpath();
  Fill(p, club, kCudgel, kCudgelInk);
  p.setPen(QPen(kCudgelInk, 0.03, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-0.03, -0.3), QPointF(0.02, -0.18));
  p.drawLine(QPointF(0.03, 0.06), QPointF(-0.01, 0.16));
}

}  // namespace

QColor EmblemColour(Suit suit) {
  switch (suit) {
    case Suit::Diamonds:
      return kGold;
    case Suit::Hearts:
      return kCupRed;
    case Suit::Spades:
      return kBlade;
    case Suit::Clubs:
      return kCudgel;
  }
  return kGold;
}

QColor SuitInk(Suit suit) {
  switch (suit) {
    case Suit::Diamonds:
      return kGoldInk;
    case Suit::Hearts:
      return kCupInk;
    case Suit::Spades:
      return kBladeInk;
    case Suit::Clubs:
      return kCudgelInk;
  }
  return kGoldInk;
}

bool IsLongEmblem(Suit suit) {
  return suit == Suit::Spades || suit == Suit::Clubs;
}

void DrawEmblem(QPainter& p, Suit suit, QPointF centre, double height, double tilt) {
  p.save();
  p.translate(centre);
  p.rotate(tilt);
  p.scale(height, height);
  switch (suit) {
    case Suit::Diamonds:
      DrawCoin(p);
      break;
    case Suit::Hearts:
      DrawCup(p);
      break;
    case Suit::Spades:
      DrawSword(p);
      break;
    case Suit::Clubs:
      DrawCudgel(p);
      break;
  }
  p.restore();
}

}  // namespace baralune::paint
