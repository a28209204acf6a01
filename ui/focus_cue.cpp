#include "focus_cue.h"

#include <QColor>
#include <QPainter>
#include <QWidget>

namespace baralune {

void FocusCue::FocusIn(Qt::FocusReason reason) {
  switch (reason) {
    case Qt::MouseFocusReason:
      m_keyboard = false;
      break;
    // Focus given back: drawn as it was before it went away.
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
      break;
    default:
      m_keyboard = true;
      break;
  }
}

bool FocusCue::Shown(const QWidget& widget) const {
  return m_keyboard && widget.hasFocus();
}

void PaintFocusFrame(QPainter& painter, const QRect& rect, const QColor& color, int width) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(color, 1));
  QRect outer = rect;
  for (int k = 0; k < width; ++k) {
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    outer.adjust(1, 1, -1, -1);
  }
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(outer.adjusted(0, 0, -1, -1));
  painter.restore();
}

}  // namespace baralune
