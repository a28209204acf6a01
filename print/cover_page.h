#pragma once
#include <QRectF>
#include <QString>

#include "reading_details.h"

class QFontMetricsF;
class QPainter;

namespace baralune::print {

// The first page of a printed reading, painted in `area` (device units): the spread's name,
// the name, date of birth and date of the reading, then the cards as the spread display lays
// them out, each face at 300 dots an inch from the double-size artwork.
void PaintCoverPage(QPainter& painter, const QRectF& area, const ReadingDetails& details);

// The cover's "Name: …" line, the name elided in its middle to fit `width` in `metrics`; the
// label always shows. The full name stays in the journal and the report.
QString NameLine(const QString& name, const QFontMetricsF& metrics, double width);

}  // namespace baralune::print
