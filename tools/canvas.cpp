#include "canvas.h"

namespace baralune::paint {

QImage NewCanvas(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void BeginOnGrid(QPainter& painter, QImage& canvas, QSizeF grid) {
  painter.begin(&canvas);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(canvas.width() / grid.width(), canvas.height() / grid.height());
}

void DrawCardBody(QPainter& painter, QSizeF grid, double radius) {
  painter.setPen(QPen(QColor(0x9A, 0x9A, 0x9A), 1.0));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(QRectF(0.5, 0.5, grid.width() - 1, grid.height() - 1), radius, radius);
}

void FillShape(QPainter& painter, const QPainterPath& shape, const QTransform& place,
               const QColor& colour) {
  painter.fillPath(place.map(shape), colour);
}

}  // namespace baralune::paint
