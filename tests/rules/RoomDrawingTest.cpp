#include "rules/RoomDrawing.h"

#include <gtest/gtest.h>

namespace virano {
namespace {

using Row = std::array<std::string, 9>;
constexpr auto kBlack = ShapeColour::Black, kBlue = ShapeColour::Blue, kRed = ShapeColour::Red,
               kGreen = ShapeColour::Green;

// A 4 × 2,5 m wall in a 431 × 210 area (84 pixels per metre) and `rows`.
RoomDrawingInput Wall(std::vector<Row> rows = {}) {
  RoomDrawingInput input;
  input.surfaces = {{"Vägg fram", "0", "4", "0", "2,5"}};
  input.surfaces.insert(input.surfaces.end(), rows.begin(), rows.end());
  input.rumsTemp = "20";
  input.width = 431, input.height = 210, input.left = 2, input.letterHeight = 13;
  return input;
}

TEST(RoomDrawingTest, MainSurfaceFillsTheAreaAtAWholeScale) {
  EXPECT_EQ(DrawingScale(4.0f, 2.5f, 431, 210), 84);
  EXPECT_EQ(DrawingScale(3.0f, 2.6f, 431, 210), 80);   // 80,77 is not rounded up
  EXPECT_EQ(DrawingScale(10.0f, 2.5f, 431, 210), 43);  // by the width
  EXPECT_EQ(RoomDrawing(Wall()),
            (std::vector{RectangleShape(0, 0, 336, 210, kBlack), TextShape(2, 2, "0", kBlack)}));
}

TEST(RoomDrawingTest, SubSurfacesAreColouredByTheRoomTemperature) {
  const std::tuple<const char*, ShapeColour, ShapeColour> cases[] = {
      {"25", kRed, kRed}, {"15", kBlue, kBlue}, {"20,0", kBlack, kBlue}};
  for (const auto& [temperature, frame, number] : cases) {
    const auto shapes =
        RoomDrawing(Wall({{"Fönster", "1,2", "2,4", "0,9", "2,1", "", "", "", temperature}}));
    EXPECT_EQ(std::vector(shapes.begin() + 2, shapes.end()),
              (std::vector{RectangleShape(100, 33, 201, 134, frame),
                           TextShape(102, 35, "1", number)}));
  }
  // Rows left out for their temperature or a coordinate that is not a
  // number do not end the sub-surfaces; a row without a name does.
  const Row full{"Fönster", "1", "2", "1", "2", "", "", "", "5"};
  Row unnamed = full, noTemperature = full, notANumber = full;
  unnamed[0].clear(), noTemperature[8].clear(), notANumber[1] = "abc";
  const auto shapes = RoomDrawing(Wall({noTemperature, notANumber, full, unnamed, full}));
  ASSERT_EQ(shapes.size(), 4u);
  EXPECT_EQ(shapes[3].text, "3");
}

TEST(RoomDrawingTest, PointsWithAllThreeCellsAreNumberedByTheirRow) {
  RoomDrawingInput input = Wall();
  input.points = {{"2", "1,25", "1"}, {"1", "1", "1"}, {}, {"3", "2", "0,5"}, {"1", "2", ""}};
  const auto shapes = RoomDrawing(input);
  // Four arms from (168, 105) and the number half an "H" up.
  EXPECT_EQ(std::vector(shapes.begin() + 2, shapes.begin() + 7),
            (std::vector{LineShape(168, 105, 163, 100, kGreen), LineShape(168, 105, 173, 100, kGreen),
                         LineShape(168, 105, 163, 110, kGreen), LineShape(168, 105, 173, 110, kGreen),
                         TextShape(175, 99, "0", kGreen)}));
  ASSERT_EQ(shapes.size(), 17u);
  EXPECT_EQ(shapes[11].text + shapes[16].text, "13");
}

TEST(RoomDrawingTest, AxisCrossInTheLowerLeftCornerOnTop) {
  const auto cross = AxisCross(2, 210);
  EXPECT_EQ(cross[0], LineShape(12, 190, 32, 190, kRed));
  EXPECT_EQ(cross[1], TextShape(37, 185, "X", kBlack, ShapeFont::SansSerif));
  EXPECT_EQ(cross[4], LineShape(12, 190, 12, 170, kRed));
  EXPECT_EQ(cross[5], TextShape(9, 155, "Y", kBlack, ShapeFont::SansSerif));
  // Without a main surface of positive width and height only the cross.
  for (const char* x2 : {"4", "", "0,0", "-4", "abc", "1e40"}) {
    RoomDrawingInput input = Wall({{"Fönster", "1", "2", "1", "2", "", "", "", "5"}});
    input.surfaces[0][2] = x2;
    input.points = {{"1", "1", "1"}};
    input.axes = true;
    const auto shapes = RoomDrawing(input);
    EXPECT_EQ(std::vector(shapes.end() - 8, shapes.end()), cross) << x2;
    EXPECT_EQ(shapes.size(), x2 == std::string("4") ? 17u : 8u) << x2;
  }
}

}  // namespace
}  // namespace virano
