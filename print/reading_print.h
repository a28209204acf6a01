#pragma once
#include <QByteArray>
#include <QLocale>
#include <QPageSize>

#include "document.h"
#include "reading_details.h"

class QPagedPaintDevice;

namespace baralune::print {

// The paper of the user's locale: Letter where US measures are the custom, A4 elsewhere.
QPageSize PaperFor(const QLocale& locale);

// Gives `device` the paper of `locale` and margins of 15 mm all round.
void SetUpPage(QPagedPaintDevice& device, const QLocale& locale = QLocale());

// Paints a reading on `device`, set up beforehand: a first page with the spread's name, who
// asked and when, and the cards in the spread's shape; then the report, page by page, with
// the page number at the foot; then the reader's notes, if `details` has any (whoever prints
// leaves them out unless the reader asked for them). Always black on white paper, whatever the
// desktop's theme.
// False when nothing could be painted (no painter would begin, or a new page failed).
bool PaintReading(QPagedPaintDevice& device, const ReadingDetails& details,
                  const richtext::Document& report);

// The title a printed or exported reading carries: the spread's name in the reading's language.
QString ReadingTitle(const ReadingDetails& details);

// The reading as a PDF document on the paper of `locale`; empty if it could not be made.
QByteArray ReadingPdf(const ReadingDetails& details, const richtext::Document& report,
                      const QLocale& locale = QLocale());

}  // namespace baralune::print
