#pragma once
// Pictures described once as simple shapes, so that the same description is
// painted on screen and written as an SVG file (the program icon of the
// desktop's menu is the window icon).
#include <QByteArray>
#include <QColor>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <vector>

namespace virano {

struct PictureShape {
  enum class Kind { Rect, Polygon, Line };
  Kind kind = Kind::Rect;
  QRectF rect;          // Rect
  qreal radius = 0;     // Rect: rounded corners
  QPolygonF points;     // Polygon; a Line's two ends
  QColor fill;          // invalid: not filled
  QColor fillBottom;    // valid: fill runs from `fill` at the top to this at the bottom
  QColor stroke;        // invalid: no outline
  qreal strokeWidth = 1;
  Qt::PenCapStyle cap = Qt::SquareCap;
  Qt::PenJoinStyle join = Qt::BevelJoin;

  PictureShape Filled(const QColor& top, const QColor& bottom = {}) const;
  PictureShape Outlined(const QColor& colour, qreal width, Qt::PenJoinStyle joinStyle = Qt::BevelJoin,
                 Qt::PenCapStyle capStyle = Qt::SquareCap) const;
};

using PictureShapes = std::vector<PictureShape>;

// Shapes made by their kind.
PictureShape PictureRect(const QRectF& rect, qreal radius = 0);
PictureShape PicturePolygon(const QPolygonF& points);
PictureShape PictureLine(QPointF from, QPointF to);

// Paints `shapes` in order, with the painter's render hints.
void PaintPicture(QPainter& p, const PictureShapes& shapes);

// An SVG document of `size` × `size` user units holding `shapes`.
QByteArray PictureSvg(const PictureShapes& shapes, int size);

}  // namespace virano
