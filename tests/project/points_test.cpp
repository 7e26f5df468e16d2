#include "project/points.h"

#include <gtest/gtest.h>

#include "project/numbers.h"

namespace virano {
namespace {

TEST(PlacePointTest, MiddleWithTwoDecimalsInTheFirstFreeRowUnlessThere) {
  using enum PointPlacement::Outcome;
  const PointTexts window{"1,80", "1,50", "1,0"};
  const std::pair<std::vector<PointTexts>, PointPlacement> cases[] = {
      {{{"1,8", "1,50", "1"}, {"", "9", "9"}}, {Added, 1, window}},  // "1,8" is not "1,80"
      {{{}, {"1,80", "1,50", ""}}, {Exists, -1, window}},
      {{{"1", "1", "1"}}, {Full, -1, window}}};
  for (const auto& [points, want] : cases) {
    const PointPlacement p = PlacePoint("1,2", "2.4", "0,9", "2,1", points, false);
    EXPECT_EQ(std::tie(p.outcome, p.row, p.point), std::tie(want.outcome, want.row, want.point));
  }
  EXPECT_EQ(PlacePoint("-1", "0", "0", "2,5", {{}}, true).point,
            (PointTexts{"-0.50", "1.25", "1.0"}));
  EXPECT_THROW(PlacePoint("", "4", "0", "2,5", {{}}, false), ConversionError);
  // Marking: only a number greater than the main surface's.
  EXPECT_TRUE(BeyondSurface("4.01", "4", false));
  for (const char* text : {"4,0", "-7", "", "abc"}) EXPECT_FALSE(BeyondSurface(text, "4", false));
  EXPECT_FALSE(BeyondSurface("5", "", false));
}

}  // namespace
}  // namespace virano
