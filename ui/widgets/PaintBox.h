#pragma once
// A drawing area that paints a list of shapes.
#include <QWidget>
#include <vector>
#include "rules/RoomDrawing.h"

namespace virano {

// A drawing area that paints a list of shapes over its background, in their
// order, also whenever it is uncovered. A click emits Click, every change of
// its size Resized.
class TPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* parent = nullptr);
  // Replaces the drawing; an empty list clears the area.
  void SetShapes(std::vector<Shape> shapes);
  // Draws `shapes` over the present drawing.
  void AddShapes(const std::vector<Shape>& shapes);
  const std::vector<Shape>& Shapes() const { return shapes_; }

 signals:
  void Click();
  void Resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::vector<Shape> shapes_;
};

}  // namespace virano
