#pragma once
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace baralune::look {

// Window layouts are given in twips; Baralune works at 15 twips a pixel and lets Qt's high-DPI
// scaling do the rest.
inline constexpr int kTwipsPerPixel = 15;
int Px(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// The message box title and the window captions.
QString AppTitle();       // "Baralune"
QString WindowCaption();  // "Baralune v1.15"

QColor Background();  // 103, 43, 227
QColor Orange();      // 255, 180, 4

// Verdana where installed, otherwise DejaVu Sans (close in width and weight).
QString FontFamily();
QFont Font(double points = 8.25, bool bold = false, bool underline = false);

// Solid background in `color`, painted by the widget itself.
void FillBackground(QWidget* widget, const QColor& color);
void SetTextColor(QWidget* widget, const QColor& color);

// The link cursor for a screen of `devicePixelRatio`: the hand artwork (at twice the pixels on
// dense screens), or the system's pointing hand if it is missing.
QCursor HandCursor(qreal devicePixelRatio = 1);

// The program's window icon at its own size and at twice it, for dense screens and large
// task bars alike.
QIcon ProgramIcon();

// `font`, or the nearest font in which `text`, drawn with `flags` (alignment, Qt::TextWordWrap,
// Qt::TextShowMnemonic) in a box of `box`, shows whole: the family's condensed face at the same
// size where one is installed and that is enough, otherwise the largest size, in quarter points,
// not above the font's own (at least 6 points).
QFont FittingFont(const QString& text, QFont font, QSize box, int flags);

}  // namespace baralune::look
