#include "rules/SummaryCells.h"

#include <gtest/gtest.h>

#include <utility>

namespace virano {
namespace {

TEST(SummaryCells, PlaceAndColour) {
  using enum SummaryCellPlace;
  const auto look = [](int col, int row, bool resultView, const char* text, bool decimalPunkt) {
    const SummaryCellLook l = SummaryCell(col, row, resultView, text, decimalPunkt);
    return std::pair(l.place, l.red);
  };
  EXPECT_EQ(look(4, 3, true, "0,98", false), std::pair(Standard, false));  // room row
  EXPECT_EQ(look(7, 5, true, "19,5", false), std::pair(Column7, false));
  EXPECT_EQ(look(4, 5, true, "0,98", false), std::pair(RightAligned, true));
  EXPECT_EQ(look(4, 5, true, "1,00", true), std::pair(RightAligned, true));
  EXPECT_EQ(look(4, 5, true, "1.00", true), std::pair(RightAligned, false));
  EXPECT_EQ(look(4, 5, false, "2,5", false), std::pair(RightAligned, false));  // Y2, input view
}

}  // namespace
}  // namespace virano
