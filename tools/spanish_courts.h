#pragma once
#include <QPainter>
#include <QRectF>

#include "card_shapes.h"

namespace baralune::paint {

// The three court cards of the Spanish deck: the Sota (10), a page standing; the Caballo (11),
// a rider on horseback; the Rey (12), a crowned king. Each holds the emblem of its suit.
enum class Court { Sota, Caballo, Rey };

// The whole figure, scaled to fit `box` and centred in it.
void DrawCourtFigure(QPainter& painter, Suit suit, Court court, const QRectF& box);

}  // namespace baralune::paint
