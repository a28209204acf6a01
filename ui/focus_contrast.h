#pragma once
#include <QColor>
#include <QStyle>

class QPainter;
class QStyleOption;

namespace baralune {

// Keyboard focus that stands out on any ground: the platform's styles draw it in a tint of the
// highlight colour, which all but vanishes on Baralune's purple (1.1:1 around an option, 1.3:1
// around a list). These draw a frame two pixels wide in white or in near-black, whichever
// contrasts more with the control's ground, at least 3:1 either way.

// WCAG's contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);
// The frame's colour on `ground`.
QColor FocusColourOn(const QColor& ground);

// Draws the frame for a focus rectangle (`element` PE_FrameFocusRect), and around a list or a
// text field that has the focus, after the style drew them. True when it drew the focus
// rectangle itself, in place of the style's.
bool DrawFocusRect(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter);
void DrawFocusAround(QStyle::PrimitiveElement element, const QStyleOption* option,
                     QPainter* painter);
void DrawFocusAround(QStyle::ComplexControl control, const QStyleOption* option, QPainter* painter);

}  // namespace baralune
