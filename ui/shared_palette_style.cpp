#include "shared_palette_style.h"

#include <QApplication>
#include <QHash>
#include <QStyleOption>

#include "focus_contrast.h"

namespace baralune {

namespace {

// A handful of colour sets are in use at any time; the bound only guards against a caller that
// makes up new colours without end, whose palettes then pass through as they are.
constexpr qsizetype kMaxSharedPalettes = 64;

bool AllSolid(const QPalette& palette) {
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const QBrush& brush = palette.brush(static_cast<QPalette::ColorGroup>(group),
                                          static_cast<QPalette::ColorRole>(role));
      if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush) return false;
    }
  }
  return true;
}

QByteArray ColoursOf(const QPalette& palette) {
  QByteArray key;
  key.reserve(int(QPalette::NColorGroups) * int(QPalette::NColorRoles) * 5);
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const QBrush& brush = palette.brush(static_cast<QPalette::ColorGroup>(group),
                                          static_cast<QPalette::ColorRole>(role));
      const QRgb rgba = brush.color().rgba();
      key.append(reinterpret_cast<const char*>(&rgba), sizeof rgba);
      key.append(static_cast<char>(brush.style()));
    }
  }
  return key;
}

// The one palette kept for the colours of `palette`.
const QPalette& Shared(const QPalette& palette) {
  static QHash<QByteArray, QPalette> shared;
  if (!AllSolid(palette)) return palette;
  const QByteArray key = ColoursOf(palette);
  auto found = shared.constFind(key);
  if (found != shared.constEnd()) return *found;
  if (shared.size() >= kMaxSharedPalettes) return palette;
  return *shared.insert(key, palette);
}

// Lends the option the shared palette while the base style draws. The options the widgets hand
// to the style are their own stack objects, so the palette can be swapped in place.
class SharedPaletteFor {
 public:
  explicit SharedPaletteFor(const QStyleOption* option)
      : m_option(const_cast<QStyleOption*>(option)) {
    if (m_option == nullptr) return;
    const QPalette& shared = Shared(m_option->palette);
    if (shared.cacheKey() == m_option->palette.cacheKey()) {
      m_option = nullptr;
      return;
    }
    m_own = m_option->palette;
    m_option->palette = shared;
  }
  ~SharedPaletteFor() {
    if (m_option != nullptr) m_option->palette = m_own;
  }
  SharedPaletteFor(const SharedPaletteFor&) = delete;
  SharedPaletteFor& operator=(const SharedPaletteFor&) = delete;

 private:
  QStyleOption* m_option;
  QPalette m_own;
};

}  // namespace

void SharedPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
  if (DrawFocusRect(element, option, painter)) return;
  {
    const SharedPaletteFor shared(option);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
  DrawFocusAround(element, option, painter);
}

void SharedPaletteStyle::drawControl(ControlElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
  const SharedPaletteFor shared(option);
  QProxyStyle::drawControl(element, option, painter, widget);
}

void SharedPaletteStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex* option, QPainter* painter,
                                            const QWidget* widget) const {
  {
    const SharedPaletteFor shared(option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
  }
  DrawFocusAround(control, option, painter);
}

void InstallSharedPaletteStyle() {
  if (qobject_cast<SharedPaletteStyle*>(QApplication::style()) != nullptr) return;
  // The proxy takes the platform's style by name, so the look is the desktop's own.
  QApplication::setStyle(new SharedPaletteStyle(QApplication::style()->name()));
}

}  // namespace baralune
