#include "reading_print.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "catalogue.h"
#include "cover_page.h"
#include "paper_look.h"
#include "report_pages.h"

namespace baralune::print {

namespace {

constexpr double kMarginMillimetres = 15;
constexpr double kFooterPoints = 8;

void PaintFooter(QPainter& painter, const QRectF& footer, int page, int pages) {
  painter.save();
  painter.setPen(Qt::black);
  painter.setFont(PaperFont(kFooterPoints));
  painter.drawText(
      footer, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
      QCoreApplication::translate("PrintedReading", "Page %1 of %2").arg(page).arg(pages));
  painter.restore();
}

// The reader's notes laid out on pages of `body`, under a heading; null when there are none.
std::unique_ptr<QTextDocument> NotesPages(const QString& notes, QPagedPaintDevice& device,
                                          const QSizeF& body) {
  if (notes.trimmed().isEmpty()) return nullptr;
  auto document = std::make_unique<QTextDocument>();
  document->documentLayout()->setPaintDevice(&device);
  document->setDefaultFont(PaperFont(11));
  document->setPageSize(body);
  document->setPlainText(QCoreApplication::translate("PrintedReading", "My notes") +
                         QStringLiteral("\n\n") + notes);
  QTextCursor heading(document.get());
  heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  heading.mergeCharFormat(bold);
  return document;
}

void PaintNotesPage(QPainter& painter, QTextDocument& notes, int page, const QSizeF& body) {
  painter.save();
  painter.setPen(Qt::black);
  painter.translate(0, -page * body.height());
  notes.drawContents(&painter, QRectF(QPointF(0, page * body.height()), body));
  painter.restore();
}

}  // namespace

QPageSize PaperFor(const QLocale& locale) {
  return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                           : QPageSize::A4);
}

void SetUpPage(QPagedPaintDevice& device, const QLocale& locale) {
  device.setPageSize(PaperFor(locale));
  device.setPageOrientation(QPageLayout::Portrait);
  device.setPageMargins(
      QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
      QPageLayout::Millimeter);
}

bool PaintReading(QPagedPaintDevice& device, const ReadingDetails& details,
                  const richtext::Document& report) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // The painter's origin is the corner of the margins; the page number sits on the last line
  // inside them, a blank line below the text.
  const QSizeF printable(device.width(), device.height());
  const double footerHeight = QFontMetricsF(PaperFont(kFooterPoints), &device).height() * 2;
  const QSizeF body(printable.width(), printable.height() - footerHeight);
  const QRectF footer(0, body.height(), printable.width(), footerHeight);

  const ReportPages reportPages(report, device, body);
  const std::unique_ptr<QTextDocument> notes = NotesPages(details.notes, device, body);
  const int notesPages = notes != nullptr ? notes->pageCount() : 0;
  const int pages = 1 + reportPages.Count() + notesPages;
  PaintCoverPage(painter, QRectF(QPointF(0, 0), body), details);
  PaintFooter(painter, footer, 1, pages);
  for (int page = 0; page < reportPages.Count(); ++page) {
    if (!device.newPage()) return false;
    reportPages.Paint(painter, page);
    PaintFooter(painter, footer, page + 2, pages);
  }
  for (int page = 0; page < notesPages; ++page) {
    if (!device.newPage()) return false;
    PaintNotesPage(painter, *notes, page, body);
    PaintFooter(painter, footer, 2 + reportPages.Count() + page, pages);
  }
  return painter.end();
}

QString ReadingTitle(const ReadingDetails& details) {
  if (details.own) return QString::fromStdString(details.own->name);
  const SpreadIndex spread = std::clamp<SpreadIndex>(details.spread, 0, kSpreadCount - 1);
  const std::string_view name = SpreadReportName(spread, details.language);
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QByteArray ReadingPdf(const ReadingDetails& details, const richtext::Document& report,
                      const QLocale& locale) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    SetUpPage(writer, locale);
    writer.setTitle(ReadingTitle(details));
    writer.setCreator(QStringLiteral("Baralune"));
    if (!PaintReading(writer, details, report)) return {};
  }
  return pdf;
}

}  // namespace baralune::print
