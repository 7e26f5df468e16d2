#include "project/points.h"

#include <gtest/gtest.h>

#include "project/numbers.h"

namespace virano {
namespace {

using Outcome = PointPlacement::Outcome;

TEST(PlacePointTest, MiddleOfTheRowInTheFirstFreeRow) {
  const std::vector<PointTexts> some{{"1", "1", "1"}, {"", "9", "9"}, {"2", "2", "2"}, {}};
  const struct {
    const char *x1, *x2, *y1, *y2;
    std::vector<PointTexts> points;
    Outcome outcome;
    int row;
    PointTexts point;
  } cases[] = {
      {"0", "4", "0", "2,5", {{}, {}}, Outcome::Added, 0, {"2,00", "1,25", "1,0"}},
      {"1,2", "2.4", "0,9", "2,1", some, Outcome::Added, 1, {"1,80", "1,50", "1,0"}},
      {"1,2", "2,4", "0,9", "2,1", {{"1,8", "1,5", "1"}, {}}, Outcome::Added, 1, {"1,80", "1,50", "1,0"}},
      {"1,2", "2,4", "0,9", "2,1", {{}, {"1,80", "1,50", "3"}}, Outcome::Exists, -1, {"1,80", "1,50", "1,0"}},
      {"0", "1", "0", "1", {{"1", "1", "1"}}, Outcome::Full, -1, {"0,50", "0,50", "1,0"}},
      {"-1", "0", "0", "-3", {{}}, Outcome::Added, 0, {"-0,50", "-1,50", "1,0"}},
  };
  for (const auto& c : cases) {
    const PointPlacement p = PlacePoint(c.x1, c.x2, c.y1, c.y2, c.points, false);
    EXPECT_EQ(p.outcome, c.outcome) << c.x1 << ".." << c.x2;
    EXPECT_EQ(p.row, c.row) << c.x1 << ".." << c.x2;
    EXPECT_EQ(p.point, c.point) << c.x1 << ".." << c.x2;
  }
  EXPECT_EQ(PlacePoint("1,2", "2,4", "0,9", "2,1", {{}}, true).point, (PointTexts{"1.80", "1.50", "1.0"}));
  EXPECT_THROW(PlacePoint("", "4", "0", "2,5", {{}}, false), ConversionError);
}

TEST(BeyondSurfaceTest, OnlyNumbersGreaterThanTheLimit) {
  EXPECT_TRUE(BeyondSurface("5", "4", false));
  EXPECT_TRUE(BeyondSurface("4.01", "4", false));
  for (const char* coordinate : {"4", "4,0", "-7", "", "abc", "1,"})
    EXPECT_FALSE(BeyondSurface(coordinate, "4", false)) << coordinate;
  EXPECT_FALSE(BeyondSurface("5", "", false));
}

}  // namespace
}  // namespace virano
