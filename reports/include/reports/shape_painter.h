#pragma once
// The room drawing's shapes painted with Qt, on the window's drawing area and
// on the picture of a ROT map.
#include <QColor>
#include <QPainter>

#include "rules/RoomDrawing.h"

namespace virano {

// Paints one shape as the room drawing does: a rectangle filled with
// `background`, a text written on it. On a coloured field (`onField`) a
// rectangle is left unfilled, and lines and rectangles get a white border so
// that they show on any colour.
void PaintShape(QPainter& painter, const Shape& shape, const QColor& background,
                bool onField = false);

}  // namespace virano
