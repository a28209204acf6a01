#pragma once
#include <QRectF>

#include "reading_details.h"

class QPainter;

namespace baralune::print {

// The first page of a printed reading, painted in `area` (device units): the spread's name,
// the name, date of birth and date of the reading, then the cards as the spread display lays
// them out, each face at 300 dots an inch from the double-size artwork.
void PaintCoverPage(QPainter& painter, const QRectF& area, const ReadingDetails& details);

}  // namespace baralune::print
