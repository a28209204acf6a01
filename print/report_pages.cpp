#include "report_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <cmath>

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
  KeepParagraphsOnOnePage();
}

void ReportPages::KeepParagraphsOnOnePage() {
  // The layout draws a paragraph that runs on to the next page whole on both pages: the page's
  // clip hides the part that belongs to the other, yet its text would stay in the file twice.
  // So a paragraph that would run on starts the next page instead, unless it is longer than a
  // page. Blocks are taken in order, so each break is made on the layout the earlier ones left.
  const double height = m_pageSize.height();
  for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
    const QRectF r = m_document.documentLayout()->blockBoundingRect(block);
    if (r.height() > height ||
        std::floor(r.top() / height) == std::floor((r.bottom() - 1) / height)) {
      continue;
    }
    QTextBlockFormat breakBefore;
    breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).mergeBlockFormat(breakBefore);
  }
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
  // A paragraph ending on a page's lower edge is not the next page's, nor the one starting
  // there this page's: drawn and clipped away, they would still carry text and pictures in.
  context.clip = page.adjusted(0, 1, 0, -1);
  m_document.documentLayout()->draw(&painter, context);
  painter.restore();
}

}  // namespace baralune::print
