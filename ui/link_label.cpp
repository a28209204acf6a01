#include "link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "accessible_controls.h"
#include "look.h"

namespace baralune {

namespace {

bool IsActivationKey(const QKeyEvent& event) {
  return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter ||
         event.key() == Qt::Key_Space;
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
  for (LinkLabel* link : root->findChildren<LinkLabel*>()) {
    link->setFocusPolicy(OutOfSight(link) ? Qt::NoFocus : Qt::TabFocus);
  }
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  RegisterAccessibleControls();
  setCursor(look::HandCursor(devicePixelRatioF()));
  // Tab only: a click follows the link without leaving a focus mark behind.
  setFocusPolicy(Qt::TabFocus);
}

bool LinkLabel::event(QEvent* event) {
  const bool handled = QLabel::event(event);
  if (event->type() == QEvent::Polish || event->type() == QEvent::ZOrderChange) {
    UpdateLinkReach(window());
  }
  return handled;
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  m_pressed = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = m_pressed && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  m_pressed = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if (!IsActivationKey(*event)) {
    QLabel::keyPressEvent(event);
    return;
  }
  event->accept();
  m_focusCue.KeyUsed();
  update();
  if (!event->isAutoRepeat()) Activate();
}

void LinkLabel::focusInEvent(QFocusEvent* event) {
  m_focusCue.FocusIn(event->reason());
  QLabel::focusInEvent(event);
  update();
}

void LinkLabel::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  update();
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!m_focusCue.Shown(*this)) return;
  QPainter painter(this);
  PaintFocusFrame(painter, rect(), palette().color(QPalette::WindowText), 1);
}

}  // namespace baralune
