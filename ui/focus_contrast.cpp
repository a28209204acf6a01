#include "focus_contrast.h"

#include <QPainter>
#include <QStyleOption>
#include <cmath>

namespace baralune {

namespace {

constexpr int kFrameWidth = 2;
const QColor kDarkFocus(0x10, 0x10, 0x10);

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
  return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

void DrawFrame(QPainter* painter, const QRect& rect, const QColor& ground) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setPen(Qt::NoPen);
  painter->setBrush(FocusColourOn(ground));
  const QRect r = rect;
  const int w = kFrameWidth;
  painter->drawRect(QRect(r.left(), r.top(), r.width(), w));
  painter->drawRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w));
  painter->drawRect(QRect(r.left(), r.top() + w, w, r.height() - 2 * w));
  painter->drawRect(QRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w));
  painter->restore();
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor FocusColourOn(const QColor& ground) {
  const QColor light(Qt::white);
  return ContrastRatio(light, ground) >= ContrastRatio(kDarkFocus, ground) ? light : kDarkFocus;
}

bool DrawFocusRect(QStyle::PrimitiveElement element, const QStyleOption* option,
                   QPainter* painter) {
  if (element != QStyle::PE_FrameFocusRect || option == nullptr || painter == nullptr) {
    return false;
  }
  // Shown, as the styles do, once the keyboard moved the focus.
  if (option->state.testFlag(QStyle::State_KeyboardFocusChange)) {
    DrawFrame(painter, option->rect.adjusted(-1, -1, 1, 1),
              option->palette.color(QPalette::Window));
  }
  return true;
}

void DrawFocusAround(QStyle::PrimitiveElement element, const QStyleOption* option,
                     QPainter* painter) {
  if (element != QStyle::PE_FrameLineEdit || option == nullptr || painter == nullptr) return;
  if (!option->state.testFlag(QStyle::State_HasFocus)) return;
  DrawFrame(painter, option->rect, option->palette.color(QPalette::Window));
}

void DrawFocusAround(QStyle::ComplexControl control, const QStyleOption* option,
                     QPainter* painter) {
  if (control != QStyle::CC_ComboBox || option == nullptr || painter == nullptr) return;
  if (!option->state.testFlag(QStyle::State_HasFocus)) return;
  DrawFrame(painter, option->rect, option->palette.color(QPalette::Window));
}

}  // namespace baralune
