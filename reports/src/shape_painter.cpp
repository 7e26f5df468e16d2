#include "reports/shape_painter.h"

#include <QFontMetrics>

namespace virano {

namespace {

QColor ShapeQColor(ShapeColour colour) {
  switch (colour) {
    case ShapeColour::Blue: return {0x00, 0x00, 0xff};
    case ShapeColour::Red: return {0xff, 0x00, 0x00};
    case ShapeColour::Green: return {0x00, 0x80, 0x00};
    case ShapeColour::Black: break;
  }
  return {0x00, 0x00, 0x00};
}

QFont ShapeQFont(const Shape& shape) {
  return QFont(shape.font == ShapeFont::Serif ? QStringLiteral("MS Serif")
                                              : QStringLiteral("MS Sans Serif"),
               shape.fontSize);
}

void DrawFigure(QPainter& painter, const Shape& shape) {
  if (shape.kind == Shape::Kind::Line) {
    painter.drawLine(shape.x1, shape.y1, shape.x2, shape.y2);
    return;
  }
  // The right and bottom edges are outside the rectangle.
  painter.drawRect(shape.x1, shape.y1, shape.x2 - shape.x1 - 1, shape.y2 - shape.y1 - 1);
}

}  // namespace

void PaintShape(QPainter& painter, const Shape& shape, const QColor& background, bool onField) {
  if (shape.kind == Shape::Kind::Text) {
    const QFont font = ShapeQFont(shape);
    const QFontMetrics metrics(font);
    const QString text = QString::fromStdString(shape.text);
    painter.setFont(font);
    painter.fillRect(shape.x1, shape.y1, metrics.horizontalAdvance(text), metrics.height(),
                     background);
    painter.setPen(ShapeQColor(shape.colour));
    painter.drawText(shape.x1, shape.y1 + metrics.ascent(), text);
    return;
  }
  if (onField) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, shape.penWidth + 2));
    DrawFigure(painter, shape);
  } else {
    painter.setBrush(background);
  }
  painter.setPen(QPen(ShapeQColor(shape.colour), shape.penWidth));
  DrawFigure(painter, shape);
}

}  // namespace virano
