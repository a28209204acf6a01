#include "card_faces.h"

#include <vector>

#include "canvas.h"
#include "spanish_courts.h"
#include "spanish_suits.h"

namespace baralune::paint {
namespace {

const QSizeF kLargeGrid(71, 96);
const QSizeF kSmallGrid(40, 50);

Court CourtOf(int offset) {
  return offset == 7 ? Court::Sota : offset == 8 ? Court::Rey : Court::Caballo;
}

// The frame in the suit's ink, one unit wide, its top and bottom edges broken by gaps `gap` wide.
void DrawFrame(QPainter& p, Suit suit, const QRectF& frame, double gap) {
  QPainterPath sides;
  sides.moveTo(frame.topLeft());
  sides.lineTo(frame.bottomLeft());
  sides.moveTo(frame.topRight());
  sides.lineTo(frame.bottomRight());
  QPainterPath edges;
  const int gaps = PintaCount(suit);
  for (const double y : {frame.top(), frame.bottom()}) {
    double from = frame.left();
    for (int k = 1; k <= gaps; ++k) {
      const double middle = frame.left() + frame.width() * k / (gaps + 1);
      edges.moveTo(from, y);
      edges.lineTo(middle - gap / 2, y);
      from = middle + gap / 2;
    }
    edges.moveTo(from, y);
    edges.lineTo(frame.right(), y);
  }
  p.save();
  p.setBrush(Qt::NoBrush);
  // Square ends on the sides fill the corners.
  p.setPen(QPen(SuitInk(suit), 1.0, Qt::SolidLine, Qt::SquareCap));
  p.drawPath(sides);
  p.setPen(QPen(SuitInk(suit), 1.0, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(edges);
  p.restore();
}

void DrawNumber(QPainter& p, int card, QPointF topCentre, double height, double stroke) {
  const QPainterPath number = RankOutline(RankText(OffsetOf(card)), height, stroke);
  p.fillPath(QTransform::fromTranslate(topCentre.x(), topCentre.y()).map(number),
             SuitInk(SuitOf(card)));
}

// Where the pips of cards 2 to 7 sit: column (-1 left, 0 centre, 1 right) and height as a
// fraction of the way from the top row to the bottom row, as on Spanish coins and cups.
struct PipSpot {
  int column;
  double down;
};

std::vector<PipSpot> PipLayout(int count) {
  switch (count) {
    case 2:
      return {{0, 0}, {0, 1}};
    case 3:
      return {{0, 0}, {0, 0.5}, {0, 1}};
    case 4:
      return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 5:
      return {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
    case 6:
      return {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 7:
      return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    default:
      return {};
  }
}

void DrawLargePips(QPainter& p, int card) {
  const Suit suit = SuitOf(card);
  const int count = OffsetOf(card) + 1;
  const bool isLong = IsLongEmblem(suit);
  if (count == 1) {
    DrawEmblem(p, suit, QPointF(35.5, 48), isLong ? 62 : 36);
    return;
  }
  const double centreX = 35.5, columnStep = 13, top = 20, bottom = 76;
  for (const PipSpot& spot : PipLayout(count)) {
    const QPointF centre(centreX + spot.column * columnStep, top + spot.down * (bottom - top));
    DrawEmblem(p, suit, centre, isLong ? 24 : 17);
  }
}

}  // namespace

int PintaCount(Suit suit) {
  switch (suit) {
    case Suit::Diamonds:
      return 0;
    case Suit::Hearts:
      return 1;
    case Suit::Spades:
      return 2;
    case Suit::Clubs:
      return 3;
  }
  return 0;
}

QImage PaintLargeFace(int card, QSize size) {
  QImage image = NewCanvas(size);
  QPainter p;
  BeginOnGrid(p, image, kLargeGrid);
  DrawCardBody(p, kLargeGrid, 4);
  DrawFrame(p, SuitOf(card), kLargeFrame, 5);
  // Spanish cards are read one way up: both numbers stand upright.
  DrawNumber(p, card, QPointF(11, 7), 10, 1.6);
  DrawNumber(p, card, QPointF(60, 79), 10, 1.6);
  if (IsCourt(OffsetOf(card))) {
    DrawCourtFigure(p, SuitOf(card), CourtOf(OffsetOf(card)), QRectF(13, 8, 45, 81));
  } else {
    DrawLargePips(p, card);
  }
  p.end();
  return image;
}

QImage PaintSmallFace(int card, QSize size) {
  QImage image = NewCanvas(size);
  QPainter p;
  BeginOnGrid(p, image, kSmallGrid);
  DrawCardBody(p, kSmallGrid, 3);
  const Suit suit = SuitOf(card);
  DrawFrame(p, suit, kSmallFrame, 3.5);
  DrawNumber(p, card, QPointF(9.5, 5), 11, 2);
  if (IsCourt(OffsetOf(card))) {
    DrawCourtFigure(p, suit, CourtOf(OffsetOf(card)), QRectF(15.5, 5.5, 21, 40));
  } else {
    DrawEmblem(p, suit, QPointF(25.5, 27), IsLongEmblem(suit) ? 36 : 21);
  }
  p.end();
  return image;
}

}  // namespace baralune::paint
