#include "report_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <cmath>

#include "card_image_list.h"
#include "paper_look.h"
#include "report_text_document.h"

namespace baralune::print {

namespace {

constexpr double kReportPoints = 10;

bool HasPicture(const QTextBlock& block) {
  return block.text().contains(QChar::ObjectReplacementCharacter);
}

bool IsBlank(const QTextBlock& block) {
  return block.text().trimmed().isEmpty() && !HasPicture(block);
}

// "Position 1:", "Description:": a short line that introduces the next.
bool IsLabel(const QTextBlock& block) {
  const QString text = block.text().trimmed();
  return text.endsWith(QLatin1Char(':')) && text.size() <= 40;
}

// The last paragraph of the group that starts at `block`: a picture (a position's, or a special
// interpretation's) with the texts that follow it up to a blank line or the next picture; a
// label with its text; otherwise the paragraph alone.
QTextBlock GroupEnd(const QTextBlock& block) {
  if (IsLabel(block) && block.next().isValid()) {
    const QTextBlock next = block.next();
    return HasPicture(next) ? GroupEnd(next) : next;  // a heading stays with what it heads
  }
  if (!HasPicture(block)) return block;
  QTextBlock last = block;
  for (QTextBlock next = block.next(); next.isValid() && !HasPicture(next) && !IsBlank(next);
       next = next.next()) {
    last = next;
  }
  return last;
}

}  // namespace

ReportPages::ReportPages(const richtext::Document& report, QPaintDevice& device, QSizeF pageSize)
    : m_pageSize(pageSize) {
  // Laid out with the device's own metrics, so that lines break where they are printed and the
  // pictures keep their size on paper.
  m_document.documentLayout()->setPaintDevice(&device);
  m_document.setDefaultFont(PaperFont(kReportPoints));
  m_document.setDocumentMargin(0);
  m_document.setPageSize(pageSize);
  richtext::FillTextDocument(report, m_document, SharperCardPicture);
  KeepBlocksOnOnePage();
}

void ReportPages::KeepBlocksOnOnePage() {
  // The layout draws a paragraph that runs on to the next page whole on both pages: the page's
  // clip hides the part that belongs to the other, yet its text would stay in the file twice.
  // So a paragraph that would run on starts the next page instead, unless it is longer than a
  // page; and so do the groups that read as one (a picture with the texts after it up to the
  // blank line that ends them, a label with its text). Groups are taken in order, so each break
  // is made on the layout the earlier ones left.
  const double height = m_pageSize.height();
  const QAbstractTextDocumentLayout* layout = m_document.documentLayout();
  auto fits = [&](const QTextBlock& first, const QTextBlock& last) {
    return layout->blockBoundingRect(last).bottom() - layout->blockBoundingRect(first).top() <=
           height;
  };
  for (QTextBlock block = m_document.begin(); block.isValid();) {
    QTextBlock last = GroupEnd(block);
    if (!fits(block, last)) last = IsLabel(block) && block.next().isValid() ? block.next() : block;
    if (!fits(block, last)) last = block;
    const double top = layout->blockBoundingRect(block).top();
    const double bottom = layout->blockBoundingRect(last).bottom();
    if (bottom - top <= height && std::floor(top / height) != std::floor((bottom - 1) / height)) {
      QTextBlockFormat breakBefore;
      breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(block).mergeBlockFormat(breakBefore);
    }
    block = last.next();
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
