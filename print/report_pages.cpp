#include "report_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>

#include "paper_look.h"
#include "report_text_document.h"

namespace baralune::print {

namespace {
constexpr double kReportPoints = 10;
}

ReportPages::ReportPages(const richtext::Document& report, QPaintDevice& device, QSizeF pageSize)
    : m_pageSize(pageSize) {
  // Laid out with the device's own metrics, so that lines break where they are printed and the
  // pictures keep their size on paper.
  m_document.documentLayout()->setPaintDevice(&device);
  m_document.setDefaultFont(PaperFont(kReportPoints));
  m_document.setDocumentMargin(0);
  m_document.setPageSize(pageSize);
  richtext::FillTextDocument(report, m_document);
}

int ReportPages::Count() const {
  return m_document.pageCount();
}

void ReportPages::Paint(QPainter& painter, int index) const {
  const QRectF page(QPointF(0, index * m_pageSize.height()), m_pageSize);
  painter.save();
  painter.translate(0, -page.top());
  painter.setClipRect(page);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette = PaperPalette();  // never the desktop's: a dark theme would print white text
  // The first line of the next page starts on this page's lower edge: drawn here too, it
  // would be clipped away yet still carry its pictures into the page.
  context.clip = page.adjusted(0, 0, 0, -1);
  m_document.documentLayout()->draw(&painter, context);
  painter.restore();
}

}  // namespace baralune::print
