#pragma once
#include <QProxyStyle>

namespace baralune {

// The platform's style, drawing every piece with one shared palette per set of colours, and the
// keyboard focus of options, lists and text fields in a frame that stands out on any ground
// (focus_contrast.h).
//
// Qt's styles keep painted pieces (buttons, lists, scroll bars) in the pixmap cache, keyed by the
// palette's identity rather than its colours. Every Baralune window sets its colours anew, so
// without this each Deal and Back would fill the cache with pieces no later window can reuse.
class SharedPaletteStyle : public QProxyStyle {
  Q_OBJECT

 public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;
};

// Puts the shared-palette style in front of the application's style, once.
void InstallSharedPaletteStyle();

}  // namespace baralune
