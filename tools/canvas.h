#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>
#include <QSizeF>

namespace baralune::paint {

// A transparent image of `size` and a painter on it whose coordinates run over `grid`, so
// that one drawing serves every pixel size.
QImage NewCanvas(QSize size);
void BeginOnGrid(QPainter& painter, QImage& canvas, QSizeF grid);

// A white card with rounded corners and a thin grey edge filling the grid.
void DrawCardBody(QPainter& painter, QSizeF grid, double radius);
void FillShape(QPainter& painter, const QPainterPath& shape, const QTransform& place,
               const QColor& colour);

}  // namespace baralune::paint
