#pragma once
#include <QRect>
#include <Qt>

class QColor;
class QPainter;
class QWidget;

namespace baralune {

// Whether a control draws its keyboard focus. The focus is drawn once the keyboard brought or
// used it; a click, or the window coming to the front, leaves the control looking as it always
// did, so the windows look the same to mouse users.
class FocusCue {
 public:
  void FocusIn(Qt::FocusReason reason);
  void KeyUsed() { m_keyboard = true; }
  // A click: the frame goes until the keyboard is used again.
  void MouseUsed() { m_keyboard = false; }
  bool Shown(const QWidget& widget) const;

 private:
  bool m_keyboard = false;
};

// A frame of `width` pixels just inside `rect`, in `color` with a black line inside it, so it
// stands out on the purple windows and on the red card backs alike.
void PaintFocusFrame(QPainter& painter, const QRect& rect, const QColor& color, int width);

}  // namespace baralune
