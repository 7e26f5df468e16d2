#include "project/points.h"

#include <gtest/gtest.h>

#include "project/numbers.h"

namespace virano {
namespace {

using Outcome = PointPlacement::Outcome;

TEST(PlacePointTest, F2PlacesTheMiddleWithTwoDecimalsInTheFirstFreeRow) {
  const struct {
    const char *x1, *x2;
    std::vector<PointTexts> points;
    Outcome outcome;
    int row;
  } cases[] = {{"1,2", "2.4", {{"1", "1", "1"}, {"", "9", "9"}}, Outcome::Added, 1},
               {"1,2", "2,4", {{"1,8", "1,50", "1"}, {}}, Outcome::Added, 1},  // "1,8" is not "1,80"
               {"1,2", "2,4", {{}, {"1,80", "1,50", ""}}, Outcome::Exists, -1},
               {"1,2", "2,4", {{"1", "1", "1"}}, Outcome::Full, -1}};
  for (const auto& c : cases) {
    const PointPlacement p = PlacePoint(c.x1, c.x2, "0,9", "2,1", c.points, false);
    EXPECT_EQ(p.outcome, c.outcome) << c.row;
    EXPECT_EQ(p.row, c.row);
    EXPECT_EQ(p.point, (PointTexts{"1,80", "1,50", "1,0"}));
  }
  EXPECT_EQ(PlacePoint("-1", "0", "0", "2,5", {{}}, true).point, (PointTexts{"-0.50", "1.25", "1.0"}));
  EXPECT_THROW(PlacePoint("", "4", "0", "2,5", {{}}, false), ConversionError);
}

TEST(PlacePointTest, BeyondSurfaceOnlyForNumbersGreaterThanTheLimit) {
  EXPECT_TRUE(BeyondSurface("4.01", "4", false));
  for (const char* coordinate : {"4,0", "-7", "", "abc"}) EXPECT_FALSE(BeyondSurface(coordinate, "4", false));
  EXPECT_FALSE(BeyondSurface("5", "", false));
}

}  // namespace
}  // namespace virano
