#include "look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include "artwork.h"
#include "site.h"

namespace baralune::look {

int Px(int twips) {
  // Round half away from zero so that negative offsets (-7 twips) behave like positive ones.
  const int half = kTwipsPerPixel / 2;
  return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

QRect TwipsRect(int left, int top, int width, int height) {
  return {Px(left), Px(top), Px(width), Px(height)};
}

QString AppTitle() {
  return QStringLiteral("Baralune");
}

QString WindowCaption() {
  return QStringLiteral("Baralune v") +
         QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size()));
}

QColor Background() {
  return {103, 43, 227};
}
QColor Orange() {
  return {255, 180, 4};
}

QString FontFamily() {
  static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                    ? QStringLiteral("Verdana")
                                    : QStringLiteral("DejaVu Sans");
  return family;
}

QFont Font(double points, bool bold, bool underline) {
  QFont font(FontFamily());
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

void FillBackground(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, color);
  palette.setColor(QPalette::Text, color);
  palette.setColor(QPalette::ButtonText, color);
  widget->setPalette(palette);
}

QCursor HandCursor(qreal devicePixelRatio) {
  const QImage& image = HandCursorImage(devicePixelRatio);
  if (image.isNull()) return QCursor(Qt::PointingHandCursor);
  // The hot spot is the fingertip of the artwork: 6, 1 of its 32 x 32 logical pixels (Qt takes
  // the hot spot in logical pixels whatever the picture's pixel ratio).
  const QSizeF logical = image.deviceIndependentSize();
  return QCursor(QPixmap::fromImage(image), qRound(logical.width() * 6 / 32),
                 qRound(logical.height() / 32));
}

QIcon ProgramIcon() {
  QIcon icon(QPixmap::fromImage(ProgramIconImage(1)));
  // Added as a plain 64-pixel picture: the icon chooses among its pictures by pixel size.
  QImage twice = ProgramIconImage(2);
  twice.setDevicePixelRatio(1);
  icon.addPixmap(QPixmap::fromImage(twice));
  return icon;
}

QFont FittingFont(const QString& text, QFont font, QSize box, int flags) {
  const QRect place(QPoint(0, 0), box);
  auto fits = [&](const QFont& candidate) {
    return place.contains(QFontMetrics(candidate).boundingRect(place, flags, text));
  };
  if (fits(font)) return font;
  // A real condensed face only: Qt would squeeze any other font by stretching its glyphs.
  const QString condensed = font.family() + QStringLiteral(" Condensed");
  if (QFontDatabase::families().contains(condensed)) {
    QFont narrow = font;
    narrow.setFamily(condensed);
    if (fits(narrow)) return narrow;
  }
  constexpr double kStep = 0.25;
  constexpr double kSmallest = 6;
  while (font.pointSizeF() - kStep >= kSmallest) {
    font.setPointSizeF(font.pointSizeF() - kStep);
    if (fits(font)) break;
  }
  return font;
}

}  // namespace baralune::look
