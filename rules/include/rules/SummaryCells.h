#pragma once
// How the summary grid draws a cell over its standard drawing: the numbers
// of the data rows right-aligned, the surface temperature at a fixed place,
// and a sum of view factors that does not read 1.00 in red.
#include <string_view>

namespace virano {

enum class SummaryCellPlace {
  Standard,      // as the grid draws it: at the left
  RightAligned,  // ending 10 pixels left of the cell's right edge
  Column7,       // starting where the text "22,0" would start if right-aligned
};

struct SummaryCellLook {
  SummaryCellPlace place = SummaryCellPlace::Standard;
  bool red = false;
};

// The look of cell (col, row) holding `text`. `resultView`: one of the two
// result views is shown, whose column 4 holds the sum of the view factors.
SummaryCellLook SummaryCell(int col, int row, bool resultView, std::string_view text,
                            bool decimalPunkt);

}  // namespace virano
