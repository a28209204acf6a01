#include "look.h"

#include <QFontDatabase>
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

void SetButtonFace(QWidget* button, const QColor& color) {
  QPalette palette = button->palette();
  palette.setColor(QPalette::Button, color);
  palette.setColor(QPalette::ButtonText, Qt::black);
  button->setPalette(palette);
}

QCursor HandCursor() {
  const QImage& image = HandCursorImage();
  if (image.isNull()) return QCursor(Qt::PointingHandCursor);
  // The hot spot is the fingertip of the artwork: 6, 1 in its 32 x 32 pixels.
  return QCursor(QPixmap::fromImage(image), image.width() * 6 / 32, image.height() / 32);
}

}  // namespace baralune::look
