#include "widgets/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>
#include "reports/shape_painter.h"

namespace virano {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::SetShapes(std::vector<Shape> shapes) {
  shapes_ = std::move(shapes);
  update();
}

void TPaintBox::AddShapes(const std::vector<Shape>& shapes) {
  shapes_.insert(shapes_.end(), shapes.begin(), shapes.end());
  update();
}

void TPaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor background = palette().color(QPalette::Window);
  painter.fillRect(rect(), background);
  for (const Shape& shape : shapes_) PaintShape(painter, shape, background);
}

void TPaintBox::resizeEvent(QResizeEvent*) { emit Resized(); }

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit Click();
}

}  // namespace virano
