#include "rules/SummaryCells.h"

namespace virano {

namespace {
// Rows above it are the headings and the room row.
constexpr int kFirstDataRow = 4;
constexpr int kSumColumn = 4;
constexpr int kTemperatureColumn = 7;
}  // namespace

SummaryCellLook SummaryCell(int col, int row, bool resultView, std::string_view text,
                            bool decimalPunkt) {
  if (row < kFirstDataRow || col < 1 || col > 8) return {};
  if (col == kTemperatureColumn) return {SummaryCellPlace::Column7, false};
  const std::string_view one = decimalPunkt ? "1.00" : "1,00";
  const bool red = resultView && col == kSumColumn && !text.empty() && text != one;
  return {SummaryCellPlace::RightAligned, red};
}

}  // namespace virano
