#include "face_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace baralune {

FaceButton::FaceButton(const QString& text, const QColor& face, QWidget* parent)
    : QPushButton(text, parent), m_face(face) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect r = rect();
  painter.fillRect(r, m_face);

  // A one-pixel black outline, then a light and a shaded edge: raised, or sunk while pressed.
  const bool down = isDown() || isChecked();
  const QColor light = m_face.lighter(150);
  const QColor shade = m_face.darker(160);
  painter.setPen(Qt::black);
  painter.drawRect(r.adjusted(0, 0, -1, -1));
  const QRect inner = r.adjusted(1, 1, -2, -2);
  painter.setPen(down ? shade : light);
  painter.drawLine(inner.topLeft(), inner.topRight());
  painter.drawLine(inner.topLeft(), inner.bottomLeft());
  painter.setPen(down ? light : shade);
  painter.drawLine(inner.bottomLeft(), inner.bottomRight());
  painter.drawLine(inner.topRight(), inner.bottomRight());

  QRect textRect = r.adjusted(2, 2, -2, -2);
  if (down) textRect.translate(1, 1);
  painter.setFont(font());
  painter.setPen(isEnabled() ? QColor(Qt::black) : m_face.darker(200));
  const bool mnemonics = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this) != 0;
  painter.drawText(textRect,
                   Qt::AlignCenter | (mnemonics ? Qt::TextShowMnemonic : Qt::TextHideMnemonic),
                   text());

  if (m_cue.Shown(*this)) {
    // Solid, so the frame reaches 3:1 against the face all round, not at every other pixel.
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(r.adjusted(3, 3, -4, -4));
  }
}

void FaceButton::keyPressEvent(QKeyEvent* event) {
  m_cue.KeyUsed();
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (enter && modifiers == Qt::NoModifier && !event->isAutoRepeat()) {
    animateClick();
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
  update();
}

void FaceButton::focusInEvent(QFocusEvent* event) {
  m_cue.FocusIn(event->reason());
  QPushButton::focusInEvent(event);
}

}  // namespace baralune
