#pragma once
// The summary's input view of one room: the room row, every surface row in
// use of the six main surfaces and every control point, laid out as the
// "Sammanställning" tab shows them and the input report prints them.
#include <array>
#include <string>
#include <vector>

#include "project/record.h"

namespace virano {

inline constexpr int kInputViewColumns = 17;
inline constexpr int kInputViewHeadingRows = 3;

using InputViewRow = std::array<std::string, kInputViewColumns>;

// The three heading rows; empty cells are empty texts.
const std::array<InputViewRow, kInputViewHeadingRows>& InputViewHeadings();

// The data rows below the headings: element 0 is the room row (grid row 3),
// the last element the grid's last row. Numbers pass through DecimalFormat,
// names are written as stored.
std::vector<InputViewRow> InputViewRows(const TRoomRecord& room, bool decimalPunkt);

}  // namespace virano
