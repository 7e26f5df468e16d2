#include "rules/InputView.h"

#include <algorithm>

#include "project/numbers.h"

namespace virano {

namespace {

// Columns of the input view.
enum : int {
  kNameCol = 0, kFirstSurfaceCol = 1, kLuftHastCol = 9, kRumsTempCol = 10, kRotCol = 11,
  kHeatSystemCol = 12, kHeatInputCol = 13, kFirstPointCol = 14
};

template <std::size_t N>
std::string Number(const ShortString<N>& field, bool decimalPunkt) {
  return DecimalFormat(field.Text(), decimalPunkt);
}

InputViewRow RoomRow(const TRoomRecord& room, bool decimalPunkt) {
  InputViewRow row;
  row[kNameCol] = room.RumsNamn.Text();
  row[kLuftHastCol] = Number(room.LuftHast, decimalPunkt);
  row[kRumsTempCol] = Number(room.RumsTemp, decimalPunkt);
  row[kRotCol] = Number(room.Rot, decimalPunkt) + "/" + Number(room.MinRot, decimalPunkt);
  const int system = room.HeatSystem.Get();
  if (system >= 0 && system < static_cast<int>(kHeatSystemCaptions.size()))
    row[kHeatSystemCol] = std::string(kHeatSystemCaptions[system]);
  if (system == 3) row[kHeatInputCol] = Number(room.WattPerKvmTak, decimalPunkt);
  if (system == 5)
    row[kHeatInputCol] =
        Number(room.Temp05OG, decimalPunkt) + "/" + Number(room.Temp18OG, decimalPunkt);
  return row;
}

}  // namespace

const std::array<InputViewRow, kInputViewHeadingRows>& InputViewHeadings() {
  static const std::array<InputViewRow, kInputViewHeadingRows> headings = {{
      {"Rum", "X1", "X2", "Y1", "Y2", "u-värde", "mi", "Temp", "Yttemp", "Luft-", "Temp", "Rot/",
       "Uppv.", "W/m2", "Xp", "Yp", "Zp"},
      {"  Huvudyta", "", "", "", "", "", "", "Utsida", "", "hast", "rum", "min Rot", "system",
       "T 0,5mÖG/", "", "", ""},
      {"    Delytor", "", "", "", "", "W/m2K", "m2*K/W", "C", "C", "m/s", "C", "", "", "T 1,8mÖG",
       "", "", ""},
  }};
  return headings;
}

std::vector<InputViewRow> InputViewRows(const TRoomRecord& room, bool decimalPunkt) {
  // Grid rows: the room row is row 3. Two cursors walk down: d for the
  // surface rows, g for the points; a main surface starts below the longer
  // list of the one before it.
  constexpr int kRoomRow = kInputViewHeadingRows;
  std::vector<InputViewRow> grid(kRoomRow + 1);
  auto at = [&grid](int row) -> InputViewRow& {
    if (static_cast<int>(grid.size()) <= row) grid.resize(row + 1);
    return grid[row];
  };
  grid[kRoomRow] = RoomRow(room, decimalPunkt);

  int d = kRoomRow;
  int g = 0;
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    d = std::max(d, g);
    g = d + 1;
    bool pointWritten = false;
    for (int p = 0; p < 10; ++p) {
      const TPointRow& point = room.Punkter[s][p];
      if (!point.InUse()) continue;
      if (pointWritten) ++g;
      pointWritten = true;
      for (int c = 0; c < TPointRow::kCellCount; ++c)
        at(g)[kFirstPointCol + c] = Number(point.cell(c), decimalPunkt);
    }
    for (int r = 0; r < kSurfaceRowsPerBlock; ++r) {
      const TSurfaceRow& surface = room.Ytor[s][r];
      if (!surface.InUse()) continue;
      InputViewRow& row = at(++d);
      row[kNameCol] = (r == 0 ? "  " : "    ") + surface.Namn.Text();
      for (int c = 1; c < TSurfaceRow::kCellCount; ++c)
        row[kFirstSurfaceCol + c - 1] = Number(surface.cell(c), decimalPunkt);
    }
  }
  at(std::max(d, g));  // the last row written is the grid's last row
  grid.erase(grid.begin(), grid.begin() + kRoomRow);
  return grid;
}

}  // namespace virano
