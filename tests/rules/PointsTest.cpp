#include "rules/Points.h"

#include <gtest/gtest.h>

#include "project/numbers.h"

namespace virano {
namespace {

TEST(PlacePointTest, FirstFreeRowUnlessTheSameTextsAreThere) {
  using enum PointPlacement::Outcome;
  const std::pair<std::vector<PointTexts>, PointPlacement> cases[] = {
      {{{"1,8", "1,50", "1"}, {"", "9", "9"}}, {Added, 1, {"1,80", "1,50", "1,0"}}},
      {{{}, {"1,80", "1,50", ""}}, {Exists, -1, {"1,80", "1,50", "1,0"}}},
      {{{"1", "1", "1"}}, {Full, -1, {"1,80", "1,50", "1,0"}}}};
  for (const auto& [points, want] : cases) {
    const PointPlacement p = PlacePoint("1,2", "2.4", "0,9", "2,1", points, false);
    EXPECT_EQ(std::tie(p.outcome, p.row, p.point), std::tie(want.outcome, want.row, want.point));
  }
  EXPECT_THROW(PlacePoint("", "4", "0", "2,5", {{}}, false), ConversionError);
}

}  // namespace
}  // namespace virano
