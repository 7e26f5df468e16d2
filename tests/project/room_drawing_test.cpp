#include "project/room_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace virano {
namespace {

using Row = std::array<std::string, 9>;
constexpr auto kBlack = ShapeColour::Black, kBlue = ShapeColour::Blue, kRed = ShapeColour::Red,
               kGreen = ShapeColour::Green;

// A 4 × 2,5 m wall in a 431 × 210 area: 84 pixels per metre.
RoomDrawingInput Wall(std::vector<Row> subSurfaces = {}) {
  RoomDrawingInput input;
  input.surfaces = {{"Vägg fram", "0", "4", "0", "2,5"}};
  input.rumsTemp = "20";
  input.width = 431, input.height = 210, input.left = 2, input.letterHeight = 13;
  input.surfaces.insert(input.surfaces.end(), subSurfaces.begin(), subSurfaces.end());
  return input;
}

std::vector<Shape> Only(const std::vector<Shape>& shapes, Shape::Kind kind, ShapeColour colour) {
  std::vector<Shape> kept;
  std::copy_if(shapes.begin(), shapes.end(), std::back_inserter(kept),
               [&](const Shape& s) { return s.kind == kind && s.colour == colour; });
  return kept;
}

TEST(RoomDrawingTest, ScaleFitsTheWidthOrTheHeightTruncated) {
  EXPECT_EQ(DrawingScale(4.0f, 2.5f, 431, 210), 84);
  EXPECT_EQ(DrawingScale(3.0f, 2.6f, 431, 210), 80);   // 80,77 is not rounded up
  EXPECT_EQ(DrawingScale(10.0f, 2.5f, 431, 210), 43);  // wider than the area: by its width
  EXPECT_EQ(DrawingScale(4.0f, 2.5f, 0, 0), 0);
  const std::vector<Shape> expected{RectangleShape(0, 0, 336, 210, kBlack),
                                    TextShape(2, 2, "0", kBlack)};
  EXPECT_EQ(RoomDrawing(Wall()), expected);
}

TEST(RoomDrawingTest, SubSurfacesAreColouredByTheRoomTemperature) {
  const struct {
    const char* temperature;
    ShapeColour frame, number;
  } cases[] = {{"25", kRed, kRed}, {"15", kBlue, kBlue}, {"20,0", kBlack, kBlue}};
  for (const auto& c : cases) {
    const auto shapes = RoomDrawing(Wall({{"Fönster", "1,2", "2,4", "0,9", "2,1", "", "", "", c.temperature}}));
    ASSERT_EQ(shapes.size(), 4u) << c.temperature;
    EXPECT_EQ(shapes[2], RectangleShape(100, 33, 201, 134, c.frame)) << c.temperature;
    EXPECT_EQ(shapes[3], TextShape(102, 35, "1", c.number)) << c.temperature;
  }
}

TEST(RoomDrawingTest, SubSurfacesEndAtTheFirstRowWithoutNameOrCoordinate) {
  const Row complete{"Fönster", "1", "2", "1", "2", "", "", "", "5"};
  Row unnamed = complete, noTemperature = complete, notANumber = complete;
  unnamed[0].clear();
  noTemperature[8].clear();
  notANumber[1] = "abc";
  // Rows without a surface temperature or with a coordinate that is no
  // number are left out; the rows after them are still drawn.
  auto shapes = RoomDrawing(Wall({noTemperature, notANumber, complete, unnamed, complete}));
  ASSERT_EQ(Only(shapes, Shape::Kind::Text, kBlue).size(), 1u);
  EXPECT_EQ(Only(shapes, Shape::Kind::Text, kBlue)[0].text, "3");
  shapes = RoomDrawing(Wall({complete, unnamed, complete}));
  EXPECT_EQ(Only(shapes, Shape::Kind::Rectangle, kBlue).size(), 1u);
}

TEST(RoomDrawingTest, PointsAreNumberedByTheirRow) {
  RoomDrawingInput input = Wall();
  input.points = {{"2", "1,25", "1"}, {"1", "1", "1"}, {}, {"3", "2", "0,5"}, {"1", "2", ""}};
  const auto shapes = RoomDrawing(input);
  const auto labels = Only(shapes, Shape::Kind::Text, kGreen);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0], TextShape(175, 99, "0", kGreen));  // (168, 105), half an "H" up
  EXPECT_EQ(labels[1].text, "1");
  EXPECT_EQ(labels[2].text, "3");
  const auto arms = Only(shapes, Shape::Kind::Line, kGreen);
  ASSERT_EQ(arms.size(), 12u);
  EXPECT_EQ(arms[0], LineShape(168, 105, 163, 100, kGreen));
  EXPECT_EQ(arms[3], LineShape(168, 105, 173, 110, kGreen));
}

TEST(RoomDrawingTest, AxisCrossSitsInTheLowerLeftCornerOnTop) {
  const auto cross = AxisCross(2, 210);
  ASSERT_EQ(cross.size(), 8u);
  EXPECT_EQ(cross[0], LineShape(12, 190, 32, 190, kRed));
  EXPECT_EQ(cross[1], TextShape(37, 185, "X", kBlack, ShapeFont::SansSerif));
  EXPECT_EQ(cross[4], LineShape(12, 190, 12, 170, kRed));
  EXPECT_EQ(cross[5], TextShape(9, 155, "Y", kBlack, ShapeFont::SansSerif));
  RoomDrawingInput input = Wall();
  input.axes = true;
  const auto shapes = RoomDrawing(input);
  EXPECT_TRUE(std::equal(cross.begin(), cross.end(), shapes.end() - 8));
}

TEST(RoomDrawingTest, NoMainSurfaceWithoutAPositiveWidthAndHeight) {
  const std::pair<const char*, const char*> sizes[] = {
      {"", "2,5"}, {"4", "0"}, {"0,0", "2,5"}, {"-4", "2,5"}, {"4", "abc"}, {"1e40", "2,5"}};
  for (const auto& [x2, y2] : sizes) {
    RoomDrawingInput input = Wall({{"Fönster", "1", "2", "1", "2", "", "", "", "5"}});
    input.surfaces[0][2] = x2;
    input.surfaces[0][4] = y2;
    input.points = {{"1", "1", "1"}};
    input.axes = true;
    EXPECT_EQ(RoomDrawing(input), AxisCross(2, 210)) << x2 << " × " << y2;
  }
}

}  // namespace
}  // namespace virano
