#include "app/PictureShapes.h"

#include <QLinearGradient>

namespace virano {
namespace {

QRectF Bounds(const PictureShape& s) { return s.kind == PictureShape::Kind::Rect ? s.rect : s.points.boundingRect(); }

QBrush Brush(const PictureShape& s) {
  if (!s.fill.isValid() || s.kind == PictureShape::Kind::Line) return Qt::NoBrush;
  if (!s.fillBottom.isValid()) return s.fill;
  const QRectF bounds = Bounds(s);
  QLinearGradient gradient(0, bounds.top(), 0, bounds.bottom());
  gradient.setColorAt(0, s.fill);
  gradient.setColorAt(1, s.fillBottom);
  return gradient;
}

// SVG's texts for the painter's styles and numbers.
QByteArray Number(qreal value) { return QByteArray::number(value, 'g', 6); }

QByteArray Attribute(const char* name, const QByteArray& value) {
  return ' ' + QByteArray(name) + "=\"" + value + '"';
}

// `name`="#rrggbb", and `name`-opacity when the colour is translucent.
QByteArray Paint(const char* name, const QColor& colour) {
  QByteArray text = Attribute(name, colour.name(QColor::HexRgb).toLatin1());
  if (colour.alpha() < 255)
    text += Attribute((QByteArray(name) + "-opacity").constData(), Number(colour.alphaF()));
  return text;
}

const char* Cap(Qt::PenCapStyle cap) {
  switch (cap) {
    case Qt::FlatCap: return "butt";
    case Qt::RoundCap: return "round";
    default: return "square";
  }
}

const char* Join(Qt::PenJoinStyle join) {
  switch (join) {
    case Qt::RoundJoin: return "round";
    case Qt::BevelJoin: return "bevel";
    default: return "miter";
  }
}

// The fill's attributes; a gradient is written before the shape as `id`.
QByteArray SvgFill(const PictureShape& s, const QByteArray& id, QByteArray& svg) {
  if (s.kind == PictureShape::Kind::Line) return {};
  if (!s.fill.isValid()) return Attribute("fill", "none");
  if (!s.fillBottom.isValid()) return Paint("fill", s.fill);
  const QRectF bounds = Bounds(s);
  svg += "  <linearGradient" + Attribute("id", id) + Attribute("gradientUnits", "userSpaceOnUse") +
         Attribute("x1", "0") + Attribute("y1", Number(bounds.top())) + Attribute("x2", "0") +
         Attribute("y2", Number(bounds.bottom())) + ">\n";
  svg += "    <stop offset=\"0\"" + Paint("stop-color", s.fill) + "/>\n";
  svg += "    <stop offset=\"1\"" + Paint("stop-color", s.fillBottom) + "/>\n";
  svg += "  </linearGradient>\n";
  return Attribute("fill", "url(#" + id + ')');
}

QByteArray SvgStroke(const PictureShape& s) {
  if (!s.stroke.isValid()) return {};
  return Paint("stroke", s.stroke) + Attribute("stroke-width", Number(s.strokeWidth)) +
         Attribute("stroke-linecap", Cap(s.cap)) + Attribute("stroke-linejoin", Join(s.join));
}

QByteArray SvgGeometry(const PictureShape& s) {
  switch (s.kind) {
    case PictureShape::Kind::Rect:
      return "<rect" + Attribute("x", Number(s.rect.x())) + Attribute("y", Number(s.rect.y())) +
             Attribute("width", Number(s.rect.width())) +
             Attribute("height", Number(s.rect.height())) +
             (s.radius > 0 ? Attribute("rx", Number(s.radius)) + Attribute("ry", Number(s.radius))
                           : QByteArray());
    case PictureShape::Kind::Polygon: {
      QByteArrayList points;
      for (QPointF p : s.points) points << Number(p.x()) + ',' + Number(p.y());
      return "<polygon" + Attribute("points", points.join(' '));
    }
    case PictureShape::Kind::Line:
      return "<line" + Attribute("x1", Number(s.points.value(0).x())) +
             Attribute("y1", Number(s.points.value(0).y())) +
             Attribute("x2", Number(s.points.value(1).x())) +
             Attribute("y2", Number(s.points.value(1).y()));
  }
  return {};
}

}  // namespace

PictureShape PictureShape::Filled(const QColor& top, const QColor& bottom) const {
  PictureShape s = *this;
  s.fill = top;
  s.fillBottom = bottom;
  return s;
}

PictureShape PictureShape::Outlined(const QColor& colour, qreal width, Qt::PenJoinStyle joinStyle,
                      Qt::PenCapStyle capStyle) const {
  PictureShape s = *this;
  s.stroke = colour;
  s.strokeWidth = width;
  s.join = joinStyle;
  s.cap = capStyle;
  return s;
}

PictureShape PictureRect(const QRectF& rect, qreal radius) {
  PictureShape s;
  s.rect = rect;
  s.radius = radius;
  return s;
}

PictureShape PicturePolygon(const QPolygonF& points) {
  PictureShape s;
  s.kind = PictureShape::Kind::Polygon;
  s.points = points;
  return s;
}

PictureShape PictureLine(QPointF from, QPointF to) {
  PictureShape s;
  s.kind = PictureShape::Kind::Line;
  s.points = {from, to};
  return s;
}

void PaintPicture(QPainter& p, const PictureShapes& shapes) {
  for (const PictureShape& s : shapes) {
    if (s.stroke.isValid())
      p.setPen(QPen(s.stroke, s.strokeWidth, Qt::SolidLine, s.cap, s.join));
    else
      p.setPen(Qt::NoPen);
    p.setBrush(Brush(s));
    switch (s.kind) {
      case PictureShape::Kind::Rect:
        if (s.radius > 0)
          p.drawRoundedRect(s.rect, s.radius, s.radius);
        else
          p.drawRect(s.rect);
        break;
      case PictureShape::Kind::Polygon: p.drawPolygon(s.points); break;
      case PictureShape::Kind::Line: p.drawLine(s.points.value(0), s.points.value(1)); break;
    }
  }
}

QByteArray PictureSvg(const PictureShapes& shapes, int size) {
  const QByteArray side = QByteArray::number(size);
  QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg" +
                   Attribute("xmlns", "http://www.w3.org/2000/svg") + Attribute("width", side) +
                   Attribute("height", side) + Attribute("viewBox", "0 0 " + side + ' ' + side) +
                   ">\n";
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    const PictureShape& s = shapes[i];
    const QByteArray fill = SvgFill(s, "fill" + QByteArray::number(i), svg);
    svg += "  " + SvgGeometry(s) + fill + SvgStroke(s) + "/>\n";
  }
  return svg + "</svg>\n";
}

}  // namespace virano
