#include "card_faces.h"

#include <array>

#include "canvas.h"
#include "card_shapes.h"
#include "court_figure.h"

namespace baralune::paint {
namespace {

const QSizeF kLargeGrid(71, 96);
const QSizeF kSmallGrid(40, 50);

QTransform PipPlacement(QPointF centre, double size, bool upsideDown) {
  QTransform t;
  t.translate(centre.x(), centre.y());
  if (upsideDown) t.rotate(180);
  t.scale(size, size);
  return t;
}

void DrawPip(QPainter& p, Suit suit, QPointF centre, double size, bool upsideDown = false) {
  FillShape(p, SuitPath(suit), PipPlacement(centre, size, upsideDown), InkOf(suit));
}

// Rank with a small pip under it, centred on x = 0 from y = 0 down.
struct IndexStyle {
  double rankHeight;
  double stroke;
  double pipSize;
  double pipGap;
};

void DrawIndex(QPainter& p, int card, QPointF topCentre, const IndexStyle& style) {
  const Suit suit = SuitOf(card);
  const QPainterPath rank = RankOutline(RankText(OffsetOf(card)), style.rankHeight, style.stroke);
  FillShape(p, rank, QTransform::fromTranslate(topCentre.x(), topCentre.y()), InkOf(suit));
  const double pipY = topCentre.y() + style.rankHeight + style.pipGap + style.pipSize / 2;
  DrawPip(p, suit, QPointF(topCentre.x(), pipY), style.pipSize);
}

// Where the pips of each pip card sit: column (-1 left, 0 centre, 1 right) and height as a
// fraction of the way from the top row to the bottom row.
struct PipSpot {
  int column;
  double down;
};

std::vector<PipSpot> PipLayout(int count) {
  switch (count) {
    case 1:
      return {{0, 0.5}};
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
    case 10:
      return {{-1, 0},       {1, 0},       {0, 1.0 / 6}, {-1, 1.0 / 3}, {1, 1.0 / 3},
              {-1, 2.0 / 3}, {1, 2.0 / 3}, {0, 5.0 / 6}, {-1, 1},       {1, 1}};
    default:
      return {};
  }
}

void DrawLargePips(QPainter& p, int card) {
  const Suit suit = SuitOf(card);
  const int count = PipCount(OffsetOf(card));
  if (count == 1) {
    DrawPip(p, suit, QPointF(35.5, 48), 26);
    return;
  }
  const double centreX = 35.5, columnStep = 13, top = 18, bottom = 78;
  for (const PipSpot& spot : PipLayout(count)) {
    const QPointF centre(centreX + spot.column * columnStep, top + spot.down * (bottom - top));
    DrawPip(p, suit, centre, 12.5, spot.down > 0.5);
  }
}

}  // namespace

QImage PaintLargeFace(int card, QSize size) {
  QImage image = NewCanvas(size);
  QPainter p;
  BeginOnGrid(p, image, kLargeGrid);
  DrawCardBody(p, kLargeGrid, 4);
  const IndexStyle index{9.5, 1.55, 7, 1.5};
  DrawIndex(p, card, QPointF(7, 3.5), index);
  p.save();
  p.translate(kLargeGrid.width(), kLargeGrid.height());
  p.rotate(180);
  DrawIndex(p, card, QPointF(7, 3.5), index);
  p.restore();
  if (IsCourt(OffsetOf(card))) {
    DrawCourtPanel(p, SuitOf(card), OffsetOf(card) == 8 ? Court::Queen : Court::Jack,
                   QRectF(14.5, 9.5, 42, 77));
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
  DrawIndex(p, card, QPointF(8.5, 3), IndexStyle{12, 2.1, 8, 2.5});
  if (IsCourt(OffsetOf(card))) {
    DrawSmallCourtPanel(p, suit, OffsetOf(card) == 8 ? Court::Queen : Court::Jack,
                        QRectF(17.5, 8.5, 18, 37));
  } else {
    DrawPip(p, suit, QPointF(26.5, 30), 18);
  }
  p.end();
  return image;
}

}  // namespace baralune::paint
