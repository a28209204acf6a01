#pragma once
#include <QPainter>
#include <QRectF>

#include "card_shapes.h"

namespace baralune::paint {

enum class Court { Queen, Jack };

// The framed, double-ended court portrait of the large faces, filling `panel`.
void DrawCourtPanel(QPainter& painter, Suit suit, Court court, const QRectF& panel);
// The small faces' court panel: headwear over a big pip, readable at 40 x 50.
void DrawSmallCourtPanel(QPainter& painter, Suit suit, Court court, const QRectF& panel);

}  // namespace baralune::paint
