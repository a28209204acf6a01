#include "clickable_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "accessible_controls.h"
#include "look.h"

namespace baralune {

namespace {

const QColor kTrayFocusFrame(0xFF, 0xFF, 0x00);

bool IsActivationKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool IsStepKey(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down ||
         key == Qt::Key_Home || key == Qt::Key_End;
}

// True when a control stacked above the label, or above one of its parents, hides it entirely.
bool OutOfSight(const QWidget* link) {
  const QRect place(QPoint(0, 0), link->size());
  for (const QWidget* w = link; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
    const QWidget* parent = w->parentWidget();
    const QRect inParent(link->mapTo(parent, QPoint(0, 0)), place.size());
    const QObjectList& siblings = parent->children();  // back to front
    for (qsizetype j = siblings.indexOf(w) + 1; j < siblings.size(); ++j) {
      const auto* above = qobject_cast<const QWidget*>(siblings[j]);
      if (above != nullptr && !above->isHidden() && !above->isWindow() &&
          above->geometry().contains(inParent)) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

void UpdateLinkReach(QWidget* root) {
  if (root == nullptr) return;
  for (ClickableLabel* link : root->findChildren<ClickableLabel*>()) {
    if (link->isTrayCard()) continue;  // the tray gives its cards the Tab stop
    link->setFocusPolicy(OutOfSight(link) ? Qt::NoFocus : Qt::TabFocus);
  }
}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent), m_focusCue(m_ownFocusCue) {
  RegisterAccessibleControls();
  setCursor(look::HandCursor(devicePixelRatioF()));
  // Tab only: a click follows the link without leaving a focus mark behind.
  setFocusPolicy(Qt::TabFocus);
}

ClickableLabel::ClickableLabel(int index, FocusCue& trayFocusCue, QWidget* parent)
    : QLabel(parent), m_index(index), m_focusCue(trayFocusCue) {
  RegisterAccessibleControls();
  // The tray makes one card at a time its Tab stop.
  setFocusPolicy(Qt::NoFocus);
}

bool ClickableLabel::event(QEvent* event) {
  const bool handled = QLabel::event(event);
  if (!isTrayCard() && (event->type() == QEvent::Polish || event->type() == QEvent::ZOrderChange)) {
    UpdateLinkReach(window());
  }
  return handled;
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  m_pressed = event->button() == Qt::LeftButton;
  if (isTrayCard()) {
    m_focusCue.MouseUsed();
    // The focus, and its frame, may be on another card of the tray.
    if (QWidget* focused = window()->focusWidget()) focused->update();
  }
  QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = m_pressed && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  m_pressed = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked(m_index);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool step = isTrayCard() && IsStepKey(key);
  if (!IsActivationKey(key) && !step) {
    QLabel::keyPressEvent(event);
    return;
  }
  event->accept();
  m_focusCue.KeyUsed();
  update();
  if (step) {
    emit stepped(m_index, key);
  } else if (!event->isAutoRepeat()) {
    // Held down, the key would click again and again (on a tray: pick one card after another).
    Activate();
  }
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
  // A tray hands the focus on from card to card itself, for the other reason: the frame stays
  // as the last key or click left it.
  if (!isTrayCard() || event->reason() != Qt::OtherFocusReason) m_focusCue.FocusIn(event->reason());
  QLabel::focusInEvent(event);
  update();
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  update();
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
  if (isTrayCard()) {
    // The back keeps its colours while the tray is disabled; the focus frame is drawn over it.
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap());
    if (m_focusCue.Shown(*this)) PaintFocusFrame(painter, rect(), kTrayFocusFrame, 3);
    return;
  }
  QLabel::paintEvent(event);
  if (!m_focusCue.Shown(*this)) return;
  QPainter painter(this);
  PaintFocusFrame(painter, rect(), palette().color(QPalette::WindowText), 1);
}

}  // namespace baralune
