#pragma once
// The room drawing of "Indata" as a list of shapes: the chosen main surface
// to scale with its numbered sub-surfaces, the control points in front of it
// as numbered crosses, and the small axis cross. Free of any window system:
// the window passes the grids' texts, the area's size and a font metric, and
// paints the shapes in their order, each over the ones before it.
#include <array>
#include <string>
#include <vector>

namespace virano {

enum class ShapeColour { Black, Blue, Red, Green };
enum class ShapeFont { Serif, SansSerif };  // 'MS Serif' and 'MS Sans Serif'

// One thing drawn, in whole pixels of the area. A rectangle runs from
// (x1, y1) to (x2, y2), its right and bottom edges excluded, and is filled
// with the background; a line runs from (x1, y1) to (x2, y2); a text has its
// top-left corner at (x1, y1) and is written on the background.
struct Shape {
  enum class Kind { Rectangle, Line, Text };
  Kind kind = Kind::Line;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  ShapeColour colour = ShapeColour::Black;  // the pen of a rectangle or line, a text's colour
  int penWidth = 1;
  std::string text;
  ShapeFont font = ShapeFont::Serif;
  int fontSize = 6;  // points

  bool operator==(const Shape&) const = default;
};

Shape RectangleShape(int x1, int y1, int x2, int y2, ShapeColour colour);
Shape LineShape(int x1, int y1, int x2, int y2, ShapeColour colour);
Shape TextShape(int x, int y, std::string text, ShapeColour colour,
                ShapeFont font = ShapeFont::Serif);

// What the drawing is made from.
struct RoomDrawingInput {
  // The surface grid's data rows: the main surface, then its sub-surfaces.
  std::vector<std::array<std::string, 9>> surfaces;
  // The point grid's point rows, the first point row first.
  std::vector<std::array<std::string, 3>> points;
  std::string rumsTemp;
  int width = 0;         // the drawing area, pixels
  int height = 0;
  int left = 0;          // the area's left position inside its group
  int letterHeight = 0;  // height of "H" in the window's font
  bool axes = false;     // "Visa koordinatsystem" is checked
  bool decimalPunkt = false;
};

// Whole pixels per metre that fit a main surface of `width` × `height`
// metres into the area, by its width or by its height (truncated).
int DrawingScale(float width, float height, int areaWidth, int areaHeight);

// The axis cross in the lower-left corner of an area `areaHeight` high whose
// left position in its group is `left`.
std::vector<Shape> AxisCross(int left, int areaHeight);

// The whole drawing: the main surface, its sub-surfaces up to the first row
// without a name, X2, Y1 or Y2, the points whose three cells are filled, and
// the axis cross on top when asked for. An item whose coordinates are not
// numbers is left out; without a main surface of positive width and height
// only the axis cross is drawn.
std::vector<Shape> RoomDrawing(const RoomDrawingInput& input);

}  // namespace virano
