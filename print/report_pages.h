#pragma once
#include <QSizeF>
#include <QTextDocument>

#include "document.h"

class QPainter;
class QPaintDevice;

namespace baralune::print {

// The report laid out on the pages of a paint device: the same text, colours and pictures as
// the report box shows, in pages of `pageSize` device units. A position's block (its picture,
// labels and texts) and a special interpretation with its pictures each keep to one page where
// they fit; a paragraph never runs on to the next page, and a label never ends one.
class ReportPages {
 public:
  ReportPages(const richtext::Document& report, QPaintDevice& device, QSizeF pageSize);

  int Count() const;
  // Paints page `index` (0-based) with its top left corner at the painter's origin.
  void Paint(QPainter& painter, int index) const;

 private:
  void KeepBlocksOnOnePage();

  QTextDocument m_document;
  QSizeF m_pageSize;
};

}  // namespace baralune::print
