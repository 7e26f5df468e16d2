#include "rules/RoomDrawing.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>

#include "project/numbers.h"

namespace virano {

namespace {

// Surface grid columns the drawing reads.
enum { kNamn = 0, kX1 = 1, kX2 = 2, kY1 = 3, kY2 = 4, kYtTemp = 8 };

// Far beyond any screen, near enough to zero that pixel sums stay in range.
constexpr long double kPixelLimit = 1 << 24;

// A value cut to a whole pixel toward zero.
int Pixel(long double value) {
  return static_cast<int>(std::trunc(std::clamp(value, -kPixelLimit, kPixelLimit)));
}

class Reader {
 public:
  explicit Reader(bool decimalPunkt) : decimalPunkt_(decimalPunkt) {}
  std::optional<long double> Number(const std::string& text) const {
    return TryStrToFloat(DecimalFormat(text, decimalPunkt_), decimalPunkt_);
  }

 private:
  bool decimalPunkt_;
};

// A rectangle's four coordinates, or nothing when one is not a number.
struct Rect {
  long double x1, x2, y1, y2;
};
std::optional<Rect> ReadRect(const Reader& read, const std::array<std::string, 9>& row) {
  const auto x1 = read.Number(row[kX1]), x2 = read.Number(row[kX2]);
  const auto y1 = read.Number(row[kY1]), y2 = read.Number(row[kY2]);
  if (!x1 || !x2 || !y1 || !y2) return std::nullopt;
  return Rect{*x1, *x2, *y1, *y2};
}

// The main surface's width or height as drawn, when positive.
std::optional<float> Extent(long double from, long double to) {
  const long double extent = to - from;
  if (!(extent > 0) || extent > FLT_MAX) return std::nullopt;
  return static_cast<float>(extent);
}

void AddSubSurface(std::vector<Shape>& shapes, const Reader& read, const RoomDrawingInput& input,
                   std::size_t i, int scale, float height) {
  const auto& row = input.surfaces[i];
  const std::optional<Rect> r = ReadRect(read, row);
  if (!r || row[kYtTemp].empty()) return;
  const auto room = read.Number(input.rumsTemp), surface = read.Number(row[kYtTemp]);
  if (!room || !surface) return;
  const int left = Pixel(scale * r->x1), right = Pixel(scale * r->x2);
  const int top = Pixel(scale * (height - r->y2)), bottom = Pixel(scale * (height - r->y1));
  // Not warmer than the room: blue; warmer: red; as warm: a black frame.
  const ShapeColour number = *room >= *surface ? ShapeColour::Blue : ShapeColour::Red;
  const ShapeColour pen = *room == *surface ? ShapeColour::Black : number;
  shapes.push_back(RectangleShape(left, top, right, bottom, pen));
  shapes.push_back(TextShape(left + 2, top + 2, std::to_string(i), number));
}

void AddPoint(std::vector<Shape>& shapes, const Reader& read, const RoomDrawingInput& input,
              std::size_t j, int scale, float height) {
  const auto& point = input.points[j];
  if (point[0].empty() || point[1].empty() || point[2].empty()) return;
  const auto xp = read.Number(point[0]), yp = read.Number(point[1]);
  if (!xp || !yp) return;
  const int x = Pixel(scale * *xp), y = Pixel(scale * (height - *yp));
  const ShapeColour green = ShapeColour::Green;
  for (const int dy : {-5, 5})
    for (const int dx : {-5, 5}) shapes.push_back(LineShape(x, y, x + dx, y + dy, green));
  shapes.push_back(TextShape(x + 7, y - input.letterHeight / 2, std::to_string(j), green));
}

void AddSurfaces(std::vector<Shape>& shapes, const RoomDrawingInput& input) {
  if (input.surfaces.empty()) return;
  const auto& main = input.surfaces.front();
  if (main[kX2].empty() || main[kY2].empty() || main[kX2] == "0" || main[kY2] == "0") return;
  const Reader read(input.decimalPunkt);
  const std::optional<Rect> r = ReadRect(read, main);
  if (!r) return;
  const std::optional<float> width = Extent(r->x1, r->x2), height = Extent(r->y1, r->y2);
  if (!width || !height) return;
  const int scale = DrawingScale(*width, *height, input.width, input.height);

  shapes.push_back(RectangleShape(Pixel(scale * r->x1), Pixel(scale * r->y1), Pixel(scale * r->x2),
                                  Pixel(scale * r->y2), ShapeColour::Black));
  shapes.push_back(TextShape(Pixel(scale * r->x1) + 2, Pixel(scale * r->y1) + 2, "0",
                             ShapeColour::Black));
  for (std::size_t i = 1; i < input.surfaces.size(); ++i) {
    const auto& row = input.surfaces[i];
    if (row[kNamn].empty() || row[kX2].empty() || row[kY1].empty() || row[kY2].empty()) break;
    AddSubSurface(shapes, read, input, i, scale, *height);
  }
  for (std::size_t j = 0; j < input.points.size(); ++j)
    AddPoint(shapes, read, input, j, scale, *height);
}

}  // namespace

Shape RectangleShape(int x1, int y1, int x2, int y2, ShapeColour colour) {
  Shape shape;
  shape.kind = Shape::Kind::Rectangle;
  shape.x1 = x1, shape.y1 = y1, shape.x2 = x2, shape.y2 = y2;
  shape.colour = colour;
  return shape;
}

Shape LineShape(int x1, int y1, int x2, int y2, ShapeColour colour) {
  Shape shape = RectangleShape(x1, y1, x2, y2, colour);
  shape.kind = Shape::Kind::Line;
  return shape;
}

Shape TextShape(int x, int y, std::string text, ShapeColour colour, ShapeFont font) {
  Shape shape = RectangleShape(x, y, 0, 0, colour);
  shape.kind = Shape::Kind::Text;
  shape.text = std::move(text);
  shape.font = font;
  return shape;
}

int DrawingScale(float width, float height, int areaWidth, int areaHeight) {
  if (areaWidth <= 0 || areaHeight <= 0 || !(width > 0) || !(height > 0)) return 0;
  const bool byWidth = static_cast<long double>(width) / height >=
                              static_cast<long double>(areaWidth) / areaHeight;
  const long double scale = byWidth ? areaWidth / static_cast<long double>(width)
                                    : areaHeight / static_cast<long double>(height);
  return Pixel(scale);
}

std::vector<Shape> AxisCross(int left, int areaHeight) {
  const int x = left, y = areaHeight;
  const auto red = ShapeColour::Red, black = ShapeColour::Black;
  return {
      LineShape(x + 10, y - 20, x + 30, y - 20, red),
      TextShape(x + 35, y - 25, "X", black, ShapeFont::SansSerif),
      LineShape(x + 30, y - 20, x + 25, y - 15, red),
      LineShape(x + 30, y - 20, x + 25, y - 25, red),
      LineShape(x + 10, y - 20, x + 10, y - 40, red),
      TextShape(x + 7, y - 55, "Y", black, ShapeFont::SansSerif),
      LineShape(x + 10, y - 40, x + 5, y - 35, red),
      LineShape(x + 10, y - 40, x + 15, y - 35, red),
  };
}

std::vector<Shape> RoomDrawing(const RoomDrawingInput& input) {
  std::vector<Shape> shapes;
  AddSurfaces(shapes, input);
  // The cross lies on top of whatever the surface covers.
  if (input.axes) {
    const std::vector<Shape> cross = AxisCross(input.left, input.height);
    shapes.insert(shapes.end(), cross.begin(), cross.end());
  }
  return shapes;
}

}  // namespace virano
