#pragma once
#include <QSizeF>
#include <QTextDocument>

#include "document.h"

class QPainter;
class QPaintDevice;

namespace baralune::print {

// The report laid out on the pages of a paint device: the same text, colours and pictures as
// the report box shows, in pages of `pageSize` device units.
class ReportPages {
 public:
  ReportPages(const richtext::Document& report, QPaintDevice& device, QSizeF pageSize);

  int Count() const;
  // Paints page `index` (0-based) with its top left corner at the painter's origin.
  void Paint(QPainter& painter, int index) const;

 private:
  void KeepParagraphsOnOnePage();

  QTextDocument m_document;
  QSizeF m_pageSize;
};

}  // namespace baralune::print
